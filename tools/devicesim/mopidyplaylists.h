#pragma once

#include <QJsonValue>
#include <QObject>
#include <QTimer>
#include <QWebSocket>

#include <functional>

// One playlist operation on a Mopidy server through its JSON-RPC interface
// over a WebSocket: rename (core.playlists.lookup, then core.playlists.save
// with the new name) or delete (core.playlists.delete). The object opens its
// own connection, reports once through finished() and deletes itself.
class MopidyPlaylistOperation : public QObject
{
    Q_OBJECT

public:
    static MopidyPlaylistOperation *rename(const QString &host, int port, const QString &uri,
                                           const QString &newName, QObject *parent = nullptr);
    static MopidyPlaylistOperation *remove(const QString &host, int port, const QString &uri,
                                           QObject *parent = nullptr);

    // Whole operation, connection included.
    static constexpr int TimeoutMs = 10000;

signals:
    // ok: Mopidy did it; newUri: the playlist's URI afterwards (rename only).
    void finished(bool ok, const QString &newUri, const QString &error);

private:
    MopidyPlaylistOperation(const QString &host, int port, QObject *parent);
    void start();
    void call(const QString &method, const QJsonObject &params,
              std::function<void(const QJsonValue &)> onResult);
    void onMessage(const QString &message);
    void finish(bool ok, const QString &newUri, const QString &error);

    QWebSocket m_socket;
    QTimer m_timeout;
    QString m_url;
    int m_nextId = 1;
    int m_pendingId = 0;
    std::function<void(const QJsonValue &)> m_pending;
    std::function<void()> m_onConnected;
    bool m_done = false;
};
