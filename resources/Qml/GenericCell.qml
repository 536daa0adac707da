import QtQuick 2.15
import com.morvane.tavirelint 1.0

// One-line list row: folders and playlists in library lists.
FocusScope {
    id: cell
    property alias textLabel: label.text
    property color textColor: currentTheme.getColor("text1")
    property bool arrowVisible: true
    property bool removeEnabled: false
    signal clicked()
    signal removeItem()

    height: 44 * scaleFactor
    activeFocusOnTab: true
    Accessible.role: Accessible.ListItem
    Accessible.name: label.text
    Accessible.onPressAction: cell.clicked()
    Keys.onReturnPressed: cell.clicked()
    Keys.onEnterPressed: cell.clicked()
    Keys.onSpacePressed: cell.clicked()

    Rectangle {
        anchors.fill: parent
        color: mouse.pressed ? currentTheme.getColor("fill3") : currentTheme.getColor("fill1")
        border.width: cell.activeFocus && FocusFrames.shown ? 2 * scaleFactor : 0
        border.color: currentTheme.getColor("highlight1")
    }
    MouseArea {
        id: mouse
        anchors.fill: parent
        onClicked: { cell.forceActiveFocus(); cell.clicked() }
    }
    Text {
        id: label
        textFormat: Text.PlainText
        anchors {
            left: parent.left; leftMargin: 16 * scaleFactor
            right: remove.visible ? remove.left : arrow.left; rightMargin: 8 * scaleFactor
            verticalCenter: parent.verticalCenter
        }
        elide: Text.ElideRight
        font.family: "MorvaneUnicodePN"
        font.pixelSize: fontSize16
        color: cell.textColor
    }
    FeedbackButton {
        id: remove
        visible: cell.removeEnabled
        anchors { right: arrow.left; verticalCenter: parent.verticalCenter }
        imgSource: "qrc:/TavirelImgs/Images/delete.svg"
        text: qsTr("Remove %1").arg(label.text)
        onClicked: cell.removeItem()
    }
    Text {
        id: arrow
        textFormat: Text.PlainText
        anchors { right: parent.right; rightMargin: 14 * scaleFactor; verticalCenter: parent.verticalCenter }
        visible: cell.arrowVisible
        width: visible ? implicitWidth : 0
        text: "\u203a"
        font.family: "MorvaneUnicodePN"
        font.pixelSize: fontSize20
        color: currentTheme.getColor("text2")
    }
    Rectangle {
        anchors { left: parent.left; leftMargin: 16 * scaleFactor; right: parent.right; bottom: parent.bottom }
        height: Math.max(1, scaleFactor / 2)
        color: currentTheme.getColor("fill3")
    }
}
