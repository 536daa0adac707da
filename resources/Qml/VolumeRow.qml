import QtQuick 2.15
import "SourcesView"

// Name, mute button and volume slider of one source or output, with
// optional buttons for the equalizer, the output selector and the player.
Item {
    id: row
    property string title: ""
    property string subtitle: ""
    property string caption: ""
    property int volume: 0
    property bool muted: false
    property bool muteEnabled: true
    property string iconSource: "qrc:/TavirelImgs/Images/output.svg"
    property bool showOpen: false
    property bool showEqualizer: false
    property bool showSelector: false
    property bool highlighted: false
    // Room kept for this many buttons, so that in a list whose rows have
    // different buttons the sliders and the buttons line up.
    property int buttonSlots: 0
    // An item shown instead of the icon (a cover).
    property alias leading: leadingBox.data
    property bool hasLeading: false
    signal volumeRequested(int value)
    signal muteRequested(bool mute)
    signal openRequested()
    signal equalizerRequested()
    signal selectorRequested()

    height: (caption.length ? 98 : 84) * scaleFactor

    Rectangle {
        id: card
        anchors { fill: parent; leftMargin: 10 * scaleFactor; rightMargin: 10 * scaleFactor; topMargin: 4 * scaleFactor; bottomMargin: 4 * scaleFactor }
        radius: 8 * scaleFactor
        color: currentTheme.getColor("fill2")
        border.width: row.highlighted ? 1 : 0
        border.color: currentTheme.getColor("highlight1")

        Item {
            id: leadingBox
            anchors { left: parent.left; leftMargin: 10 * scaleFactor; verticalCenter: parent.verticalCenter }
            width: 56 * scaleFactor
            height: 56 * scaleFactor
            TintedIcon {
                anchors.centerIn: parent
                visible: !row.hasLeading
                icon: row.iconSource
                iconSize: 28 * scaleFactor
                opacity: 0.85
            }
        }
        Column {
            anchors { left: leadingBox.right; leftMargin: 10 * scaleFactor; top: parent.top; topMargin: 8 * scaleFactor; right: buttonArea.left; rightMargin: 4 * scaleFactor }
            spacing: 1 * scaleFactor
            Text {
                textFormat: Text.PlainText
                width: parent.width
                text: row.title
                elide: Text.ElideRight
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize14
                font.bold: true
                color: currentTheme.getColor("text1")
            }
            Text {
                textFormat: Text.PlainText
                objectName: "subtitle"
                width: parent.width
                text: row.subtitle
                visible: text.length > 0
                elide: Text.ElideRight
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize12
                color: currentTheme.getColor("text2")
            }
            Text {
                textFormat: Text.PlainText
                objectName: "caption"
                width: parent.width
                text: row.caption
                visible: text.length > 0
                elide: Text.ElideRight
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize10
                color: currentTheme.getColor("highlight1")
            }
        }
        VolumeSlider {
            id: slider
            objectName: "volumeSlider"
            anchors { left: leadingBox.right; leftMargin: 4 * scaleFactor; right: volumeText.left; bottom: parent.bottom; bottomMargin: 4 * scaleFactor }
            value: row.volume
            accessibleName: qsTr("%1 volume").arg(row.title)
            onNewValueToSend: row.volumeRequested(Math.round(value))
        }
        Text {
            id: volumeText
            textFormat: Text.PlainText
            anchors { right: buttonArea.left; rightMargin: 4 * scaleFactor; verticalCenter: slider.verticalCenter }
            width: 26 * scaleFactor
            horizontalAlignment: Text.AlignRight
            text: Math.round(slider.knobValue)
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize12
            color: currentTheme.getColor("text2")
        }
        Item {
            id: buttonArea
            anchors { right: parent.right; rightMargin: 6 * scaleFactor; top: parent.top; bottom: parent.bottom }
            width: Math.max(buttons.width, row.buttonSlots * muteButton.width)
        }
        Row {
            id: buttons
            anchors { left: buttonArea.left; verticalCenter: parent.verticalCenter }
            ToolIconButton {
                id: muteButton
                objectName: "muteButton"
                iconSource: row.muted ? "qrc:/TavirelImgs/Images/mute.svg" : "qrc:/TavirelImgs/Images/unmute.svg"
                checked: row.muted
                enabled: row.muteEnabled
                accessibleName: row.muted ? qsTr("Unmute %1").arg(row.title) : qsTr("Mute %1").arg(row.title)
                onClicked: row.muteRequested(!row.muted)
            }
            ToolIconButton {
                objectName: "equalizerButton"
                visible: row.showEqualizer
                iconSource: "qrc:/TavirelImgs/Images/equalizer.svg"
                accessibleName: qsTr("Equalizer of %1").arg(row.title)
                onClicked: row.equalizerRequested()
            }
            ToolIconButton {
                objectName: "selectorButton"
                visible: row.showSelector
                iconSource: "qrc:/TavirelImgs/Images/output.svg"
                accessibleName: qsTr("Outputs of %1").arg(row.title)
                onClicked: row.selectorRequested()
            }
            ToolIconButton {
                objectName: "openButton"
                visible: row.showOpen
                iconSource: "qrc:/TavirelImgs/Images/play_now.svg"
                accessibleName: qsTr("Open %1 in the player").arg(row.title)
                onClicked: row.openRequested()
            }
        }
    }
}
