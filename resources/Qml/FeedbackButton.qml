import QtQuick 2.15
import com.morvane.tavirelint 1.0
import QtGraphicalEffects 1.15

// A button showing an image or a text that dims while pressed. With
// `applyMask` the image is tinted with the text colour.
Item {
    id: button
    property bool applyMask: false
    property string imgSource: ""
    property real sourceWidth: 24 * scaleFactor
    property real sourceHeight: 24 * scaleFactor
    property color textColor: currentTheme.getColor("highlight1")
    property real textSize: fontSize14
    property alias text: label.text
    property int textAlign: Text.AlignHCenter
    property int textCapitalization: Font.MixedCase
    property real textContentWidth: width
    property int textWrap: Text.NoWrap
    signal clicked()

    implicitWidth: imgSource.length > 0 ? sourceWidth + 12 * scaleFactor : label.implicitWidth + 16 * scaleFactor
    implicitHeight: Math.max(sourceHeight, label.implicitHeight) + 12 * scaleFactor
    activeFocusOnTab: visible && enabled
    Accessible.role: Accessible.Button
    Accessible.name: label.text
    Accessible.onPressAction: button.clicked()
    Keys.onSpacePressed: button.clicked()
    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()

    TintedIcon {
        id: icon
        anchors.centerIn: parent
        visible: button.imgSource.length > 0 && !button.applyMask
        icon: button.imgSource
        sourceSize: Qt.size(button.sourceWidth, button.sourceHeight)
        opacity: mouse.pressed ? 0.5 : 1.0
    }
    ColorOverlay {
        anchors.fill: icon
        visible: button.imgSource.length > 0 && button.applyMask
        source: icon
        color: button.textColor
        opacity: icon.opacity
    }
    Text {
        id: label
        textFormat: Text.PlainText
        anchors.centerIn: parent
        width: Math.min(button.textContentWidth, button.width)
        visible: button.imgSource.length === 0
        horizontalAlignment: button.textAlign
        wrapMode: button.textWrap
        elide: button.textWrap === Text.NoWrap ? Text.ElideRight : Text.ElideNone
        font.family: "MorvaneUnicodePN"
        font.pixelSize: button.textSize
        font.capitalization: button.textCapitalization
        color: button.textColor
        opacity: mouse.pressed ? 0.5 : 1.0
    }
    Rectangle {
        anchors.fill: parent
        radius: 4 * scaleFactor
        color: "transparent"
        border.width: 2 * scaleFactor
        border.color: currentTheme.getColor("highlight1")
        visible: button.activeFocus && FocusFrames.shown
    }
    MouseArea {
        id: mouse
        anchors.fill: parent
        onClicked: button.clicked()
    }
}
