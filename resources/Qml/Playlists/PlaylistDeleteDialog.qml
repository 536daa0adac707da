import QtQuick 2.15
import ".."

// Asks before a stored playlist is deleted or replaced.
PopupFrame {
    id: dialog
    property string playlistUri: ""
    property string bodyMessage: ""
    signal confirmDelete(string uri)
    signal close(Item obj)

    PopupMessage { text: dialog.bodyMessage }

    onAccepted: {
        dialog.confirmDelete(dialog.playlistUri)
        dialog.close(dialog)
    }
    onRejected: dialog.close(dialog)
}
