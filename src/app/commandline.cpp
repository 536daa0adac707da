#include "app/commandline.h"

#include "app/startup.h"
#include "devices/device.h"
#include "desktop/houseservice.h"
#include "devices/devicestore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QHostAddress>
#include <QLocale>
#include <cstdio>

namespace CommandLine {
namespace {
struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help { { QStringLiteral("h"), QStringLiteral("help") },
                              QCoreApplication::translate("CommandLine", "Show this help and quit.") };
    QCommandLineOption version { { QStringLiteral("v"), QStringLiteral("version") },
                                 QCoreApplication::translate("CommandLine", "Show the version and quit.") };
    QCommandLineOption device { QStringLiteral("device"),
                                QCoreApplication::translate("CommandLine",
                                    "Connect to the saved Tavirel at this address (and port)."),
                                QCoreApplication::translate("CommandLine", "HOST[:PORT]") };
    QCommandLineOption scene { QStringLiteral("scene"),
                               QCoreApplication::translate("CommandLine",
                                   "Recall this scene in the running Tavirel window and quit."),
                               QCoreApplication::translate("CommandLine", "NAME") };
    QCommandLineOption allOff { QStringLiteral("all-off"),
                                QCoreApplication::translate("CommandLine",
                                    "Switch every output off in the running Tavirel window and quit.") };

    Parser()
    {
        parser.setApplicationDescription(
            QCoreApplication::translate("CommandLine", "Remote control for Tavirel audio devices."));
        parser.addOptions({ help, version, device, scene, allOff });
    }
};

// The window system's own options, which QGuiApplication takes out of the
// arguments once it exists; --help must not trip over them before that.
QStringList withoutWindowSystemOptions(const QStringList& arguments)
{
    static const QStringList withValue { "platform", "platformpluginpath", "platformtheme", "plugin", "display",
        "qwindowgeometry", "geometry", "qwindowicon", "icon", "qwindowtitle", "title", "name", "session",
        "qmljsdebugger" };
    static const QStringList flags { "reverse", "nograb", "dograb", "sync" };
    QStringList kept;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (i == 0 || !argument.startsWith(QLatin1Char('-'))) {
            kept.append(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            kept.append(arguments.mid(i));
            break;
        }
        QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const bool inlineValue = name.contains(QLatin1Char('='));
        name = name.section(QLatin1Char('='), 0, 0);
        if (flags.contains(name) || (withValue.contains(name) && inlineValue))
            continue;
        if (withValue.contains(name)) {
            ++i;
            continue;
        }
        kept.append(argument);
    }
    return kept;
}

bool sameHost(const QString& a, const QString& b)
{
    if (a.compare(b, Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress first(a);
    return !first.isNull() && first.isEqual(QHostAddress(b), QHostAddress::TolerantConversion);
}
}

Options parse(const QStringList& arguments)
{
    Options options;
    Parser p;
    if (!p.parser.parse(withoutWindowSystemOptions(arguments))) {
        options.action = Action::Fail;
        options.error = p.parser.errorText();
        return options;
    }
    if (p.parser.isSet(p.help)) {
        options.action = Action::ShowHelp;
        return options;
    }
    if (p.parser.isSet(p.version)) {
        options.action = Action::ShowVersion;
        return options;
    }
    if (!p.parser.positionalArguments().isEmpty()) {
        options.action = Action::Fail;
        options.error = QCoreApplication::translate("CommandLine", "Unexpected argument: %1")
                            .arg(p.parser.positionalArguments().constFirst());
        return options;
    }
    if (p.parser.isSet(p.scene) && p.parser.isSet(p.allOff)) {
        options.action = Action::Fail;
        options.error = QCoreApplication::translate("CommandLine", "--scene and --all-off cannot be given together.");
        return options;
    }
    if (p.parser.isSet(p.scene)) {
        options.action = Action::CallHouse;
        options.houseMethod = QStringLiteral("RecallScene");
        options.houseArguments = QStringList { p.parser.value(p.scene) };
        return options;
    }
    if (p.parser.isSet(p.allOff)) {
        options.action = Action::CallHouse;
        options.houseMethod = QStringLiteral("AllOff");
        return options;
    }
    if (p.parser.isSet(p.device)) {
        const QString typed = p.parser.value(p.device).trimmed();
        const DeviceStore::Address address = DeviceStore::parseAddress(typed, Device::DefaultPort);
        if (!address.error.isEmpty()) {
            options.action = Action::Fail;
            options.error = QStringLiteral("--device: ") + address.error;
            return options;
        }
        options.deviceHost = address.host;
        // A bare host matches the device at whatever port it was saved with.
        const bool portTyped = typed.startsWith(QLatin1Char('[')) ? typed.contains(QLatin1String("]:"))
                                                                   : typed.count(QLatin1Char(':')) == 1;
        options.devicePort = portTyped ? address.port : 0;
    }
    return options;
}

QString helpText()
{
    return Parser().parser.helpText();
}

QString versionText()
{
    return QStringLiteral("%1 %2\n").arg(QLatin1String(Startup::ApplicationName), QLatin1String(Startup::ApplicationVersion));
}

int answerWithoutWindow(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const Options options = parse(arguments);
    if (options.action == Action::Run)
        return -1;
    QCoreApplication app(argc, argv);
    Startup::setIdentity(app);
    Startup::installTranslator(app, Startup::chooseLanguage(QLocale::system().uiLanguages()));
    return answer(options);
}

int answer(const Options& options)
{
    switch (options.action) {
    case Action::ShowHelp:
        fputs(qPrintable(helpText()), stdout);
        return 0;
    case Action::ShowVersion:
        fputs(qPrintable(versionText()), stdout);
        return 0;
    case Action::Fail:
        fprintf(stderr, "%s\n%s\n", qPrintable(options.error),
                qPrintable(QCoreApplication::translate("CommandLine", "Try \"%1 --help\".")
                               .arg(QCoreApplication::arguments().value(0, QStringLiteral("tavirel")))));
        return 1;
    case Action::CallHouse: {
        QVariantList args;
        if (options.houseMethod == QLatin1String("RecallScene"))
            args = { options.houseArguments.value(0), QStringList() };
        QString error;
        if (HouseService::callRunning(QDBusConnection::sessionBus(), options.houseMethod, args, &error))
            return 0;
        fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    case Action::Run:
        break;
    }
    return 0;
}

void applyDevice(const Options& options)
{
    if (options.deviceHost.isEmpty() || selectSavedDevice(options.deviceHost, options.devicePort))
        return;
    QString address = options.deviceHost;
    if (options.devicePort != 0)
        address = (address.contains(QLatin1Char(':')) ? QStringLiteral("[%1]").arg(address) : address)
            + QStringLiteral(":%1").arg(options.devicePort);
    fprintf(stderr, "%s\n",
            qPrintable(QCoreApplication::translate("CommandLine", "No saved Tavirel at %1: starting as usual.")
                           .arg(address)));
}

bool selectSavedDevice(const QString& host, int port)
{
    const QList<Device*> saved = DeviceStore::loadSavedDevices();
    bool found = false;
    for (Device* device : saved) {
        if (!found && sameHost(device->localIp(), host) && (port == 0 || device->localPort() == port)) {
            DeviceStore::selectDevice(device);
            found = true;
        }
    }
    qDeleteAll(saved);
    return found;
}
}
