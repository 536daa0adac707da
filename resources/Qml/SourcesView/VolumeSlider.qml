import QtQuick 2.15
import ".."

// Volume of a source or an output, 0 to 100 in steps of 1.
HorizontalSlider {
    minimumValue: 0
    maximumValue: 100
    stepSize: 1
    knobSize: 18 * scaleFactor
}
