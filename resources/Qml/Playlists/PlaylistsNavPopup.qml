import QtQuick 2.15
import com.morvane.tavirelint 1.0
import ".."

// The playlists of the player page's source on their own, over the page:
// a playlists stack with the playlist menu above it.
Item {
    id: popup
    objectName: "playlistsNavPopup"
    property alias controller: nav
    // Tab stays in the popup, over the page it covers.
    readonly property bool tabScope: visible

    anchors.fill: parent

    function showMoreMenu(p) { nav.openMenuWithItemPl(p) }

    PlaylistNavController {
        id: nav
        objectName: "playlistNavController"
        anchors.fill: parent
        moreMenuPl: playlistMenu
        onClose: popup.visible = false
        Component.onCompleted: {
            initNavigationBar()
            initRootView()
        }
    }
    PlaylistMoreMenu {
        id: playlistMenu
        objectName: "playlistMoreMenu"
        width: parent.width
        height: parent.height
        controller: nav
    }
    Shortcut {
        sequences: [StandardKey.Back]
        enabled: popup.visible && !playlistMenu.shown
        onActivated: nav.popLastView()
    }
}
