import QtQuick 2.15
import com.morvane.tavirelint 1.0

// Shared behaviour of every slider that sends values to a device.
// `value` is what the device last reported; the knob shows `knobValue`.
// While the user drags, at most one value goes out per `sendThreshold` ms,
// and the final one always goes out on release. Reports that arrive while
// the user holds the knob, or shortly after release with a value other than
// the one just sent, are stale and leave the knob where the user put it.
Item {
    id: slider
    property real value: 0
    property real minimumValue: 0
    property real maximumValue: 100
    property real stepSize: 1
    property bool rounding: true
    property int sendThreshold: 100
    // Whether values go out during the drag or only on release.
    property bool sendWhileSliding: true
    property bool sliding: false
    property double lastTimestamp: 0
    // How long after release a report of another value counts as stale.
    property int holdTime: 1000
    property bool vertical: false
    property real trackThickness: 4 * scaleFactor
    property real knobSize: 20 * scaleFactor
    property color trackColor: currentTheme.getColor("track1")
    property color fillColor: currentTheme.getColor("highlight1")
    property color knobColor: currentTheme.getColor("text1")
    property string accessibleName: ""

    property real knobValue: value
    property bool holding: false
    property var sentValue: undefined
    readonly property real ratio: maximumValue > minimumValue
                                  ? (knobValue - minimumValue) / (maximumValue - minimumValue) : 0

    signal newValueToSend(real value)

    implicitWidth: vertical ? knobSize + 8 * scaleFactor : 200 * scaleFactor
    implicitHeight: vertical ? 160 * scaleFactor : knobSize + 8 * scaleFactor
    activeFocusOnTab: true

    Accessible.role: Accessible.Slider
    Accessible.name: accessibleName.length ? accessibleName + ", " + Math.round(knobValue) : Math.round(knobValue)
    Accessible.focusable: true

    function quantize(v) {
        v = Math.max(minimumValue, Math.min(maximumValue, v))
        if (stepSize > 0)
            v = minimumValue + Math.round((v - minimumValue) / stepSize) * stepSize
        return rounding ? Math.round(v) : v
    }
    function send(v, now) {
        sentValue = v
        lastTimestamp = now
        trailing.stop()
        newValueToSend(v)
    }
    // The user put the knob on v at time now (ms).
    function userMoved(v, now) {
        if (!enabled)
            return
        if (!sliding) {
            sliding = true
            sentValue = undefined
            holdTimer.stop()
        }
        knobValue = quantize(v)
        if (!sendWhileSliding || knobValue === sentValue)
            return
        // The first value of a drag goes out at once.
        if (sentValue === undefined || now - lastTimestamp >= sendThreshold)
            send(knobValue, now)
        else if (!trailing.running)
            trailing.start()
    }
    // The user let go at time now (ms): the final value always goes out.
    function userReleased(now) {
        if (!enabled) {
            dropDrag()
            return
        }
        if (!sliding)
            return
        sliding = false
        trailing.stop()
        if (knobValue !== sentValue)
            send(knobValue, now)
        holding = true
        holdTimer.restart()
    }

    // A disabled slider drops the drag in hand: the knob shows only what the
    // device reported, never a value that could not be sent.
    function dropDrag() {
        sliding = false
        holding = false
        trailing.stop()
        holdTimer.stop()
        keyRelease.stop()
        knobValue = value
    }
    onEnabledChanged: if (!enabled) dropDrag()

    onValueChanged: {
        if (sliding)
            return
        if (holding) {
            if (quantize(value) !== sentValue)
                return
            holding = false
            holdTimer.stop()
        }
        knobValue = value
    }

    // A drag that pauses still delivers its value once the threshold allows.
    Timer {
        id: trailing
        interval: slider.sendThreshold
        onTriggered: if (slider.sliding && slider.knobValue !== slider.sentValue)
                         slider.send(slider.knobValue, Date.now())
    }
    Timer {
        id: holdTimer
        interval: slider.holdTime
        onTriggered: { slider.holding = false; slider.knobValue = slider.value }
    }
    // Keys move the knob by one step; a burst of presses ends like a release.
    Timer {
        id: keyRelease
        interval: slider.sendThreshold
        onTriggered: slider.userReleased(Date.now())
    }

    function valueAt(x, y) {
        var r = vertical ? 1 - (y - knobSize / 2) / Math.max(1, height - knobSize)
                         : (x - knobSize / 2) / Math.max(1, width - knobSize)
        return minimumValue + Math.max(0, Math.min(1, r)) * (maximumValue - minimumValue)
    }
    function moveTo(v) {
        userMoved(v, Date.now())
        keyRelease.restart()
    }
    function stepBy(steps) {
        userMoved(knobValue + steps * (stepSize > 0 ? stepSize : 1), Date.now())
        keyRelease.restart()
    }

    Keys.onPressed: {
        if (event.key === Qt.Key_Right || event.key === Qt.Key_Up) { stepBy(1); event.accepted = true }
        else if (event.key === Qt.Key_Left || event.key === Qt.Key_Down) { stepBy(-1); event.accepted = true }
        else if (event.key === Qt.Key_PageUp) { stepBy(10); event.accepted = true }
        else if (event.key === Qt.Key_PageDown) { stepBy(-10); event.accepted = true }
        else if (event.key === Qt.Key_Home) { moveTo(minimumValue); event.accepted = true }
        else if (event.key === Qt.Key_End) { moveTo(maximumValue); event.accepted = true }
    }

    Rectangle {
        id: track
        x: slider.vertical ? (slider.width - width) / 2 : slider.knobSize / 2
        y: slider.vertical ? slider.knobSize / 2 : (slider.height - height) / 2
        width: slider.vertical ? slider.trackThickness : slider.width - slider.knobSize
        height: slider.vertical ? slider.height - slider.knobSize : slider.trackThickness
        radius: slider.trackThickness / 2
        color: slider.trackColor
        Rectangle {
            radius: parent.radius
            color: slider.fillColor
            x: 0
            y: slider.vertical ? parent.height * (1 - slider.ratio) : 0
            width: slider.vertical ? parent.width : parent.width * slider.ratio
            height: slider.vertical ? parent.height * slider.ratio : parent.height
        }
    }
    Rectangle {
        id: knob
        objectName: "knob"
        width: slider.knobSize
        height: slider.knobSize
        radius: width / 2
        color: slider.knobColor
        border.width: slider.activeFocus && FocusFrames.shown ? 2 * scaleFactor : 0
        border.color: slider.fillColor
        x: slider.vertical ? (slider.width - width) / 2 : track.width * slider.ratio
        y: slider.vertical ? track.height * (1 - slider.ratio) : (slider.height - height) / 2
    }
    // Visible focus mark for keyboard users.
    Rectangle {
        anchors.fill: parent
        anchors.margins: -2 * scaleFactor
        color: "transparent"
        radius: 4 * scaleFactor
        border.width: slider.activeFocus && FocusFrames.shown ? 1 : 0
        border.color: slider.fillColor
        visible: slider.activeFocus && FocusFrames.shown
    }
    MouseArea {
        anchors.fill: parent
        anchors.margins: -6 * scaleFactor
        preventStealing: true
        onPressed: { slider.forceActiveFocus(); slider.userMoved(slider.valueAt(mouse.x - 6 * scaleFactor, mouse.y - 6 * scaleFactor), Date.now()) }
        onPositionChanged: if (pressed) slider.userMoved(slider.valueAt(mouse.x - 6 * scaleFactor, mouse.y - 6 * scaleFactor), Date.now())
        onReleased: slider.userReleased(Date.now())
        onCanceled: slider.userReleased(Date.now())
    }
}
