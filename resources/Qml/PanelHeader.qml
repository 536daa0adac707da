import QtQuick 2.15

// Title bar of a pop-up panel with its close button; extra buttons go in
// `tools`, left of the close button.
Rectangle {
    id: header
    property string title: ""
    property bool closeVisible: true
    default property alias tools: toolRow.data
    signal closeRequested()

    height: 52 * scaleFactor
    color: currentTheme.getColor("fill2")

    Text {
        textFormat: Text.PlainText
        anchors { left: parent.left; leftMargin: 16 * scaleFactor; right: toolRow.left; verticalCenter: parent.verticalCenter }
        text: header.title
        elide: Text.ElideRight
        font.family: "MorvaneUnicodePN"
        font.pixelSize: fontSize16
        font.bold: true
        color: currentTheme.getColor("text1")
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }
    Row {
        id: toolRow
        anchors { right: closeButton.visible ? closeButton.left : parent.right; rightMargin: 4 * scaleFactor; verticalCenter: parent.verticalCenter }
        spacing: 2 * scaleFactor
    }
    ToolIconButton {
        id: closeButton
        objectName: "closeButton"
        visible: header.closeVisible
        anchors { right: parent.right; rightMargin: 8 * scaleFactor; verticalCenter: parent.verticalCenter }
        iconSource: "qrc:/TavirelImgs/Images/arrow_down.svg"
        iconSize: 22 * scaleFactor
        accessibleName: qsTr("Close")
        onClicked: header.closeRequested()
    }
    Rectangle { anchors.bottom: parent.bottom; width: parent.width; height: 1; color: currentTheme.getColor("fill7") }
}
