import QtQuick 2.15
import com.morvane.tavirelint 1.0

// The device's playlist slots, to assign the playlist `plRef` to one of
// them. Choosing a slot assigns it and returns to the playlists.
NavigationView {
    id: view
    property string plRef: ""
    property var currTavirel: null
    property var currPlayer: null
    property bool enableSelection: false

    title: qsTr("Playlist Entries")
    onPresented: list.forceActiveFocus()

    Rectangle { anchors.fill: parent; color: currentTheme.getColor("fill1") }

    ListView {
        id: list
        objectName: "entryList"
        anchors.fill: parent
        clip: true
        keyNavigationEnabled: true
        activeFocusOnTab: true
        boundsBehavior: Flickable.StopAtBounds
        model: view.currTavirel ? view.currTavirel.playlistEntries : []
        delegate: PlaylistEntryCell {
            readonly property var entry: modelData
            property bool chosen: false
            focus: ListView.isCurrentItem
            textLabel: entry.name
            detailTextLabel: view.currPlayer && entry.playlistRef.length > 0
                             ? view.currPlayer.getPlaylistName(entry.playlistRef) : ""
            selected: chosen || (view.enableSelection && view.plRef.length > 0 && entry.playlistRef === view.plRef)
            onClicked: {
                chosen = true
                if (view.currTavirel)
                    view.currTavirel.actionAssociatePlaylist(entry.entryId, view.plRef)
                view.popLastView()
            }
        }
    }
    Text {
        textFormat: Text.PlainText
        anchors { left: parent.left; right: parent.right; verticalCenter: parent.verticalCenter; margins: 24 * scaleFactor }
        visible: list.count === 0
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: qsTr("This device has no playlist slots.")
        font.family: "MorvaneUnicodePN"
        font.pixelSize: fontSize14
        color: currentTheme.getColor("text2")
    }
}
