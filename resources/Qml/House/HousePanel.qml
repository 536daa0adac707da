import QtQuick 2.15
import com.morvane.tavirelint 1.0
import QtQuick.Controls 2.15
import ".."

// The whole house at once: All off and Resume, undo, the sleep timer and
// the scenes, with a preview of what a recall changes.
Rectangle {
    id: panel
    // The house control ("house" of the window), and the outputs for the
    // sleep timer's choice.
    property var house: null
    property var outputsModel: []
    property bool linkUp: false
    signal closeRequested()

    // The scene whose recall is being previewed, or "".
    property string previewName: ""
    property var previewRows: []
    // Output names left out of the previewed recall.
    property var leftOut: ({})

    // The sheet gives the keyboard to All off when it opens.
    readonly property Item initialFocus: allOffButton
    function formatRemaining(seconds) {
        var h = Math.floor(seconds / 3600), m = Math.floor(seconds % 3600 / 60), s = seconds % 60
        var mm = (h > 0 && m < 10 ? "0" : "") + m
        return (h > 0 ? h + ":" : "") + mm + ":" + (s < 10 ? "0" : "") + s
    }
    function openPreview(name) {
        panel.previewRows = panel.house ? panel.house.previewScene(name) : []
        panel.leftOut = ({})
        panel.previewName = name
        recallButton.forceActiveFocus()
    }
    function closePreview() {
        panel.previewName = ""
        panel.previewRows = []
    }
    function recallPreviewed() {
        var chosen = []
        var partial = false
        for (var i = 0; i < panel.previewRows.length; ++i) {
            var row = panel.previewRows[i]
            if (row.index < 0 || row.missing)
                continue
            if (panel.leftOut[row.name])
                partial = true
            else
                chosen.push(row.name)
        }
        if (!partial || chosen.length > 0)
            panel.house.recallScene(panel.previewName, partial ? chosen : [])
        closePreview()
    }
    function startSleep(minutes) {
        var output = scopeBox.currentIndex > 0 ? panel.outputsModel[scopeBox.currentIndex - 1] : null
        if (output)
            panel.house.setSleepTimerForOutput(minutes * 60, output.index)
        else
            panel.house.setSleepTimer(minutes * 60)
    }

    color: currentTheme.getColor("fill1")
    radius: 10 * scaleFactor

    PanelHeader {
        id: header
        anchors { left: parent.left; right: parent.right; top: parent.top }
        title: panel.previewName.length ? qsTr("Recall %1").arg(panel.previewName) : qsTr("House")
        onCloseRequested: panel.closeRequested()
    }

    Column {
        id: controls
        visible: !panel.previewName.length
        anchors { left: parent.left; right: parent.right; top: header.bottom; margins: 12 * scaleFactor }
        spacing: 8 * scaleFactor

        Flow {
            width: parent.width
            spacing: 8 * scaleFactor
            PopupButton {
                id: allOffButton
                objectName: "allOffButton"
                text: qsTr("All off")
                enabled: panel.linkUp
                highlighted: true
                onClicked: panel.house.allOff()
            }
            PopupButton {
                objectName: "resumeButton"
                text: qsTr("Resume")
                enabled: panel.linkUp && panel.house && panel.house.allOffActive
                onClicked: panel.house.resume()
            }
            PopupButton {
                objectName: "undoButton"
                text: qsTr("Undo")
                enabled: panel.linkUp && panel.house && panel.house.canUndo
                onClicked: panel.house.undo()
            }
            PopupButton {
                objectName: "redoButton"
                text: qsTr("Redo")
                enabled: panel.linkUp && panel.house && panel.house.canRedo
                onClicked: panel.house.redo()
            }
        }

        Text {
            textFormat: Text.PlainText
            text: qsTr("Sleep timer")
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize14
            font.bold: true
            color: currentTheme.getColor("text1")
        }
        Row {
            spacing: 8 * scaleFactor
            ComboBox {
                id: scopeBox
                objectName: "sleepScope"
                width: 170 * scaleFactor
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize12
                model: {
                    var names = [qsTr("Whole house")]
                    for (var i = 0; i < panel.outputsModel.length; ++i)
                        names.push(panel.outputsModel[i].name)
                    return names
                }
                Accessible.name: qsTr("Sleep timer for")
                contentItem: Text {
                    textFormat: Text.PlainText
                    leftPadding: 10 * scaleFactor
                    rightPadding: scopeBox.indicator.width
                    text: scopeBox.displayText
                    font: scopeBox.font
                    elide: Text.ElideRight
                    verticalAlignment: Text.AlignVCenter
                    color: currentTheme.getColor("text1")
                }
                background: Rectangle {
                    implicitHeight: 36 * scaleFactor
                    radius: 6 * scaleFactor
                    color: currentTheme.getColor("fill3")
                    border.width: scopeBox.activeFocus && FocusFrames.shown ? 2 * scaleFactor : 0
                    border.color: currentTheme.getColor("text1")
                }
            }
            Text {
                textFormat: Text.PlainText
                objectName: "sleepCountdown"
                anchors.verticalCenter: parent.verticalCenter
                visible: !!panel.house && panel.house.sleepRemaining > 0
                text: panel.house ? qsTr("Off in %1").arg(panel.formatRemaining(panel.house.sleepRemaining)) : ""
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize14
                font.bold: true
                color: currentTheme.getColor("highlight1")
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
        }
        Flow {
            width: parent.width
            spacing: 8 * scaleFactor
            Repeater {
                model: [15, 30, 60, 90]
                PopupButton {
                    objectName: "sleep" + modelData
                    text: qsTr("%1 min").arg(modelData)
                    enabled: panel.linkUp
                    onClicked: panel.startSleep(modelData)
                }
            }
            TextField {
                id: customMinutes
                objectName: "sleepCustom"
                width: 80 * scaleFactor
                height: 36 * scaleFactor
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize14
                color: currentTheme.getColor("text1")
                placeholderText: qsTr("min")
                placeholderTextColor: currentTheme.getColor("text2")
                validator: IntValidator { bottom: 1; top: 1440 }
                Accessible.name: qsTr("Custom sleep time in minutes")
                onAccepted: if (acceptableInput && panel.linkUp) panel.startSleep(parseInt(text))
                background: Rectangle {
                    color: currentTheme.getColor("fill1")
                    radius: 4 * scaleFactor
                    border.color: customMinutes.activeFocus ? currentTheme.getColor("highlight1") : currentTheme.getColor("fill7")
                }
            }
            PopupButton {
                objectName: "sleepStart"
                text: qsTr("Start")
                enabled: panel.linkUp && customMinutes.acceptableInput
                onClicked: panel.startSleep(parseInt(customMinutes.text))
            }
            PopupButton {
                objectName: "sleepCancel"
                text: qsTr("Cancel timer")
                visible: !!panel.house && panel.house.sleepRemaining > 0
                onClicked: panel.house.setSleepTimer(0)
            }
        }

        Text {
            textFormat: Text.PlainText
            text: qsTr("Scenes")
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize14
            font.bold: true
            color: currentTheme.getColor("text1")
        }
        Row {
            width: parent.width
            spacing: 8 * scaleFactor
            TextField {
                id: sceneName
                objectName: "sceneName"
                width: parent.width - saveButton.width - parent.spacing
                height: 36 * scaleFactor
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize14
                color: currentTheme.getColor("text1")
                placeholderText: qsTr("Name of a new scene")
                placeholderTextColor: currentTheme.getColor("text2")
                maximumLength: 64
                selectByMouse: true
                Accessible.name: qsTr("Scene name")
                onAccepted: saveButton.clicked()
                background: Rectangle {
                    color: currentTheme.getColor("fill1")
                    radius: 4 * scaleFactor
                    border.color: sceneName.activeFocus ? currentTheme.getColor("highlight1") : currentTheme.getColor("fill7")
                }
            }
            PopupButton {
                id: saveButton
                objectName: "saveSceneButton"
                text: qsTr("Save")
                enabled: panel.linkUp && !!panel.house && panel.house.hasDevice && sceneName.text.trim().length > 0
                onClicked: {
                    if (!enabled)
                        return
                    panel.house.saveScene(sceneName.text.trim())
                    sceneName.text = ""
                }
            }
        }
        Text {
            textFormat: Text.PlainText
            objectName: "houseReport"
            width: parent.width
            visible: text.length > 0
            text: panel.house ? panel.house.report : ""
            wrapMode: Text.Wrap
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize12
            color: currentTheme.getColor("highlight1")
        }
    }

    ListView {
        id: sceneList
        objectName: "sceneList"
        visible: !panel.previewName.length
        anchors { left: parent.left; right: parent.right; top: controls.bottom; bottom: fileRow.top; margins: 12 * scaleFactor }
        clip: true
        spacing: 4 * scaleFactor
        model: panel.house ? panel.house.sceneNames : []
        activeFocusOnTab: true
        keyNavigationEnabled: true
        Accessible.role: Accessible.List
        Accessible.name: qsTr("Scenes")
        ScrollBar.vertical: ScrollBar {}
        delegate: Rectangle {
            id: sceneRow
            objectName: "scene_" + modelData
            width: sceneList.width
            height: 44 * scaleFactor
            radius: 6 * scaleFactor
            color: ListView.isCurrentItem && sceneList.activeFocus ? currentTheme.getColor("fill3") : currentTheme.getColor("fill2")
            property bool renaming: false
            Accessible.role: Accessible.ListItem
            Accessible.name: modelData
            Keys.onReturnPressed: panel.openPreview(modelData)
            Keys.onDeletePressed: panel.house.deleteScene(modelData)
            Text {
                textFormat: Text.PlainText
                visible: !sceneRow.renaming
                anchors { left: parent.left; leftMargin: 12 * scaleFactor; right: rowButtons.left; verticalCenter: parent.verticalCenter }
                text: modelData
                elide: Text.ElideRight
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize14
                color: currentTheme.getColor("text1")
            }
            TextField {
                id: renameField
                visible: sceneRow.renaming
                anchors { left: parent.left; leftMargin: 8 * scaleFactor; right: rowButtons.left; verticalCenter: parent.verticalCenter }
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize14
                color: currentTheme.getColor("text1")
                maximumLength: 64
                Accessible.name: qsTr("New name of %1").arg(modelData)
                onAccepted: {
                    panel.house.renameScene(modelData, text.trim())
                    sceneRow.renaming = false
                }
                Keys.onEscapePressed: sceneRow.renaming = false
            }
            Row {
                id: rowButtons
                anchors { right: parent.right; rightMargin: 6 * scaleFactor; verticalCenter: parent.verticalCenter }
                spacing: 4 * scaleFactor
                PopupButton {
                    objectName: "recallButton"
                    text: qsTr("Recall…")
                    enabled: panel.linkUp
                    onClicked: panel.openPreview(modelData)
                }
                PopupButton {
                    objectName: "updateButton"
                    text: qsTr("Update")
                    enabled: panel.linkUp
                    onClicked: panel.house.saveScene(modelData)
                }
                PopupButton {
                    objectName: "renameButton"
                    text: qsTr("Rename")
                    onClicked: {
                        renameField.text = modelData
                        sceneRow.renaming = true
                        renameField.forceActiveFocus()
                        renameField.selectAll()
                    }
                }
                ToolIconButton {
                    objectName: "deleteButton"
                    iconSource: "qrc:/TavirelImgs/Images/delete.svg"
                    iconSize: 20 * scaleFactor
                    accessibleName: qsTr("Delete %1").arg(modelData)
                    onClicked: panel.house.deleteScene(modelData)
                }
            }
        }
        Text {
            textFormat: Text.PlainText
            anchors.centerIn: parent
            visible: sceneList.count === 0
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: panel.house && !panel.house.hasDevice ? qsTr("Connect a Tavirel to keep scenes for it.")
                                                        : qsTr("No scenes yet: set the house up, name it and save it.")
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize12
            color: currentTheme.getColor("text2")
        }
    }

    Row {
        id: fileRow
        visible: !panel.previewName.length
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; margins: 12 * scaleFactor }
        spacing: 8 * scaleFactor
        TextField {
            id: filePath
            objectName: "sceneFile"
            width: parent.width - importButton.width - exportButton.width - 2 * parent.spacing
            height: 36 * scaleFactor
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize12
            color: currentTheme.getColor("text1")
            placeholderText: qsTr("Scene file (JSON)")
            placeholderTextColor: currentTheme.getColor("text2")
            selectByMouse: true
            Accessible.name: qsTr("Scene file")
            background: Rectangle {
                color: currentTheme.getColor("fill1")
                radius: 4 * scaleFactor
                border.color: filePath.activeFocus ? currentTheme.getColor("highlight1") : currentTheme.getColor("fill7")
            }
        }
        PopupButton {
            id: importButton
            objectName: "importButton"
            text: qsTr("Import")
            enabled: filePath.text.length > 0 && !!panel.house && panel.house.hasDevice
            onClicked: panel.house.importScenes("file://" + filePath.text)
        }
        PopupButton {
            id: exportButton
            objectName: "exportButton"
            text: qsTr("Export")
            enabled: filePath.text.length > 0
            onClicked: panel.house.exportScenes("file://" + filePath.text)
        }
    }

    ListView {
        id: previewList
        objectName: "previewList"
        visible: panel.previewName.length > 0
        anchors { left: parent.left; right: parent.right; top: header.bottom; bottom: previewButtons.top; margins: 12 * scaleFactor }
        clip: true
        spacing: 4 * scaleFactor
        model: panel.previewRows
        activeFocusOnTab: true
        keyNavigationEnabled: true
        Accessible.role: Accessible.List
        Accessible.name: qsTr("Changes of the recall")
        ScrollBar.vertical: ScrollBar {}
        delegate: Rectangle {
            id: previewRow
            readonly property bool choosable: modelData.index >= 0 && !modelData.missing
            readonly property bool chosen: choosable && !panel.leftOut[modelData.name]
            function toggle() {
                if (!choosable)
                    return
                var left = Object.assign({}, panel.leftOut)
                left[modelData.name] = !left[modelData.name]
                panel.leftOut = left
            }
            objectName: "preview_" + modelData.name
            width: previewList.width
            height: previewColumn.implicitHeight + 16 * scaleFactor
            radius: 6 * scaleFactor
            color: ListView.isCurrentItem && previewList.activeFocus ? currentTheme.getColor("fill3") : currentTheme.getColor("fill2")
            opacity: previewRow.choosable && !previewRow.chosen ? 0.5 : 1.0
            Accessible.role: Accessible.CheckBox
            Accessible.checked: previewRow.chosen
            Accessible.name: modelData.name + ": " + modelData.changes.join(", ")
            Keys.onSpacePressed: previewRow.toggle()
            MouseArea { anchors.fill: parent; onClicked: previewRow.toggle() }
            Rectangle {
                id: box
                visible: previewRow.choosable
                anchors { left: parent.left; leftMargin: 10 * scaleFactor; verticalCenter: parent.verticalCenter }
                width: 18 * scaleFactor
                height: width
                radius: 3 * scaleFactor
                color: previewRow.chosen ? currentTheme.getColor("highlight1") : "transparent"
                border.color: currentTheme.getColor("highlight1")
                border.width: 2 * scaleFactor
            }
            Column {
                id: previewColumn
                anchors { left: box.right; leftMargin: 10 * scaleFactor; right: parent.right; rightMargin: 10 * scaleFactor; verticalCenter: parent.verticalCenter }
                Text {
                    textFormat: Text.PlainText
                    width: parent.width
                    text: modelData.name
                    elide: Text.ElideRight
                    font.family: "MorvaneUnicodePN"
                    font.pixelSize: fontSize14
                    font.bold: true
                    color: currentTheme.getColor("text1")
                }
                Text {
                    id: changesText
                    textFormat: Text.PlainText
                    width: parent.width
                    text: modelData.changes.length ? modelData.changes.join("\n") : qsTr("No change")
                    wrapMode: Text.Wrap
                    font.family: "MorvaneUnicodePN"
                    font.pixelSize: fontSize12
                    color: modelData.missing ? currentTheme.getColor("highlight1") : currentTheme.getColor("text2")
                }
            }
        }
    }
    Row {
        id: previewButtons
        visible: panel.previewName.length > 0
        anchors { right: parent.right; bottom: parent.bottom; margins: 12 * scaleFactor }
        spacing: 8 * scaleFactor
        PopupButton {
            objectName: "previewCancel"
            text: qsTr("Cancel")
            onClicked: panel.closePreview()
        }
        PopupButton {
            id: recallButton
            objectName: "previewRecall"
            text: qsTr("Recall")
            highlighted: true
            enabled: panel.linkUp
            onClicked: panel.recallPreviewed()
        }
    }
}
