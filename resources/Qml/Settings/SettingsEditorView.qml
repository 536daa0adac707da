import QtQuick 2.15
import com.morvane.tavirelint 1.0 as Tavirel

// One node of the device's settings. The editor sets the list's "model"; the
// cells write their edits into the row maps of "listModel", which saving
// reads back. Rows that lead further (sections, list elements) open the next
// editor.
Tavirel.SettingsEditorView {
    id: editor
    listView: list

    function markEdited() {
        editor.edited = true
        editor.problem = ""
        if (editor.navBar) {
            editor.navBar.rightText = qsTr("Save")
            editor.navBar.rightVisible = true
        }
    }
    function setValue(index, value) {
        list.listModel[index].value = value
        markEdited()
    }
    // The open choice dialog: a second request is not stacked over it, and it
    // goes with the page.
    property Item choiceDialog: null
    Component.onDestruction: if (choiceDialog) choiceDialog.destroy()
    onVisibleChanged: if (!visible && choiceDialog) choiceDialog.dismiss()

    function openEnum(index, cell) {
        if (choiceDialog)
            return
        var row = list.listModel[index]
        var dialog = enumDialog.createObject(editor.parent ? editor.parent : editor, {
            titleText: row.title, valuesModel: row.values, labelsModel: row.labels, currentValue: row.value })
        dialog.valueChanged.connect(function(val, label) {
            list.listModel[index].value = val
            list.listModel[index].label = label
            if (cell) {
                cell.currentValue = val
                cell.currentLabel = label
            }
            markEdited()
        })
        choiceDialog = dialog
        dialog.close.connect(function() {
            if (editor.choiceDialog === dialog)
                editor.choiceDialog = null
            dialog.destroy()
            if (cell)
                cell.forceActiveFocus()
        })
    }

    Component { id: enumDialog; SettingsEnumDialog {} }

    Rectangle { anchors.fill: parent; color: currentTheme.getColor("fill1") }

    Text {
        textFormat: Text.PlainText
        anchors.centerIn: parent
        width: parent.width - 48 * scaleFactor
        visible: list.count === 0
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        text: editor.isEditableList ? qsTr("Nothing here yet. Use Add to create an element.")
                                    : qsTr("No settings to show.")
        font.family: "MorvaneUnicodePN"
        font.pixelSize: fontSize14
        color: currentTheme.getColor("text2")
    }

    Rectangle {
        id: problemBar
        objectName: "settingsProblem"
        anchors { left: parent.left; right: parent.right; top: parent.top }
        visible: editor.problem !== ""
        height: visible ? problemText.implicitHeight + 20 * scaleFactor : 0
        color: currentTheme.getColor("fill2")
        Accessible.role: Accessible.AlertMessage
        Accessible.name: editor.problem
        Text {
            id: problemText
            textFormat: Text.PlainText
            anchors { left: parent.left; right: parent.right; verticalCenter: parent.verticalCenter; margins: 16 * scaleFactor }
            text: editor.problem
            wrapMode: Text.WordWrap
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize14
            color: currentTheme.getColor("danger1")
        }
    }

    ListView {
        id: list
        objectName: "settingsList"
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; top: problemBar.bottom }
        anchors.topMargin: 8 * scaleFactor
        clip: true
        property var listModel: []
        property bool allowRemove: false
        onModelChanged: listModel = model
        keyNavigationEnabled: true
        activeFocusOnTab: true
        focus: true
        cacheBuffer: 2000

        delegate: Loader {
            id: slot
            // A readable width, centred, in a wide window.
            width: Math.min(ListView.view.width, 720 * scaleFactor)
            x: (ListView.view.width - width) / 2
            focus: ListView.isCurrentItem
            readonly property var row: modelData
            readonly property string type: row.type === undefined ? "" : row.type
            readonly property int rowIndex: index
            sourceComponent: {
                if (type === "")
                    return linkCell
                if (type === "string" || type === "password" || type === "path")
                    return stringCell
                if (type === "bool")
                    return switchCell
                if (type === "number")
                    return numberCell
                if (type.length > 5 && type.substr(type.length - 5) === "_enum")
                    return enumCell
                return plainCell
            }
        }
    }

    Component {
        id: linkCell
        SettingsRow {
            textLabel: row.title
            arrowVisible: true
            removeEnabled: list.allowRemove && row.key === undefined
            onClicked: row.key !== undefined ? editor.openSettingsWithKey(row.key)
                                             : editor.openSettingsWithIndex(rowIndex)
            onRemoveItem: editor.removeSettingsItemWithIndex(rowIndex)
        }
    }
    Component {
        id: stringCell
        StringCell {
            textLabel: row.editable === false ? "" : row.title
            currentValue: row.value
            isPassword: type === "password"
            isEditable: row.editable !== false
            textHint: row.hint || ""
            onValueChanged: editor.setValue(rowIndex, value)
        }
    }
    Component {
        id: switchCell
        SwitchCell {
            textLabel: row.title
            currentValue: row.value === true
            onValueChanged: editor.setValue(rowIndex, value)
        }
    }
    Component {
        id: numberCell
        NumberCell {
            textLabel: row.title
            currentValue: row.value
            minimumValue: row.min
            maximumValue: row.max
            stepSize: row.step
            unit: row.unit === undefined ? "" : row.unit
            onValueChanged: editor.setValue(rowIndex, value)
        }
    }
    Component {
        id: enumCell
        EnumCell {
            id: cell
            textLabel: row.title
            currentValue: row.value
            currentLabel: row.label || ""
            valuesModel: row.values
            labelsModel: row.labels
            onOpenChoices: editor.openEnum(rowIndex, cell)
        }
    }
    Component {
        id: plainCell
        SettingsRow { textLabel: row.title }
    }
}
