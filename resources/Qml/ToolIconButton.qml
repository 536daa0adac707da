import QtQuick 2.15

// Icon button with a name for screen readers and a visible focus mark.
Item {
    id: button
    property url iconSource
    property real iconSize: 26 * scaleFactor
    property string accessibleName: ""
    property bool checked: false
    signal clicked()

    implicitWidth: iconSize + 12 * scaleFactor
    implicitHeight: iconSize + 12 * scaleFactor
    opacity: enabled ? 1.0 : 0.35
    activeFocusOnTab: true

    Accessible.role: Accessible.Button
    Accessible.name: accessibleName
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
    }
    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: "transparent"
        border.width: 2 * scaleFactor
        border.color: currentTheme.getColor("highlight1")
        visible: button.activeFocus
    }
    MouseArea { id: mouse; anchors.fill: parent; onClicked: button.clicked() }
}
