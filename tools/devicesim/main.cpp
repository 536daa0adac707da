// tavirel-devicesim: a stand-in for a Tavirel device on the control link.
// Received messages go to standard output, one per line, decrypted; log
// lines go to standard error; standard input takes control lines.
#include "devicesimserver.h"
#include "devicestate.h"
#include "settingshttpservice.h"

#include "devices/zeroconf.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

namespace {
void writeLine(FILE *stream, const QString &line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

[[noreturn]] void fail(const QString &message)
{
    writeLine(stderr, QStringLiteral("tavirel-devicesim: ") + message);
    std::exit(2);
}
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavirel-devicesim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulates a Tavirel device on the encrypted control link.\n"
        "Standard input takes control lines: \"send BODY\" (e.g. \"send BROAD|500\"),\n"
        "\"close\", \"silent on\", \"silent off\", \"state\", \"quit\"."));
    parser.addHelpOption();
    const QCommandLineOption listen("listen", "Address to listen on (default 127.0.0.1).", "ADDR", "127.0.0.1");
    const QCommandLineOption port("port", "TCP port (default 7550; 0 picks one).", "N", "7550");
    const QCommandLineOption user("user", "User name that is accepted (default admin).", "NAME", "admin");
    const QCommandLineOption password("password", "Password that is accepted (default admin).", "PASS", "admin");
    const QCommandLineOption allowDefault("allow-default", "Also accept the handshake without credentials.");
    const QCommandLineOption keepAlive("keepalive", "Seconds between keep-alives (default 5; 0 none).", "SECONDS", "5");
    const QCommandLineOption config("config", "JSON configuration of the device (default built in).", "FILE");
    const QCommandLineOption dumpConfig("print-config", "Print the configuration in use and exit.");
    const QCommandLineOption mopidyHost("mopidy-host", "Mopidy address of every player source.", "HOST");
    const QCommandLineOption mopidyPort("mopidy-port", "Mopidy port of every player source.", "PORT");
    const QCommandLineOption refuse("refuse", "Refuse every handshake.");
    const QCommandLineOption silent("silent-after-join", "Send nothing after JOIN.");
    const QCommandLineOption closeAfter("close-after", "Close each connection MS milliseconds after JOIN.", "MS");
    const QCommandLineOption garbage("garbage", "Send a junk piece before every message.");
    const QCommandLineOption chunk("chunk", "Write in pieces of N bytes.", "N");
    const QCommandLineOption readyCount("ready-count", "Ready messages (code 500) after the state (default 1).", "N", "1");
    const QCommandLineOption shortUrls("short-settings-urls", "Send code 20 with the download address only.");
    const QCommandLineOption settingsPort("settings-port",
        "Port of the settings HTTP service (default the link port + 1; 0 picks one).", "N");
    const QCommandLineOption settingsFile("settings", "JSON settings object to serve (default the example).", "FILE");
    const QCommandLineOption auth("auth", "HTTP authentication of the settings service: basic or digest (default).",
                                  "KIND", "digest");
    const QCommandLineOption announce("announce", "Announce the device as NAME on the local network (_tavirel._tcp).", "NAME");
    const QCommandLineOption serial("serial", "Serial number that the announcement carries (default SIM-0001).", "SERIAL", "SIM-0001");
    const QCommandLineOption model("model", "Model that the announcement carries (default Simulator).", "MODEL", "Simulator");
    parser.addOptions({ listen, port, user, password, allowDefault, keepAlive, config, dumpConfig,
                        mopidyHost, mopidyPort, refuse, silent, closeAfter, garbage, chunk,
                        readyCount, shortUrls, settingsPort, settingsFile, auth, announce, serial, model });
    parser.process(app);

    auto intValue = [&parser](const QCommandLineOption &option, int min) {
        bool ok = false;
        const int value = parser.value(option).toInt(&ok);
        if (!ok || value < min)
            fail(QStringLiteral("bad --%1 value \"%2\"").arg(option.names().first(), parser.value(option)));
        return value;
    };

    SimOptions options;
    // An announced device is reached at the host's network address, so it
    // listens on every IPv4 address unless told otherwise.
    const QString listenAddress = parser.isSet(announce) && !parser.isSet(listen) ? QStringLiteral("0.0.0.0")
                                                                                 : parser.value(listen);
    if (!options.listenAddress.setAddress(listenAddress))
        fail(QStringLiteral("bad --listen address \"%1\"").arg(listenAddress));
    options.port = quint16(intValue(port, 0));
    options.user = parser.value(user);
    options.password = parser.value(password);
    options.allowDefault = parser.isSet(allowDefault);
    bool ok = false;
    options.keepAliveSeconds = parser.value(keepAlive).toDouble(&ok);
    if (!ok || options.keepAliveSeconds < 0)
        fail(QStringLiteral("bad --keepalive value"));
    options.refuse = parser.isSet(refuse);
    options.silentAfterJoin = parser.isSet(silent);
    if (parser.isSet(closeAfter))
        options.closeAfterMs = intValue(closeAfter, 0);
    options.garbage = parser.isSet(garbage);
    if (parser.isSet(chunk))
        options.chunkSize = intValue(chunk, 1);
    options.readyCount = intValue(readyCount, 0);
    options.shortSettingsUrls = parser.isSet(shortUrls);

    auto readFile = [](const QString &path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return file.readAll();
    };
    DeviceState state = DeviceState::defaultState();
    // A configuration that names its settings addresses keeps them; otherwise
    // code 20 announces the simulator's own settings service.
    bool configNamesSettingsUrls = false;
    if (parser.isSet(config)) {
        const QByteArray json = readFile(parser.value(config));
        QString error;
        if (!DeviceState::fromJson(json, &state, &error))
            fail(QStringLiteral("bad configuration %1: %2").arg(parser.value(config), error));
        configNamesSettingsUrls = QJsonDocument::fromJson(json).object().contains(QLatin1String("settingsGetUrl"));
    }

    const QString authKind = parser.value(auth).toLower();
    if (authKind != QLatin1String("basic") && authKind != QLatin1String("digest"))
        fail(QStringLiteral("bad --auth value \"%1\" (basic or digest)").arg(parser.value(auth)));
    QJsonObject settings;
    if (parser.isSet(settingsFile)) {
        const QJsonDocument doc = QJsonDocument::fromJson(readFile(parser.value(settingsFile)));
        if (!doc.isObject())
            fail(QStringLiteral("%1 is not a JSON object").arg(parser.value(settingsFile)));
        settings = doc.object();
        state.applySettingsNames(settings);
    } else {
        QFile example(QStringLiteral(":/devicesim/SettingsExample.json"));
        example.open(QIODevice::ReadOnly);
        settings = QJsonDocument::fromJson(example.readAll()).object();
    }
    state.copyNamesInto(&settings);
    int overridePort = 0;
    if (parser.isSet(mopidyPort))
        overridePort = intValue(mopidyPort, 1);
    state.overridePlayerAddress(parser.value(mopidyHost), overridePort);
    if (parser.isSet(dumpConfig)) {
        writeLine(stdout, QString::fromUtf8(QJsonDocument(state.toJson()).toJson()));
        return 0;
    }

    SettingsHttpService settingsService(options.user, options.password,
                                        authKind == QLatin1String("basic") ? SettingsHttpService::Auth::Basic
                                                                           : SettingsHttpService::Auth::Digest,
                                        settings);
    {
        int httpPort = options.port == 0 ? 0 : options.port + 1;
        if (parser.isSet(settingsPort))
            httpPort = intValue(settingsPort, 0);
        if (httpPort > 65535)
            fail(QStringLiteral("no port next to %1 for the settings service").arg(options.port));
        QString error;
        if (!settingsService.listen(options.listenAddress, quint16(httpPort), &error))
            fail(error);
        writeLine(stderr, QStringLiteral("devicesim: settings service (%1) on %2")
                              .arg(authKind, settingsService.url(SettingsHttpService::GetPath)));
    }
    if (!configNamesSettingsUrls) {
        state.settingsGetUrl = settingsService.url(SettingsHttpService::GetPath);
        state.settingsPostUrl = settingsService.url(SettingsHttpService::PostPath);
    }

    DeviceSimServer server(options, state);
    QObject::connect(&settingsService, &SettingsHttpService::logLine,
                     [](const QString &line) { writeLine(stderr, QStringLiteral("devicesim: ") + line); });
    // Posted names become the names on the control link, as on the device.
    QObject::connect(&settingsService, &SettingsHttpService::settingsPosted, &server,
                     [&server](const QJsonObject &posted) { server.settingsPosted(posted); });
    QObject::connect(&server, &DeviceSimServer::messageReceived,
                     [](const QString &text) { writeLine(stdout, text); });
    QObject::connect(&server, &DeviceSimServer::logLine,
                     [](const QString &line) { writeLine(stderr, QStringLiteral("devicesim: ") + line); });
    QString error;
    if (!server.listen(&error))
        fail(QStringLiteral("cannot listen on %1:%2: %3").arg(listenAddress).arg(options.port).arg(error));
    writeLine(stderr, QStringLiteral("devicesim: listening on %1:%2")
                          .arg(options.listenAddress.toString())
                          .arg(server.serverPort()));

    // The announcement is withdrawn when the process ends (the daemon drops
    // whatever a departed client announced).
    QScopedPointer<ZeroConf> announcer;
    if (parser.isSet(announce)) {
        announcer.reset(ZeroConf::create());
        QObject::connect(announcer.data(), &ZeroConf::servicePublished, [](const QString &name) {
            writeLine(stderr, QStringLiteral("devicesim: announced as \"%1\"").arg(name));
        });
        QObject::connect(announcer.data(), &ZeroConf::error, [](ZeroConf::Error) {
            writeLine(stderr, QStringLiteral("devicesim: cannot announce the device (is an mDNS daemon running?)"));
        });
        announcer->addServiceTxtRecord("serial", parser.value(serial).toUtf8());
        announcer->addServiceTxtRecord("name", parser.value(announce).toUtf8());
        announcer->addServiceTxtRecord("model", parser.value(model).toUtf8());
        announcer->startServicePublish(parser.value(announce), QStringLiteral("_tavirel._tcp"), server.serverPort());
    }

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray pending;
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buf[4096];
        const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
        if (n <= 0) {
            input.setEnabled(false); // end of input: keep serving
            return;
        }
        pending.append(buf, int(n));
        int nl;
        while ((nl = pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromUtf8(pending.left(nl));
            pending.remove(0, nl + 1);
            if (!server.handleControlLine(line))
                QCoreApplication::quit();
        }
    });

    return app.exec();
}
