import QtQuick 2.15
import QtQuick.Window 2.15

// Dimmed backdrop with a centred card; popups put their content in `content`.
// errorText tells what is wrong with the form; Escape cancels. The dialog is
// modal: it takes the keyboard as it opens (its first field, text selected,
// or itself, so that Return confirms) and Tab stays inside it.
FocusScope {
    id: frame
    anchors.fill: parent
    z: 100
    default property alias content: column.data
    property string headTitle: ""
    property string okBtnText: qsTr("OK")
    property string cancBtnText: qsTr("Cancel")
    // A third choice between the two, shown when it has a text.
    property string otherBtnText: ""
    property bool okEnabled: true
    property string errorText: ""
    // The content shows errorText itself, beside the field it is about.
    property bool errorInContent: false
    signal accepted()
    signal rejected()
    signal otherChosen()
    readonly property bool modalDialog: true
    // The field that has the keyboard first; null for none.
    property Item initialFocus: null

    function dismiss() { frame.rejected() }
    function takeInitialFocus() {
        if (!frame.visible || !frame.Window.window)
            return
        if (frame.initialFocus)
            frame.initialFocus.takeFocus()
        else
            frame.forceActiveFocus()
    }
    Component.onCompleted: takeInitialFocus()
    Window.onWindowChanged: takeInitialFocus()
    onVisibleChanged: takeInitialFocus()

    Accessible.role: Accessible.Dialog
    Accessible.name: headTitle
    Keys.onEscapePressed: frame.rejected()
    // Return in a field confirms, as the highlighted button would.
    Keys.onReturnPressed: if (frame.okEnabled) frame.accepted()
    Keys.onEnterPressed: if (frame.okEnabled) frame.accepted()

    Rectangle {
        anchors.fill: parent
        color: currentTheme.getColor("shadow1")
        opacity: 0.6
        // Catches the clicks meant for the page behind; nothing to speak of.
        MouseArea {
            anchors.fill: parent
            Accessible.ignored: true
            onClicked: {}
        }
    }

    Rectangle {
        id: card
        anchors.centerIn: parent
        width: Math.min(parent.width - 32 * scaleFactor, 420 * scaleFactor)
        height: column.implicitHeight + (error.visible ? error.implicitHeight + 10 * scaleFactor : 0)
                + buttons.height + 48 * scaleFactor
        radius: 10 * scaleFactor
        color: currentTheme.getColor("fill2")
        border.color: currentTheme.getColor("fill7")

        Column {
            id: column
            anchors { left: parent.left; right: parent.right; top: parent.top; margins: 16 * scaleFactor }
            spacing: 10 * scaleFactor
            Text {
                textFormat: Text.PlainText
                width: parent.width
                text: frame.headTitle
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize18
                font.bold: true
                color: currentTheme.getColor("text1")
                wrapMode: Text.WordWrap
            }
        }

        Text {
            id: error
            textFormat: Text.PlainText
            objectName: "errorText"
            anchors { left: parent.left; right: parent.right; top: column.bottom; margins: 16 * scaleFactor; topMargin: 10 * scaleFactor }
            visible: frame.errorText.length > 0 && !frame.errorInContent
            text: frame.errorText
            wrapMode: Text.WordWrap
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize12
            color: currentTheme.getColor("danger1")
            Accessible.role: Accessible.AlertMessage
            Accessible.name: text
        }

        Row {
            id: buttons
            anchors { right: parent.right; bottom: parent.bottom; margins: 12 * scaleFactor }
            spacing: 10 * scaleFactor
            height: 36 * scaleFactor
            PopupButton { objectName: "cancelButton"; text: frame.cancBtnText; onClicked: frame.rejected() }
            PopupButton {
                objectName: "otherButton"
                visible: frame.otherBtnText !== ""
                text: frame.otherBtnText
                onClicked: frame.otherChosen()
            }
            PopupButton {
                objectName: "okButton"
                text: frame.okBtnText
                highlighted: true
                enabled: frame.okEnabled
                onClicked: frame.accepted()
            }
        }
    }
}
