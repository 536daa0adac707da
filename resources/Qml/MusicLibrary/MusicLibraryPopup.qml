import QtQuick 2.15
import com.morvane.tavirelint 1.0
import ".."
import "../Playlists"

// The music library over the player page: a navigation stack of library
// levels with the item and playlist menus above it.
Item {
    id: popup
    objectName: "musicLibraryPopup"
    property alias controller: nav
    // Tab stays in the popup, over the page it covers.
    readonly property bool tabScope: visible

    anchors.fill: parent

    BrowseNavController {
        id: nav
        objectName: "browseNavController"
        anchors.fill: parent
        moreMenu: moreMenu
        moreMenuPl: playlistMenu
        onClose: popup.visible = false
        Component.onCompleted: {
            initNavigationBar()
            initRootView()
        }
    }
    MoreMenu {
        id: moreMenu
        width: parent.width
        height: parent.height
        controller: nav
    }
    PlaylistMoreMenu {
        id: playlistMenu
        width: parent.width
        height: parent.height
        controller: nav
    }
    // The window's Escape (AppShortcuts.qml) closes the open menu, else goes
    // back a level, else closes the library; the platform's back key (Alt+Left
    // here) goes back one level.
    Shortcut {
        sequences: [StandardKey.Back]
        enabled: popup.visible && !moreMenu.shown && !playlistMenu.shown
        onActivated: nav.popLastView()
    }
}
