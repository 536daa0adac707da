import QtQuick 2.15
import QtQuick.Controls 2.15

// A text setting: title at the left, the text field at the right. A row that
// is not editable shows its text alone (the device's feedback), and nothing
// at all while that text is empty.
SettingsRow {
    id: cell
    property var currentValue: ""
    property bool isPassword: false
    property bool isEditable: true
    property string textHint: ""
    readonly property string valueText: currentValue === undefined || currentValue === null ? "" : String(currentValue)
    signal valueChanged(var value)
    signal requireKeyboard()
    signal dismissKeyboard()

    detailTextLabel: isEditable ? "" : valueText
    visible: isEditable || valueText.length > 0
    height: visible ? Math.max(52 * scaleFactor, implicitHeight) : 0
    Accessible.role: isEditable ? Accessible.EditableText : Accessible.StaticText
    Accessible.name: isEditable ? textLabel : valueText
    onActiveFocusChanged: if (activeFocus && isEditable) field.forceActiveFocus()

    TextField {
        id: field
        visible: cell.isEditable
        width: cell.isEditable ? cell.width * 0.6 - 16 * scaleFactor : 0
        height: 36 * scaleFactor
        text: cell.valueText
        placeholderText: cell.textHint
        echoMode: cell.isPassword ? TextInput.Password : TextInput.Normal
        selectByMouse: true
        font.family: "MorvaneUnicodePN"
        font.pixelSize: fontSize14
        color: currentTheme.getColor("text1")
        placeholderTextColor: currentTheme.getColor("text2")
        Accessible.name: cell.textLabel
        background: Rectangle {
            radius: 4 * scaleFactor
            color: currentTheme.getColor("fill1")
            border.width: field.activeFocus ? 2 * scaleFactor : 1
            border.color: field.activeFocus ? currentTheme.getColor("highlight1") : currentTheme.getColor("fill7")
        }
        onTextEdited: cell.valueChanged(text)
        onActiveFocusChanged: activeFocus ? cell.requireKeyboard() : cell.dismissKeyboard()
    }
}
