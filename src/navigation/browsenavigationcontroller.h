#pragma once
#include "navigation/navigationcontroller.h"

#include <QHash>
#include <QJsonValue>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class BrowseListView;
class BrowseReference;
class Notices;
class PlayerItem;
class SearchRootView;
class Tavirel;
class TavirelPlayer;

// The navigation stack of the music library. Library requests of its views
// go to the device's browse player; the playlists page and what opens from
// it, and what changes the queue, go to the player chosen on the player
// page. Each result finds its view again by request id; results for views
// that have left the stack are dropped. What a page still waits for is asked
// again when its player's link opens; a player on another server takes the
// stack back to its root.
class BrowseNavigationController : public NavigationController
{
    Q_OBJECT
    Q_PROPERTY(Tavirel *currTavirel READ currTavirel WRITE setCurrTavirel NOTIFY currTavirelChanged)
    Q_PROPERTY(TavirelPlayer *currentPlayer READ currentPlayer WRITE setCurrentPlayer NOTIFY currentPlayerChanged)
    Q_PROPERTY(QQuickItem *moreMenu READ moreMenu WRITE setMoreMenu NOTIFY moreMenuChanged)
    Q_PROPERTY(QQuickItem *moreMenuPl READ moreMenuPl WRITE setMoreMenuPl NOTIFY moreMenuPlChanged)
    // Where the stack tells what the user's playlist and queue actions did.
    Q_PROPERTY(Notices *notices READ notices WRITE setNotices NOTIFY noticesChanged)

public:
    // Re-requests of a root that got nothing (empty library, player not
    // connected) back off from the first delay,
    // doubling, up to the last.
    static constexpr int EmptyRootFirstDelayMs = 1000;
    static constexpr int EmptyRootMaxDelayMs = 30000;

    explicit BrowseNavigationController(QQuickItem *parent = nullptr);
    ~BrowseNavigationController() override;

    Tavirel *currTavirel() const;
    void setCurrTavirel(Tavirel *tavirel);
    TavirelPlayer *currentPlayer() const;
    void setCurrentPlayer(TavirelPlayer *player);
    QQuickItem *moreMenu() const { return m_moreMenu; }
    void setMoreMenu(QQuickItem *menu);
    QQuickItem *moreMenuPl() const { return m_moreMenuPl; }
    void setMoreMenuPl(QQuickItem *menu);
    Notices *notices() const;
    void setNotices(Notices *notices);

    TavirelPlayer *browsePlayer() const { return m_browsePlayer; }
    // Pages waiting for an answer (sent or not yet sendable).
    int pendingViewCount() const;
    // Delay before the next re-request of an empty root; 0 when none is due.
    int emptyRootDelay() const { return m_emptyRootTimer.isActive() ? m_emptyRootTimer.interval() : 0; }

    Q_INVOKABLE void initNavigationBar();
    Q_INVOKABLE void initRootView() override;

    Q_INVOKABLE void searchResultReceived(int responseId, const QJsonValue &v);
    Q_INVOKABLE void browseRootResultReceived(int responseId, const QJsonValue &v);
    Q_INVOKABLE void browseResultReceived(int responseId, const QJsonValue &v);
    Q_INVOKABLE void browseLookupReceived(int responseId, const QJsonValue &v);
    Q_INVOKABLE void browseImagesReceived(int responseId, const QJsonValue &v);
    Q_INVOKABLE void browsePlayIndex(int responseId, const QJsonValue &v);
    Q_INVOKABLE void browsePlayAfterIndex(int responseId, const QJsonValue &v);
    Q_INVOKABLE void menuActionForItem(const QString &action, PlayerItem *item);
    Q_INVOKABLE void menuActionForItemPL(const QString &action, PlayerItem *item, const QString &uri);
    // "New playlist..." of the add-to-playlist choice: asks for a name, then
    // creates the playlist and adds as menuActionForItemPL would.
    Q_INVOKABLE void menuActionForItemNewPL(const QString &action, PlayerItem *item);
    Q_INVOKABLE void browseNewPlaylistCreated(int responseId, const QJsonValue &v);
    Q_INVOKABLE void menuActionForItemPlaylist(const QString &action, PlayerItem *item);
    Q_INVOKABLE void requestImage(const QString &uri, QQuickItem *item);
    Q_INVOKABLE void discardImage(const QString &uri, QQuickItem *item);
    Q_INVOKABLE void browseAlbumReceived(int responseId, const QJsonValue &v);
    // Every answer of the player chosen on the player page to a page's request.
    Q_INVOKABLE void browsePlayerAnswerReceived(int responseId, const QJsonValue &v);
    // The copy of a playlist about to be deleted, kept for its undo.
    Q_INVOKABLE void browsePlaylistBeforeDelete(int responseId, const QJsonValue &v);

signals:
    void currTavirelChanged();
    void currentPlayerChanged();
    void moreMenuChanged();
    void moreMenuPlChanged();
    void noticesChanged();

public slots:
    void secRightButtonClicked();
    void openMenuWithItem(PlayerItem *item);
    void openMenuWithItemPl(PlayerItem *item);
    void closeDialog(QQuickItem *dialog);
    void createPlaylist(const QString &name);
    void createPlaylistToAddTo(const QString &name);
    // A name another playlist has is taken over only once the user agrees.
    void renamePlaylist(const QString &uri, const QString &name);
    void confirmRename(const QString &uri);
    void deletePlaylist(const QString &uri);
    void pushView(NavigationView *view) override;
    void popLastView() override;
    void popToRootView() override;
    void sendRootBrowse(BrowseListView *v, const QString &uri);
    void sendBrowse(BrowseListView *v, const QString &uri);
    void sendSearch(SearchRootView *v, const QString &text, const QString &filter);
    void sendBrowseList(const QString &uri, const QString &title);
    void requireLookup(int startIndex, int endIndex);
    void sendLookup(BrowseReference *ref);
    void sendLookupImages(BrowseReference *ref);
    void sendPlayNow(const QStringList &uris);

protected:
    // One player for requests and playback alike: the current player also
    // answers the library's requests.
    void setSinglePlayer(bool single) { m_singlePlayer = single; }
    // A new list for a playlist's tracks; null when its document does not load.
    BrowseListView *createPlaylistTracks(const QString &title);
    // Gives a playlists page the device and player and connects its requests;
    // its menu and row choice go to the slots named.
    void wirePlaylistRoot(NavigationView *view, const char *menuSlot, const char *browseSlot);
    // Asks for a playlist's tracks for `view`, which is loading until they come.
    void sendPlaylistBrowse(BrowseListView *view, const QString &uri);
    // Marks the current player's track on `view`, or on every list with none.
    void markPlaying(NavigationView *view = nullptr);

private:
    // Which of the two players a page's requests go to.
    enum Side { LibrarySide, PlayerSide };
    // A page's request, kept until it is answered so that it can be sent
    // again on a new link.
    struct PageRequest
    {
        enum Kind { RootBrowse, Browse, PlaylistBrowse, Search, Lookup, Images };
        Kind kind = Browse;
        QPointer<NavigationView> view;
        QPointer<BrowseReference> ref;
        QString uri;  // the search text for a search
        QString filter;
    };
    // A play waiting for the queue position of the player it was asked of.
    struct PendingPlay
    {
        QPointer<TavirelPlayer> player;
        QStringList uris;
    };
    struct PendingPlaylistAdd
    {
        QPointer<TavirelPlayer> player;
        QString playlistUri;
    };

    TavirelPlayer *playerFor(Side side) const;
    Side sideOf(const NavigationView *view) const;
    NavigationView *viewOf(const PageRequest &request) const;
    void send(Side side, const PageRequest &request);
    void resend(Side side);
    void answer(Side side, int responseId, const QJsonValue &v);
    void playerRebound(Side side, TavirelPlayer *previous, TavirelPlayer *next);
    void serverMoved(Side side);
    void showNotConnected(Side side, NavigationView *view);
    void fillRoot(BrowseListView *view, const QJsonValue &v);
    void fillList(BrowseListView *view, const QJsonValue &v);
    BrowseListView *topBrowseList() const;
    // Drops what `view` waits for (only its root browse, when asked).
    void forgetPendingOf(const NavigationView *view, bool rootBrowseOnly = false);
    void forgetSearchesOf(const NavigationView *view);
    void sendPlayAt(const QStringList &uris, const char *handler);
    void playAtIndex(int responseId, const QJsonValue &v, bool play);
    void raiseMenu(QQuickItem *menu);
    QQuickItem *createItem(const QString &url, QQuickItem *visualParent);
    QQuickItem *showPlaylistDialog(const QString &url, const QString &uri, bool rename);
    void pushPlaylistEntries(PlayerItem *item);
    void showNotice(const QString &text);
    void tell(const QString &text);
    void sendRename(const QString &uri, const QString &name);
    void setSecondRightVisible(bool visible);
    void rootPresented();
    void scheduleRootRetry();
    void browsePlayerChanged();
    void retryEmptyRoot();

    QPointer<QObject> m_tavirel;
    QPointer<TavirelPlayer> m_currentPlayer;
    QPointer<TavirelPlayer> m_browsePlayer;
    QMetaObject::Connection m_playingWatch;
    QPointer<QQuickItem> m_moreMenu;
    QPointer<QQuickItem> m_moreMenuPl;
    QPointer<QObject> m_notices;
    // The rename waiting for the user to agree to replace a playlist.
    QString m_renameUri;
    QString m_renameName;
    QHash<int, PendingPlaylistAdd> m_pendingDeletes;
    // What goes into the playlist the user is naming, then into the one
    // being created, by request id.
    struct PendingNewPlaylist
    {
        QString action;
        QPointer<PlayerItem> item;
        QPointer<TavirelPlayer> player;
        QString name;
    };
    PendingNewPlaylist m_naming;
    QHash<int, PendingNewPlaylist> m_pendingCreates;
    void addToPlaylist(const QString &action, PlayerItem *item, const QString &uri, const QString &name);
    // By side: requests sent, by request id, and those waiting for a link.
    QHash<int, PageRequest> m_sent[2];
    QList<PageRequest> m_waiting[2];
    QMetaObject::Connection m_linkWatch[2];
    // The server each side last browsed ("address:port").
    QString m_server[2];
    QHash<const NavigationView *, Side> m_viewSides;
    QHash<int, PendingPlay> m_pendingPlays;
    QHash<int, PendingPlaylistAdd> m_pendingPlaylistAdds;
    QTimer m_emptyRootTimer;
    int m_emptyRootDelay = EmptyRootFirstDelayMs;
    // The root still waits for a usable answer (empty library, no player).
    bool m_rootPending = false;
    bool m_singlePlayer = false;
};
