import QtQuick 2.15
import com.morvane.tavirelint 1.0

NavigationBar {
    id: bar
    property alias backText: backButton.text
    property alias backVisible: backButton.visible
    property alias secRightText: secRightButton.text
    property alias secRightVisible: secRightButton.visible
    property alias rightText: rightButton.text
    property alias rightVisible: rightButton.visible
    signal back()
    signal secondRight()
    signal right()

    x: 0
    y: 0
    width: parent ? parent.width : 0
    height: 44 * scaleFactor
    // Each side takes what its buttons need, from a quarter to two fifths of
    // the bar, so that a back label is whole wherever there is room.
    readonly property real sideWidth: Math.min(width * 0.4, Math.max(width * 0.25,
        backButton.visible ? backButton.implicitWidth : 0,
        (rightButton.visible ? rightButton.implicitWidth : 0) + (secRightButton.visible ? secRightButton.implicitWidth : 0)))

    Rectangle {
        anchors.fill: parent
        color: currentTheme.getColor("fill2")
    }
    // The bar's own right() signal hides the right anchor line of "parent"
    // in here, so the children are placed by x and width.
    Rectangle {
        y: parent.height - height
        width: parent.width
        height: Math.max(1, scaleFactor)
        color: currentTheme.getColor("shadow1")
    }
    NavigationButton {
        id: backButton
        type: "back"
        visible: false
        anchors { left: parent.left; top: parent.top; bottom: parent.bottom }
        width: bar.sideWidth
        onClicked: bar.back()
    }
    Text {
        id: titleLabel
        textFormat: Text.PlainText
        // A first page's title starts at the left, as the other tabs' titles
        // do; below it, the title sits between back and the right buttons.
        x: backButton.visible ? bar.sideWidth : 16 * scaleFactor
        anchors.verticalCenter: parent.verticalCenter
        width: backButton.visible ? parent.width - 2 * bar.sideWidth : parent.width - x - bar.sideWidth
        horizontalAlignment: backButton.visible ? Text.AlignHCenter : Text.AlignLeft
        // A long title gets smaller before it is cut short.
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: fontSize12
        elide: Text.ElideRight
        text: bar.title
        font.family: "MorvaneUnicodePN"
        font.pixelSize: fontSize16
        font.bold: true
        color: currentTheme.getColor("text1")
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }
    Row {
        x: parent.width - width
        height: parent.height
        width: bar.sideWidth
        layoutDirection: Qt.RightToLeft
        NavigationButton {
            id: rightButton
            text: qsTr("Close")
            height: parent.height
            width: secRightButton.visible ? parent.width * implicitWidth / (implicitWidth + secRightButton.implicitWidth)
                                          : parent.width
            onClicked: bar.right()
        }
        NavigationButton {
            id: secRightButton
            text: qsTr("Save")
            visible: false
            height: parent.height
            width: parent.width - rightButton.width
            onClicked: bar.secondRight()
        }
    }
}
