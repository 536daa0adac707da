import QtQuick 2.15
import ".."

// The outputs that play the selected source, with volume and mute, the way
// to their equalizer and to the choice of outputs.
Rectangle {
    id: panel
    property var selectedSource: null
    property bool isLandscapeMode: false
    property var tavirel: null
    // Nothing here may be changed while the device cannot hear it.
    enabled: !!tavirel && tavirel.linkUp
    signal selectItemForVolume(bool isOutput, var output)
    signal requestEqualizer(var output)
    signal requestSelector()
    signal closeRequested()

    color: isLandscapeMode ? currentTheme.getColor("fill1") : "transparent"
    radius: isLandscapeMode ? 10 * scaleFactor : 0
    implicitHeight: header.height + Math.max(list.contentHeight, 40 * scaleFactor) + 8 * scaleFactor

    PanelHeader {
        id: header
        anchors { left: parent.left; right: parent.right; top: parent.top }
        title: qsTr("Outputs")
        color: panel.isLandscapeMode ? currentTheme.getColor("fill2") : "transparent"
        closeVisible: panel.isLandscapeMode
        onCloseRequested: panel.closeRequested()
        ToolIconButton {
            objectName: "outputSelectorButton"
            iconSource: "qrc:/TavirelImgs/Images/output.svg"
            iconSize: 22 * scaleFactor
            enabled: panel.selectedSource !== null
            accessibleName: qsTr("Choose outputs")
            onClicked: panel.requestSelector()
        }
    }
    ListView {
        id: list
        objectName: "playerOutputs"
        anchors { left: parent.left; right: parent.right; top: header.bottom; bottom: parent.bottom }
        interactive: panel.isLandscapeMode
        clip: true
        model: panel.selectedSource ? panel.selectedSource.linkedOutputsModel : null
        delegate: LinkedOutputRow {
            width: list.width
            output: model.output
            tavirel: panel.tavirel
            onVolumeTouched: panel.selectItemForVolume(true, output)
            onEqualizerOpened: panel.requestEqualizer(output)
        }
        Text {
            textFormat: Text.PlainText
            anchors { top: parent.top; topMargin: 12 * scaleFactor; horizontalCenter: parent.horizontalCenter }
            visible: list.count === 0
            text: qsTr("No output plays this source")
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize12
            color: currentTheme.getColor("text2")
        }
    }
}
