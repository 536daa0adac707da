import QtQuick 2.15

PopupFrame {
    id: popup
    objectName: "addDevicePopup"
    initialFocus: ipField
    signal addDevice(string ip, string serial, string us, string pass)
    signal requireKeyboard()
    signal dismissKeyboard()
    signal close()

    // "|" separates the fields of the device's handshake.
    readonly property bool credentialsSendable: userField.text.indexOf("|") < 0 && passField.text.indexOf("|") < 0
    okEnabled: ipField.text.length > 0 && credentialsSendable
    // What the controller refuses is the address: "|" in the credentials
    // cannot reach it (see credentialsMessage).
    errorInContent: true

    PopupField {
        id: ipField; objectName: "ipField"; label: qsTr("Address (and port, if not 7550)")
        placeholder: qsTr("for example %1").arg("192.168.1.20:7550")
        onTextChanged: popup.errorText = ""
    }
    PopupMessage {
        objectName: "addressError"
        visible: popup.errorText.length > 0
        text: popup.errorText
        font.pixelSize: fontSize12
        color: currentTheme.getColor("danger1")
        Accessible.role: Accessible.AlertMessage
        Accessible.name: text
    }
    PopupField { id: serialField; objectName: "serialField"; label: qsTr("Serial number") }
    PopupField { id: userField; objectName: "usernameField"; label: qsTr("Username"); onTextChanged: popup.errorText = "" }
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

    // The controller closes the popup once the device is added, or shows in
    // errorText what is wrong with the address or credentials.
    onAccepted: popup.addDevice(ipField.text, serialField.text, userField.text, passField.text)
    onRejected: popup.close()
}
