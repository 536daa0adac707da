#include "app/startup.h"
#include "settings/countrynames.h"
#include "settings/dynamictranslator.h"
#include "settings/settingsschema.h"
#include "settings/tavireltheme.h"
#include "testsupport.h"

#include <QColor>
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <algorithm>
#include <cmath>

class TestThemeTranslator : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    QString writeFile(const QString& name, const QByteArray& content)
    {
        QFile f(m_dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(content);
        return f.fileName();
    }

private Q_SLOTS:
    void themeLoading_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        const QByteArray good
            = "{\"fill1\": {\"hex\": \"#A0B1C2\"}, \"text1\": {\"hex\": \"red\"}, \"odd\": 5, \"nohex\": {}}";
        QTest::newRow("hex upper case comes back lower") << good << "fill1" << "#a0b1c2";
        QTest::newRow("named colour") << good << "text1" << "#ff0000";
        QTest::newRow("non-object member skipped") << good << "odd" << "#000000";
        QTest::newRow("member without hex") << good << "nohex" << "#000000";
        QTest::newRow("unknown name") << good << "shadow9" << "#000000";
        QTest::newRow("array file") << QByteArray("[{\"fill1\": {\"hex\": \"#ffffff\"}}]") << "fill1" << "#000000";
        QTest::newRow("broken file") << QByteArray("{\"fill1\": ") << "fill1" << "#000000";
    }
    void themeLoading()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        TavirelTheme theme;
        theme.loadFromFile(writeFile(QStringLiteral("theme.json"), content));
        QCOMPARE(theme.getColor(name), expected);
    }

    void missingThemeFile()
    {
        TavirelTheme theme;
        theme.loadFromFile(m_dir.filePath(QStringLiteral("absent.json")));
        QCOMPARE(theme.getColor(QStringLiteral("fill1")), QStringLiteral("#000000"));
    }

    // A theme file of one's own replaces theme 0 colour by colour; what it
    // lacks keeps the shipped value rather than turning black.
    void ownThemeFileOverShippedColours()
    {
        TavirelTheme theme;
        theme.setTheme0File(writeFile(QStringLiteral("own.json"), "{\"fill1\": {\"hex\": \"#123456\"}}"));
        QVERIFY(theme.applyTheme(0));
        QCOMPARE(theme.getColor(QStringLiteral("fill1")), QStringLiteral("#123456"));
        TavirelTheme shipped;
        shipped.loadFromFile(TavirelTheme::resourcePath(0));
        QCOMPARE(theme.getColor(QStringLiteral("track1")), shipped.getColor(QStringLiteral("track1")));
        // Other themes do not take the file's colours.
        QVERIFY(theme.applyTheme(1));
        QVERIFY(theme.getColor(QStringLiteral("fill1")) != QLatin1String("#123456"));
    }

    // The shipped theme defines every colour the documents ask for.
    void shippedThemeIsComplete()
    {
        TavirelTheme theme;
        theme.loadFromFile(TestSupport::sourceDir() + QStringLiteral("/themes/theme0.json"));
        const QJsonObject obj = QJsonDocument::fromJson([] {
            QFile f(TestSupport::sourceDir() + QStringLiteral("/themes/theme0.json"));
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }()).object();
        for (const char* name : { "fill1", "fill2", "fill3", "fill7", "track1", "text1", "text2", "highlight1",
                                  "shadow1", "accent2", "danger1" }) {
            QVERIFY2(obj.contains(QLatin1String(name)), name);
            QCOMPARE(theme.getColor(QLatin1String(name)),
                     obj.value(QLatin1String(name)).toObject().value(QStringLiteral("hex")).toString().toLower());
        }
    }

    // The colour pairs that the documents draw, in every shipped theme: text
    // at least 4.5:1 against what it sits on, slider tracks and empty cells
    // at least 3:1 (WCAG 2.1 AA). The ratio goes both ways, so danger1 on
    // fill1 also covers the dark text of error notices on their red.
    void colourPairsContrast_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<QString>("front");
        QTest::addColumn<QString>("back");
        QTest::addColumn<double>("minimum");
        const struct { const char* front; const char* back; double minimum; } pairs[] = {
            { "text1", "fill1", 4.5 }, { "text1", "fill2", 4.5 }, { "text1", "fill3", 4.5 },
            { "text2", "fill1", 4.5 }, { "text2", "fill2", 4.5 }, { "text2", "fill3", 4.5 },
            { "highlight1", "fill1", 4.5 }, { "highlight1", "fill2", 4.5 },
            { "accent2", "fill2", 4.5 }, { "danger1", "fill1", 4.5 }, { "danger1", "fill2", 4.5 },
            { "track1", "fill1", 3.0 }, { "track1", "fill2", 3.0 },
        };
        for (int theme = 0; theme < TavirelTheme::ThemeCount; ++theme) {
            for (const auto& p : pairs)
                QTest::addRow("theme%d %s on %s", theme, p.front, p.back)
                    << theme << QString::fromLatin1(p.front) << QString::fromLatin1(p.back) << p.minimum;
        }
    }
    void colourPairsContrast()
    {
        QFETCH(int, theme);
        QFETCH(QString, front);
        QFETCH(QString, back);
        QFETCH(double, minimum);
        TavirelTheme colours;
        QVERIFY(colours.loadFromFile(TavirelTheme::resourcePath(theme)));
        const auto luminance = [&colours](const QString& name) {
            const QColor c(colours.getColor(name));
            const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
        };
        const double a = luminance(front);
        const double b = luminance(back);
        const double ratio = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
        QVERIFY2(ratio >= minimum, qPrintable(QStringLiteral("%1 on %2: %3:1").arg(front, back).arg(ratio, 0, 'f', 2)));
    }

    void translatorWithoutCatalogue()
    {
        DynamicTranslator tr;
        QCOMPARE(tr.translate(QStringLiteral("min_volume")), QStringLiteral("Minimum volume"));
        QCOMPARE(tr.translate(QStringLiteral("podcast+itunes")), QStringLiteral("iTunes Store: Podcasts"));
        QCOMPARE(tr.translate(QStringLiteral("service_tunein")), QStringLiteral("TuneIn"));
        QVERIFY(tr.translate(QStringLiteral("feedback")).isEmpty());
        QVERIFY(tr.translate(QStringLiteral("no_such_key")).isEmpty());
        QVERIFY(tr.translate(QStringLiteral("Min_volume")).isEmpty());
    }

    // Every label of the table and every text of the documents has a
    // German and an Italian translation, and the catalogue is applied.
    void cataloguesAreCompleteAndApplied_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("country");
        QTest::newRow("de") << "de" << "Mindestlautstärke" << "Deutschland";
        QTest::newRow("it") << "it" << "Volume minimo" << "Germania";
    }
    void cataloguesAreCompleteAndApplied()
    {
        QFETCH(QString, language);
        QFETCH(QString, expected);
        QFETCH(QString, country);
        QFile ts(TestSupport::sourceDir() + QStringLiteral("/resources/Translations/Tavirel_%1.ts").arg(language));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        const QString content = QString::fromUtf8(ts.readAll());
        QVERIFY(!content.contains(QLatin1String("type=\"unfinished\"")));
        QVERIFY(content.count(QLatin1String("<message")) > 100);

        QTranslator catalogue;
        QVERIFY(catalogue.load(QStringLiteral("Tavirel_") + language, QStringLiteral(":/Translations/")));
        QCoreApplication::installTranslator(&catalogue);
        DynamicTranslator tr;
        QCOMPARE(tr.translate(QStringLiteral("min_volume")), expected);
        // The settings' country list reads in the language too, in its order
        // (the upper bound is the other way round in English order).
        const QJsonObject& schema = SettingsSchema::shipped();
        const QVariantMap countries = SettingsSchema::rows(
            schema, SettingsSchema::load(schema, QJsonObject { { "type", "service_itunes" }, { "country", "DE" } }, "service"))
            .at(2).toMap();
        QCOMPARE(countries.value("key").toString(), QStringLiteral("country"));
        QCOMPARE(countries.value("label").toString(), country);
        const QStringList labels = countries.value("labels").toStringList();
        QVERIFY(labels.indexOf(country) > labels.indexOf(language == QLatin1String("de") ? "Dänemark" : "Danimarca"));
        QVERIFY(labels.indexOf(country) < labels.indexOf(language == QLatin1String("de") ? "Dschibuti" : "Gibuti"));
        QCOMPARE(CountryNames::translated(QStringLiteral("Atlantis")), QStringLiteral("Atlantis"));
        QCOMPARE(QCoreApplication::translate("MainTabController", "Cancel").isEmpty(), false);
        QVERIFY(QCoreApplication::translate("MainTabController", "Tavirel Connection")
                != QLatin1String("Tavirel Connection") || language == QLatin1String("it"));
        QCoreApplication::removeTranslator(&catalogue);
        QCOMPARE(tr.translate(QStringLiteral("min_volume")), QStringLiteral("Minimum volume"));
    }

    void englishCatalogueAbsentIsHarmless()
    {
        QTranslator catalogue;
        QVERIFY(!catalogue.load(QStringLiteral("Tavirel_en"), QStringLiteral(":/Translations/")));
    }
};

QTEST_GUILESS_MAIN(TestThemeTranslator)
#include "tst_themetranslator.moc"
