#pragma once

#include "devicestate.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTimer>

class SimSession;

struct SimOptions
{
    QHostAddress listenAddress = QHostAddress::LocalHost;
    quint16 port = 7550;
    QString user = QStringLiteral("admin");
    QString password = QStringLiteral("admin");
    bool allowDefault = false;
    double keepAliveSeconds = 5;
    // Misbehaviour on request, for tests of the application's error paths.
    bool refuse = false;          // answer every CONNECT with REFUSE
    bool silentAfterJoin = false; // after JOIN send nothing at all
    int closeAfterMs = -1;        // close the connection this long after JOIN
    bool garbage = false;         // a junk piece before every message
    int chunkSize = 0;            // write in pieces of this many bytes
    int readyCount = 1;           // code-500 messages after the state
    bool shortSettingsUrls = false; // code 20 with the download address only
};

// The device end of the control link: a TCP server that speaks the link's
// wire format ("%%%" out, "&" in), authenticates the handshake, broadcasts
// the device state and applies commands to it. The state outlives the
// connections.
class DeviceSimServer : public QObject
{
    Q_OBJECT

public:
    DeviceSimServer(const SimOptions &options, const DeviceState &state, QObject *parent = nullptr);
    ~DeviceSimServer() override;

    bool listen(QString *error);
    quint16 serverPort() const { return m_server.serverPort(); }
    const DeviceState &state() const { return m_state; }
    const SimOptions &options() const { return m_options; }
    int joinedSessions() const;

    // Sends a message body ("BROAD|..." without the counter) to every joined
    // client that is not silent.
    void broadcast(const QString &body);
    void closeAll();
    // New settings were posted: renamed outputs and sources are broadcast.
    void settingsPosted(const QJsonObject &settings);
    void setSilent(bool silent) { m_options.silentAfterJoin = silent; }
    // One line of the control channel (standard input): "send BODY",
    // "close", "silent on|off", "state", "quit". Returns false for "quit".
    bool handleControlLine(const QString &line);

    // Decides a CONNECT message (fields as received, counter first).
    bool acceptsHandshake(const QStringList &fields, QString *why) const;

signals:
    // Every message received from a client, decrypted (counter included).
    void messageReceived(const QString &text);
    void logLine(const QString &line);

private:
    friend class SimSession;
    void onNewConnection();
    void sessionJoined(SimSession *session);
    void sessionReady(SimSession *session);
    void commandReceived(const QString &command);
    void sendKeepAlives();

    SimOptions m_options;
    DeviceState m_state;
    QTcpServer m_server;
    QTimer m_keepAlive;
    QList<QPointer<SimSession>> m_sessions;
};
