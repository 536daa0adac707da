#include "mopidyplaylists.h"

#include <QJsonDocument>
#include <QJsonObject>

MopidyPlaylistOperation::MopidyPlaylistOperation(const QString &host, int port, QObject *parent)
    : QObject(parent)
    , m_url(QStringLiteral("ws://%1:%2/mopidy/ws").arg(host).arg(port))
{
    m_socket.setMaxAllowedIncomingMessageSize(16 * 1024 * 1024);
    m_socket.setMaxAllowedIncomingFrameSize(16 * 1024 * 1024);
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(TimeoutMs);
    connect(&m_timeout, &QTimer::timeout, this,
            [this] { finish(false, QString(), QStringLiteral("Mopidy did not answer in time")); });
    connect(&m_socket, &QWebSocket::connected, this, [this] {
        if (m_onConnected)
            m_onConnected();
    });
    connect(&m_socket, &QWebSocket::disconnected, this,
            [this] { finish(false, QString(), QStringLiteral("Mopidy connection closed: ") + m_socket.errorString()); });
    connect(&m_socket, QOverload<QAbstractSocket::SocketError>::of(&QWebSocket::error), this,
            [this] { finish(false, QString(), QStringLiteral("Mopidy unreachable: ") + m_socket.errorString()); });
    connect(&m_socket, &QWebSocket::textMessageReceived, this, &MopidyPlaylistOperation::onMessage);
}

MopidyPlaylistOperation *MopidyPlaylistOperation::rename(const QString &host, int port,
                                                         const QString &uri,
                                                         const QString &newName, QObject *parent)
{
    auto *op = new MopidyPlaylistOperation(host, port, parent);
    op->m_onConnected = [op, uri, newName] {
        op->call(QStringLiteral("core.playlists.lookup"), { { "uri", uri } },
                 [op, newName](const QJsonValue &result) {
                     if (!result.isObject()) {
                         op->finish(false, QString(), QStringLiteral("no such playlist"));
                         return;
                     }
                     QJsonObject playlist = result.toObject();
                     playlist.insert(QStringLiteral("name"), newName);
                     op->call(QStringLiteral("core.playlists.save"), { { "playlist", playlist } },
                              [op](const QJsonValue &saved) {
                                  if (!saved.isObject())
                                      op->finish(false, QString(), QStringLiteral("save refused"));
                                  else
                                      op->finish(true, saved.toObject().value(QLatin1String("uri")).toString(), QString());
                              });
                 });
    };
    op->start();
    return op;
}

MopidyPlaylistOperation *MopidyPlaylistOperation::remove(const QString &host, int port,
                                                         const QString &uri, QObject *parent)
{
    auto *op = new MopidyPlaylistOperation(host, port, parent);
    op->m_onConnected = [op, uri] {
        op->call(QStringLiteral("core.playlists.delete"), { { "uri", uri } },
                 [op](const QJsonValue &result) {
                     // Mopidy 3 answers true or false; older servers answer null.
                     if (result.isBool() && !result.toBool())
                         op->finish(false, QString(), QStringLiteral("delete refused"));
                     else
                         op->finish(true, QString(), QString());
                 });
    };
    op->start();
    return op;
}

void MopidyPlaylistOperation::start()
{
    m_timeout.start();
    m_socket.open(QUrl(m_url));
}

void MopidyPlaylistOperation::call(const QString &method, const QJsonObject &params,
                                   std::function<void(const QJsonValue &)> onResult)
{
    m_pendingId = m_nextId++;
    m_pending = std::move(onResult);
    const QJsonObject request { { "jsonrpc", "2.0" },
                                { "id", m_pendingId },
                                { "method", method },
                                { "params", params } };
    m_socket.sendTextMessage(QString::fromUtf8(QJsonDocument(request).toJson(QJsonDocument::Compact)));
}

void MopidyPlaylistOperation::onMessage(const QString &message)
{
    const QJsonObject reply = QJsonDocument::fromJson(message.toUtf8()).object();
    // Events ("event" key) and replies to other ids are not ours.
    if (!reply.contains(QLatin1String("id")) || reply.value(QLatin1String("id")).toInt() != m_pendingId)
        return;
    if (reply.contains(QLatin1String("error"))) {
        const QJsonObject error = reply.value(QLatin1String("error")).toObject();
        finish(false, QString(), error.value(QLatin1String("message")).toString());
        return;
    }
    auto handler = std::move(m_pending);
    m_pending = nullptr;
    if (handler)
        handler(reply.value(QLatin1String("result")));
}

void MopidyPlaylistOperation::finish(bool ok, const QString &newUri, const QString &error)
{
    if (m_done)
        return;
    m_done = true;
    m_timeout.stop();
    m_pending = nullptr;
    m_onConnected = nullptr;
    emit finished(ok, newUri, error);
    m_socket.abort();
    deleteLater();
}
