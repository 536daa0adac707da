import QtQuick 2.15
import com.morvane.tavirelint 1.0 as Tavirel
import ".."

// Stands in for the settings editor until the selected device's own settings
// have arrived: says so, tells why the last attempt failed, offers a retry.
Tavirel.NavigationView {
    id: page
    property bool loading: false
    property bool canRetry: false
    property string reason: ""
    signal requireRetry()

    Rectangle { anchors.fill: parent; color: currentTheme.getColor("fill1") }
    Column {
        anchors.centerIn: parent
        width: parent.width - 48 * scaleFactor
        spacing: 16 * scaleFactor
        CustomSpinner {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 40 * scaleFactor
            visible: page.loading
            running: page.loading && page.visible
        }
        Text {
            textFormat: Text.PlainText
            objectName: "unavailableText"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: page.loading ? qsTr("Reading the device's settings...")
                               : qsTr("The device's settings are not available yet.")
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize16
            color: currentTheme.getColor("text1")
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        Text {
            width: parent.width
            visible: !page.loading && text.length > 0
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            textFormat: Text.PlainText
            text: page.reason
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize12
            color: currentTheme.getColor("text2")
        }
        PopupButton {
            objectName: "retryButton"
            anchors.horizontalCenter: parent.horizontalCenter
            visible: page.canRetry && !page.loading
            text: qsTr("Retry")
            highlighted: true
            onClicked: page.requireRetry()
        }
    }
}
