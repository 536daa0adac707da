import QtQuick 2.15

PopupFrame {
    id: dialog
    initialFocus: urlField
    signal addUrl(string url)
    signal requireKeyboard()
    signal dismissKeyboard()
    signal close(Item obj)
    // Has urlProblem(url): a URL it refuses is told under the field and
    // cannot be added.
    property var checker: null
    readonly property string problem: checker && urlField.text.trim().length > 0 ? checker.urlProblem(urlField.text) : ""

    okEnabled: urlField.text.trim().length > 0 && problem.length === 0
    errorText: problem

    PopupField { id: urlField; objectName: "urlField"; label: qsTr("Stream URL"); placeholder: "http://" }

    onAccepted: { dialog.addUrl(urlField.text.trim()); dialog.close(dialog) }
    onRejected: dialog.close(dialog)
}
