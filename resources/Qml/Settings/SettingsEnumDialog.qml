import QtQuick 2.15

// The choice among an enumeration's values (a country, for instance).
ChoiceDialogFrame {
    id: dialog
    objectName: "settingsEnumDialog"
    property var valuesModel: []
    property var labelsModel: []
    property var currentValue
    signal valueChanged(var val, string label)
    signal close()

    choices: labelsModel
    currentChoice: valuesModel.indexOf(currentValue)
    onChosen: {
        dialog.valueChanged(valuesModel[index], labelsModel[index])
        dialog.close()
    }
    onCancelled: dialog.close()
}
