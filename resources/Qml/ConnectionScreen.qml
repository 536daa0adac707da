import QtQuick 2.15

// Covers a tab while the device is not connected; the controllers set connText
// (what the link is doing and why) and, while an attempt can be made at once,
// retryVisible. Another device can always be chosen from here.
Rectangle {
    id: screen
    property string connText: qsTr("Connecting to Tavirel...")
    property bool retryVisible: false
    signal retry()
    signal chooseDevice()
    color: currentTheme.getColor("fill1")
    z: 50
    MouseArea { anchors.fill: parent }
    Column {
        anchors.centerIn: parent
        spacing: 16 * scaleFactor
        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            asynchronous: true
            source: "qrc:/TavirelImgs/Images/tavirel.svg"
            sourceSize: Qt.size(96 * scaleFactor, 96 * scaleFactor)
        }
        // The application's own spinner: the controls' one would load the
        // whole controls module before the first frame.
        CustomSpinner {
            objectName: "connectionSpinner"
            anchors.horizontalCenter: parent.horizontalCenter
            width: 40 * scaleFactor
            // Still while waiting for the next attempt; the space stays.
            running: screen.visible && !screen.retryVisible
            opacity: running ? 1 : 0
        }
        Text {
            objectName: "connectionText"
            anchors.horizontalCenter: parent.horizontalCenter
            width: screen.width - 48 * scaleFactor
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: screen.connText
            textFormat: Text.PlainText
            lineHeight: 1.2
            Accessible.role: Accessible.AlertMessage
            Accessible.name: text
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize16
            color: currentTheme.getColor("text1")
        }
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 12 * scaleFactor
            PopupButton {
                objectName: "chooseDeviceButton"
                text: qsTr("Choose another Tavirel")
                onClicked: screen.chooseDevice()
            }
            PopupButton {
                objectName: "retryButton"
                visible: screen.retryVisible
                text: qsTr("Retry")
                highlighted: true
                onClicked: screen.retry()
            }
        }
    }
}
