import QtQuick 2.15
import ".."

// The device's outputs with volume, mute, the source each plays and the
// way to its equalizer; the header opens the routing matrix.
Rectangle {
    id: panel
    property bool isInteractive: true
    property var modelInt: []
    property bool canvasVisible: true
    property var tavirel: null
    // Nothing here may be changed while the device cannot hear it.
    enabled: !!tavirel && tavirel.linkUp
    signal requestSelectOutput(var output)
    signal requestEqualizer(var output)
    signal requestSelector()

    color: canvasVisible ? currentTheme.getColor("fill1") : "transparent"
    implicitHeight: header.height + list.contentHeight

    Item {
        id: header
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: 44 * scaleFactor
        SectionHeader { anchors.verticalCenter: parent.verticalCenter; text: qsTr("Outputs"); topPadding: 0 }
        ToolIconButton {
            objectName: "matrixButton"
            anchors { right: parent.right; rightMargin: 10 * scaleFactor; verticalCenter: parent.verticalCenter }
            iconSource: "qrc:/TavirelImgs/Images/matrix.svg"
            iconSize: 22 * scaleFactor
            accessibleName: qsTr("Routing matrix")
            onClicked: panel.requestSelector()
        }
    }
    ListView {
        id: list
        objectName: "outputsList"
        anchors { left: parent.left; right: parent.right; top: header.bottom; bottom: parent.bottom }
        interactive: panel.isInteractive
        clip: true
        model: panel.modelInt
        delegate: VolumeRow {
            objectName: "outputRow_" + modelData.index
            width: list.width
            title: modelData.name
            subtitle: modelData.selectedSource ? qsTr("Plays %1").arg(modelData.selectedSource.name) : qsTr("Silent")
            volume: modelData.volume
            muted: modelData.mute
            showEqualizer: true
            onVolumeRequested: if (panel.tavirel) panel.tavirel.actionSetVolumeForOutput(value, modelData.index)
            onMuteRequested: if (panel.tavirel) panel.tavirel.actionSetMuteForOutput(mute, modelData.index)
            onEqualizerRequested: panel.requestEqualizer(modelData)
        }
    }
}
