#include "app/startup.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

class TestStartup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Startup::setIdentity(*QCoreApplication::instance());
        QSettings().clear();
    }

    void formatUniqueId_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("5 and 5") << 5 << 5 << "5000" << "0005";
        QTest::newRow("7 and 12") << 7 << 12 << "7000" << "0012";
        QTest::newRow("12 and 7") << 12 << 7 << "1200" << "0007";
        QTest::newRow("four digits") << 9999 << 1000 << "9999" << "1000";
        QTest::newRow("zero") << 0 << 0 << "0000" << "0000";
    }
    void formatUniqueId()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QString, prefix);
        QFETCH(QString, suffix);
        const QString digits(32, QLatin1Char('a'));
        QCOMPARE(Startup::formatUniqueId(a, b, digits), prefix + digits + suffix);
    }

    void uniqueIdIsCreatedOnceAndKept()
    {
        QSettings settings;
        settings.remove(QLatin1String(Startup::UniqueIdKey));
        const QString first = Startup::ensureUniqueId(settings);
        QCOMPARE(first.size(), 40);
        QVERIFY2(QRegularExpression(QStringLiteral("^[0-9]{4}[0-9a-f]{32}[0-9]{4}$")).match(first).hasMatch(),
                 qPrintable(first));
        // A fresh store object reads what was synced to disk.
        QSettings again;
        QCOMPARE(again.value(QLatin1String(Startup::UniqueIdKey)).toString(), first);
        QCOMPARE(Startup::ensureUniqueId(again), first);
        // Two generated identifiers differ (the UUID part at least).
        QVERIFY(Startup::generateUniqueId().mid(4, 32) != first.mid(4, 32));
    }

    // A stored identifier is used only in its own form; anything else is
    // replaced once and the replacement kept.
    void storedUniqueId_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("kept");
        const QString hex(32, QLatin1Char('b'));
        QTest::newRow("well formed") << "1234" + hex + "5678" << true;
        QTest::newRow("field separators") << QStringLiteral("|||") + QString(37, QLatin1Char('|')) << false;
        QTest::newRow("upper-case hexadecimal") << "1234" + hex.toUpper() + "5678" << false;
        QTest::newRow("one character short") << "123" + hex + "5678" << false;
        QTest::newRow("trailing newline") << "1234" + hex + "5678\n" << false;
        QTest::newRow("empty") << QString() << false;
    }
    void storedUniqueId()
    {
        QFETCH(QString, stored);
        QFETCH(bool, kept);
        QSettings settings;
        settings.setValue(QLatin1String(Startup::UniqueIdKey), stored);
        const QString id = Startup::ensureUniqueId(settings);
        QVERIFY2(Startup::isUniqueId(id), qPrintable(id));
        QCOMPARE(id == stored, kept);
        QCOMPARE(QSettings().value(QLatin1String(Startup::UniqueIdKey)).toString(), id);
        QCOMPARE(Startup::ensureUniqueId(settings), id);
    }

    void layout_data()
    {
        QTest::addColumn<qreal>("dpi");
        QTest::addColumn<QSize>("available");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<QSize>("window");
        QTest::newRow("72 dpi") << 72.0 << QSize(1920, 1080) << 1.0 << QSize(500, 800);
        QTest::newRow("79 dpi stays linear") << 79.0 << QSize(1920, 1080) << 79.0 / 72.0 << QSize(548, 877);
        QTest::newRow("96 dpi switches to dpi/100") << 96.0 << QSize(1920, 1080) << 0.96 << QSize(480, 768);
        QTest::newRow("small screen") << 96.0 << QSize(400, 600) << 0.96 << QSize(400, 600);
        QTest::newRow("short screen only") << 72.0 << QSize(1920, 700) << 1.0 << QSize(500, 700);
    }
    void layout()
    {
        QFETCH(qreal, dpi);
        QFETCH(QSize, available);
        QFETCH(qreal, scale);
        QFETCH(QSize, window);
        const auto result = Startup::computeLayout(dpi, available);
        QVERIFY(qFuzzyCompare(result.scaleFactor, scale));
        QCOMPARE(result.windowSize, window);
    }

    void language_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("language");
        QTest::newRow("nothing set") << QStringList() << "en";
        QTest::newRow("German region") << QStringList { "de-AT" } << "de";
        QTest::newRow("Italian after an untranslated one") << QStringList { "fr-FR", "it_IT" } << "it";
        QTest::newRow("English preferred over German") << QStringList { "en-GB", "de-DE" } << "en";
        QTest::newRow("C locale") << QStringList { "C" } << "en";
    }
    void language()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, language);
        QCOMPARE(Startup::chooseLanguage(uiLanguages), language);
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
