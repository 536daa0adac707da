import QtQuick 2.15
import "SourcesView"

// The current player's queue: tap a track to play it, remove one, clear
// all, save it as a playlist or add a stream URL. The list follows the
// playing track until the user scrolls it; "Show current track" brings it
// back and follows again.
Rectangle {
    id: queue
    property bool closeVisible: true
    property var currentPlayer: null
    // Object with requestImage(uri, item) for the row covers (the player view).
    property var imageRequester: null
    property int playingIndex: -1
    property var tlids: []
    signal closeRequested()
    signal requireOpenSaveDialog()
    signal requireOpenAddDialog()
    signal requireClearQueue()

    color: currentTheme.getColor("fill1")

    function refresh() {
        queue.tlids = queue.currentPlayer ? queue.currentPlayer.queueTlid : []
        refreshPlaying()
    }
    function refreshPlaying() {
        queue.playingIndex = queue.currentPlayer ? queue.tlids.indexOf(queue.currentPlayer.currentTlid) : -1
    }
    function showCurrentTrack() {
        list.following = true
        if (queue.playingIndex >= 0)
            list.positionViewAtIndex(queue.playingIndex, ListView.Contain)
    }
    onPlayingIndexChanged: if (list.following && queue.playingIndex >= 0) list.positionViewAtIndex(queue.playingIndex, ListView.Contain)
    onCurrentPlayerChanged: refresh()
    Connections {
        target: queue.currentPlayer
        function onQueueChanged() { queue.refresh() }
        function onCurrentTlidChanged() { queue.refreshPlaying() }
    }

    PanelHeader {
        id: header
        anchors { left: parent.left; right: parent.right; top: parent.top }
        title: list.count ? qsTr("Queue (%1)").arg(list.count) : qsTr("Queue")
        closeVisible: queue.closeVisible
        onCloseRequested: queue.closeRequested()
        ToolIconButton {
            objectName: "showCurrentButton"
            visible: !list.following && queue.playingIndex >= 0
            iconSource: "qrc:/TavirelImgs/Images/play_status.svg"
            iconSize: 22 * scaleFactor
            accessibleName: qsTr("Show current track")
            onClicked: queue.showCurrentTrack()
        }
        ToolIconButton {
            objectName: "addUrlButton"
            iconSource: "qrc:/TavirelImgs/Images/add.svg"
            iconSize: 22 * scaleFactor
            enabled: queue.currentPlayer !== null
            accessibleName: qsTr("Add a stream URL")
            onClicked: queue.requireOpenAddDialog()
        }
        ToolIconButton {
            objectName: "saveQueueButton"
            iconSource: "qrc:/TavirelImgs/Images/save.svg"
            iconSize: 22 * scaleFactor
            enabled: list.count > 0
            accessibleName: qsTr("Save the queue as a playlist")
            onClicked: queue.requireOpenSaveDialog()
        }
        ToolIconButton {
            objectName: "clearQueueButton"
            iconSource: "qrc:/TavirelImgs/Images/delete.svg"
            iconSize: 22 * scaleFactor
            enabled: list.count > 0
            accessibleName: qsTr("Clear the queue")
            onClicked: queue.requireClearQueue()
        }
    }
    ListView {
        id: list
        objectName: "queueList"
        anchors { left: parent.left; right: parent.right; top: header.bottom; bottom: parent.bottom }
        clip: true
        model: queue.currentPlayer ? queue.currentPlayer.queue : []
        // The playing row is marked by its cell; the list's current item
        // is left alone so that it does not pull the view along.
        property bool following: true
        onMovementStarted: following = false
        highlightFollowsCurrentItem: false
        reuseItems: true
        delegate: DetailedCell {
            id: row
            objectName: "queueRow_" + index
            width: list.width
            height: 56 * scaleFactor
            selected: index === queue.playingIndex
            // A stream without a title yet goes by its URL.
            textLabel: modelData.name.length > 0 ? modelData.name : modelData.uri
            detailTextLabel: [modelData.artistsString, modelData.album].filter(Boolean).join(" · ")
            removeEnabled: true
            leadingWidth: 40 * scaleFactor
            CoverImage {
                anchors.verticalCenter: parent.verticalCenter
                width: 40 * scaleFactor
                height: 40 * scaleFactor
                radius: 4 * scaleFactor
                fallbackSource: "qrc:/TavirelImgs/Images/defaultcoverart.svg"
                requester: queue.imageRequester
                coverSource: modelData.smallImgPath
            }
            onClicked: if (index < queue.tlids.length) queue.currentPlayer.actionPlayTrack(queue.tlids[index])
            onRemoveItem: queue.currentPlayer.actionRemoveTrackFromQueue(index)
        }
        Text {
            textFormat: Text.PlainText
            anchors.centerIn: parent
            visible: list.count === 0
            text: queue.currentPlayer ? qsTr("The queue is empty") : qsTr("No player selected")
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize14
            color: currentTheme.getColor("text2")
        }
    }
}
