import QtQuick 2.15
import ".."

// The device's outputs with volume, mute, the source each plays and the
// way to its equalizer; the header opens the routing matrix. The list fills
// the panel and builds only the rows on screen.
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

    OutputsHeader {
        id: header
        anchors { left: parent.left; right: parent.right; top: parent.top }
        onMatrixRequested: panel.requestSelector()
    }
    ListView {
        id: list
        objectName: "outputsList"
        anchors { left: parent.left; right: parent.right; top: header.bottom; bottom: parent.bottom }
        interactive: panel.isInteractive
        clip: true
        model: panel.modelInt
        delegate: OutputRow {
            width: list.width
            output: modelData
            tavirel: panel.tavirel
            onEqualizerOpened: panel.requestEqualizer(output)
        }
    }
}
