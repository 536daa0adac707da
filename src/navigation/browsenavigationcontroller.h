#pragma once
#include "navigation/navigationcontroller.h"

#include <QHash>
#include <QJsonValue>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class BrowseListView;
class BrowseReference;
class PlayerItem;
class SearchRootView;
class Tavirel;
class TavirelPlayer;

// The navigation stack of the music library. Library requests of its views
// go to the device's browse player; what changes the queue goes to the
// player chosen on the player page. Each result finds its view again by
// request id; results for views that have left the stack are dropped.
class BrowseNavigationController : public NavigationController
{
    Q_OBJECT
    Q_PROPERTY(Tavirel *currTavirel READ currTavirel WRITE setCurrTavirel NOTIFY currTavirelChanged)
    Q_PROPERTY(TavirelPlayer *currentPlayer READ currentPlayer WRITE setCurrentPlayer NOTIFY currentPlayerChanged)
    Q_PROPERTY(QQuickItem *moreMenu READ moreMenu WRITE setMoreMenu NOTIFY moreMenuChanged)
    Q_PROPERTY(QQuickItem *moreMenuPl READ moreMenuPl WRITE setMoreMenuPl NOTIFY moreMenuPlChanged)

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

    TavirelPlayer *browsePlayer() const { return m_browsePlayer; }
    int pendingViewCount() const { return m_pendingViews.size(); }
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
    Q_INVOKABLE void menuActionForItemPlaylist(const QString &action, PlayerItem *item);
    Q_INVOKABLE void requestImage(const QString &uri, QQuickItem *item);
    Q_INVOKABLE void discardImage(const QString &uri, QQuickItem *item);
    Q_INVOKABLE void albumBrowseReceived(const QJsonValue &v);

signals:
    void currTavirelChanged();
    void currentPlayerChanged();
    void moreMenuChanged();
    void moreMenuPlChanged();

public slots:
    void secRightButtonClicked();
    void openMenuWithItem(PlayerItem *item);
    void openMenuWithItemPl(PlayerItem *item);
    void closeDialog(QQuickItem *dialog);
    void createPlaylist(const QString &name);
    void renamePlaylist(const QString &uri, const QString &name);
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

private:
    BrowseListView *pendingView(int responseId);
    BrowseListView *topBrowseList() const;
    void forgetPendingOf(NavigationView *view);
    void sendPlayAt(const QStringList &uris, const char *handler);
    void playAtIndex(int responseId, const QJsonValue &v, bool play);
    void raiseMenu(QQuickItem *menu);
    QQuickItem *createItem(const QString &url, QQuickItem *visualParent);
    QQuickItem *showPlaylistDialog(const QString &url, const QString &uri, bool rename);
    void pushPlaylistEntries(PlayerItem *item);
    void showNotice(const QString &text);
    void setSecondRightVisible(bool visible);
    void rootPresented();
    void scheduleRootRetry();
    void browsePlayerChanged();
    void retryEmptyRoot();

    QPointer<QObject> m_tavirel;
    QPointer<TavirelPlayer> m_currentPlayer;
    QPointer<TavirelPlayer> m_browsePlayer;
    QPointer<QQuickItem> m_moreMenu;
    QPointer<QQuickItem> m_moreMenuPl;
    QHash<int, QPointer<NavigationView>> m_pendingViews;
    QHash<int, QPointer<BrowseReference>> m_pendingRefs;
    QHash<int, QStringList> m_pendingPlays;
    QString m_pendingPlaylistUri;
    QTimer m_emptyRootTimer;
    int m_emptyRootDelay = EmptyRootFirstDelayMs;
    // The root still waits for a usable answer (empty library, no player).
    bool m_rootPending = false;
    bool m_singlePlayer = false;
};
