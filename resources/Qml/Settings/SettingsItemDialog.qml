import QtQuick 2.15
import com.morvane.translations 1.0

// The choice of the kind of element to add to a list (a network share, a
// music service).
ChoiceDialogFrame {
    id: dialog
    objectName: "settingsItemDialog"
    property var listModel: []
    signal addSettingsItem(string type)
    signal close(Item obj)

    DynamicTranslator { id: translator }

    choices: {
        var out = []
        for (var i = 0; i < listModel.length; ++i)
            out.push(translator.translate(listModel[i]) || listModel[i])
        return out
    }
    onChosen: {
        dialog.close(dialog)
        dialog.addSettingsItem(listModel[index])
    }
    onCancelled: dialog.close(dialog)
}
