import QtQuick 2.15
import com.morvane.logic 1.0

PopupFrame {
    id: popup
    property bool alreadySaved: false
    property Device deviceRef: null
    property string bodyMessage: ""
    initialFocus: userField
    signal confirmConnection(bool alreadySaved, Device deviceRef)
    signal authenticate(string username, string password)
    signal requireKeyboard()
    signal dismissKeyboard()
    signal close()
    // The known user name, filled in for the user.
    property alias username: userField.text

    // "|" separates the fields of the device's handshake.
    readonly property bool credentialsSendable: userField.text.indexOf("|") < 0 && passField.text.indexOf("|") < 0
    okEnabled: userField.text.length > 0 && credentialsSendable

    PopupMessage { text: popup.bodyMessage }
    PopupField {
        id: userField; objectName: "usernameField"; label: qsTr("Username")
        onTextChanged: popup.errorText = ""
    }
    PopupField {
        id: passField; objectName: "passwordField"; label: qsTr("Password"); password: true
        onTextChanged: popup.errorText = ""
    }

    PopupMessage {
        objectName: "credentialsMessage"
        visible: !popup.credentialsSendable
        text: qsTr("User name and password must not contain \"|\".")
        color: currentTheme.getColor("danger1")
    }

    // The controller closes the popup once it has taken the credentials, or
    // shows in errorText why it cannot.
    onAccepted: {
        if (popup.deviceRef) {
            popup.deviceRef.username = userField.text
            popup.deviceRef.password = passField.text
            popup.confirmConnection(popup.alreadySaved, popup.deviceRef)
        } else {
            popup.authenticate(userField.text, passField.text)
        }
    }
    onRejected: popup.close()
}
