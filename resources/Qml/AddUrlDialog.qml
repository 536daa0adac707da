import QtQuick 2.15

PopupFrame {
    id: dialog
    initialFocus: urlField
    signal addUrl(string url)
    signal requireKeyboard()
    signal dismissKeyboard()
    signal close(Item obj)

    okEnabled: urlField.text.trim().length > 0

    PopupField { id: urlField; objectName: "urlField"; label: qsTr("Stream URL"); placeholder: "http://" }

    onAccepted: { dialog.addUrl(urlField.text.trim()); dialog.close(dialog) }
    onRejected: dialog.close(dialog)
}
