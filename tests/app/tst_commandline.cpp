#include "app/commandline.h"
#include "app/graphicsprobe.h"
#include "app/startup.h"
#include "devices/devicestore.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using CommandLine::Action;
Q_DECLARE_METATYPE(CommandLine::Action)
Q_DECLARE_METATYPE(GraphicsProbe::Renderer)

class TestCommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Startup::setIdentity(*QCoreApplication::instance());
    }

    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        const auto row = [](const char* name, const QStringList& args, Action action, const QString& host = {},
                            int port = 0) {
            QTest::newRow(name) << (QStringList { "tavirel" } + args) << action << host << port;
        };
        row("nothing", {}, Action::Run);
        row("--help", { "--help" }, Action::ShowHelp);
        row("-h", { "-h" }, Action::ShowHelp);
        row("--version", { "--version" }, Action::ShowVersion);
        row("-v", { "-v" }, Action::ShowVersion);
        row("window system options passed over", { "-platform", "offscreen", "-reverse", "--display=:1", "-v" },
            Action::ShowVersion);
        row("inline debugger option", { "-qmljsdebugger=port:1234" }, Action::Run);
        row("host", { "--device", "10.0.0.5" }, Action::Run, "10.0.0.5", 0);
        row("host and port", { "--device=10.0.0.5:7551" }, Action::Run, "10.0.0.5", 7551);
        row("IPv6 and port", { "--device", "[fe80::1]:7551" }, Action::Run, "fe80::1", 7551);
        row("bare IPv6", { "--device", "fe80::1" }, Action::Run, "fe80::1", 0);
        row("port out of range", { "--device", "10.0.0.5:70000" }, Action::Fail);
        row("empty address", { "--device", "" }, Action::Fail);
        row("no address", { "--device" }, Action::Fail);
        row("unknown option", { "--bogus" }, Action::Fail);
        row("stray argument", { "kitchen" }, Action::Fail);
    }
    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(QString, host);
        QFETCH(int, port);
        const CommandLine::Options options = CommandLine::parse(arguments);
        QCOMPARE(options.action, action);
        QCOMPARE(options.error.isEmpty(), action != Action::Fail);
        QCOMPARE(options.deviceHost, host);
        QCOMPARE(options.devicePort, port);
    }

    // Saved: A at 192.168.1.5:7550, B at 192.168.1.5:7551, C at ::1:7550;
    // last selected: B.
    void selectSavedDevice_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("selected");
        QTest::newRow("host, any port: the first") << "192.168.1.5" << 0 << true << "A";
        QTest::newRow("host and port") << "192.168.1.5" << 7551 << true << "B";
        QTest::newRow("same IPv6 address, other spelling") << "0:0:0:0:0:0:0:1" << 7550 << true << "C";
        QTest::newRow("no such port") << "192.168.1.5" << 9 << false << "B";
        QTest::newRow("no such host") << "kitchen.local" << 0 << false << "B";
    }
    void selectSavedDevice()
    {
        QFETCH(QString, host);
        QFETCH(int, port);
        QFETCH(bool, found);
        QFETCH(QString, selected);
        const auto text = [](const char* serial, const char* ip, int port) {
            return QString::fromUtf8(QJsonDocument(QJsonObject { { "serialNumber", serial }, { "localIp", ip },
                                                                 { "localPort", port }, { "username", "u" } })
                                         .toJson(QJsonDocument::Compact));
        };
        {
            QSettings settings;
            settings.clear();
            settings.setValue(DeviceStore::SavedKey, QStringList { text("A", "192.168.1.5", 7550),
                                                                   text("B", "192.168.1.5", 7551),
                                                                   text("C", "::1", 7550) });
            settings.setValue(DeviceStore::LastSelectedKey, text("B", "192.168.1.5", 7551));
        }
        QCOMPARE(CommandLine::selectSavedDevice(host, port), found);
        const QJsonObject last
            = QJsonDocument::fromJson(QSettings().value(DeviceStore::LastSelectedKey).toString().toUtf8()).object();
        QCOMPARE(last.value("serialNumber").toString(), selected);
    }

    void renderer_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<bool>("glWorks");
        QTest::addColumn<GraphicsProbe::Renderer>("renderer");
        QTest::addColumn<bool>("probed");
        using R = GraphicsProbe::Renderer;
        QTest::newRow("default, OpenGL works") << "" << true << R::AsConfigured << true;
        QTest::newRow("default, no OpenGL") << "" << false << R::Software << true;
        QTest::newRow("software asked for") << "software" << false << R::AsConfigured << false;
        QTest::newRow("software, older name") << " Softwarecontext" << false << R::AsConfigured << false;
        QTest::newRow("another backend, no OpenGL") << "openvg" << false << R::Software << true;
    }
    void renderer()
    {
        QFETCH(QString, requested);
        QFETCH(bool, glWorks);
        QFETCH(GraphicsProbe::Renderer, renderer);
        QFETCH(bool, probed);
        bool asked = false;
        QCOMPARE(GraphicsProbe::choose(requested, [&] { asked = true; return glWorks; }), renderer);
        QCOMPARE(asked, probed);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
