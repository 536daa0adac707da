import QtQuick 2.15
import com.morvane.logic 1.0

PopupFrame {
    id: popup
    property bool alreadySaved: true
    property Device deviceRef: null
    property string bodyMessage: ""
    signal confirmConnection(bool alreadySaved, Device deviceRef)
    signal close()

    PopupMessage { text: popup.bodyMessage }
    PopupMessage {
        visible: popup.deviceRef !== null
        color: currentTheme.getColor("text1")
        text: !popup.deviceRef ? ""
              : popup.deviceRef.displayName() === popup.deviceRef.localIp ? popup.deviceRef.localIp
              : popup.deviceRef.displayName() + "  ·  " + popup.deviceRef.localIp
    }

    // The controller closes the popup when it connects.
    onAccepted: popup.confirmConnection(popup.alreadySaved, popup.deviceRef)
    onRejected: popup.close()
}
