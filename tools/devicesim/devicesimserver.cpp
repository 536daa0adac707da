#include "devicesimserver.h"

#include "link/linkcipher.h"
#include "link/linkframer.h"
#include "link/tavirelconnthread.h"
#include "mopidyplaylists.h"

#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTcpSocket>

namespace {
// A piece that is no message: printable junk or Base64 of random bytes,
// never a zero byte and never a separator character.
QByteArray junkPiece()
{
    auto *rng = QRandomGenerator::global();
    QByteArray junk;
    const int len = 1 + int(rng->bounded(64));
    if (rng->bounded(2)) {
        for (int i = 0; i < len; ++i) {
            char c = char(rng->bounded(1, 256));
            if (c == '%' || c == '&')
                c = '#';
            junk.append(c);
        }
    } else {
        QByteArray raw(len, Qt::Uninitialized);
        for (char &c : raw)
            c = char(rng->bounded(256));
        junk = raw.toBase64();
    }
    return junk + LinkFramer::deviceSeparator();
}
}

// One client connection. Plain QObject: it only serves as the context of its
// socket's connections.
class SimSession : public QObject
{
public:
    SimSession(DeviceSimServer *server, QTcpSocket *socket)
        : QObject(server)
        , m_server(server)
        , m_socket(socket)
        , m_framer(LinkFramer::appSeparator())
    {
        socket->setParent(this);
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_drain.setInterval(1);
        connect(&m_drain, &QTimer::timeout, this, [this] { drainOne(); });
        connect(socket, &QTcpSocket::readyRead, this, [this] { read(); });
        connect(socket, &QTcpSocket::disconnected, this, [this] {
            m_server->logLine(QStringLiteral("client disconnected"));
            deleteLater();
        });
    }

    bool joined = false;
    bool silent = false;

    void send(const QString &body)
    {
        if (silent || m_socket->state() != QAbstractSocket::ConnectedState)
            return;
        QByteArray frame;
        if (m_server->m_options.garbage)
            frame = junkPiece();
        frame += m_cipher.encodeText(QString::number(m_counter++) + QLatin1Char('|') + body);
        frame += LinkFramer::deviceSeparator();
        const int chunk = m_server->m_options.chunkSize;
        if (chunk <= 0) {
            m_socket->write(frame);
            m_socket->flush();
            return;
        }
        for (int i = 0; i < frame.size(); i += chunk)
            m_queue.append(frame.mid(i, chunk));
        if (!m_drain.isActive())
            m_drain.start();
    }

    void close() { m_socket->disconnectFromHost(); }

private:
    void drainOne()
    {
        if (m_queue.isEmpty() || m_socket->state() != QAbstractSocket::ConnectedState) {
            m_queue.clear();
            m_drain.stop();
            return;
        }
        m_socket->write(m_queue.takeFirst());
        m_socket->flush();
    }

    void read()
    {
        const QList<QByteArray> pieces = m_framer.feed(m_socket->readAll());
        for (const QByteArray &piece : pieces)
            handle(m_cipher.decodeText(piece));
    }

    void handle(const QString &text)
    {
        emit m_server->messageReceived(text);
        const QStringList fields = text.split(QLatin1Char('|'));
        if (fields.size() < 2) {
            m_server->logLine(QStringLiteral("dropped message without a token: ") + text);
            return;
        }
        const QString token = fields.at(1);
        if (token == QLatin1String("CONNECT")) {
            QString why;
            if (m_server->acceptsHandshake(fields, &why)) {
                joined = true;
                send(QStringLiteral("JOIN"));
                m_server->sessionJoined(this);
            } else {
                m_server->logLine(QStringLiteral("refused: ") + why);
                send(QStringLiteral("REFUSE"));
            }
        } else if (token == QLatin1String("UI_COMMAND")) {
            if (!joined) {
                m_server->logLine(QStringLiteral("dropped command before JOIN: ") + text);
                return;
            }
            const QString command = QStringList(fields.mid(2)).join(QLatin1Char('|'));
            if (command == QLatin1String("17"))
                m_server->sessionReady(this);
            else
                m_server->commandReceived(command);
        } else if (token != QLatin1String("UI_ALIVE")) {
            m_server->logLine(QStringLiteral("dropped message with unknown token: ") + text);
        }
    }

    DeviceSimServer *m_server;
    QTcpSocket *m_socket;
    LinkFramer m_framer;
    LinkCipher m_cipher;
    QTimer m_drain;
    QList<QByteArray> m_queue;
    int m_counter = 0;
};

DeviceSimServer::DeviceSimServer(const SimOptions &options, const DeviceState &state,
                                 QObject *parent)
    : QObject(parent)
    , m_options(options)
    , m_state(state)
{
    connect(&m_server, &QTcpServer::newConnection, this, &DeviceSimServer::onNewConnection);
    connect(&m_keepAlive, &QTimer::timeout, this, &DeviceSimServer::sendKeepAlives);
}

DeviceSimServer::~DeviceSimServer() = default;

bool DeviceSimServer::listen(QString *error)
{
    if (!m_server.listen(m_options.listenAddress, m_options.port)) {
        *error = m_server.errorString();
        return false;
    }
    if (m_options.keepAliveSeconds > 0) {
        m_keepAlive.start(qMax(1, int(m_options.keepAliveSeconds * 1000)));
    }
    return true;
}

int DeviceSimServer::joinedSessions() const
{
    int n = 0;
    for (const auto &s : m_sessions)
        n += s && s->joined;
    return n;
}

void DeviceSimServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        logLine(QStringLiteral("client connected from %1").arg(socket->peerAddress().toString()));
        m_sessions.removeAll(nullptr);
        m_sessions.append(new SimSession(this, socket));
    }
}

bool DeviceSimServer::acceptsHandshake(const QStringList &f, QString *why) const
{
    if (m_options.refuse) {
        *why = QStringLiteral("refusing every client (--refuse)");
        return false;
    }
    // counter|CONNECT|uid|user|md5(password)|os|md5(Tavirel|uid)
    // counter|CONNECT|uid|default|md5(Tavirel|uid)
    if (f.size() != 7 && f.size() != 5) {
        *why = QStringLiteral("handshake with %1 fields").arg(f.size());
        return false;
    }
    const QString uid = f.at(2);
    if (f.last() != TavirelConnThread::md5Hex(QStringLiteral("Tavirel|") + uid)) {
        *why = QStringLiteral("application hash does not match the installation id");
        return false;
    }
    if (f.size() == 5) {
        if (f.at(3) == QLatin1String("default") && m_options.allowDefault)
            return true;
        *why = QStringLiteral("default credentials not allowed");
        return false;
    }
    if (f.at(3) == m_options.user && f.at(4) == TavirelConnThread::md5Hex(m_options.password))
        return true;
    *why = QStringLiteral("wrong user name or password for \"%1\"").arg(f.at(3));
    return false;
}

void DeviceSimServer::sessionJoined(SimSession *session)
{
    logLine(QStringLiteral("client joined"));
    if (m_options.silentAfterJoin)
        session->silent = true;
    if (m_options.closeAfterMs >= 0) {
        QPointer<SimSession> guard(session);
        QTimer::singleShot(m_options.closeAfterMs, this, [this, guard] {
            if (guard) {
                logLine(QStringLiteral("closing the connection (--close-after)"));
                guard->close();
            }
        });
    }
}

void DeviceSimServer::sessionReady(SimSession *session)
{
    for (const QString &body : m_state.stateBroadcasts())
        session->send(body);
    session->send(m_state.settingsUrlsBroadcast(!m_options.shortSettingsUrls));
    for (int i = 0; i < m_options.readyCount; ++i)
        session->send(DeviceState::readyBroadcast());
}

void DeviceSimServer::broadcast(const QString &body)
{
    for (const auto &s : qAsConst(m_sessions)) {
        if (s && s->joined)
            s->send(body);
    }
}

void DeviceSimServer::settingsPosted(const QJsonObject &settings)
{
    for (const QString &body : m_state.applySettingsNames(settings))
        broadcast(body);
}

void DeviceSimServer::sendKeepAlives()
{
    broadcast(DeviceState::keepAliveBroadcast());
}

void DeviceSimServer::closeAll()
{
    for (const auto &s : qAsConst(m_sessions)) {
        if (s)
            s->close();
    }
}

void DeviceSimServer::commandReceived(const QString &command)
{
    CommandResult result = m_state.apply(command);
    if (!result.accepted) {
        logLine(QStringLiteral("dropped command \"%1\": %2").arg(command, result.error));
        return;
    }
    for (const QString &body : qAsConst(result.broadcasts))
        broadcast(body);
    if (result.playlist.kind == PlaylistRequest::None)
        return;

    const SimSource *player = m_state.playlistPlayer();
    const PlaylistRequest request = result.playlist;
    MopidyPlaylistOperation *op = request.kind == PlaylistRequest::Rename
        ? MopidyPlaylistOperation::rename(player->host, player->port, request.uri, request.newName, this)
        : MopidyPlaylistOperation::remove(player->host, player->port, request.uri, this);
    connect(op, &MopidyPlaylistOperation::finished, this,
            [this, request](bool ok, const QString &newUri, const QString &error) {
                if (!ok) {
                    logLine(QStringLiteral("playlist %1 failed on Mopidy: %2").arg(request.uri, error));
                    return;
                }
                logLine(QStringLiteral("playlist %1 %2 on Mopidy")
                            .arg(request.uri,
                                 request.kind == PlaylistRequest::Rename ? QStringLiteral("renamed to ") + newUri
                                                                         : QStringLiteral("deleted")));
                const QStringList out = request.kind == PlaylistRequest::Rename
                    ? m_state.playlistRenamed(request.uri, newUri)
                    : m_state.playlistDeleted(request.uri);
                for (const QString &body : out)
                    broadcast(body);
            });
}

bool DeviceSimServer::handleControlLine(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(QLatin1String("send "))) {
        broadcast(trimmed.mid(5));
    } else if (trimmed == QLatin1String("close")) {
        closeAll();
    } else if (trimmed == QLatin1String("silent on") || trimmed == QLatin1String("silent off")) {
        const bool silent = trimmed.endsWith(QLatin1String("on"));
        m_options.silentAfterJoin = silent;
        for (const auto &s : qAsConst(m_sessions)) {
            if (s && s->joined)
                s->silent = silent;
        }
    } else if (trimmed == QLatin1String("state")) {
        logLine(QString::fromUtf8(QJsonDocument(m_state.toJson()).toJson(QJsonDocument::Compact)));
    } else if (trimmed == QLatin1String("quit")) {
        return false;
    } else if (!trimmed.isEmpty()) {
        logLine(QStringLiteral("unknown control line: ") + trimmed);
    }
    return true;
}
