import QtQuick 2.15
import com.morvane.tavirelint 1.0
import QtQuick.Controls 2.15

// Icon button with a name for screen readers and a visible focus mark.
Item {
    id: button
    property url iconSource
    property real iconSize: 26 * scaleFactor
    property string accessibleName: ""
    property bool checked: false
    // A toggle announces itself as one and shows its state in colour.
    property bool checkable: false
    // Shown while the pointer rests on the button; empty for none.
    property string toolTip: ""
    signal clicked()

    implicitWidth: iconSize + 12 * scaleFactor
    implicitHeight: iconSize + 12 * scaleFactor
    opacity: enabled ? 1.0 : 0.35
    activeFocusOnTab: true

    Accessible.role: Accessible.Button
    Accessible.name: accessibleName
    Accessible.checkable: checkable
    Accessible.checked: checked
    Accessible.onPressAction: if (button.enabled) button.clicked()
    Keys.onSpacePressed: button.clicked()
    Keys.onReturnPressed: button.clicked()

    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: currentTheme.getColor("fill3")
        visible: button.checked || mouse.pressed
    }
    TintedIcon {
        anchors.centerIn: parent
        icon: button.iconSource
        iconSize: button.iconSize
        colourName: button.checkable && button.checked ? "highlight1" : "text1"
    }
    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: "transparent"
        border.width: 2 * scaleFactor
        border.color: currentTheme.getColor("highlight1")
        visible: button.activeFocus && FocusFrames.shown
    }
    MouseArea { id: mouse; anchors.fill: parent; hoverEnabled: button.toolTip.length > 0; onClicked: button.clicked() }
    ToolTip.visible: button.toolTip.length > 0 && mouse.containsMouse
    ToolTip.delay: 600
    ToolTip.text: button.toolTip
}
