import QtQuick 2.15
import ".."

// Playback position in seconds; seeks once, when the user lets go.
HorizontalSlider {
    minimumValue: 0
    stepSize: 1
    sendWhileSliding: false
    knobSize: 14 * scaleFactor
    trackThickness: 3 * scaleFactor
    // Playback moves the position every second: only a report that matches
    // the new position ends the wait, or the usual hold time.
    holdTime: 2500
}
