import QtQuick 2.15
import com.morvane.tavirelint 1.0

// Text button of a navigation bar. "back" buttons show a chevron before the
// text. Space or Enter activate it when it has the keyboard focus.
Item {
    id: button
    property string type: "normal"
    property bool applyMask: false
    property color textColor: currentTheme.getColor("highlight1")
    property real textSize: fontSize16
    property alias text: label.text
    property int textAlign: type === "back" ? Text.AlignLeft : Text.AlignRight
    signal clicked()

    // A pixel or two over the text's own width: at some sizes the glyphs'
    // rounding elides a label given exactly its implicit width.
    implicitWidth: Math.ceil((chevron.visible ? 8 * scaleFactor + chevron.implicitWidth + 4 * scaleFactor : 8 * scaleFactor)
                             + label.implicitWidth + 10 * scaleFactor)
    activeFocusOnTab: visible
    Accessible.role: Accessible.Button
    Accessible.name: type === "back" ? qsTr("Back to %1").arg(label.text || qsTr("previous page")) : label.text
    Accessible.onPressAction: button.clicked()
    Keys.onSpacePressed: button.clicked()
    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()

    Rectangle {
        anchors.fill: parent
        anchors.margins: 2 * scaleFactor
        radius: 4 * scaleFactor
        color: "transparent"
        border.width: 2 * scaleFactor
        border.color: currentTheme.getColor("highlight1")
        visible: button.activeFocus && FocusFrames.shown
    }
    Text {
        id: chevron
        textFormat: Text.PlainText
        visible: button.type === "back"
        anchors { left: parent.left; leftMargin: 8 * scaleFactor; verticalCenter: parent.verticalCenter }
        text: "\u2039"
        font.family: "MorvaneUnicodePN"
        font.pixelSize: button.textSize * 1.6
        color: button.textColor
    }
    Text {
        id: label
        textFormat: Text.PlainText
        anchors {
            left: chevron.visible ? chevron.right : parent.left
            right: parent.right
            leftMargin: chevron.visible ? 4 * scaleFactor : 8 * scaleFactor
            rightMargin: 8 * scaleFactor
            verticalCenter: parent.verticalCenter
        }
        horizontalAlignment: button.textAlign
        elide: Text.ElideRight
        font.family: "MorvaneUnicodePN"
        font.pixelSize: button.textSize
        color: button.textColor
        opacity: mouse.pressed ? 0.5 : 1.0
    }
    MouseArea {
        id: mouse
        anchors.fill: parent
        onClicked: button.clicked()
    }
}
