import QtQuick 2.15
import ".."

// Asked when a settings page with unsaved edits is left: save them, discard
// them, or stay on the page.
PopupFrame {
    id: dialog
    objectName: "unsavedChangesDialog"
    property string bodyMessage: ""
    PopupMessage { text: dialog.bodyMessage }
}
