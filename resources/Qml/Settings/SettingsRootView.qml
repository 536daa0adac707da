import QtQuick 2.15
import com.morvane.tavirelint 1.0 as Tavirel

// The settings tab's first page: the selected device (its picture, name,
// address and whether the link is up) and the rows to the device's
// settings, the device finder, the colour themes and the terms.
Tavirel.SettingsRootView {
    id: root

    readonly property string deviceName: lastSelDevice
        ? lastSelDevice.displayName()
        : qsTr("No Tavirel selected")
    readonly property string deviceModel: lastSelDevice ? lastSelDevice.getPropDictionaryValue("model") : ""

    Rectangle { anchors.fill: parent; color: currentTheme.getColor("fill1") }

    Flickable {
        anchors.fill: parent
        contentHeight: column.height + 24 * scaleFactor
        clip: true

        Column {
            id: column
            // A readable width, centred, in a wide window.
            width: Math.min(parent.width, 720 * scaleFactor)
            x: (parent.width - width) / 2
            topPadding: 16 * scaleFactor

            Item {
                objectName: "deviceCard"
                width: parent.width
                height: card.height + 16 * scaleFactor
                Accessible.role: Accessible.StaticText
                Accessible.name: root.deviceName + ", " + statusText.text

                Rectangle {
                    id: card
                    anchors { left: parent.left; right: parent.right; margins: 12 * scaleFactor }
                    height: 96 * scaleFactor
                    radius: 8 * scaleFactor
                    color: currentTheme.getColor("fill2")

                    Image {
                        id: picture
                        asynchronous: true
                        anchors { left: parent.left; leftMargin: 12 * scaleFactor; verticalCenter: parent.verticalCenter }
                        width: 96 * scaleFactor
                        height: 72 * scaleFactor
                        fillMode: Image.PreserveAspectFit
                        sourceSize: Qt.size(width, height)
                        source: root.deviceModel.toLowerCase().indexOf("rack") >= 0
                                ? "qrc:/TavirelImgs/Images/model_rack.svg"
                                : "qrc:/TavirelImgs/Images/model_compact.svg"
                        opacity: root.lastSelDevice ? 1 : 0.4
                    }
                    Column {
                        anchors { left: picture.right; leftMargin: 12 * scaleFactor; right: parent.right; rightMargin: 12 * scaleFactor; verticalCenter: parent.verticalCenter }
                        spacing: 4 * scaleFactor
                        Text {
                            textFormat: Text.PlainText
                            objectName: "deviceTitle"
                            width: parent.width
                            text: root.deviceName
                            elide: Text.ElideRight
                            font.family: "MorvaneUnicodePN"
                            font.pixelSize: fontSize16
                            font.bold: true
                            color: currentTheme.getColor("text1")
                        }
                        Text {
                            textFormat: Text.PlainText
                            width: parent.width
                            visible: text.length > 0
                            text: root.lastSelDevice
                                  ? root.lastSelDevice.localIp + ":" + root.lastSelDevice.localPort
                                    + (root.deviceModel.length > 0 ? "  ·  " + root.deviceModel : "")
                                  : qsTr("Find a Tavirel on your network or add one by hand.")
                            wrapMode: Text.WordWrap
                            font.family: "MorvaneUnicodePN"
                            font.pixelSize: fontSize12
                            color: currentTheme.getColor("text2")
                        }
                        Row {
                            visible: root.lastSelDevice !== null
                            spacing: 6 * scaleFactor
                            Image {
                                anchors.verticalCenter: parent.verticalCenter
                                asynchronous: true
                                source: root.connectionStatus ? "qrc:/TavirelImgs/Images/online.svg"
                                                              : "qrc:/TavirelImgs/Images/offline.svg"
                                sourceSize: Qt.size(16 * scaleFactor, 16 * scaleFactor)
                            }
                            Text {
                                id: statusText
                                textFormat: Text.PlainText
                                objectName: "connectionText"
                                text: root.connectionStatus ? qsTr("Connected") : qsTr("Not connected")
                                font.family: "MorvaneUnicodePN"
                                font.pixelSize: fontSize12
                                color: root.connectionStatus ? currentTheme.getColor("accent2")
                                                             : currentTheme.getColor("text2")
                            }
                        }
                    }
                }
            }

            SettingsRow {
                objectName: "deviceSettingsRow"
                textLabel: qsTr("Device settings")
                detailTextLabel: root.connectionStatus ? qsTr("Outputs, sources, storage and services")
                                                       : qsTr("Available while connected")
                arrowVisible: true
                enabled: root.connectionStatus
                opacity: enabled ? 1 : 0.5
                onClicked: root.requirePushSettingsEditor()
            }
            SettingsRow {
                objectName: "deviceFinderRow"
                textLabel: qsTr("Find a Tavirel")
                detailTextLabel: qsTr("Devices on your network and saved devices")
                arrowVisible: true
                onClicked: root.requirePushDeviceFinder()
            }
            SettingsRow {
                objectName: "themeRow"
                textLabel: qsTr("Colour theme")
                arrowVisible: true
                onClicked: root.requirePushThemeSel()
            }
            SettingsRow {
                objectName: "termsRow"
                textLabel: qsTr("Terms and conditions")
                arrowVisible: true
                onClicked: root.requirePushTermsAndCond()
            }
            SwitchCell {
                objectName: "closeToTrayRow"
                textLabel: qsTr("Close to the panel")
                detailTextLabel: qsTr("Closing the window keeps Tavirel in the desktop panel")
                currentValue: root.closeToTray
                onValueChanged: root.closeToTray = value
            }
            SwitchCell {
                objectName: "trackNotificationsRow"
                textLabel: qsTr("Track notifications")
                detailTextLabel: qsTr("Tell on the desktop when the player moves to another track")
                currentValue: root.trackNotifications
                onValueChanged: root.trackNotifications = value
            }
            SettingsRow {
                objectName: "shortcutsRow"
                textLabel: qsTr("Keyboard shortcuts")
                arrowVisible: true
                onClicked: root.requirePushShortcuts()
            }
        }
    }
}
