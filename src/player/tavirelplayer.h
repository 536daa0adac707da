#pragma once
#include <QAbstractSocket>
#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QQmlListProperty>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "player/playeritem.h"
#include "player/song.h"

class BackupImageDownloader;
class QWebSocket;

// One request whose reply is awaited: the reply goes to `handler` of
// `receiver`, unless the receiver is gone by then.
struct SocketHandler
{
    int requestId = -1;
    QString method;
    QPointer<QObject> receiver;
    QByteArray handler;
};

// Client of one media player's JSON-RPC interface over a WebSocket. Mirrors
// the player's state for QML and delivers library results to the controllers
// that asked for them, by request id and handler name.
class TavirelPlayer : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int index READ index WRITE setIndex NOTIFY indexChanged)
    Q_PROPERTY(int sourceRef READ sourceRef WRITE setSourceRef NOTIFY sourceRefChanged)
    Q_PROPERTY(QString ipAddress READ ipAddress WRITE setIpAddress NOTIFY ipAddressChanged)
    Q_PROPERTY(QString port READ port WRITE setPort NOTIFY portChanged)
    Q_PROPERTY(bool connectionEnabled READ connectionEnabled WRITE setConnectionEnabled NOTIFY connectionEnabledChanged)
    Q_PROPERTY(int playPause READ playPause WRITE setPlayPause NOTIFY playPauseChanged)
    Q_PROPERTY(bool shuffle READ shuffle WRITE setShuffle NOTIFY shuffleChanged)
    Q_PROPERTY(bool repeat READ repeat WRITE setRepeat NOTIFY repeatChanged)
    Q_PROPERTY(Song *currentSong READ currentSong WRITE setCurrentSong NOTIFY currentSongChanged)
    Q_PROPERTY(int currentTlid READ currentTlid WRITE setCurrentTlid NOTIFY currentTlidChanged)
    Q_PROPERTY(bool airPlay READ airPlay WRITE setAirPlay NOTIFY airPlayChanged)
    Q_PROPERTY(QString airPlayTrack READ airPlayTrack WRITE setAirPlayTrack NOTIFY airPlayTrackChanged)
    Q_PROPERTY(QString airPlayAlbum READ airPlayAlbum WRITE setAirPlayAlbum NOTIFY airPlayAlbumChanged)
    Q_PROPERTY(QString airPlayArtist READ airPlayArtist WRITE setAirPlayArtist NOTIFY airPlayArtistChanged)
    Q_PROPERTY(QString airPlayImage READ airPlayImage WRITE setAirPlayImage NOTIFY airPlayImageChanged)
    Q_PROPERTY(QQmlListProperty<Song> queue READ queueProperty NOTIFY queueChanged)
    Q_PROPERTY(QList<int> queueTlid READ queueTlid NOTIFY queueTlidChanged)
    Q_PROPERTY(QQmlListProperty<PlayerItem> playlists READ playlistsProperty NOTIFY playlistsChanged)
    Q_PROPERTY(QStringList filters READ filters WRITE setFilters NOTIFY filtersChanged)
    Q_PROPERTY(QStringList filterTitles READ filterTitles WRITE setFilterTitles NOTIFY filterTitlesChanged)
    // The music server answers: commands can be sent.
    Q_PROPERTY(bool reachable READ isConnected NOTIFY reachableChanged)
    // The server went away or did not answer, and another attempt is coming.
    Q_PROPERTY(bool retrying READ retrying NOTIFY reachableChanged)

public:
    explicit TavirelPlayer(QObject *parent = nullptr);
    ~TavirelPlayer() override;

    int index() const { return m_index; }
    int sourceRef() const { return m_sourceRef; }
    QString ipAddress() const { return m_ipAddress; }
    QString port() const { return m_port; }
    bool connectionEnabled() const { return m_connectionEnabled; }
    int playPause() const { return m_playPause; }
    bool shuffle() const { return m_shuffle; }
    bool repeat() const { return m_repeat; }
    Song *currentSong() const { return m_currentSong; }
    int currentTlid() const { return m_currentTlid; }
    bool airPlay() const { return m_airPlay; }
    QString airPlayTrack() const { return m_airPlayTrack; }
    QString airPlayAlbum() const { return m_airPlayAlbum; }
    QString airPlayArtist() const { return m_airPlayArtist; }
    QString airPlayImage() const { return m_airPlayImage; }
    QQmlListProperty<Song> queueProperty();
    const QList<Song *> &queue() const { return m_queue; }
    QList<int> queueTlid() const { return m_queueTlid; }
    QQmlListProperty<PlayerItem> playlistsProperty();
    const QList<PlayerItem *> &playlists() const { return m_playlists; }
    QStringList filters() const { return m_filters; }
    QStringList filterTitles() const { return m_filterTitles; }

    void setIndex(int index);
    void setSourceRef(int sourceRef);
    void setIpAddress(const QString &ipAddress);
    void setPort(const QString &port);
    void setConnectionEnabled(bool enabled);
    void setPlayPause(int playPause);
    void setShuffle(bool shuffle);
    void setRepeat(bool repeat);
    // Takes ownership; the song it replaces is released with deferred deletion.
    void setCurrentSong(Song *song);
    void setCurrentTlid(int tlid);
    void setAirPlay(bool airPlay);
    void setAirPlayTrack(const QString &track);
    void setAirPlayAlbum(const QString &album);
    void setAirPlayArtist(const QString &artist);
    void setAirPlayImage(const QString &image);
    void setFilters(const QStringList &filters);
    void setFilterTitles(const QStringList &titles);

    // Drops the link and every retry; enable the connection and call
    // startConnection() to open it again.
    void closeConnection();
    // Sends a request envelope (PlayerReplies::request); its reply goes to
    // `handler` of `receiver` (none for fire-and-forget requests). Nothing is
    // sent or awaited while the link is not open.
    void sendRequest(const QJsonObject &request, QObject *receiver, const char *handler);

    // Whether the WebSocket is open.
    bool isConnected() const;
    bool retrying() const { return m_retrying && !isConnected(); }
    // Requests whose reply is still awaited.
    int pendingRequestCount() const { return m_pending.size(); }
    // Upper bound of awaited requests; a peer that never answers cannot make
    // the table grow without end.
    static constexpr int MaxPendingRequests = 4096;
    // Largest message accepted from the server (a 10,000-track tracklist is
    // about 6 MB).
    static constexpr qint64 MaxIncomingMessageSize = 64 * 1024 * 1024;
    // A server that takes the TCP connection but never completes the
    // WebSocket handshake is given up after this long, and tried again.
    static constexpr int DefaultHandshakeTimeout = 5000;
    // Tracks remembered for Previous while shuffling.
    static constexpr int MaxPlayedTlids = 100;
    void setHandshakeTimeout(int ms) { m_handshakeTimer.setInterval(ms); }
    // The server's web address: image URIs without a scheme are relative to it.
    QUrl serverUrl() const;

    // Reply handlers, invoked by name from the reply dispatch.
    Q_INVOKABLE void updateUriSchemes(const QJsonValue &v);
    Q_INVOKABLE void updatePlaybackStatus(const QJsonValue &v);
    Q_INVOKABLE void updateTrackInfo(const QJsonValue &v);
    Q_INVOKABLE void updateTrackImages(const QJsonValue &v);
    Q_INVOKABLE void updateTrackTime(const QJsonValue &v);
    Q_INVOKABLE void updateRandom(const QJsonValue &v);
    Q_INVOKABLE void updateRepeat(const QJsonValue &v);
    Q_INVOKABLE void updateQueue(const QJsonValue &v);
    Q_INVOKABLE void updateQueueImages(const QJsonValue &v);
    Q_INVOKABLE void updatePlaylists(const QJsonValue &v);
    Q_INVOKABLE void updatePlaylistJson(const QJsonValue &v);
    Q_INVOKABLE void updatePlaylistJsonFromQueue(const QJsonValue &v);
    Q_INVOKABLE void updatePlaylistTracks(const QJsonValue &v);
    Q_INVOKABLE void updatePlaylistLookup(const QJsonValue &v);
    Q_INVOKABLE void browsePlaylistImage(int reqId, const QJsonValue &v);

    // Playback and queue.
    Q_INVOKABLE void actionPlay();
    Q_INVOKABLE void actionPlayTrack(int tlid);
    Q_INVOKABLE void actionPause();
    // Back a track early in a track, else the track from its start: asks
    // the server's position, then previousAt() decides.
    Q_INVOKABLE void actionPrevious();
    Q_INVOKABLE void previousAt(const QJsonValue &positionMs);
    Q_INVOKABLE void actionNext();
    Q_INVOKABLE void actionRepeatShuffle(int modality);
    Q_INVOKABLE void actionClearQueue();
    // What the queue holds now, enough to put it back after it is cleared.
    struct QueueSnapshot {
        QStringList uris;
        int current = -1; // index of the current track, -1 for none
        int playPause = 0;
        qint64 positionMs = 0;
    };
    QueueSnapshot queueSnapshot() const;
    // Adds the snapshot's tracks after what the queue holds, and makes its
    // current track current again, playing, paused or stopped as it was.
    void actionRestoreQueue(const QueueSnapshot &snapshot);
    Q_INVOKABLE void restoreQueueAdded(const QJsonValue &v);
    Q_INVOKABLE int actionPlayIndex(QObject *rec, const char *hdl);
    Q_INVOKABLE void actionPlayAdd(const QStringList &uris, int position, bool sendPlay);
    Q_INVOKABLE void actionPlayNow(const QJsonValue &v);
    Q_INVOKABLE void queueAdded(const QJsonValue &v);
    Q_INVOKABLE void queueAddedToPlay(const QJsonValue &v);
    Q_INVOKABLE void actionRemoveTrackFromQueue(int index);
    Q_INVOKABLE void actionResetQueueWithUris(const QStringList &uris);
    Q_INVOKABLE void actionStop();
    // Moves playback of the current track to positionMs and reads the
    // position back, so that currTime follows also while paused.
    Q_INVOKABLE void actionSeek(qint64 positionMs);

    // Library, search and playlists.
    Q_INVOKABLE int actionBrowse(const QString &uri, QObject *rec, const char *hdl);
    Q_INVOKABLE int actionLookup(const QStringList &uris, QObject *rec, const char *hdl);
    Q_INVOKABLE int actionLookupImages(const QStringList &uris, QObject *rec, const char *hdl);
    Q_INVOKABLE void actionPlaylistLookup(const QStringList &uris);
    Q_INVOKABLE void actionOpenPlaylistWithUri(const QString &uri);
    Q_INVOKABLE void actionAddPlaylistWithUri(const QString &uri);
    Q_INVOKABLE int actionBrowsePlaylist(const QString &uri, QObject *rec, const char *hdl);
    Q_INVOKABLE void actionPlayList(const QJsonValue &v);
    Q_INVOKABLE void actionAddList(const QJsonValue &v);
    Q_INVOKABLE void actionCreatePlaylist(const QString &name, bool fromQueue);
    // Creates an empty playlist; `rec`'s `hdl` receives the created Playlist.
    int actionCreatePlaylist(const QString &name, QObject *rec, const char *hdl);
    // The stored playlist with its tracks, as the server sends it.
    int actionLookupPlaylist(const QString &uri, QObject *rec, const char *hdl);
    // Stores a playlist as actionLookupPlaylist gave it, under its name again.
    void actionRestorePlaylist(const QJsonObject &playlist);
    Q_INVOKABLE void restorePlaylistCreated(const QJsonValue &v);
    // The stored playlist of that name (exactly as typed), or null.
    PlayerItem *playlistNamed(const QString &name) const;
    Q_INVOKABLE void actionEditPlaylistWithUris(const QString &playlist, const QList<PlayerItem *> &songs);
    Q_INVOKABLE int actionSearch(const QString &text, const QString &filter, QObject *rec, const char *hdl);
    Q_INVOKABLE void actionRefreshPlaylists();
    Q_INVOKABLE QString getPlaylistName(const QString &uri) const;

public slots:
    void startConnection();

signals:
    void indexChanged();
    void sourceRefChanged();
    void ipAddressChanged();
    void portChanged();
    void connectionEnabledChanged();
    void playPauseChanged();
    void shuffleChanged();
    void repeatChanged();
    void currentSongChanged();
    void currentSongImageChanged();
    void airPlayChanged();
    void airPlayTrackChanged();
    void airPlayAlbumChanged();
    void airPlayArtistChanged();
    void airPlayImageChanged();
    void queueChanged();
    // Never emitted: queueTlid changes together with queue.
    void queueTlidChanged();
    void currentTlidChanged();
    void playlistsChanged();
    void playlistsImagesChanged();
    // Cover art arrived for songs of the queue (the songs stay the same).
    void queueImagesChanged();
    void filtersChanged();
    void filterTitlesChanged();
    // The WebSocket has opened (again): requests can be sent. Whatever was
    // awaited on an earlier link is lost and must be asked again.
    void linkOpened();
    void reachableChanged();
    // An add to the queue added nothing: the server cannot play what was asked.
    void notPlayable();

private slots:
    void socketConnected();
    void socketDisconnected();
    void socketStateChanged(QAbstractSocket::SocketState state);
    void socketMessageReceived(const QString &message);
    void socketError(QAbstractSocket::SocketError error);
    void refreshTimerTimeout();
    void handshakeTimeout();

private:
    // Builds the envelope with the next request id, sends it, returns the id.
    int request(const QString &method, QObject *receiver = nullptr, const char *handler = "");
    int request(const QString &method, const QJsonObject &params, QObject *receiver = nullptr,
                const char *handler = "");
    void dispatchReply(const QJsonObject &reply, int id);
    void handleEvent(const QString &event, const QJsonObject &message);
    void dropSocket();
    void stopRefreshTimer();
    void scheduleReconnect(int delayMs);
    // Announces reachable/retrying when either differs from what was last told.
    void updateLinkState();
    void fetchFallbackArt();
    // A playlist object of the server with these tracks, saved.
    void savePlaylistWithTracks(QJsonObject playlist, const QJsonValue &tracks);
    static QJsonObject createPlaylistParams(const QString &name);
    void finishRestore();

    int m_index = -1;
    int m_sourceRef = -1;
    QString m_ipAddress;
    QString m_port = QStringLiteral("6680");
    bool m_connectionEnabled = false;
    int m_playPause = 0;
    bool m_shuffle = false;
    bool m_repeat = false;
    Song *m_currentSong = nullptr;
    int m_currentTlid = 0;
    // Tracks played before the current one, oldest first, for Previous while
    // shuffling; a track gone back to is not added again.
    QList<int> m_playedTlids;
    int m_backTo = 0;
    bool m_airPlay = false;
    QString m_airPlayTrack;
    QString m_airPlayAlbum;
    QString m_airPlayArtist;
    QString m_airPlayImage;
    QList<Song *> m_queue;
    QList<int> m_queueTlid;
    QList<PlayerItem *> m_playlists;
    QStringList m_filters;
    QStringList m_filterTitles;

    int m_requestCounter = 0;
    int m_refreshCountdown = 0;
    QWebSocket *m_socket = nullptr;
    QMap<int, SocketHandler> m_pending;
    QTimer *m_refreshTimer = nullptr;
    // One pending reconnection at most; stopped by closeConnection().
    QTimer m_reconnectTimer;
    QTimer m_handshakeTimer;
    bool m_retrying = false;
    bool m_toldReachable = false;
    bool m_toldRetrying = false;
    QHash<QString, int> m_playlistIndex;
    QHash<int, QString> m_pendingPlaylistImages;
    // Items to append, one list per playlist lookup in flight, oldest first.
    QList<QList<QPointer<PlayerItem>>> m_pendingEdits;
    // Playlists created from the queue whose tracks are on their way, oldest
    // first: each "save queue as playlist" keeps its own entry.
    QList<QJsonObject> m_createdPlaylists;
    // Tracks of restored playlists whose creation is awaited, oldest first.
    QList<QJsonValue> m_restoredPlaylists;
    // The queue being put back, while its tracks are being added.
    QList<QueueSnapshot> m_restoredQueues;
    // The restored current track, put back to its position and state once it
    // plays (the server takes a seek or pause only then); -1 for none.
    int m_restoreTlid = -1;
    QueueSnapshot m_restoreState;
    std::unique_ptr<BackupImageDownloader> m_fallbackArt;
};
