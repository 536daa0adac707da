#include "navigation/playlistnavigationcontroller.h"

#include "navigation/browselistview.h"
#include "model/tavirel.h"
#include "navigation/navigationdocuments.h"
#include "player/browsereference.h"
#include "player/playeritem.h"
#include "player/tavirelplayer.h"

#include <QVariant>

namespace {
const char *const RootDocument = "qrc:/Qml/Playlists/PlaylistRootView.qml";
}

PlaylistNavigationController::PlaylistNavigationController(QQuickItem *parent)
    : BrowseNavigationController(parent)
{
    setSinglePlayer(true);
}

void PlaylistNavigationController::setCurrPlayer(TavirelPlayer *player)
{
    if (TavirelPlayer *previous = currentPlayer()) {
        disconnect(previous, &TavirelPlayer::playlistsChanged, this, &PlaylistNavigationController::currPlayerChanged);
        disconnect(previous, &TavirelPlayer::playlistsImagesChanged, this,
                   &PlaylistNavigationController::playlistImagesReceived);
    }
    if (player) {
        connect(player, &TavirelPlayer::playlistsChanged, this, &PlaylistNavigationController::currPlayerChanged);
        connect(player, &TavirelPlayer::playlistsImagesChanged, this,
                &PlaylistNavigationController::playlistImagesReceived);
    }
    setCurrentPlayer(player);
    emit currPlayerChanged();
}

void PlaylistNavigationController::initNavigationBar()
{
    BrowseNavigationController::initNavigationBar();
    setBarProperty("secRightText", tr("Add"));
    setBarProperty("secRightVisible", true);
}

void PlaylistNavigationController::initRootView()
{
    QObject *object = NavigationDocuments::create(this, QLatin1String(RootDocument));
    auto *root = qobject_cast<NavigationView *>(object);
    if (!root) {
        delete object;
        return;
    }
    root->setParent(this);
    setRootView(root);
    wirePlaylistRoot(root, SLOT(showMoreMenu(PlayerItem*)), SLOT(pushBrowseList(QString,QString)));
}

void PlaylistNavigationController::menuActionForItem(const QString &action, PlayerItem *item)
{
    menuActionForItemPlaylist(action, item);
}

void PlaylistNavigationController::playlistImagesReceived()
{
    if (rootView())
        QMetaObject::invokeMethod(rootView(), "refreshItems");
}

void PlaylistNavigationController::showMoreMenu(PlayerItem *item)
{
    // The popup document holds the playlist menu.
    if (parentItem())
        QMetaObject::invokeMethod(parentItem(), "showMoreMenu", Q_ARG(QVariant, QVariant::fromValue(item)));
}

void PlaylistNavigationController::pushBrowseList(const QString &uri, const QString &title)
{
    BrowseListView *view = createPlaylistTracks(title);
    if (!view)
        return;
    // Pushed as a plain view: only what plays from the list is wired.
    NavigationController::pushView(view);
    markPlaying(view);
    setBarProperty("secRightVisible", false);
    connect(view, &BrowseListView::lookup, this, &BrowseNavigationController::sendLookup);
    connect(view, &BrowseListView::lookupImages, this, &BrowseNavigationController::sendLookupImages);
    connect(view, &BrowseListView::playNow, this, &BrowseNavigationController::sendPlayNow);
    sendPlaylistBrowse(view, uri);
}
