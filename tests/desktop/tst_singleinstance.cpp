#include "desktop/singleinstance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The real application on a private session bus (the test runs under
// dbus-run-session): a second start with the same settings hands over to the
// running copy; a start with settings of its own runs beside it.
class TestSingleInstance : public QObject
{
    Q_OBJECT
private:
    static void startApp(QProcess* app, const QString& configHome, const QString& quitAfterMs)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        env.insert(QStringLiteral("TAVIREL_QUIT_AFTER_MS"), quitAfterMs);
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("tavirel.desktop.debug=true"));
        app->setProcessEnvironment(env);
        app->setProcessChannelMode(QProcess::MergedChannels);
        app->start(qEnvironmentVariable("TAVIREL_APP"), QStringList());
    }
    static QString confPath(const QTemporaryDir& home) { return home.filePath(QStringLiteral("Orvith/Tavirel.conf")); }

private Q_SLOTS:
    void secondStartRaisesTheFirst()
    {
        QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
        QVERIFY2(bus, "no private session bus");
        QTemporaryDir home;
        QProcess first;
        startApp(&first, home.path(), QStringLiteral("60000"));
        QTRY_VERIFY_WITH_TIMEOUT(bus->isServiceRegistered(SingleInstance::serviceName(confPath(home))), 20000);

        QProcess second;
        startApp(&second, home.path(), QStringLiteral("60000"));
        QVERIFY2(second.waitForFinished(20000), second.readAll().constData());
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QString firstLog;
        QTRY_VERIFY_WITH_TIMEOUT((firstLog += QString::fromLocal8Bit(first.readAll()))
                                     .contains(QLatin1String("a later start asked for the window")),
                                 10000);

        QTemporaryDir otherHome;
        QProcess other;
        startApp(&other, otherHome.path(), QStringLiteral("1500"));
        QVERIFY(other.waitForFinished(30000));
        QCOMPARE(other.exitCode(), 0);
        QVERIFY2(QSettings(confPath(otherHome), QSettings::IniFormat).contains(QStringLiteral("uniqueID")),
                 other.readAll().constData()); // it started in full

        first.terminate();
        QVERIFY(first.waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
