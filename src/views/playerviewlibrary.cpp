#include "views/playerview.h"

#include "model/source.h"
#include "model/tavirel.h"
#include "navigation/browselistview.h"
#include "navigation/browsenavigationcontroller.h"
#include "navigation/playlistnavigationcontroller.h"
#include "navigation/searchrootview.h"
#include "player/tavirelplayer.h"
#include "views/documentitem.h"

namespace {
const char* const LibraryPopupDocument = "qrc:/Qml/MusicLibrary/MusicLibraryPopup.qml";
const char* const PlaylistsPopupDocument = "qrc:/Qml/Playlists/PlaylistsNavPopup.qml";
}

void PlayerView::openMusicLibrary()
{
    if (!m_libraryPopup) {
        QQuickItem* popup = DocumentItem::create(this, QLatin1String(LibraryPopupDocument), this);
        if (!popup)
            return;
        // Above everything the page shows, the connection screen included.
        popup->setZ(100);
        m_libraryPopup = popup;
        connect(this, &PlayerView::tavirelChanged, popup, [this] { syncMusicLibrary(true); });
        connect(this, &PlayerView::selectedSourceChanged, popup, [this] { syncMusicLibrary(false); });
    }
    syncMusicLibrary(false);
    m_libraryPopup->setVisible(true);
    m_libraryPopup->forceActiveFocus();
}

void PlayerView::syncMusicLibrary(bool deviceChanged)
{
    auto* library = m_libraryPopup ? m_libraryPopup->findChild<BrowseNavigationController*>() : nullptr;
    if (!library)
        return;
    Source* source = selectedSource();
    TavirelPlayer* player = source ? source->player() : nullptr;
    if (deviceChanged) {
        // What the stack shows belongs to the old device.
        library->popToRootView();
        library->setCurrTavirel(tavirel());
        library->setCurrentPlayer(player);
        return;
    }
    if (library->currentPlayer() != player)
        library->setCurrentPlayer(player);
    // Asked again only when the device's browse player has changed: the root
    // is not reloaded at every opening.
    if (library->currTavirel() != tavirel() || !library->browsePlayer())
        library->setCurrTavirel(tavirel());
}

void PlayerView::openMusicSearch()
{
    openMusicLibrary();
    auto* library = m_libraryPopup ? m_libraryPopup->findChild<BrowseNavigationController*>() : nullptr;
    if (!library || qobject_cast<SearchRootView*>(library->topView()))
        return;
    library->popToRootView();
    if (auto* root = qobject_cast<BrowseListView*>(library->rootView()))
        root->requirePushView(QStringLiteral("search:"), tr("Search"));
}

void PlayerView::openPlaylists()
{
    if (!m_playlistsPopup) {
        QQuickItem* popup = DocumentItem::create(this, QLatin1String(PlaylistsPopupDocument), this);
        if (!popup)
            return;
        popup->setZ(100);
        m_playlistsPopup = popup;
        connect(this, &PlayerView::tavirelChanged, popup, [this] { syncPlaylists(); });
        connect(this, &PlayerView::selectedSourceChanged, popup, [this] { syncPlaylists(); });
    }
    syncPlaylists();
    m_playlistsPopup->setVisible(true);
    m_playlistsPopup->forceActiveFocus();
}

void PlayerView::syncPlaylists()
{
    auto* nav = m_playlistsPopup ? m_playlistsPopup->findChild<PlaylistNavigationController*>() : nullptr;
    if (!nav)
        return;
    Source* source = selectedSource();
    TavirelPlayer* player = source ? source->player() : nullptr;
    if (nav->currTavirel() != tavirel()) {
        nav->popToRootView();
        nav->setCurrTavirel(tavirel());
    }
    if (nav->currPlayer() != player) {
        nav->popToRootView();
        nav->setCurrPlayer(player);
        if (player)
            player->actionRefreshPlaylists();
    }
}
