import QtQuick 2.15

// A choice among listed values: shows the chosen label; a click asks for
// the choice list (openChoices), which the editor shows.
SettingsRow {
    id: cell
    property var currentValue
    property string currentLabel: ""
    property var valuesModel: []
    property var labelsModel: []
    signal valueChanged(var value)
    signal openChoices()

    arrowVisible: true
    detailTextLabel: currentLabel
    Accessible.role: Accessible.ComboBox
    onClicked: openChoices()
}
