import QtQuick 2.15
import ".."

// One output of the device: volume, mute, the source it plays and the way
// to its equalizer.
VolumeRow {
    id: row
    property var output: null
    property var tavirel: null
    signal equalizerOpened(var output)

    objectName: output ? "outputRow_" + output.index : ""
    title: output ? output.name : ""
    subtitle: output && output.selectedSource ? qsTr("Plays %1").arg(output.selectedSource.name) : qsTr("Silent")
    volume: output ? output.volume : 0
    muted: output ? output.mute : false
    showEqualizer: true
    onVolumeRequested: if (row.tavirel && row.output) row.tavirel.actionSetVolumeForOutput(value, row.output.index)
    onMuteRequested: if (row.tavirel && row.output) row.tavirel.actionSetMuteForOutput(mute, row.output.index)
    onEqualizerRequested: row.equalizerOpened(row.output)
}
