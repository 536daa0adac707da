import QtQuick 2.15
import com.morvane.tavirelint 1.0 as Tavirel
import "."

// The settings tab's first page: the selected device, its connection state
// and the way to add a device by hand.
Tavirel.SettingsView {
    id: view

    Column {
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: 16 * scaleFactor }
        spacing: 12 * scaleFactor

        Text {
            text: qsTr("Settings")
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize20
            font.bold: true
            color: currentTheme.getColor("text1")
        }

        Rectangle {
            width: parent.width
            height: deviceColumn.implicitHeight + 24 * scaleFactor
            radius: 8 * scaleFactor
            color: currentTheme.getColor("fill2")
            Row {
                anchors { left: parent.left; verticalCenter: parent.verticalCenter; margins: 12 * scaleFactor }
                spacing: 12 * scaleFactor
                Image {
                    anchors.verticalCenter: parent.verticalCenter
                    source: view.connected ? "qrc:/TavirelImgs/Images/online.svg" : "qrc:/TavirelImgs/Images/offline.svg"
                    sourceSize: Qt.size(22 * scaleFactor, 22 * scaleFactor)
                }
                Column {
                    id: deviceColumn
                    spacing: 4 * scaleFactor
                    Text {
                        objectName: "deviceTitle"
                        text: view.lastSelDevice ? (view.lastSelDevice.getPropDictionaryValue("name")
                                                    || view.lastSelDevice.serialNumber || qsTr("Tavirel"))
                                                 : qsTr("No Tavirel selected")
                        font.family: "MorvaneUnicodePN"
                        font.pixelSize: fontSize16
                        color: currentTheme.getColor("text1")
                    }
                    Text {
                        text: view.lastSelDevice ? view.lastSelDevice.localIp + ":" + view.lastSelDevice.localPort
                                                   + "  ·  " + (view.connected ? qsTr("Connected") : qsTr("Not connected"))
                                                 : qsTr("Add a Tavirel to start.")
                        font.family: "MorvaneUnicodePN"
                        font.pixelSize: fontSize12
                        color: currentTheme.getColor("text2")
                    }
                }
            }
        }

        PopupButton {
            objectName: "addDeviceButton"
            text: qsTr("Add Tavirel manually")
            highlighted: true
            onClicked: view.requestAddDevice()
        }
    }
}
