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
        QString output;
    };

    // changes: variables to set, or to remove when the value is empty.
    Run runApp(const QString& configHome, const QStringList& arguments = {},
               const QMap<QString, QString>& changes = {})
    {
        QProcess app;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
        env.insert(QStringLiteral("TAVIREL_QUIT_AFTER_MS"), QStringLiteral("1500"));
        for (auto it = changes.begin(); it != changes.end(); ++it) {
            if (it.value().isEmpty())
                env.remove(it.key());
            else
                env.insert(it.key(), it.value());
        }
        app.setProcessEnvironment(env);
        app.start(qEnvironmentVariable("TAVIREL_APP"), arguments);
        if (!app.waitForStarted(10000))
            return { -1, QProcess::CrashExit, QStringLiteral("did not start"), QString() };
        if (!app.waitForFinished(30000)) {
            app.kill();
            app.waitForFinished();
            return { -1, QProcess::CrashExit, QStringLiteral("did not quit"), QString() };
        }
        return { app.exitCode(), app.exitStatus(), QString::fromLocal8Bit(app.readAllStandardError()),
                 QString::fromLocal8Bit(app.readAllStandardOutput()) };
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
        // An unreadable file is kept beside the repaired one, and the log says
        // so. Under the address sanitizer the impossible allocation may even
        // succeed, depending on the machine's memory, and leave nothing to repair.
        const QStringList copies = QDir(home.filePath(QStringLiteral("Orvith")))
                                       .entryList({ QStringLiteral("Tavirel.conf.unreadable-*") });
#ifndef __SANITIZE_ADDRESS__
        QCOMPARE(copies.size(), broken.isEmpty() ? 0 : 1);
        QCOMPARE(run.errors.contains(QLatin1String("could not be read")), !broken.isEmpty());
#endif
        QCOMPARE(copies.size(), int(run.errors.contains(QLatin1String("could not be read"))));
    }

    // Answered on a terminal without a display: the window system is never
    // asked (which would abort), and no window stays open.
    void withoutWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");
        QTest::newRow("help") << QStringList { "--help" } << 0 << "--device <HOST[:PORT]>" << "";
        QTest::newRow("version") << QStringList { "--version" } << 0 << "Tavirel 2.5.20\n" << "";
        QTest::newRow("unknown option") << QStringList { "--bogus" } << 1 << "" << "Unknown option 'bogus'";
    }
    void withoutWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, error);
        QTemporaryDir home;
        const Run run = runApp(home.path(), arguments,
                               { { "QT_QPA_PLATFORM", "xcb" }, { "DISPLAY", "" }, { "WAYLAND_DISPLAY", "" },
                                 { "TAVIREL_QUIT_AFTER_MS", "" } });
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.output.contains(output), qPrintable(run.output));
        QVERIFY2(run.errors.contains(error), qPrintable(run.errors));
        QVERIFY(!QFile::exists(confPath(home))); // the settings were not even opened
    }

    // The offscreen platform without a display has no OpenGL.
    void withoutOpenGL()
    {
        QTemporaryDir home;
        const Run run = runApp(home.path(), {}, { { "QT_QUICK_BACKEND", "" }, { "QMLSCENE_DEVICE", "" },
                                                  { "DISPLAY", "" } });
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.errors.count(QLatin1String("software renderer")), 1);
        QCOMPARE(qmlProblems(run.errors), QString());
    }

    // --device picks a saved device by address and makes it the last selected
    // one; an address that no saved device has leaves the choice alone.
    void deviceOption_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("complains");
        QTest::newRow("saved address") << "127.0.0.1:%2" << "SN2" << false;
        QTest::newRow("unknown address") << "192.0.2.1" << "SN1" << true;
    }
    void deviceOption()
    {
        QFETCH(QString, address);
        QFETCH(QString, selected);
        QFETCH(bool, complains);
        QTemporaryDir home;
        const quint16 first = TestSupport::freeLoopbackPort();
        const quint16 second = first == 65535 ? first - 1 : first + 1;
        const auto text = [](const char* serial, quint16 port) {
            return QStringLiteral("{\"localIp\":\"127.0.0.1\",\"localPort\":%1,\"serialNumber\":\"%2\","
                                  "\"username\":\"user\",\"password\":\"pw\"}")
                .arg(port)
                .arg(QLatin1String(serial));
        };
        {
            QSettings seed(confPath(home), QSettings::IniFormat);
            seed.setValue(QStringLiteral("savedTavirel"), QStringList { text("SN1", first), text("SN2", second) });
            seed.setValue(QStringLiteral("lastSelectedTavirel"), text("SN1", first));
        }
        const Run run = runApp(home.path(), { "--device", address.arg(second) });
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.errors.contains(QLatin1String("No saved Tavirel at")), complains);
        QSettings written(confPath(home), QSettings::IniFormat);
        QVERIFY(written.value(QStringLiteral("lastSelectedTavirel")).toString().contains("\"" + selected + "\""));
    }
};

QTEST_GUILESS_MAIN(TestAppStart)
#include "tst_appstart.moc"
