import QtQuick 2.15
import com.morvane.tavirelint 1.0
import ".."

PlayerView {
    id: view
    property bool landscape: width > height
    property point popupStartPoint: Qt.point(0, height)
    property point popupEndpoint: Qt.point(0, 0)
    property var outputsModel: []
    property var player: view.selectedSource ? view.selectedSource.player : null
    property var song: view.player ? view.player.currentSong : null
    signal requireSelectOutput(var output)

    connectionScreen: connScreen

    function loadOutputs() { view.outputsModel = view.tavirel ? view.tavirel.outputs : [] }
    function closeAllPopups() {}
    function prepareDisconnectSource() {}

    Column {
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: 16 * scaleFactor }
        spacing: 10 * scaleFactor

        Text {
            text: view.selectedSource ? view.selectedSource.name : qsTr("No source selected")
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize20
            font.bold: true
            color: currentTheme.getColor("text1")
        }
        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(parent.width, 260 * scaleFactor)
            height: width
            fillMode: Image.PreserveAspectFit
            source: view.song && view.song.largeImgPath ? "image://async/" + view.song.largeImgPath
                                                        : "qrc:/TavirelImgs/Images/defaultcoverart.png"
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            elide: Text.ElideRight
            text: view.song && view.song.name ? view.song.name
                  : (view.player ? qsTr("Nothing playing") : "")
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize18
            color: currentTheme.getColor("text1")
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            elide: Text.ElideRight
            text: view.song ? view.song.artistsString : ""
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize14
            color: currentTheme.getColor("text2")
        }
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 28 * scaleFactor
            enabled: view.player !== null
            opacity: enabled ? 1 : 0.4
            Image {
                source: "qrc:/TavirelImgs/Images/prev.svg"; sourceSize: Qt.size(32 * scaleFactor, 32 * scaleFactor)
                MouseArea { anchors.fill: parent; onClicked: view.player.actionPrevious() }
            }
            Image {
                objectName: "playPauseButton"
                source: view.player && view.player.playPause === 2 ? "qrc:/TavirelImgs/Images/pause.svg"
                                                                   : "qrc:/TavirelImgs/Images/play.svg"
                sourceSize: Qt.size(40 * scaleFactor, 40 * scaleFactor)
                MouseArea {
                    anchors.fill: parent
                    onClicked: view.player.playPause === 2 ? view.player.actionPause() : view.player.actionPlay()
                }
            }
            Image {
                source: "qrc:/TavirelImgs/Images/next.svg"; sourceSize: Qt.size(32 * scaleFactor, 32 * scaleFactor)
                MouseArea { anchors.fill: parent; onClicked: view.player.actionNext() }
            }
        }
        SectionHeader { text: qsTr("Outputs"); leftPadding: 0 }
        Repeater {
            model: view.selectedSource ? view.selectedSource.linkedOutputs : []
            delegate: VolumeRow {
                width: parent.width
                title: modelData.name
                volume: modelData.volume
                muted: modelData.mute
                onVolumeRequested: view.tavirel.actionSetVolumeForOutput(value, modelData.index)
                onMuteRequested: view.tavirel.actionSetMuteForOutput(mute, modelData.index)
            }
        }
    }

    // Opens the music library for the player shown here.
    FeedbackButton {
        objectName: "libraryButton"
        anchors { top: parent.top; right: parent.right; margins: 10 * scaleFactor }
        enabled: view.player !== null
        opacity: enabled ? 1 : 0.4
        imgSource: "qrc:/TavirelImgs/Images/library.svg"
        sourceWidth: 28 * scaleFactor
        sourceHeight: 28 * scaleFactor
        text: qsTr("Library")
        onClicked: view.openMusicLibrary()
    }

    ConnectionScreen { id: connScreen; objectName: "connectionScreen"; anchors.fill: parent; visible: false }
}
