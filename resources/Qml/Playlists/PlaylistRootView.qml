import QtQuick 2.15
import com.morvane.tavirelint 1.0
import com.morvane.logic 1.0
import ".."
import "../MusicLibrary/rows.js" as Rows

// The player's stored playlists. A row opens the playlist's tracks; its
// detail text names the device slot the playlist is assigned to.
PlaylistRootView {
    id: view
    objectName: "playlistRootView"
    property var currPlayer: null
    property var currTavirel: null
    // A one-line message for the user, shown for a few seconds.
    property string notice: ""
    property int refreshCount: 0
    signal openMenuWithItem(PlayerItem p)
    signal requireBrowseForUri(string uri, string title)
    signal requestImage(string uri, Item item)
    signal discardImage(string uri, Item item)
    signal requireLookup(int startIndex, int endIndex)

    function refreshItems() { refreshCount++ }
    // The device slots that hold the playlist, named as presets.
    function slotName(uri) {
        var entries = view.currTavirel ? view.currTavirel.playlistEntries : []
        var names = []
        for (var i = 0; i < entries.length; ++i) {
            if (uri.length > 0 && entries[i].playlistRef === uri)
                names.push(entries[i].name)
        }
        return names.length > 0 ? qsTr("Tavirel preset: %1").arg(names.join(", ")) : ""
    }
    function lookupVisibleRows() {
        var range = Rows.visibleRange(list, 8 * scaleFactor)
        if (range)
            view.requireLookup(range[0], range[1])
    }

    // Follows the page's player only: a page given another player, or
    // destroyed, no longer hears the previous one.
    Connections {
        target: view.currPlayer
        function onPlaylistsImagesChanged() { view.refreshItems() }
    }
    onPresented: list.forceActiveFocus()
    onNoticeChanged: if (notice.length > 0) noticeTimer.restart()

    Rectangle { anchors.fill: parent; color: currentTheme.getColor("fill1") }

    ListView {
        id: list
        objectName: "playlistList"
        anchors.fill: parent
        clip: true
        focus: true
        keyNavigationEnabled: true
        activeFocusOnTab: true
        boundsBehavior: Flickable.StopAtBounds
        model: view.currPlayer ? view.currPlayer.playlists : []
        onModelChanged: view.requireLookup(0, 10)
        onMovementEnded: view.lookupVisibleRows()

        delegate: PlaylistCell {
            id: cell
            readonly property var playlist: modelData
            readonly property string imagePath: { view.refreshCount; return playlist ? playlist.smallImgPath : "" }
            property string requestedPath: ""
            width: ListView.view.width
            focus: ListView.isCurrentItem
            textLabel: playlist ? playlist.name : ""
            detailTextLabel: playlist ? view.slotName(playlist.uri) : ""

            onImagePathChanged: Rows.followImage(cell, view)
            Component.onCompleted: Rows.followImage(cell, view)
            Component.onDestruction: if (requestedPath.length > 0) view.discardImage(requestedPath, cell)

            onClicked: view.requireBrowseForUri(playlist.uri, playlist.name)
            onMoreMenuRequested: view.openMenuWithItem(playlist)
            onPlayNowRequested: if (view.parent) view.parent.menuActionForItemPlaylist("It_PlayNow", playlist)
        }
    }

    Text {
        textFormat: Text.PlainText
        anchors { left: parent.left; right: parent.right; verticalCenter: parent.verticalCenter; margins: 24 * scaleFactor }
        visible: list.count === 0
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: view.currPlayer ? qsTr("There are no playlists yet. Add one with the Add button.")
                              : qsTr("This device has no media player.")
        font.family: "MorvaneUnicodePN"
        font.pixelSize: fontSize14
        color: currentTheme.getColor("text2")
    }

    Rectangle {
        objectName: "noticeBar"
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; margins: 12 * scaleFactor }
        height: noticeText.implicitHeight + 20 * scaleFactor
        radius: 6 * scaleFactor
        visible: view.notice.length > 0
        color: currentTheme.getColor("fill2")
        border.color: currentTheme.getColor("highlight1")
        Text {
            id: noticeText
            textFormat: Text.PlainText
            anchors { left: parent.left; right: parent.right; verticalCenter: parent.verticalCenter; margins: 12 * scaleFactor }
            wrapMode: Text.Wrap
            text: view.notice
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize14
            color: currentTheme.getColor("text1")
        }
        MouseArea { anchors.fill: parent; onClicked: view.notice = "" }
    }
    Timer {
        id: noticeTimer
        interval: 5000
        onTriggered: view.notice = ""
    }
}
