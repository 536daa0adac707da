#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// Runs the real executable on the offscreen platform and checks that it
// starts, loads its documents without QML errors and exits cleanly.
class TestAppStart : public QObject
{
    Q_OBJECT
private:
    struct Run {
        int exitCode;
        QProcess::ExitStatus status;
        QString errors;
    };

    Run runApp(const QString& configHome)
    {
        QProcess app;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
        env.insert(QStringLiteral("TAVIREL_QUIT_AFTER_MS"), QStringLiteral("1500"));
        app.setProcessEnvironment(env);
        app.start(qEnvironmentVariable("TAVIREL_APP"), QStringList());
        if (!app.waitForStarted(10000))
            return { -1, QProcess::CrashExit, QStringLiteral("did not start") };
        if (!app.waitForFinished(30000)) {
            app.kill();
            app.waitForFinished();
            return { -1, QProcess::CrashExit, QStringLiteral("did not quit") };
        }
        return { app.exitCode(), app.exitStatus(), QString::fromLocal8Bit(app.readAllStandardError()) };
    }

    static QString confPath(const QTemporaryDir& home) { return home.filePath(QStringLiteral("Orvith/Tavirel.conf")); }
    static bool ownerOnly(const QTemporaryDir& home)
    {
        const QFile::Permissions p = QFile::permissions(confPath(home));
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
            | QFile::WriteOther | QFile::ExeOther;
        return (p & (QFile::ReadOwner | QFile::WriteOwner)) && !(p & others);
    }

    static QString qmlProblems(const QString& log)
    {
        QStringList bad;
        for (const QString& line : log.split(QLatin1Char('\n'))) {
            if (line.contains(QLatin1String("qrc:/")) || line.contains(QLatin1String("ReferenceError"))
                || line.contains(QLatin1String("TypeError")))
                bad << line;
        }
        return bad.join(QLatin1Char('\n'));
    }

private Q_SLOTS:
    void emptySettings()
    {
        QTemporaryDir home;
        const Run run = runApp(home.path());
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(qmlProblems(run.errors), QString());
        QSettings written(home.filePath(QStringLiteral("Orvith/Tavirel.conf")), QSettings::IniFormat);
        QCOMPARE(written.value(QStringLiteral("uniqueID")).toString().size(), 40);
        QVERIFY(!written.value(QStringLiteral("RootAppDirectory")).toString().isEmpty());
        QVERIFY(ownerOnly(home)); // it holds passwords
    }

    // A second case adds a value that makes QSettings throw while parsing.
    void populatedSettings_data()
    {
        QTest::addColumn<QByteArray>("broken");
        QTest::newRow("readable") << QByteArray();
        QTest::newRow("malformed serialized value") << QByteArray("k=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\n");
    }
    void populatedSettings()
    {
        QFETCH(QByteArray, broken);
        QTemporaryDir home;
        const quint16 closedPort = TestSupport::freeLoopbackPort();
        {
            QSettings seed(home.filePath(QStringLiteral("Orvith/Tavirel.conf")), QSettings::IniFormat);
            const QString text = QStringLiteral(
                "{\"localIp\":\"127.0.0.1\",\"localPort\":%1,\"objectName\":\"\",\"password\":\"pw\","
                "\"propDictionary\":{\"name\":\"Kitchen\"},\"remoteIp\":\"\",\"remotePort\":0,"
                "\"serialNumber\":\"SN1\",\"username\":\"user\"}").arg(closedPort);
            seed.setValue(QStringLiteral("uniqueID"), QStringLiteral("1234") + QString(32, QLatin1Char('f'))
                              + QStringLiteral("0001"));
            seed.setValue(QStringLiteral("savedTavirel"), QStringList { text });
            seed.setValue(QStringLiteral("lastSelectedTavirel"), text);
        }
        QFile conf(confPath(home));
        QVERIFY(conf.open(QIODevice::Append));
        conf.write(broken);
        conf.close();
        QVERIFY(conf.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
        const Run run = runApp(home.path());
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(qmlProblems(run.errors), QString());
        QSettings written(home.filePath(QStringLiteral("Orvith/Tavirel.conf")), QSettings::IniFormat);
        QCOMPARE(written.value(QStringLiteral("uniqueID")).toString(),
                 QStringLiteral("1234") + QString(32, QLatin1Char('f')) + QStringLiteral("0001"));
        QCOMPARE(written.value(QStringLiteral("savedTavirel")).toStringList().size(), 1);
        QVERIFY(ownerOnly(home));
        // An unreadable file is kept beside the repaired one, and the log says so.
        const QStringList copies = QDir(home.filePath(QStringLiteral("Orvith")))
                                       .entryList({ QStringLiteral("Tavirel.conf.unreadable-*") });
        QCOMPARE(copies.size(), broken.isEmpty() ? 0 : 1);
        QCOMPARE(run.errors.contains(QLatin1String("could not be read")), !broken.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAppStart)
#include "tst_appstart.moc"
