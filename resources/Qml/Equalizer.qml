import QtQuick 2.15

// Tone controls of one output: bass, middle, treble and loudness, -20 to 20.
// A slider reports its new setting when the user lets go of it; the four
// values then go out together.
Rectangle {
    id: eq
    property string title: ""
    property int bassValue: 0
    property int middleValue: 0
    property int trebleValue: 0
    property int loudnessValue: 0
    readonly property var labels: [qsTr("Bass"), qsTr("Middle"), qsTr("Treble"), qsTr("Loudness")]
    signal saveEqualizer(int bass, int middle, int treble, int loudness)
    signal closeRequested()

    color: currentTheme.getColor("fill1")
    radius: 10 * scaleFactor

    // The knobs, not the last reports, are what the user has set.
    function knobs() {
        return [repeater.itemAt(0), repeater.itemAt(1), repeater.itemAt(2), repeater.itemAt(3)].map(
                    function (column) { return column ? Math.round(column.slider.knobValue) : 0 })
    }
    function sendAll() {
        var k = knobs()
        eq.saveEqualizer(k[0], k[1], k[2], k[3])
    }

    PanelHeader {
        id: header
        anchors { left: parent.left; right: parent.right; top: parent.top }
        title: eq.title.length ? qsTr("Equalizer · %1").arg(eq.title) : qsTr("Equalizer")
        onCloseRequested: eq.closeRequested()
    }
    Row {
        anchors { top: header.bottom; bottom: parent.bottom; horizontalCenter: parent.horizontalCenter; topMargin: 12 * scaleFactor; bottomMargin: 12 * scaleFactor }
        spacing: 18 * scaleFactor
        Repeater {
            id: repeater
            // A fixed model: a new report must not rebuild the sliders under the user's hand.
            model: 4
            delegate: Column {
                property alias slider: vslider
                width: 60 * scaleFactor
                height: parent.height
                spacing: 6 * scaleFactor
                Text {
                    textFormat: Text.PlainText
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: (vslider.knobValue > 0 ? "+" : "") + Math.round(vslider.knobValue)
                    font.family: "MorvaneUnicodePN"
                    font.pixelSize: fontSize14
                    color: currentTheme.getColor("text1")
                }
                VerticalSlider {
                    id: vslider
                    objectName: "eqSlider" + index
                    anchors.horizontalCenter: parent.horizontalCenter
                    height: parent.height - 60 * scaleFactor
                    minimumValue: -20
                    maximumValue: 20
                    stepSize: 1
                    sendWhileSliding: false
                    value: [eq.bassValue, eq.middleValue, eq.trebleValue, eq.loudnessValue][index]
                    accessibleName: eq.labels[index]
                    onNewValueToSend: eq.sendAll()
                }
                Text {
                    textFormat: Text.PlainText
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: eq.labels[index]
                    font.family: "MorvaneUnicodePN"
                    font.pixelSize: fontSize12
                    color: currentTheme.getColor("text2")
                }
            }
        }
    }
}
