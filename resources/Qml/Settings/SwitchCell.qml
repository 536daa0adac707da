import QtQuick 2.15
import QtQuick.Controls 2.15

// An on/off setting. Space toggles it when the row has the focus.
SettingsRow {
    id: cell
    property bool currentValue: false
    signal valueChanged(var value)

    clickable: true
    Accessible.role: Accessible.CheckBox
    Accessible.checkable: true
    Accessible.checked: currentValue
    Accessible.name: textLabel + ", " + (currentValue ? qsTr("on") : qsTr("off"))
    onClicked: toggle()
    function toggle() {
        currentValue = !currentValue
        valueChanged(currentValue)
    }

    Switch {
        id: control
        checked: cell.currentValue
        focusPolicy: Qt.NoFocus
        Accessible.name: cell.textLabel
        onToggled: {
            cell.currentValue = checked
            cell.valueChanged(checked)
        }
        indicator: Rectangle {
            implicitWidth: 44 * scaleFactor
            implicitHeight: 24 * scaleFactor
            x: control.leftPadding
            y: parent.height / 2 - height / 2
            radius: height / 2
            color: control.checked ? currentTheme.getColor("highlight1") : currentTheme.getColor("fill3")
            border.color: currentTheme.getColor("fill7")
            Rectangle {
                x: control.checked ? parent.width - width - 2 * scaleFactor : 2 * scaleFactor
                anchors.verticalCenter: parent.verticalCenter
                width: 20 * scaleFactor
                height: 20 * scaleFactor
                radius: height / 2
                color: currentTheme.getColor("text1")
                Behavior on x { NumberAnimation { duration: 120 } }
            }
        }
    }
}
