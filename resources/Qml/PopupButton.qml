import QtQuick 2.15
import com.morvane.tavirelint 1.0

Rectangle {
    id: button
    property alias text: label.text
    property bool highlighted: false
    signal clicked()
    width: Math.max(label.implicitWidth + 28 * scaleFactor, 88 * scaleFactor)
    height: 36 * scaleFactor
    radius: 6 * scaleFactor
    opacity: enabled ? 1.0 : 0.4
    color: highlighted ? currentTheme.getColor("highlight1") : currentTheme.getColor("fill3")
    border.width: activeFocus && FocusFrames.shown ? 2 * scaleFactor : 0
    border.color: currentTheme.getColor("text1")
    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.onPressAction: if (enabled) button.clicked()
    Keys.onSpacePressed: button.clicked()
    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()
    Text {
        id: label
        textFormat: Text.PlainText
        anchors.centerIn: parent
        font.family: "MorvaneUnicodePN"
        font.pixelSize: fontSize14
        color: button.highlighted ? currentTheme.getColor("fill1") : currentTheme.getColor("text1")
    }
    MouseArea { anchors.fill: parent; onClicked: button.clicked() }
}
