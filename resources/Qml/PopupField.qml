import QtQuick 2.15
import QtQuick.Controls 2.15

// A labelled single-line text field of the popups.
Column {
    id: field
    property alias label: caption.text
    property alias text: input.text
    property alias placeholder: input.placeholderText
    property bool password: false
    function takeFocus() { input.forceActiveFocus(); input.selectAll() }
    function selectAll() { input.selectAll() }
    width: parent ? parent.width : 200
    spacing: 4 * scaleFactor
    Text {
        id: caption
        textFormat: Text.PlainText
        font.family: "MorvaneUnicodePN"
        font.pixelSize: fontSize12
        color: currentTheme.getColor("text2")
    }
    TextField {
        id: input
        width: parent.width
        font.family: "MorvaneUnicodePN"
        font.pixelSize: fontSize14
        echoMode: field.password ? TextInput.Password : TextInput.Normal
        color: currentTheme.getColor("text1")
        placeholderTextColor: currentTheme.getColor("text2")
        selectByMouse: true
        Accessible.name: field.label
        background: Rectangle {
            color: currentTheme.getColor("fill1")
            radius: 4 * scaleFactor
            border.color: input.activeFocus ? currentTheme.getColor("highlight1") : currentTheme.getColor("fill7")
        }
    }
}
