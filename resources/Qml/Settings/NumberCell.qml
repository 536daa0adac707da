import QtQuick 2.15

// A number setting: title and value above a slider. A setting the device
// has not given shows "–" until the slider is moved.
SettingsRow {
    id: cell
    property var currentValue: undefined
    property int minimumValue: 0
    property int maximumValue: 100
    property int stepSize: 1
    // Shown after the value, such as "dB".
    property string unit: ""
    readonly property string shownValue: hasValue ? Math.round(currentValue) + (unit ? " " + unit : "") : ""
    readonly property bool hasValue: currentValue !== undefined && currentValue !== null
    readonly property string title: textLabel
    signal valueChanged(var value)

    textLabel: ""
    labelsShown: false
    height: 80 * scaleFactor
    Accessible.role: Accessible.Slider
    Accessible.name: title + ", " + (hasValue ? shownValue : qsTr("not set"))
    onActiveFocusChanged: if (activeFocus) slider.forceActiveFocus()

    Item {
        parent: cell
        anchors { left: parent.left; right: parent.right; top: parent.top; topMargin: 10 * scaleFactor; leftMargin: 16 * scaleFactor; rightMargin: 16 * scaleFactor }
        height: titleText.implicitHeight
        Text {
            id: titleText
            textFormat: Text.PlainText
            anchors.left: parent.left
            anchors.right: valueText.left
            text: cell.title
            elide: Text.ElideRight
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize14
            color: currentTheme.getColor("text1")
        }
        Text {
            id: valueText
            textFormat: Text.PlainText
            anchors.right: parent.right
            text: cell.hasValue ? cell.shownValue : "\u2013"
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize14
            color: currentTheme.getColor("text2")
        }
    }
    SettingsSlider {
        id: slider
        parent: cell
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; leftMargin: 10 * scaleFactor; rightMargin: 10 * scaleFactor; bottomMargin: 6 * scaleFactor }
        minimumValue: cell.minimumValue
        maximumValue: cell.maximumValue
        stepSize: cell.stepSize > 0 ? cell.stepSize : 1
        value: cell.hasValue ? cell.currentValue : cell.minimumValue
        opacity: cell.hasValue ? 1 : 0.6
        Accessible.name: cell.Accessible.name
        onMoved: {
            cell.currentValue = Math.round(value)
            cell.valueChanged(cell.currentValue)
        }
    }
}
