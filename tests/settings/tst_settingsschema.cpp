// The settings editor's rows over the shipped schema and example, and how
// edited rows go back into the settings.
#include "settings/settingsschema.h"
#include "testsupport.h"

#include <QFile>
#include <QJsonDocument>
#include <QTest>

namespace {
QJsonValue json(const char* text)
{
    QByteArray t(text);
    t.replace('\'', '"');
    return QJsonDocument::fromJson("[" + t + "]").array().first();
}

QJsonObject example()
{
    QFile f(QStringLiteral(":/Settings/SettingsExample.json"));
    f.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(f.readAll()).object();
}

QVariantMap rowWithKey(const QVariantList& rows, const QString& key)
{
    for (const QVariant& r : rows) {
        if (r.toMap().value("key").toString() == key)
            return r.toMap();
    }
    return {};
}
}

class TestSettingsSchema : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // One row per case: a node loaded under key, the field of the row with
    // rowKey (or the titles of all rows when rowKey is empty).
    void rows_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<QString>("rowKey");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("expected");
        const QJsonValue output = json("{'id': 0, 'name': 'Kitchen', 'min_volume': -80}");
        const QJsonValue itunes = json("{'type': 'service_itunes', 'name': 'Pods'}");
        QTest::newRow("root sections") << "__root__" << QJsonValue(example()) << "" << "title"
            << QVariant(QStringList { "This Tavirel", "Outputs", "Sources", "USB", "Network storage", "Services" });
        QTest::newRow("list rows are element names") << "outputs" << example().value("outputs") << "" << "title"
            << QVariant(QStringList { "Output 1", "Output 2", "Output 3", "Output 4" });
        QTest::newRow("output rows in schema order") << "output" << output << "" << "key"
            << QVariant(QStringList { "name", "min_volume", "max_volume", "ch_mode", "name_virtual", "mix", "mix_volume" });
        QTest::newRow("present value") << "output" << output << "min_volume" << "value" << QVariant(-80);
        QTest::newRow("slider limits") << "output" << output << "max_volume" << "min" << QVariant(-80);
        QTest::newRow("missing bool is off") << "output" << output << "ch_mode" << "value" << QVariant(false);
        QTest::newRow("missing string is empty") << "output" << output << "name_virtual" << "value" << QVariant("");
        QTest::newRow("missing number has no value") << "output" << output << "mix_volume" << "value" << QVariant();
        QTest::newRow("service finds its type") << "service" << itunes << "country" << "label" << QVariant("Afghanistan");
        QTest::newRow("missing enum takes the first") << "service" << itunes << "country" << "value" << QVariant("AF");
        QTest::newRow("enum label of value") << "service" << json("{'type': 'service_itunes', 'country': 'IT'}")
                                             << "country" << "label" << QVariant("Italy");
        QTest::newRow("unknown enum value has no label") << "service" << json("{'type': 'service_itunes', 'country': 'XX'}")
                                                        << "country" << "label" << QVariant("");
        QTest::newRow("line input has no player rows") << "source" << json("{'name': 'Tuner', 'icon': 'tuner'}") << ""
                                                       << "key" << QVariant(QStringList { "name", "vol_preamp" });
        QTest::newRow("player has its button") << "source" << json("{'name': 'P', 'icon': 'player'}") << "" << "key"
                                               << QVariant(QStringList { "name", "vol_preamp", "player_btn", "feedback" });
        QTest::newRow("read-only feedback") << "nasitem" << json("{'name': 'N'}") << "feedback" << "editable" << QVariant(false);
        QTest::newRow("path hint") << "nasitem" << json("{'name': 'N'}") << "path" << "hint"
                                   << QVariant("//[ip or hostname]/Share/Subfolder");
        QTest::newRow("empty object shows nothing") << "usb" << json("{}") << "" << "title" << QVariant(QStringList());
        QTest::newRow("unknown node shows nothing") << "fridge" << json("{'a': 1}") << "" << "title" << QVariant(QStringList());
        QTest::newRow("scalar shows nothing") << "usb" << json("5") << "" << "title" << QVariant(QStringList());
    }
    void rows()
    {
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        QFETCH(QString, rowKey);
        QFETCH(QString, field);
        QFETCH(QVariant, expected);
        const QJsonObject& schema = SettingsSchema::shipped();
        const QVariantList rows = SettingsSchema::rows(schema, SettingsSchema::load(schema, value, key));
        if (rowKey.isEmpty()) {
            QStringList all;
            for (const QVariant& r : rows)
                all << r.toMap().value(field).toString();
            QCOMPARE(all, expected.toStringList());
            return;
        }
        const QVariantMap row = rowWithKey(rows, rowKey);
        QVERIFY2(!row.isEmpty(), qPrintable(rowKey));
        QCOMPARE(row.value(field), expected);
    }

    void editableLists()
    {
        const QJsonObject& schema = SettingsSchema::shipped();
        const auto nas = SettingsSchema::load(schema, example().value("nas"), "nas");
        QCOMPARE(nas.type, QStringLiteral("nasitem_list"));
        QCOMPARE(nas.addable, QStringList { "nasitem" });
        QCOMPARE(SettingsSchema::elementType(nas.type), QStringLiteral("nasitem"));
        QVERIFY(SettingsSchema::load(schema, example().value("outputs"), "outputs").addable.isEmpty());
    }

    // Edited rows go back; keys the schema does not show ("id") and rows
    // without a value stay as they were.
    void saveKeepsWhatIsNotShown()
    {
        const QJsonObject& schema = SettingsSchema::shipped();
        const QJsonObject output = json("{'id': 3, 'name': 'Kitchen', 'extra': [1]}").toObject();
        QVariantList rows = SettingsSchema::rows(schema, SettingsSchema::load(schema, output, "output"));
        QVariantMap name = rows.first().toMap();
        name.insert("value", QStringLiteral("Den"));
        rows[0] = name;
        const QJsonObject saved = SettingsSchema::applyRows(output, rows);
        QCOMPARE(saved.value("id").toInt(), 3);
        QCOMPARE(saved.value("extra"), json("[1]"));
        QCOMPARE(saved.value("name").toString(), QStringLiteral("Den"));
        QCOMPARE(saved.value("ch_mode"), QJsonValue(false));
        QVERIFY(!saved.contains("mix_volume"));

        const QJsonObject itunes = json("{'type': 'service_itunes'}").toObject();
        const QJsonObject savedItunes = SettingsSchema::applyRows(
            itunes, SettingsSchema::rows(schema, SettingsSchema::load(schema, itunes, "service")));
        QCOMPARE(savedItunes.value("country").toString(), QStringLiteral("AF"));
    }

    // An output's volumes as edited: kept within the schema's range, given in
    // dB, and refused when the minimum is above the maximum.
    void volumeRanges_data()
    {
        QTest::addColumn<int>("minVolume");
        QTest::addColumn<int>("maxVolume");
        QTest::addColumn<int>("savedMin");
        QTest::addColumn<int>("savedMax");
        QTest::addColumn<bool>("refused");
        QTest::newRow("within range") << -40 << 10 << -40 << 10 << false;
        QTest::newRow("equal") << 0 << 0 << 0 << 0 << false;
        QTest::newRow("below the schema's minimum") << -200 << 10 << -80 << 10 << false;
        QTest::newRow("above the schema's maximum") << -10 << 999 << -10 << 20 << false;
        QTest::newRow("minimum above maximum") << 5 << -5 << 5 << -5 << true;
        QTest::newRow("above each other once clamped") << 500 << 300 << 20 << 20 << false;
    }
    void volumeRanges()
    {
        QFETCH(int, minVolume);
        QFETCH(int, maxVolume);
        QFETCH(int, savedMin);
        QFETCH(int, savedMax);
        QFETCH(bool, refused);
        const QJsonObject& schema = SettingsSchema::shipped();
        const QJsonObject output = json("{'id': 0, 'name': 'Kitchen', 'min_volume': -80, 'max_volume': 20}").toObject();
        QVariantList rows = SettingsSchema::rows(schema, SettingsSchema::load(schema, output, "output"));
        for (QVariant& r : rows) {
            QVariantMap row = r.toMap();
            if (row.value("key") == QLatin1String("min_volume"))
                row.insert("value", minVolume);
            if (row.value("key") == QLatin1String("max_volume"))
                row.insert("value", maxVolume);
            if (row.value("type") == QLatin1String("number"))
                QCOMPARE(row.value("unit").toString(), QStringLiteral("dB"));
            r = row;
        }
        const QJsonObject saved = SettingsSchema::applyRows(output, rows);
        QCOMPARE(saved.value("min_volume").toInt(), savedMin);
        QCOMPARE(saved.value("max_volume").toInt(), savedMax);
        QCOMPARE(!SettingsSchema::saveProblem(saved).isEmpty(), refused);
        QVERIFY(SettingsSchema::unitFor(QStringLiteral("name")).isEmpty());
    }

    // The shipped country list: ISO codes, sorted by name as a reader expects.
    void countryList()
    {
        const QJsonArray countries = SettingsSchema::shipped().value("country_enum").toArray();
        QVERIFY(countries.size() > 200);
        QCOMPARE(countries.first().toObject().value("value").toString(), QStringLiteral("AF"));
        QCOMPARE(countries.last().toObject().value("label").toString(), QStringLiteral("Zimbabwe"));
        QCOMPARE(countries.at(1).toObject().value("label").toString(), QString::fromUtf8("Åland Islands"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsSchema)
#include "tst_settingsschema.moc"
