import QtQuick 2.15
import QtQuick.Controls 2.15

// Name, mute button and volume slider of one source or output. The slider
// sends while dragging at most every 150 ms, and once more on release.
Item {
    id: row
    property string title: ""
    property string subtitle: ""
    property int volume: 0
    property bool muted: false
    property string iconSource: "qrc:/TavirelImgs/Images/output.svg"
    property bool showOpen: false
    signal volumeRequested(int value)
    signal muteRequested(bool mute)
    signal openRequested()

    height: 72 * scaleFactor

    Rectangle {
        anchors { fill: parent; leftMargin: 12 * scaleFactor; rightMargin: 12 * scaleFactor; topMargin: 4 * scaleFactor; bottomMargin: 4 * scaleFactor }
        radius: 8 * scaleFactor
        color: currentTheme.getColor("fill2")

        Image {
            id: icon
            anchors { left: parent.left; leftMargin: 12 * scaleFactor; verticalCenter: parent.verticalCenter }
            source: row.iconSource
            sourceSize: Qt.size(26 * scaleFactor, 26 * scaleFactor)
            opacity: 0.85
        }
        Column {
            id: labels
            anchors { left: icon.right; leftMargin: 10 * scaleFactor; top: parent.top; topMargin: 8 * scaleFactor; right: muteButton.left }
            Text {
                width: parent.width
                text: row.title
                elide: Text.ElideRight
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize14
                color: currentTheme.getColor("text1")
            }
            Text {
                width: parent.width
                text: row.subtitle
                visible: text.length > 0
                elide: Text.ElideRight
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize10
                color: currentTheme.getColor("text2")
            }
        }
        Slider {
            id: slider
            objectName: "volumeSlider"
            anchors { left: icon.right; leftMargin: 4 * scaleFactor; right: volumeText.left; bottom: parent.bottom; bottomMargin: 2 * scaleFactor }
            from: 0; to: 100; stepSize: 1
            value: row.volume
            property double lastSentAt: 0
            property int lastSentValue: -1
            function send() {
                var v = Math.round(value)
                if (v === lastSentValue)
                    return
                lastSentValue = v
                lastSentAt = Date.now()
                row.volumeRequested(v)
            }
            onMoved: if (Date.now() - lastSentAt > 150) send()
            onPressedChanged: {
                if (pressed)
                    lastSentValue = -1
                else
                    send()
            }
            Binding on value { value: row.volume; when: !slider.pressed }
        }
        Text {
            id: volumeText
            anchors { right: muteButton.left; rightMargin: 6 * scaleFactor; verticalCenter: slider.verticalCenter }
            width: 28 * scaleFactor
            horizontalAlignment: Text.AlignRight
            text: row.volume
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize12
            color: currentTheme.getColor("text2")
        }
        Image {
            id: muteButton
            objectName: "muteButton"
            anchors { right: openButton.visible ? openButton.left : parent.right; rightMargin: 10 * scaleFactor; verticalCenter: parent.verticalCenter }
            source: row.muted ? "qrc:/TavirelImgs/Images/mute.svg" : "qrc:/TavirelImgs/Images/unmute.svg"
            sourceSize: Qt.size(26 * scaleFactor, 26 * scaleFactor)
            opacity: row.muted ? 0.55 : 1.0
            MouseArea { anchors.fill: parent; anchors.margins: -6 * scaleFactor; onClicked: row.muteRequested(!row.muted) }
        }
        Image {
            id: openButton
            visible: row.showOpen
            anchors { right: parent.right; rightMargin: 10 * scaleFactor; verticalCenter: parent.verticalCenter }
            source: "qrc:/TavirelImgs/Images/play_now.svg"
            sourceSize: Qt.size(28 * scaleFactor, 28 * scaleFactor)
            MouseArea { anchors.fill: parent; anchors.margins: -6 * scaleFactor; onClicked: row.openRequested() }
        }
    }
}
