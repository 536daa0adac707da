import QtQuick 2.15

// The window's notice: what the last action did or why it failed, for a few
// seconds, with its undo button when it has one. A click on the text hides it.
Rectangle {
    id: notice
    property var notices: null
    readonly property real room: parent ? parent.width : 0

    width: Math.min(room - 32 * scaleFactor, row.implicitWidth + 32 * scaleFactor)
    height: Math.max(noticeText.implicitHeight, undoButton.visible ? undoButton.height : 0) + 20 * scaleFactor
    radius: 8 * scaleFactor
    // fill7 is a border colour: white in the high-contrast theme, as its text is.
    color: notices && notices.isError ? currentTheme.getColor("danger1") : currentTheme.getColor("fill3")
    border.width: Math.max(1, scaleFactor)
    border.color: currentTheme.getColor("fill7")
    visible: opacity > 0
    opacity: 0
    Behavior on opacity { NumberAnimation { duration: 200 } }
    Accessible.role: Accessible.AlertMessage
    Accessible.name: noticeText.text

    MouseArea { anchors.fill: parent; onClicked: notice.opacity = 0 }
    Row {
        id: row
        anchors.centerIn: parent
        spacing: 16 * scaleFactor
        Text {
            id: noticeText
            objectName: "noticeText"
            textFormat: Text.PlainText
            anchors.verticalCenter: parent.verticalCenter
            width: Math.min(implicitWidth, notice.room - 64 * scaleFactor
                            - (undoButton.visible ? undoButton.width + row.spacing : 0))
            wrapMode: Text.WordWrap
            text: notice.notices ? notice.notices.text : ""
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize14
            // Light text does not stand out on the red of every theme; fill1 does.
            color: notice.notices && notice.notices.isError ? currentTheme.getColor("fill1") : currentTheme.getColor("text1")
        }
        PopupButton {
            id: undoButton
            objectName: "noticeAction"
            anchors.verticalCenter: parent.verticalCenter
            visible: notice.notices !== null && notice.notices.actionText.length > 0
            text: notice.notices ? notice.notices.actionText : ""
            highlighted: true
            onClicked: notice.notices.act()
        }
    }
    Timer {
        id: hideTimer
        interval: notice.notices ? notice.notices.duration : 3000
        onTriggered: notice.opacity = 0
    }
    Connections {
        target: notice.notices
        function onShown() {
            notice.opacity = 1
            hideTimer.restart()
        }
    }
}
