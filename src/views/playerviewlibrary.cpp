#include "views/playerview.h"

#include "model/source.h"
#include "model/tavirel.h"
#include "navigation/browsenavigationcontroller.h"
#include "player/tavirelplayer.h"
#include "views/documentitem.h"

namespace {
const char* const LibraryPopupDocument = "qrc:/Qml/MusicLibrary/MusicLibraryPopup.qml";
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
