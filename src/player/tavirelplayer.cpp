#include "player/tavirelplayer.h"

#include "app/logcategories.h"
#include "images/backupimagedownloader.h"
#include "player/itemparsing.h"
#include "player/playerreplies.h"
#include "settings/dynamictranslator.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QMetaMethod>
#include <QUrl>
#include <QWebSocket>

using PlayerReplies::EventAction;

namespace {
// Transport of the QML list properties over a QList of the client.
template<typename T>
int listCount(QQmlListProperty<T> *list)
{
    return static_cast<QList<T *> *>(list->data)->size();
}
template<typename T>
T *listAt(QQmlListProperty<T> *list, int i)
{
    return static_cast<QList<T *> *>(list->data)->value(i);
}
}

TavirelPlayer::TavirelPlayer(QObject *parent)
    : QObject(parent)
{
    m_reconnectTimer.setSingleShot(true);
    connect(&m_reconnectTimer, &QTimer::timeout, this, &TavirelPlayer::startConnection);
    m_handshakeTimer.setSingleShot(true);
    m_handshakeTimer.setInterval(DefaultHandshakeTimeout);
    connect(&m_handshakeTimer, &QTimer::timeout, this, &TavirelPlayer::handshakeTimeout);
}

TavirelPlayer::~TavirelPlayer()
{
    dropSocket();
    // Views may still hold these until their change signals are handled.
    if (m_currentSong)
        m_currentSong->deleteLater();
    for (Song *song : qAsConst(m_queue))
        song->deleteLater();
    for (PlayerItem *item : qAsConst(m_playlists))
        item->deleteLater();
}

QQmlListProperty<Song> TavirelPlayer::queueProperty()
{
    return QQmlListProperty<Song>(this, &m_queue, &listCount<Song>, &listAt<Song>);
}

QQmlListProperty<PlayerItem> TavirelPlayer::playlistsProperty()
{
    return QQmlListProperty<PlayerItem>(this, &m_playlists, &listCount<PlayerItem>, &listAt<PlayerItem>);
}

void TavirelPlayer::setIndex(int index)
{
    m_index = index;
    emit indexChanged();
}

void TavirelPlayer::setSourceRef(int sourceRef)
{
    m_sourceRef = sourceRef;
    emit sourceRefChanged();
}

void TavirelPlayer::setIpAddress(const QString &ipAddress)
{
    m_ipAddress = ipAddress;
    emit ipAddressChanged();
}

void TavirelPlayer::setPort(const QString &port)
{
    m_port = port;
    emit portChanged();
}

void TavirelPlayer::setConnectionEnabled(bool enabled)
{
    m_connectionEnabled = enabled;
    emit connectionEnabledChanged();
}

void TavirelPlayer::setPlayPause(int playPause)
{
    m_playPause = playPause;
    emit playPauseChanged();
}

void TavirelPlayer::setShuffle(bool shuffle)
{
    m_shuffle = shuffle;
    emit shuffleChanged();
}

void TavirelPlayer::setRepeat(bool repeat)
{
    m_repeat = repeat;
    emit repeatChanged();
}

void TavirelPlayer::setCurrentSong(Song *song)
{
    if (m_currentSong && m_currentSong != song)
        m_currentSong->deleteLater();
    m_currentSong = song;
    emit currentSongChanged();
}

void TavirelPlayer::setCurrentTlid(int tlid)
{
    if (tlid != m_currentTlid && m_currentTlid > 0 && tlid != m_backTo) {
        m_playedTlids.removeAll(m_currentTlid);
        m_playedTlids.append(m_currentTlid);
        if (m_playedTlids.size() > MaxPlayedTlids)
            m_playedTlids.removeFirst();
    }
    if (tlid == m_backTo) {
        m_playedTlids.removeAll(tlid);
        m_backTo = 0;
    }
    m_currentTlid = tlid;
    emit currentTlidChanged();
}

void TavirelPlayer::setAirPlay(bool airPlay)
{
    m_airPlay = airPlay;
    emit airPlayChanged();
}

void TavirelPlayer::setAirPlayTrack(const QString &track)
{
    m_airPlayTrack = track;
    emit airPlayTrackChanged();
}

void TavirelPlayer::setAirPlayAlbum(const QString &album)
{
    m_airPlayAlbum = album;
    emit airPlayAlbumChanged();
}

void TavirelPlayer::setAirPlayArtist(const QString &artist)
{
    m_airPlayArtist = artist;
    emit airPlayArtistChanged();
}

void TavirelPlayer::setAirPlayImage(const QString &image)
{
    m_airPlayImage = image;
    emit airPlayImageChanged();
}

void TavirelPlayer::setFilters(const QStringList &filters)
{
    m_filters = filters;
    emit filtersChanged();
}

void TavirelPlayer::setFilterTitles(const QStringList &titles)
{
    m_filterTitles = titles;
    emit filterTitlesChanged();
}

// Link

void TavirelPlayer::startConnection()
{
    if (m_socket && m_socket->state() == QAbstractSocket::ConnectingState)
        return;
    m_reconnectTimer.stop();
    m_handshakeTimer.stop();
    stopRefreshTimer();
    dropSocket();
    m_pending.clear();
    m_pendingEdits.clear();
    m_createdPlaylists.clear();
    m_restoredPlaylists.clear();
    m_restoredQueues.clear();
    m_restoreTlid = -1;
    m_requestCounter = 0;
    if (!m_connectionEnabled) {
        m_retrying = false;
        updateLinkState();
        return;
    }

    m_socket = new QWebSocket(QString(), QWebSocketProtocol::Version13, this);
    // Qt would otherwise accept messages of up to 2 GiB from the peer.
    m_socket->setMaxAllowedIncomingMessageSize(MaxIncomingMessageSize);
    m_socket->setMaxAllowedIncomingFrameSize(MaxIncomingMessageSize);
    connect(m_socket, &QWebSocket::connected, this, &TavirelPlayer::socketConnected);
    connect(m_socket, &QWebSocket::disconnected, this, &TavirelPlayer::socketDisconnected);
    connect(m_socket, &QWebSocket::stateChanged, this, &TavirelPlayer::socketStateChanged);
    connect(m_socket, QOverload<QAbstractSocket::SocketError>::of(&QWebSocket::error), this,
            &TavirelPlayer::socketError);
    connect(m_socket, &QWebSocket::textMessageReceived, this, &TavirelPlayer::socketMessageReceived);
    m_socket->open(QUrl(QStringLiteral("ws://") + m_ipAddress + QLatin1Char(':') + m_port
                        + QStringLiteral("/mopidy/ws")));
    m_handshakeTimer.start();
    updateLinkState();
}

void TavirelPlayer::handshakeTimeout()
{
    if (!m_socket || isConnected())
        return;
    qCDebug(lcPlayer) << "player" << m_ipAddress << m_port << "did not complete the WebSocket handshake";
    dropSocket();
    scheduleReconnect(1000);
}

QUrl TavirelPlayer::serverUrl() const
{
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(m_ipAddress);
    bool ok = false;
    const int port = m_port.toInt(&ok);
    if (ok && port > 0 && port <= 65535)
        url.setPort(port);
    url.setPath(QStringLiteral("/"));
    return url;
}

bool TavirelPlayer::isConnected() const
{
    return m_socket && m_socket->state() == QAbstractSocket::ConnectedState;
}

void TavirelPlayer::closeConnection()
{
    m_connectionEnabled = false;
    m_reconnectTimer.stop();
    m_handshakeTimer.stop();
    stopRefreshTimer();
    dropSocket();
    m_retrying = false;
    updateLinkState();
}

void TavirelPlayer::dropSocket()
{
    if (!m_socket)
        return;
    // Disconnect first: aborting emits signals that would schedule retries.
    disconnect(m_socket, nullptr, this, nullptr);
    m_socket->abort();
    m_socket->deleteLater();
    m_socket = nullptr;
}

void TavirelPlayer::stopRefreshTimer()
{
    if (!m_refreshTimer)
        return;
    m_refreshTimer->stop();
    m_refreshTimer->deleteLater();
    m_refreshTimer = nullptr;
}

void TavirelPlayer::scheduleReconnect(int delayMs)
{
    m_retrying = m_connectionEnabled;
    if (m_connectionEnabled) {
        qCDebug(lcPlayer) << "player" << m_ipAddress << m_port << "reconnecting in" << delayMs << "ms";
        m_reconnectTimer.start(delayMs);
    }
    updateLinkState();
}

void TavirelPlayer::updateLinkState()
{
    const bool reachable = isConnected();
    if (reachable == m_toldReachable && retrying() == m_toldRetrying)
        return;
    m_toldReachable = reachable;
    m_toldRetrying = retrying();
    emit reachableChanged();
}

void TavirelPlayer::socketConnected()
{
    m_handshakeTimer.stop();
    stopRefreshTimer();
    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setInterval(1000);
    connect(m_refreshTimer, &QTimer::timeout, this, &TavirelPlayer::refreshTimerTimeout);
    m_refreshTimer->start();
    // Events missed while the link was down are only made good by a full
    // refresh, so the first tick of every connection does one.
    m_refreshCountdown = 0;
    m_retrying = false;
    updateLinkState();
    emit linkOpened();
}

void TavirelPlayer::socketDisconnected()
{
    stopRefreshTimer();
    scheduleReconnect(500);
}

void TavirelPlayer::socketError(QAbstractSocket::SocketError error)
{
    qCDebug(lcPlayer) << "player socket error" << error << (m_socket ? m_socket->errorString() : QString());
    stopRefreshTimer();
    scheduleReconnect(1000);
}

void TavirelPlayer::socketStateChanged(QAbstractSocket::SocketState state)
{
    Q_UNUSED(state)
    updateLinkState();
}

void TavirelPlayer::refreshTimerTimeout()
{
    if (m_playPause == 2)
        request(QStringLiteral("core.playback.get_time_position"), this, "updateTrackTime");
    if (--m_refreshCountdown > 0)
        return;
    m_refreshCountdown = 60;
    request(QStringLiteral("core.get_uri_schemes"), this, "updateUriSchemes");
    request(QStringLiteral("core.playback.get_state"), this, "updatePlaybackStatus");
    request(QStringLiteral("core.playback.get_current_tl_track"), this, "updateTrackInfo");
    request(QStringLiteral("core.tracklist.get_random"), this, "updateRandom");
    request(QStringLiteral("core.tracklist.get_repeat"), this, "updateRepeat");
    request(QStringLiteral("core.tracklist.get_tl_tracks"), this, "updateQueue");
    request(QStringLiteral("core.playlists.as_list"), this, "updatePlaylists");
}

// Exchange

int TavirelPlayer::request(const QString &method, QObject *receiver, const char *handler)
{
    const int id = m_requestCounter++;
    sendRequest(PlayerReplies::request(id, method), receiver, handler);
    return id;
}

int TavirelPlayer::request(const QString &method, const QJsonObject &params, QObject *receiver,
                           const char *handler)
{
    const int id = m_requestCounter++;
    sendRequest(PlayerReplies::request(id, method, params), receiver, handler);
    return id;
}

void TavirelPlayer::sendRequest(const QJsonObject &request, QObject *receiver, const char *handler)
{
    if (!m_socket)
        return;
    // A socket that is not open drops the text; a record would wait forever.
    if (!isConnected()) {
        qCDebug(lcPlayer) << "player not connected, dropping" << request.value(QLatin1String("method"));
        return;
    }
    const auto id = PlayerReplies::requestId(request.value(QLatin1String("id")));
    if (!id) {
        qCDebug(lcPlayer) << "request without a usable id dropped";
        return;
    }
    SocketHandler record;
    record.requestId = *id;
    record.method = request.value(QLatin1String("method")).toString();
    record.receiver = receiver;
    record.handler = QByteArray(handler ? handler : "");
    m_pending.insert(*id, record);
    while (m_pending.size() > MaxPendingRequests) {
        qCDebug(lcPlayer) << "player never answered request" << m_pending.firstKey() << "- forgetting it";
        m_pending.erase(m_pending.begin());
    }
    m_socket->sendTextMessage(QString::fromUtf8(QJsonDocument(request).toJson(QJsonDocument::Compact)));
}

void TavirelPlayer::socketMessageReceived(const QString &message)
{
    const PlayerReplies::Message msg = PlayerReplies::parseMessage(message.toUtf8());
    switch (msg.kind) {
    case PlayerReplies::Message::Invalid:
        qCDebug(lcPlayer) << "player message is not a JSON object, dropped";
        return;
    case PlayerReplies::Message::Event:
        handleEvent(msg.event, msg.object);
        return;
    case PlayerReplies::Message::Reply:
        dispatchReply(msg.object, msg.id);
        return;
    }
}

void TavirelPlayer::handleEvent(const QString &event, const QJsonObject &message)
{
    switch (PlayerReplies::eventAction(event)) {
    case EventAction::PlaybackState:
        updatePlaybackStatus(message.value(QLatin1String("new_state")));
        break;
    case EventAction::TrackPlayback:
        updateTrackInfo(message.value(QLatin1String("tl_track")));
        if (event == QLatin1String("track_playback_started"))
            finishRestore();
        break;
    case EventAction::Options:
        request(QStringLiteral("core.tracklist.get_random"), this, "updateRandom");
        request(QStringLiteral("core.tracklist.get_repeat"), this, "updateRepeat");
        break;
    case EventAction::StreamTitle:
        // The server reports the tag title of every file it plays, sometimes
        // still the one before; only a stream, which has no length, is named
        // by what it sends.
        if (m_currentSong && m_currentSong->duration() == 0) {
            const QString title = message.value(QLatin1String("title")).toString();
            m_currentSong->setName(title);
            // The queue's row of the stream is named alike.
            const int at = m_queueTlid.indexOf(m_currentTlid);
            if (at >= 0 && at < m_queue.size() && m_queue.at(at)->uri() == m_currentSong->uri())
                m_queue.at(at)->setName(title);
        } else
            qCDebug(lcPlayer) << "stream title for a track that is not a stream ignored";
        break;
    case EventAction::Tracklist:
        request(QStringLiteral("core.tracklist.get_tl_tracks"), this, "updateQueue");
        break;
    case EventAction::Playlists:
        request(QStringLiteral("core.playlists.as_list"), this, "updatePlaylists");
        break;
    case EventAction::None:
        qCDebug(lcPlayer) << "player event ignored:" << event;
        break;
    }
}

void TavirelPlayer::dispatchReply(const QJsonObject &reply, int id)
{
    const auto it = m_pending.find(id);
    if (it == m_pending.end()) {
        qCDebug(lcPlayer) << "reply to no pending request dropped, id" << reply.value(QLatin1String("id"));
        return;
    }
    const SocketHandler record = it.value();
    m_pending.erase(it);
    QObject *receiver = record.receiver.data();
    if (!receiver || record.handler.isEmpty()) {
        if (!record.handler.isEmpty())
            qCDebug(lcPlayer) << "receiver of" << record.method << "is gone, reply dropped";
        return;
    }
    // An error reply has no "result": its handler gets an undefined value.
    QJsonValue result = reply.value(QLatin1String("result"));
    // Every consumer of images gets addresses it can fetch.
    if (record.method == QLatin1String("core.library.get_images"))
        result = PlayerReplies::withResolvedImageUris(result, serverUrl());
    const bool withId = PlayerReplies::handlerTakesRequestId(record.handler);
    const QByteArray signature = record.handler + (withId ? "(int,QJsonValue)" : "(QJsonValue)");
    if (receiver->metaObject()->indexOfMethod(signature.constData()) < 0) {
        qCDebug(lcPlayer) << "receiver has no handler" << signature << "for" << record.method;
        return;
    }
    if (withId)
        QMetaObject::invokeMethod(receiver, record.handler.constData(), Qt::AutoConnection, Q_ARG(int, id),
                                  Q_ARG(QJsonValue, result));
    else
        QMetaObject::invokeMethod(receiver, record.handler.constData(), Qt::AutoConnection,
                                  Q_ARG(QJsonValue, result));
}

// Mirrored state

void TavirelPlayer::updateUriSchemes(const QJsonValue &v)
{
    const auto filters = PlayerReplies::searchFilters(v);
    if (!filters)
        return;
    m_filters = *filters;
    m_filterTitles.clear();
    for (const QString &scheme : qAsConst(m_filters))
        m_filterTitles.append(DynamicTranslator::label(scheme));
    emit filtersChanged();
}

void TavirelPlayer::updatePlaybackStatus(const QJsonValue &v)
{
    setPlayPause(PlayerReplies::playState(v));
}

void TavirelPlayer::updateTrackInfo(const QJsonValue &v)
{
    const QJsonObject tlTrack = v.toObject();
    const QJsonObject track = tlTrack.value(QLatin1String("track")).toObject();
    const auto uri = track.constFind(QLatin1String("uri"));
    if (uri == track.constEnd()) {
        // Nothing is current: a kept id would mark a stranger in the queue
        // (ids start again at 1 when the server restarts).
        setCurrentTlid(0);
        setCurrentSong(nullptr);
        return;
    }
    const auto tlid = tlTrack.constFind(QLatin1String("tlid"));
    if (tlid != tlTrack.constEnd())
        setCurrentTlid(tlid.value().toInt());
    if (!m_currentSong || m_currentSong->uri() != uri.value().toString())
        setCurrentSong(ItemParsing::songFromTrack(track, true));
    if (!m_currentSong->hasImages())
        request(QStringLiteral("core.library.get_images"), PlayerReplies::urisParams({m_currentSong->uri()}),
                this, "updateTrackImages");
}

void TavirelPlayer::updateTrackImages(const QJsonValue &v)
{
    if (!m_currentSong)
        return;
    const QJsonObject reply = v.toObject();
    // The song may have changed since the request: never give it another
    // track's images.
    if (!reply.isEmpty() && !reply.contains(m_currentSong->uri())) {
        qCDebug(lcPlayer) << "images of a former current song dropped";
        return;
    }
    const QJsonArray images = PlayerReplies::imagesFor(reply, m_currentSong->uri());
    if (!images.isEmpty()) {
        m_currentSong->clearImages();
        m_currentSong->addImages(images);
        emit currentSongImageChanged();
        return;
    }
    if (!m_currentSong->album().isEmpty() && !m_currentSong->artistsString().isEmpty())
        fetchFallbackArt();
}

void TavirelPlayer::fetchFallbackArt()
{
    // One fetcher per player: a new batch abandons the one of a former song.
    if (!m_fallbackArt) {
        m_fallbackArt = std::make_unique<BackupImageDownloader>();
        connect(m_fallbackArt.get(), &BackupImageDownloader::imagesDownloaded, this,
                &TavirelPlayer::currentSongImageChanged);
    }
    m_fallbackArt->download({m_currentSong});
}

void TavirelPlayer::updateTrackTime(const QJsonValue &v)
{
    if (!m_currentSong || !v.isDouble())
        return;
    m_currentSong->setCurrTime(ItemParsing::secondsFromMs(static_cast<qint64>(v.toDouble())));
}

void TavirelPlayer::updateRandom(const QJsonValue &v)
{
    setShuffle(v.toBool());
}

void TavirelPlayer::updateRepeat(const QJsonValue &v)
{
    setRepeat(v.toBool());
}

void TavirelPlayer::updateQueue(const QJsonValue &v)
{
    const QList<Song *> oldQueue = m_queue;
    const QList<int> oldTlids = m_queueTlid;
    m_queue.clear();
    m_queueTlid.clear();

    QHash<int, int> oldPosition;
    oldPosition.reserve(oldTlids.size());
    for (int i = oldTlids.size() - 1; i >= 0; --i)
        oldPosition.insert(oldTlids.at(i), i);
    QVector<bool> carried(oldQueue.size(), false);

    const QVector<PlayerReplies::TlEntry> entries = PlayerReplies::tlTracks(v);
    m_queue.reserve(entries.size());
    m_queueTlid.reserve(entries.size());
    QStringList imageUris;
    for (const PlayerReplies::TlEntry &entry : entries) {
        Song *song = nullptr;
        const int pos = oldPosition.value(entry.tlid, -1);
        // Tracklist ids start again at 1 when the server restarts, so an id
        // alone does not prove that it is the same track.
        if (pos >= 0 && !carried.at(pos)
            && oldQueue.at(pos)->uri() == entry.track.value(QLatin1String("uri")).toString()) {
            song = oldQueue.at(pos);
            carried[pos] = true;
            if (!song->hasImages())
                imageUris.append(song->uri());
        } else {
            song = ItemParsing::songFromTrack(entry.track, false);
            imageUris.append(song->uri());
        }
        m_queueTlid.append(entry.tlid);
        m_queue.append(song);
    }
    for (int i = 0; i < oldQueue.size(); ++i) {
        if (!carried.at(i))
            oldQueue.at(i)->deleteLater();
    }
    emit queueChanged();
    if (!imageUris.isEmpty())
        request(QStringLiteral("core.library.get_images"), PlayerReplies::urisParams(imageUris), this,
                "updateQueueImages");
}

void TavirelPlayer::updateQueueImages(const QJsonValue &v)
{
    const QJsonObject reply = v.toObject();
    if (reply.isEmpty())
        return;
    bool added = false;
    for (Song *song : qAsConst(m_queue)) {
        const auto images = reply.constFind(song->uri());
        if (images == reply.constEnd())
            continue;
        const QJsonArray list = images.value().toArray();
        if (!list.isEmpty()) {
            song->addImages(list);
            added = true;
        }
    }
    if (added)
        emit queueImagesChanged();
}

void TavirelPlayer::updatePlaylists(const QJsonValue &v)
{
    for (PlayerItem *item : qAsConst(m_playlists))
        item->deleteLater();
    m_playlists.clear();
    m_playlistIndex.clear();
    m_pendingPlaylistImages.clear();
    if (v.isArray()) {
        const QJsonArray list = v.toArray();
        for (const QJsonValue &entry : list) {
            if (!entry.isObject())
                continue;
            PlayerItem *item = ItemParsing::itemFromPlaylist(entry.toObject());
            m_playlistIndex.insert(item->uri(), m_playlists.size());
            m_playlists.append(item);
        }
    }
    emit playlistsChanged();
}

void TavirelPlayer::updatePlaylistJson(const QJsonValue &v)
{
    // Lookups are answered in the order they were sent.
    const QList<QPointer<PlayerItem>> items = m_pendingEdits.isEmpty() ? QList<QPointer<PlayerItem>>()
                                                                          : m_pendingEdits.takeFirst();
    QVector<PlayerReplies::PlaylistAddition> additions;
    for (const QPointer<PlayerItem> &item : items) {
        if (!item) {
            qCDebug(lcPlayer) << "item to add to a playlist was destroyed, skipped";
            continue;
        }
        additions.append({item->uri(), item->name()});
    }
    const auto playlist = PlayerReplies::playlistWithAdditions(v, additions);
    if (!playlist)
        return;
    QJsonObject params;
    params.insert(QStringLiteral("playlist"), *playlist);
    request(QStringLiteral("core.playlists.save"), params);
}

void TavirelPlayer::updatePlaylistJsonFromQueue(const QJsonValue &v)
{
    if (!v.isObject())
        return;
    // Queued only when the request is actually sent, so replies and entries
    // stay paired (replies come in the order of the requests).
    const bool sent = isConnected();
    request(QStringLiteral("core.tracklist.get_tracks"), this, "updatePlaylistTracks");
    if (sent)
        m_createdPlaylists.append(v.toObject());
}

void TavirelPlayer::updatePlaylistTracks(const QJsonValue &v)
{
    if (m_createdPlaylists.isEmpty())
        return;
    QJsonObject playlist = m_createdPlaylists.takeFirst();
    if (!v.isArray()) {
        qCDebug(lcPlayer) << "queue of new playlist" << playlist.value(QLatin1String("name")) << "not read";
        return;
    }
    savePlaylistWithTracks(playlist, v);
}

void TavirelPlayer::savePlaylistWithTracks(QJsonObject playlist, const QJsonValue &tracks)
{
    playlist.insert(QStringLiteral("tracks"), tracks);
    QJsonObject params;
    params.insert(QStringLiteral("playlist"), playlist);
    request(QStringLiteral("core.playlists.save"), params);
}

QJsonObject TavirelPlayer::createPlaylistParams(const QString &name)
{
    QJsonObject params;
    params.insert(QStringLiteral("name"), name);
    params.insert(QStringLiteral("uri_scheme"), QStringLiteral("m3u"));
    return params;
}

void TavirelPlayer::updatePlaylistLookup(const QJsonValue &v)
{
    if (!v.isObject())
        return;
    const QJsonObject playlist = v.toObject();
    const QJsonArray tracks = playlist.value(QLatin1String("tracks")).toArray();
    if (tracks.isEmpty())
        return;
    // Recorded under the id that the image request is about to take.
    m_pendingPlaylistImages.insert(m_requestCounter, playlist.value(QLatin1String("uri")).toString());
    const QString firstTrack = tracks.first().toObject().value(QLatin1String("uri")).toString();
    request(QStringLiteral("core.library.get_images"), PlayerReplies::urisParams({firstTrack}), this,
            "browsePlaylistImage");
}

void TavirelPlayer::browsePlaylistImage(int reqId, const QJsonValue &v)
{
    const auto pending = m_pendingPlaylistImages.constFind(reqId);
    if (pending == m_pendingPlaylistImages.constEnd())
        return;
    const int pos = m_playlistIndex.value(pending.value(), -1);
    const QJsonArray images = PlayerReplies::firstImages(v);
    if (pos >= 0 && pos < m_playlists.size() && !images.isEmpty()) {
        PlayerItem *item = m_playlists.at(pos);
        item->clearImages();
        item->addImages(images);
    }
    emit playlistsImagesChanged();
}

// Playback and queue

void TavirelPlayer::actionPlay()
{
    request(m_playPause != 0 ? QStringLiteral("core.playback.resume") : QStringLiteral("core.playback.play"));
}

void TavirelPlayer::actionPlayTrack(int tlid)
{
    QJsonObject params;
    params.insert(QStringLiteral("tlid"), tlid);
    request(QStringLiteral("core.playback.play"), params);
}

void TavirelPlayer::actionPause()
{
    // Live streams cannot be resumed where they were paused.
    if (m_currentSong && PlayerReplies::isLiveStreamUri(m_currentSong->uri()))
        request(QStringLiteral("core.playback.stop"));
    else
        request(QStringLiteral("core.playback.pause"));
}

void TavirelPlayer::actionPrevious()
{
    request(QStringLiteral("core.playback.get_time_position"), this, "previousAt");
}

void TavirelPlayer::previousAt(const QJsonValue &positionMs)
{
    // Without the server's position the one last polled stands in.
    const qint64 position = positionMs.isDouble() ? qint64(positionMs.toDouble())
                                                  : (m_currentSong ? m_currentSong->currTime() * 1000LL : 0);
    const int tlid = PlayerReplies::previousTlid(m_queueTlid, m_currentTlid, position, m_repeat, m_shuffle,
                                                 m_playedTlids);
    if (tlid > 0) {
        m_backTo = tlid;
        actionPlayTrack(tlid);
    } else if (tlid == 0) {
        actionSeek(0);
    } else {
        request(QStringLiteral("core.playback.previous"));
    }
}

void TavirelPlayer::actionNext()
{
    request(QStringLiteral("core.playback.next"));
}

void TavirelPlayer::actionStop()
{
    request(QStringLiteral("core.playback.stop"));
}

void TavirelPlayer::actionSeek(qint64 positionMs)
{
    QJsonObject params;
    params.insert(QStringLiteral("time_position"), qMax<qint64>(0, positionMs));
    request(QStringLiteral("core.playback.seek"), params);
    request(QStringLiteral("core.playback.get_time_position"), this, "updateTrackTime");
}

void TavirelPlayer::actionRepeatShuffle(int modality)
{
    const PlayerReplies::RepeatRandom options = PlayerReplies::repeatRandomForModality(modality);
    QJsonObject repeat;
    repeat.insert(QStringLiteral("value"), options.repeat);
    request(QStringLiteral("core.tracklist.set_repeat"), repeat);
    QJsonObject random;
    random.insert(QStringLiteral("value"), options.random);
    request(QStringLiteral("core.tracklist.set_random"), random);
}

void TavirelPlayer::actionClearQueue()
{
    request(QStringLiteral("core.tracklist.clear"));
    request(QStringLiteral("core.playback.get_current_tl_track"), this, "updateTrackInfo");
}

TavirelPlayer::QueueSnapshot TavirelPlayer::queueSnapshot() const
{
    QueueSnapshot snapshot;
    for (const Song *song : m_queue)
        snapshot.uris.append(song->uri());
    snapshot.current = m_queueTlid.indexOf(m_currentTlid);
    snapshot.playPause = m_playPause;
    if (m_currentSong)
        snapshot.positionMs = qint64(m_currentSong->currTime()) * 1000;
    return snapshot;
}

void TavirelPlayer::actionRestoreQueue(const QueueSnapshot &snapshot)
{
    if (snapshot.uris.isEmpty())
        return;
    // Queued only when the request is actually sent, so replies and entries stay paired.
    const bool sent = isConnected();
    request(QStringLiteral("core.tracklist.add"), PlayerReplies::addParams(snapshot.uris, -1), this,
            "restoreQueueAdded");
    if (sent)
        m_restoredQueues.append(snapshot);
}

void TavirelPlayer::restoreQueueAdded(const QJsonValue &v)
{
    if (m_restoredQueues.isEmpty())
        return;
    const QueueSnapshot snapshot = m_restoredQueues.takeFirst();
    const QJsonArray added = v.toArray();
    if (snapshot.current < 0 || snapshot.current >= added.size()) {
        qCDebug(lcPlayer) << "restored queue has no current track to bring back";
        return;
    }
    const int tlid = added.at(snapshot.current).toObject().value(QLatin1String("tlid")).toInt(-1);
    QJsonObject play;
    play.insert(QStringLiteral("tlid"), tlid);
    request(QStringLiteral("core.playback.play"), play);
    if (snapshot.positionMs > 0 || snapshot.playPause != 2) {
        m_restoreTlid = tlid;
        m_restoreState = snapshot;
    }
}

void TavirelPlayer::finishRestore()
{
    if (m_restoreTlid < 0 || m_currentTlid != m_restoreTlid)
        return;
    m_restoreTlid = -1;
    if (m_restoreState.positionMs > 0) {
        QJsonObject seek;
        seek.insert(QStringLiteral("time_position"), m_restoreState.positionMs);
        request(QStringLiteral("core.playback.seek"), seek);
    }
    if (m_restoreState.playPause == 1)
        request(QStringLiteral("core.playback.pause"));
    else if (m_restoreState.playPause == 0)
        request(QStringLiteral("core.playback.stop"));
}

int TavirelPlayer::actionPlayIndex(QObject *rec, const char *hdl)
{
    return request(QStringLiteral("core.tracklist.index"), rec, hdl);
}

void TavirelPlayer::actionPlayAdd(const QStringList &uris, int position, bool sendPlay)
{
    request(QStringLiteral("core.tracklist.add"), PlayerReplies::addParams(uris, position),
            this, sendPlay ? "queueAddedToPlay" : "queueAdded");
}

void TavirelPlayer::queueAdded(const QJsonValue &v)
{
    // The server adds nothing for what it cannot play, and says no more.
    if (!v.isArray() || v.toArray().isEmpty()) {
        qCDebug(lcPlayer) << "nothing added to the queue";
        emit notPlayable();
    }
}

void TavirelPlayer::queueAddedToPlay(const QJsonValue &v)
{
    queueAdded(v);
    actionPlayNow(v);
}

void TavirelPlayer::actionPlayNow(const QJsonValue &v)
{
    if (!v.isArray())
        return;
    const QJsonObject first = v.toArray().at(0).toObject();
    QJsonObject params;
    const auto tlid = first.constFind(QLatin1String("tlid"));
    if (tlid != first.constEnd())
        params.insert(QStringLiteral("tlid"), tlid.value());
    request(QStringLiteral("core.playback.play"), params);
}

void TavirelPlayer::actionRemoveTrackFromQueue(int index)
{
    if (index < 0 || index >= m_queueTlid.size()) {
        qCDebug(lcPlayer) << "no queue entry" << index << "to remove";
        return;
    }
    // The server takes the match as one "criteria" object; a bare "tlid"
    // argument is rejected and nothing would be removed.
    QJsonObject criteria;
    criteria.insert(QStringLiteral("tlid"), QJsonArray{m_queueTlid.at(index)});
    QJsonObject params;
    params.insert(QStringLiteral("criteria"), criteria);
    request(QStringLiteral("core.tracklist.remove"), params);
}

void TavirelPlayer::actionResetQueueWithUris(const QStringList &uris)
{
    request(QStringLiteral("core.playback.stop"));
    actionClearQueue();
    actionPlayAdd(uris, -1, true);
}

// Library, search and playlists

int TavirelPlayer::actionBrowse(const QString &uri, QObject *rec, const char *hdl)
{
    return request(QStringLiteral("core.library.browse"), PlayerReplies::browseParams(uri), rec, hdl);
}

int TavirelPlayer::actionLookup(const QStringList &uris, QObject *rec, const char *hdl)
{
    return request(QStringLiteral("core.library.lookup"), PlayerReplies::urisParams(uris), rec, hdl);
}

int TavirelPlayer::actionLookupImages(const QStringList &uris, QObject *rec, const char *hdl)
{
    return request(QStringLiteral("core.library.get_images"), PlayerReplies::urisParams(uris), rec, hdl);
}

void TavirelPlayer::actionPlaylistLookup(const QStringList &uris)
{
    for (const QString &uri : uris) {
        QJsonObject params;
        params.insert(QStringLiteral("uri"), uri);
        request(QStringLiteral("core.playlists.lookup"), params, this, "updatePlaylistLookup");
    }
}

void TavirelPlayer::actionOpenPlaylistWithUri(const QString &uri)
{
    QJsonObject params;
    params.insert(QStringLiteral("uri"), uri);
    request(QStringLiteral("core.playlists.get_items"), params, this, "actionPlayList");
}

void TavirelPlayer::actionAddPlaylistWithUri(const QString &uri)
{
    QJsonObject params;
    params.insert(QStringLiteral("uri"), uri);
    request(QStringLiteral("core.playlists.get_items"), params, this, "actionAddList");
}

int TavirelPlayer::actionBrowsePlaylist(const QString &uri, QObject *rec, const char *hdl)
{
    QJsonObject params;
    params.insert(QStringLiteral("uri"), uri);
    return request(QStringLiteral("core.playlists.get_items"), params, rec, hdl);
}

void TavirelPlayer::actionPlayList(const QJsonValue &v)
{
    if (const auto uris = PlayerReplies::refUris(v))
        actionResetQueueWithUris(*uris);
}

void TavirelPlayer::actionAddList(const QJsonValue &v)
{
    if (const auto uris = PlayerReplies::refUris(v))
        actionPlayAdd(*uris, -1, false);
}

void TavirelPlayer::actionCreatePlaylist(const QString &name, bool fromQueue)
{
    request(QStringLiteral("core.playlists.create"), createPlaylistParams(name), fromQueue ? this : nullptr,
            fromQueue ? "updatePlaylistJsonFromQueue" : "");
}

int TavirelPlayer::actionCreatePlaylist(const QString &name, QObject *rec, const char *hdl)
{
    return request(QStringLiteral("core.playlists.create"), createPlaylistParams(name), rec, hdl);
}

int TavirelPlayer::actionLookupPlaylist(const QString &uri, QObject *rec, const char *hdl)
{
    QJsonObject params;
    params.insert(QStringLiteral("uri"), uri);
    return request(QStringLiteral("core.playlists.lookup"), params, rec, hdl);
}

void TavirelPlayer::actionRestorePlaylist(const QJsonObject &playlist)
{
    const QString name = playlist.value(QLatin1String("name")).toString();
    if (name.isEmpty()) {
        qCDebug(lcPlayer) << "playlist without a name not restored";
        return;
    }
    const bool sent = isConnected();
    request(QStringLiteral("core.playlists.create"), createPlaylistParams(name), this, "restorePlaylistCreated");
    if (sent)
        m_restoredPlaylists.append(playlist.value(QLatin1String("tracks")));
}

void TavirelPlayer::restorePlaylistCreated(const QJsonValue &v)
{
    if (m_restoredPlaylists.isEmpty())
        return;
    const QJsonValue tracks = m_restoredPlaylists.takeFirst();
    if (!v.isObject()) {
        qCDebug(lcPlayer) << "restored playlist not created";
        return;
    }
    savePlaylistWithTracks(v.toObject(), tracks.isArray() ? tracks : QJsonArray());
}

PlayerItem *TavirelPlayer::playlistNamed(const QString &name) const
{
    for (PlayerItem *playlist : m_playlists) {
        if (playlist->name() == name)
            return playlist;
    }
    return nullptr;
}

void TavirelPlayer::actionEditPlaylistWithUris(const QString &playlist, const QList<PlayerItem *> &songs)
{
    QList<QPointer<PlayerItem>> items;
    for (PlayerItem *item : songs)
        items.append(item);
    QJsonObject params;
    params.insert(QStringLiteral("uri"), playlist);
    // Queued only when the lookup is actually sent, so replies and lists stay paired.
    const bool sent = isConnected();
    request(QStringLiteral("core.playlists.lookup"), params, this, "updatePlaylistJson");
    if (sent)
        m_pendingEdits.append(items);
}

int TavirelPlayer::actionSearch(const QString &text, const QString &filter, QObject *rec, const char *hdl)
{
    return request(QStringLiteral("core.library.search"), PlayerReplies::searchParams(text, filter), rec, hdl);
}

void TavirelPlayer::actionRefreshPlaylists()
{
    request(QStringLiteral("core.playlists.as_list"), this, "updatePlaylists");
}

QString TavirelPlayer::getPlaylistName(const QString &uri) const
{
    const int pos = m_playlistIndex.value(uri, -1);
    if (pos < 0 || pos >= m_playlists.size())
        return QString();
    return m_playlists.at(pos)->name();
}
