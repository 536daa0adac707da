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

void PlayerView::showStackPopup(QPointer<QQuickItem>& popup, const char* url, void (PlayerView::*sync)(bool))
{
    if (!popup) {
        QQuickItem* item = DocumentItem::create(this, QLatin1String(url), this);
        if (!item)
            return;
        // Above everything the page shows but the connection screen, which
        // tells of a lost link over the popups too.
        item->setZ(100);
        popup = item;
        connect(this, &PlayerView::tavirelChanged, item, [this, sync] { (this->*sync)(true); });
        connect(this, &PlayerView::selectedSourceChanged, item, [this, sync] { (this->*sync)(false); });
    }
    (this->*sync)(false);
    popup->setVisible(true);
    popup->forceActiveFocus();
}

void PlayerView::openMusicLibrary()
{
    showStackPopup(m_libraryPopup, LibraryPopupDocument, &PlayerView::syncMusicLibrary);
}

void PlayerView::syncMusicLibrary(bool deviceChanged)
{
    auto* library = m_libraryPopup ? m_libraryPopup->findChild<BrowseNavigationController*>() : nullptr;
    if (!library)
        return;
    Source* source = selectedSource();
    TavirelPlayer* player = source ? source->player() : nullptr;
    if (deviceChanged) {
        library->setNotices(notices());
        // What the stack shows belongs to the old device.
        library->popToRootView();
        library->setCurrTavirel(tavirel());
        library->setCurrentPlayer(player);
        return;
    }
    library->setNotices(notices());
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
    showStackPopup(m_playlistsPopup, PlaylistsPopupDocument, &PlayerView::syncPlaylists);
}

void PlayerView::syncPlaylists(bool deviceChanged)
{
    auto* nav = m_playlistsPopup ? m_playlistsPopup->findChild<PlaylistNavigationController*>() : nullptr;
    if (!nav)
        return;
    Source* source = selectedSource();
    TavirelPlayer* player = source ? source->player() : nullptr;
    nav->setNotices(notices());
    if (deviceChanged || nav->currTavirel() != tavirel()) {
        // What the stack shows belongs to the old device.
        nav->popToRootView();
        nav->setCurrTavirel(tavirel());
    }
    // The stack itself goes back to its root when the player is on another
    // server; the same server keeps the pages the user is on.
    if (nav->currPlayer() != player) {
        nav->setCurrPlayer(player);
        if (player)
            player->actionRefreshPlaylists();
    }
}
