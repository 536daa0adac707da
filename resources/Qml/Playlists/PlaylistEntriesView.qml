import QtQuick 2.15
import com.morvane.tavirelint 1.0

// The device's playlist slots ("Tavirel presets"), each with the playlist it
// holds now, to assign the playlist `plRef` to one of them. Choosing a slot
// assigns it and returns to the playlists.
NavigationView {
    id: view
    property string plRef: ""
    property var currTavirel: null
    property var currPlayer: null
    property bool enableSelection: false
    // Bumped as the player's playlists change: their names follow.
    property int playlistsRevision: 0
    Connections {
        target: view.currPlayer
        function onPlaylistsChanged() { view.playlistsRevision++ }
    }

    title: qsTr("Tavirel presets")
    // What a slot holds now: the playlist's name, else its uri as stored.
    function heldBy(ref) {
        if (ref.length === 0)
            return qsTr("No playlist")
        var name = view.currPlayer ? view.currPlayer.getPlaylistName(ref) : ""
        return name.length > 0 ? name : ref
    }
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
            detailTextLabel: { view.playlistsRevision; return view.heldBy(entry.playlistRef) }
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
        text: qsTr("This Tavirel has no presets.")
        font.family: "MorvaneUnicodePN"
        font.pixelSize: fontSize14
        color: currentTheme.getColor("text2")
    }
}
