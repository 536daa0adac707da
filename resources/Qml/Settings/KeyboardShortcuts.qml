import QtQuick 2.15
import QtQuick.Controls 2.15
import com.morvane.tavirelint 1.0

// The settings page that lists the window's keyboard shortcuts.
NavigationView {
    id: page
    title: qsTr("Keyboard shortcuts")

    ListModel {
        id: shortcutsModel
        ListElement { keys: QT_TR_NOOP("Space"); action: QT_TR_NOOP("Play or pause") }
        ListElement { keys: QT_TR_NOOP("Ctrl+Left"); action: QT_TR_NOOP("Previous track") }
        ListElement { keys: QT_TR_NOOP("Ctrl+Right"); action: QT_TR_NOOP("Next track") }
        ListElement { keys: QT_TR_NOOP("Ctrl+Up"); action: QT_TR_NOOP("Volume up") }
        ListElement { keys: QT_TR_NOOP("Ctrl+Down"); action: QT_TR_NOOP("Volume down") }
        ListElement { keys: QT_TR_NOOP("Ctrl+M"); action: QT_TR_NOOP("Mute or unmute") }
        ListElement { keys: QT_TR_NOOP("Ctrl+1"); action: QT_TR_NOOP("Sources tab") }
        ListElement { keys: QT_TR_NOOP("Ctrl+2"); action: QT_TR_NOOP("Player tab") }
        ListElement { keys: QT_TR_NOOP("Ctrl+3"); action: QT_TR_NOOP("Settings tab") }
        ListElement { keys: QT_TR_NOOP("Ctrl+L"); action: QT_TR_NOOP("Open the music library") }
        ListElement { keys: QT_TR_NOOP("Ctrl+F"); action: QT_TR_NOOP("Search the music library") }
        ListElement { keys: QT_TR_NOOP("Ctrl+S"); action: QT_TR_NOOP("Save the settings page") }
        ListElement { keys: QT_TR_NOOP("Ctrl+Z"); action: QT_TR_NOOP("Undo the last change") }
        ListElement { keys: QT_TR_NOOP("Ctrl+Shift+Z"); action: QT_TR_NOOP("Redo the change undone") }
        ListElement { keys: QT_TR_NOOP("Escape"); action: QT_TR_NOOP("Close the popup or go back") }
        ListElement { keys: QT_TR_NOOP("Tab"); action: QT_TR_NOOP("Move to the next control") }
        ListElement { keys: QT_TR_NOOP("Arrow keys"); action: QT_TR_NOOP("Move a focused slider") }
    }

    Rectangle { anchors.fill: parent; color: currentTheme.getColor("fill1") }

    ListView {
        id: list
        objectName: "shortcutsList"
        anchors.fill: parent
        anchors.topMargin: 8 * scaleFactor
        clip: true
        model: shortcutsModel
        activeFocusOnTab: true
        keyNavigationEnabled: true
        ScrollBar.vertical: ScrollBar {}
        Accessible.role: Accessible.List
        Accessible.name: page.title

        delegate: Rectangle {
            id: row
            width: list.width
            height: 44 * scaleFactor
            color: ListView.isCurrentItem && list.activeFocus ? currentTheme.getColor("fill3")
                                                              : currentTheme.getColor("fill1")
            Accessible.role: Accessible.ListItem
            Accessible.name: qsTranslate("KeyboardShortcuts", model.keys) + ", "
                             + qsTranslate("KeyboardShortcuts", model.action)

            Rectangle {
                id: keyCap
                anchors { left: parent.left; leftMargin: 16 * scaleFactor; verticalCenter: parent.verticalCenter }
                width: Math.max(keyText.implicitWidth + 16 * scaleFactor, 96 * scaleFactor)
                height: 28 * scaleFactor
                radius: 4 * scaleFactor
                color: currentTheme.getColor("fill2")
                border.color: currentTheme.getColor("fill7")
                Text {
                    id: keyText
                    textFormat: Text.PlainText
                    anchors.centerIn: parent
                    text: qsTranslate("KeyboardShortcuts", model.keys)
                    font.family: "MorvaneUnicodePN"
                    font.pixelSize: fontSize12
                    font.bold: true
                    color: currentTheme.getColor("text1")
                }
            }
            Text {
                textFormat: Text.PlainText
                anchors { left: keyCap.right; leftMargin: 14 * scaleFactor; right: parent.right
                          rightMargin: 16 * scaleFactor; verticalCenter: parent.verticalCenter }
                text: qsTranslate("KeyboardShortcuts", model.action)
                elide: Text.ElideRight
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize14
                color: currentTheme.getColor("text1")
            }
            Rectangle {
                anchors { left: parent.left; right: parent.right; bottom: parent.bottom; leftMargin: 16 * scaleFactor }
                height: Math.max(1, scaleFactor)
                color: currentTheme.getColor("fill7")
            }
        }
    }
}
