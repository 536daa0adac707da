#pragma once
#include "navigation/browsenavigationcontroller.h"

// A stack of its own for the playlists of one player, rooted at the
// playlists page. It does what the library does for playlists, with one
// player for requests and playback alike; a playlist's tracks open as a
// list to play from, without menus or further browsing.
class PlaylistNavigationController : public BrowseNavigationController
{
    Q_OBJECT
    Q_PROPERTY(TavirelPlayer *currPlayer READ currPlayer WRITE setCurrPlayer NOTIFY currPlayerChanged)

public:
    explicit PlaylistNavigationController(QQuickItem *parent = nullptr);

    TavirelPlayer *currPlayer() const { return currentPlayer(); }
    void setCurrPlayer(TavirelPlayer *player);

    Q_INVOKABLE void initNavigationBar();
    Q_INVOKABLE void initRootView() override;
    // The playlist menu's actions, under the name the playlist documents of
    // this stack call.
    Q_INVOKABLE void menuActionForItem(const QString &action, PlayerItem *item);

signals:
    void currPlayerChanged();

public slots:
    void playlistImagesReceived();
    void pushBrowseList(const QString &uri, const QString &title);
    void showMoreMenu(PlayerItem *item);
};
