import QtQuick 2.15

PopupFrame {
    id: dialog
    property string bodyMessage: ""
    property string playlistUri: ""
    // The present name, offered for editing when renaming.
    property string playlistName: ""
    initialFocus: nameField
    signal createPlaylist(string name)
    signal renamePlaylist(string uri, string name)
    signal requireKeyboard()
    signal dismissKeyboard()
    signal close(Item obj)

    okEnabled: nameField.text.trim().length > 0
    onPlaylistNameChanged: { nameField.text = playlistName; nameField.selectAll() }

    PopupMessage { text: dialog.bodyMessage }
    PopupField { id: nameField; objectName: "nameField"; label: qsTr("Name") }

    onAccepted: {
        if (dialog.playlistUri.length > 0)
            dialog.renamePlaylist(dialog.playlistUri, nameField.text.trim())
        else
            dialog.createPlaylist(nameField.text.trim())
        dialog.close(dialog)
    }
    onRejected: dialog.close(dialog)
}
