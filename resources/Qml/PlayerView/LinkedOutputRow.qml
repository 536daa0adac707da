import QtQuick 2.15
import ".."

// One output that plays the shown source: volume, mute and its equalizer.
VolumeRow {
    id: row
    property var output: null
    property var tavirel: null
    signal volumeTouched(var output)
    signal equalizerOpened(var output)

    title: output ? output.name : ""
    volume: output ? output.volume : 0
    muted: output ? output.mute : false
    showEqualizer: true
    onVolumeRequested: {
        row.volumeTouched(row.output)
        if (row.tavirel && row.output)
            row.tavirel.actionSetVolumeForOutput(value, row.output.index)
    }
    onMuteRequested: if (row.tavirel && row.output) row.tavirel.actionSetMuteForOutput(mute, row.output.index)
    onEqualizerRequested: row.equalizerOpened(row.output)
}
