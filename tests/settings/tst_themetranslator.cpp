#include "app/startup.h"
#include "settings/dynamictranslator.h"
#include "settings/tavireltheme.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

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
        for (const char* name : { "fill1", "fill2", "fill3", "fill7", "text1", "text2", "highlight1", "shadow1" }) {
            QVERIFY2(obj.contains(QLatin1String(name)), name);
            QCOMPARE(theme.getColor(QLatin1String(name)),
                     obj.value(QLatin1String(name)).toObject().value(QStringLiteral("hex")).toString().toLower());
        }
    }

    void translatorWithoutCatalogue()
    {
        DynamicTranslator tr;
        QCOMPARE(tr.translate(QStringLiteral("min_volume")), QStringLiteral("Minimum volume"));
        QCOMPARE(tr.translate(QStringLiteral("podcast+itunes")), QStringLiteral("iTunes Store: Podcasts"));
        QCOMPARE(tr.translate(QStringLiteral("service_tunein")), QStringLiteral("Tunein"));
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
        QTest::newRow("de") << "de" << "Mindestlautstärke";
        QTest::newRow("it") << "it" << "Volume minimo";
    }
    void cataloguesAreCompleteAndApplied()
    {
        QFETCH(QString, language);
        QFETCH(QString, expected);
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
