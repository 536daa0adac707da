import QtQuick 2.15
import com.morvane.tavirelint 1.0
import QtQuick.Window 2.15
import ".."

// Dimmed backdrop with a card: a title, a message, a list of choices and a
// Cancel button. Escape cancels; the arrow keys move in the list, typing the
// start of a choice moves to it, and Enter or Space choose. The dialog is
// modal: Tab stays inside it.
FocusScope {
    id: frame
    property string titleText: ""
    property string messageText: ""
    property var choices: []         // texts shown, one a row
    property int currentChoice: -1   // ticked row
    signal chosen(int index)
    signal cancelled()
    readonly property bool modalDialog: true

    function dismiss() { frame.cancelled() }
    function takeInitialFocus() {
        if (frame.visible && frame.Window.window)
            list.forceActiveFocus()
    }
    // The row after from whose text starts with prefix, wrapping; -1 for none.
    function findChoice(prefix, from) {
        var wanted = prefix.toLocaleLowerCase()
        for (var i = 0; i < choices.length; ++i) {
            var at = (from + i) % choices.length
            if (String(choices[at]).toLocaleLowerCase().indexOf(wanted) === 0)
                return at
        }
        return -1
    }

    anchors.fill: parent
    z: 100
    focus: true
    Keys.onEscapePressed: frame.cancelled()
    Component.onCompleted: takeInitialFocus()
    Window.onWindowChanged: takeInitialFocus()

    Rectangle {
        anchors.fill: parent
        color: currentTheme.getColor("shadow1")
        opacity: 0.6
        MouseArea { anchors.fill: parent; onClicked: frame.cancelled() }
    }
    Rectangle {
        id: card
        anchors.centerIn: parent
        width: Math.min(parent.width - 32 * scaleFactor, 420 * scaleFactor)
        height: Math.min(parent.height - 48 * scaleFactor,
                         header.height + list.contentHeight + cancel.height + 48 * scaleFactor)
        radius: 10 * scaleFactor
        color: currentTheme.getColor("fill2")
        border.color: currentTheme.getColor("fill7")
        Accessible.role: Accessible.Dialog
        Accessible.name: frame.titleText

        Column {
            id: header
            anchors { left: parent.left; right: parent.right; top: parent.top; margins: 16 * scaleFactor }
            spacing: 6 * scaleFactor
            Text {
                textFormat: Text.PlainText
                width: parent.width
                text: frame.titleText
                wrapMode: Text.WordWrap
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize18
                font.bold: true
                color: currentTheme.getColor("text1")
            }
            Text {
                textFormat: Text.PlainText
                width: parent.width
                visible: text.length > 0
                text: frame.messageText
                wrapMode: Text.WordWrap
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize14
                color: currentTheme.getColor("text2")
            }
        }
        ListView {
            id: list
            objectName: "choiceList"
            anchors { left: parent.left; right: parent.right; top: header.bottom; bottom: cancel.top; topMargin: 8 * scaleFactor; bottomMargin: 8 * scaleFactor }
            clip: true
            model: frame.choices
            currentIndex: Math.max(0, frame.currentChoice)
            keyNavigationEnabled: true
            highlightMoveDuration: 0
            Component.onCompleted: positionViewAtIndex(currentIndex, ListView.Center)
            // Type-ahead: letters typed within a second of each other make one prefix.
            property string typed: ""
            Timer { id: typedExpiry; interval: 1000; onTriggered: list.typed = "" }
            Keys.onPressed: {
                if (event.text.length !== 1 || event.text < " " || (event.modifiers & (Qt.ControlModifier | Qt.AltModifier)))
                    return
                if (event.text === " " && list.typed === "")
                    return
                var prefix = list.typed + event.text
                // The same letter again steps through the choices that start with it.
                var repeat = prefix.length === 2 && prefix[0] === prefix[1]
                var at = repeat ? frame.findChoice(event.text, list.currentIndex + 1)
                                : frame.findChoice(prefix, list.typed === "" ? list.currentIndex + 1 : list.currentIndex)
                list.typed = repeat ? event.text : prefix
                typedExpiry.restart()
                if (at >= 0) {
                    list.currentIndex = at
                    list.positionViewAtIndex(at, ListView.Contain)
                }
                event.accepted = true
            }
            delegate: SettingsRow {
                textLabel: modelData
                clickable: true
                focus: ListView.isCurrentItem
                Accessible.name: modelData + (index === frame.currentChoice ? ", " + qsTr("selected") : "")
                onClicked: frame.chosen(index)
                Text {
                    textFormat: Text.PlainText
                    width: 20 * scaleFactor
                    text: index === frame.currentChoice ? "\u2713" : ""
                    font.family: "MorvaneUnicodePN"
                    font.pixelSize: fontSize16
                    color: currentTheme.getColor("highlight1")
                }
            }
        }
        PopupButton {
            id: cancel
            objectName: "cancelButton"
            anchors { right: parent.right; bottom: parent.bottom; margins: 12 * scaleFactor }
            text: qsTr("Cancel")
            activeFocusOnTab: true
            Accessible.role: Accessible.Button
            Accessible.name: text
            Keys.onSpacePressed: frame.cancelled()
            Keys.onReturnPressed: frame.cancelled()
            border.width: activeFocus && FocusFrames.shown ? 2 * scaleFactor : 0
            border.color: currentTheme.getColor("highlight1")
            onClicked: frame.cancelled()
        }
    }
}
