import QtQuick 2.15
import QtQuick.Controls 2.15

// Slider of the settings editor. The arrow keys move it by one step when it
// has the focus, PageUp and PageDown by a tenth, Home and End to the ends; moved() follows every change the user makes.
Slider {
    id: slider
    property real minimumValue: 0
    property real maximumValue: 100
    property bool rounding: true
    property real trackHeight: 4 * scaleFactor
    property real knobSize: 20 * scaleFactor
    // The value the user settled on: at release of a drag, or at once for a key.
    signal newValueToSend(real value)

    from: minimumValue
    to: maximumValue
    snapMode: Slider.SnapAlways
    activeFocusOnTab: true
    onPressedChanged: if (!pressed) newValueToSend(value)
    onMoved: if (!pressed) newValueToSend(value)
    implicitHeight: knobSize + 8 * scaleFactor
    // The arrows are the control's own; a page is a tenth of the range.
    function keyTo(v) {
        var clamped = Math.max(from, Math.min(to, v))
        if (stepSize > 0)
            clamped = from + Math.round((clamped - from) / stepSize) * stepSize
        if (clamped === value)
            return
        value = clamped
        newValueToSend(value)
    }
    Keys.onPressed: {
        var page = Math.max(stepSize, (to - from) / 10)
        if (event.key === Qt.Key_Home) keyTo(from)
        else if (event.key === Qt.Key_End) keyTo(to)
        else if (event.key === Qt.Key_PageUp) keyTo(value + page)
        else if (event.key === Qt.Key_PageDown) keyTo(value - page)
        else return
        event.accepted = true
    }

    background: Rectangle {
        x: slider.leftPadding
        y: slider.topPadding + slider.availableHeight / 2 - height / 2
        width: slider.availableWidth
        height: slider.trackHeight
        radius: height / 2
        color: currentTheme.getColor("track1")
        Rectangle {
            width: slider.visualPosition * parent.width
            height: parent.height
            radius: height / 2
            color: currentTheme.getColor("highlight1")
        }
    }
    handle: Rectangle {
        x: slider.leftPadding + slider.visualPosition * (slider.availableWidth - width)
        y: slider.topPadding + slider.availableHeight / 2 - height / 2
        width: slider.knobSize
        height: slider.knobSize
        radius: width / 2
        color: currentTheme.getColor("text1")
        border.width: slider.activeFocus ? 3 * scaleFactor : 1
        border.color: slider.activeFocus ? currentTheme.getColor("highlight1") : currentTheme.getColor("fill7")
    }
}
