import QtQuick 2.15
import com.morvane.tavirelint 1.0
import QtGraphicalEffects 1.15

// Round play button laid over covers.
Item {
    id: button
    property bool applyMask: false
    property string imgSource: "qrc:/TavirelImgs/Images/play.svg"
    property real sourceWidth: 16 * scaleFactor
    property real sourceHeight: 16 * scaleFactor
    property string accessibleName: qsTr("Play")
    signal clicked()

    width: 32 * scaleFactor
    height: width
    activeFocusOnTab: visible
    Accessible.role: Accessible.Button
    Accessible.name: accessibleName
    Accessible.onPressAction: button.clicked()
    Keys.onSpacePressed: button.clicked()
    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()

    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: currentTheme.getColor("shadow1")
        opacity: mouse.pressed ? 0.8 : 0.55
        border.width: button.activeFocus && FocusFrames.shown ? 2 * scaleFactor : 0
        border.color: currentTheme.getColor("highlight1")
    }
    Image {
        id: icon
        anchors.centerIn: parent
        visible: !button.applyMask
        source: button.imgSource
        sourceSize: Qt.size(button.sourceWidth, button.sourceHeight)
    }
    ColorOverlay {
        anchors.fill: icon
        visible: button.applyMask
        source: icon
        color: currentTheme.getColor("text1")
    }
    MouseArea {
        id: mouse
        anchors.fill: parent
        onClicked: button.clicked()
    }
}
