import QtQuick 2.15
import QtQuick.Window 2.15
import ".."

// The mixer that opens from the desktop panel: every output with its
// source, volume and mute, the player sources with their track and a play
// button, and All off or Resume for the whole house. It closes on Escape
// and when it loses the focus.
Window {
    id: mixer
    objectName: "trayMixer"
    readonly property var device: trayMixer.tavirel
    readonly property bool linkUp: device !== null && device.linkUp

    flags: Qt.Tool | Qt.FramelessWindowHint | Qt.WindowStaysOnTopHint
    title: qsTr("Tavirel mixer")
    width: 380 * scaleFactor
    height: Math.min(column.implicitHeight, 600 * scaleFactor)
    color: currentTheme.getColor("fill1")

    onActiveChanged: if (!active && visible) visible = false
    onVisibleChanged: if (visible) content.forceActiveFocus()

    Shortcut {
        sequence: "Escape"
        onActivated: mixer.visible = false
    }

    Rectangle {
        anchors.fill: parent
        color: "transparent"
        border.width: 1
        border.color: currentTheme.getColor("fill7")
        z: 2
    }

    FocusScope {
        id: content
        anchors.fill: parent
        focus: true

        Column {
            id: column
            width: parent.width
            topPadding: 10 * scaleFactor
            bottomPadding: 10 * scaleFactor

            Item {
                width: parent.width
                height: 44 * scaleFactor
                Text {
                    textFormat: Text.PlainText
                    objectName: "mixerTitle"
                    anchors { left: parent.left; leftMargin: 16 * scaleFactor; right: allOffButton.left; rightMargin: 8 * scaleFactor; verticalCenter: parent.verticalCenter }
                    text: trayMixer.deviceName.length ? trayMixer.deviceName : qsTr("Tavirel")
                    elide: Text.ElideRight
                    font.family: "MorvaneUnicodePN"
                    font.pixelSize: fontSize16
                    font.bold: true
                    color: currentTheme.getColor("text1")
                }
                PopupButton {
                    id: allOffButton
                    objectName: "allOffButton"
                    readonly property bool resumes: trayMixer.house !== null && trayMixer.house.allOffActive
                    anchors { right: parent.right; rightMargin: 12 * scaleFactor; verticalCenter: parent.verticalCenter }
                    visible: trayMixer.house !== null
                    enabled: mixer.linkUp
                    highlighted: resumes
                    text: resumes ? qsTr("Resume") : qsTr("All off")
                    onClicked: resumes ? trayMixer.house.resume() : trayMixer.house.allOff()
                }
            }
            Text {
                textFormat: Text.PlainText
                objectName: "mixerNotice"
                x: 16 * scaleFactor
                width: parent.width - 32 * scaleFactor
                visible: !mixer.linkUp
                height: visible ? 40 * scaleFactor : 0
                verticalAlignment: Text.AlignVCenter
                text: qsTr("Not connected")
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize12
                color: currentTheme.getColor("text2")
            }

            ListView {
                id: playerList
                objectName: "playerRows"
                width: parent.width
                height: contentHeight
                interactive: false
                model: mixer.linkUp ? mixer.device.sources : []
                delegate: Item {
                    id: playerRow
                    readonly property var player: modelData.player
                    readonly property bool plays: player !== null && player.reachable && player.playPause === 2
                    readonly property string track: player === null ? ""
                        : player.airPlay ? player.airPlayTrack
                        : player.currentSong ? (player.currentSong.artistsString.length
                                                ? qsTr("%1 – %2").arg(player.currentSong.name).arg(player.currentSong.artistsString)
                                                : player.currentSong.name)
                        : ""
                    objectName: "playerRow" + modelData.index
                    width: playerList.width
                    // Not from visible: it reads false while the window is hidden.
                    readonly property bool shown: player !== null
                    visible: shown
                    height: shown ? 52 * scaleFactor : 0

                    Rectangle {
                        anchors { fill: parent; leftMargin: 10 * scaleFactor; rightMargin: 10 * scaleFactor; topMargin: 3 * scaleFactor; bottomMargin: 3 * scaleFactor }
                        radius: 8 * scaleFactor
                        color: currentTheme.getColor("fill3")
                        border.width: modelData === trayMixer.playerSource ? 1 : 0
                        border.color: currentTheme.getColor("highlight1")

                        Column {
                            anchors { left: parent.left; leftMargin: 12 * scaleFactor; right: playButton.left; rightMargin: 6 * scaleFactor; verticalCenter: parent.verticalCenter }
                            Text {
                                textFormat: Text.PlainText
                                width: parent.width
                                text: modelData.name
                                elide: Text.ElideRight
                                font.family: "MorvaneUnicodePN"
                                font.pixelSize: fontSize12
                                font.bold: true
                                color: currentTheme.getColor("text1")
                            }
                            Text {
                                textFormat: Text.PlainText
                                objectName: "trackText"
                                width: parent.width
                                text: playerRow.track.length ? playerRow.track : qsTr("Nothing playing")
                                elide: Text.ElideRight
                                font.family: "MorvaneUnicodePN"
                                font.pixelSize: fontSize12
                                color: currentTheme.getColor("text2")
                            }
                        }
                        ToolIconButton {
                            id: playButton
                            objectName: "playButton"
                            anchors { right: parent.right; rightMargin: 6 * scaleFactor; verticalCenter: parent.verticalCenter }
                            iconSize: 22 * scaleFactor
                            enabled: playerRow.player !== null && playerRow.player.reachable
                            iconSource: playerRow.plays ? "qrc:/TavirelImgs/Images/pause.svg" : "qrc:/TavirelImgs/Images/play.svg"
                            accessibleName: (playerRow.plays ? qsTr("Pause %1") : qsTr("Play %1")).arg(modelData.name)
                            onClicked: playerRow.plays ? playerRow.player.actionPause() : playerRow.player.actionPlay()
                        }
                    }
                }
            }

            ListView {
                id: outputList
                objectName: "outputList"
                width: parent.width
                height: Math.min(contentHeight, 420 * scaleFactor)
                clip: true
                interactive: contentHeight > height
                model: mixer.linkUp ? mixer.device.outputs : []
                delegate: VolumeRow {
                    width: outputList.width
                    objectName: "outputRow" + modelData.index
                    title: modelData.name
                    subtitle: modelData.selectedSource ? modelData.selectedSource.name : qsTr("No source")
                    volume: modelData.volume
                    muted: modelData.mute
                    muteEnabled: mixer.linkUp
                    onVolumeRequested: mixer.device.actionSetVolumeForOutput(value, modelData.index)
                    onMuteRequested: mixer.device.actionSetMuteForOutput(mute, modelData.index)
                }
            }
        }
    }
}
