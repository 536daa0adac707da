import QtQuick 2.15

// A strip above the tab bar telling why the link is down, with a way to retry.
Rectangle {
    id: bar
    property alias message: label.text
    signal retry()
    height: Math.max(56 * scaleFactor, label.implicitHeight + 16 * scaleFactor)
    color: currentTheme.getColor("fill3")
    Rectangle { width: parent.width; height: 1; color: currentTheme.getColor("danger1") }
    Text {
        id: label
        objectName: "problemText"
        anchors {
            left: parent.left; right: retryButton.left; verticalCenter: parent.verticalCenter
            leftMargin: 16 * scaleFactor; rightMargin: 12 * scaleFactor
        }
        elide: Text.ElideRight
        wrapMode: Text.WordWrap
        maximumLineCount: 4
        textFormat: Text.PlainText
        font.family: "MorvaneUnicodePN"
        font.pixelSize: fontSize14
        color: currentTheme.getColor("text1")
        Accessible.role: Accessible.AlertMessage
        Accessible.name: text
    }
    PopupButton {
        id: retryButton
        objectName: "retryButton"
        anchors { right: parent.right; rightMargin: 16 * scaleFactor; verticalCenter: parent.verticalCenter }
        text: qsTr("Retry")
        highlighted: true
        onClicked: bar.retry()
    }
}
