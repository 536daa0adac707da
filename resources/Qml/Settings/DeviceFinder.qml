import QtQuick 2.15
import com.morvane.tavirelint 1.0 as Tavirel
import com.morvane.logic 1.0
import ".." as Doc

// The device finder: devices found on the network, the saved devices and the
// way to add one by hand. Row indices: detected 2000 + position, saved their
// position in the saved list, the add row 1000.
Tavirel.DeviceFinderView {
    id: finder
    title: qsTr("Find a Tavirel")

    // The settings tab that pushed this page knows the selected device and
    // whether its link is up.
    readonly property Device selectedDevice: parent && parent.lastSelDevice ? parent.lastSelDevice : null
    readonly property bool linkUp: !!parent && (parent.connected === true
                                               || (!!parent.rootView && parent.rootView.connectionStatus === true))

    property var savedRows: []

    // Where the device answers and which one it is; saved rows add the
    // account they log in with.
    function rowDetail(device, saved) {
        var parts = []
        if (device.localIp)
            parts.push(device.localIp.indexOf(":") >= 0 ? "[" + device.localIp + "]:" + device.localPort
                                                        : device.localIp + ":" + device.localPort)
        if (device.serialNumber)
            parts.push(device.serialNumber)
        if (saved && device.username)
            parts.push(device.username)
        return parts.join("  ·  ")
    }
    function isSelected(device, saved) {
        if (!selectedDevice || !device)
            return false
        if (device.serialNumber !== selectedDevice.serialNumber)
            return false
        return !saved || device.username === selectedDevice.username
    }
    function isConnected(device, saved) {
        return linkUp && isSelected(device, saved)
    }
    function rebuild() {
        var rows = []
        var list = finder.savedDevices
        for (var j = 0; j < list.length; ++j)
            rows.push({ index: j, device: list[j] })
        savedRows = rows
    }

    // The saved row that the removal dialog asks about.
    property int removalIndex: -1
    property Device removalDevice: null
    function askRemoval(index, device) {
        removalIndex = index
        removalDevice = device
        removeDialog.forceActiveFocus()
    }
    function endRemoval(confirmed) {
        var index = removalIndex
        removalIndex = -1
        removalDevice = null
        if (confirmed)
            removeSavedDevAtIndex(index)
    }

    onSavedDevicesChanged: rebuild()
    Component.onCompleted: {
        loadSavedDevices()
        rebuild()
    }

    Rectangle { anchors.fill: parent; color: currentTheme.getColor("fill1") }

    Flickable {
        anchors.fill: parent
        contentHeight: sections.height + 16 * scaleFactor
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: sections
            // A readable width, centred, in a wide window.
            width: Math.min(parent.width, 720 * scaleFactor)
            x: (parent.width - width) / 2

            Text {
                objectName: "finderNotice"
                width: parent.width
                visible: finder.notice !== ""
                leftPadding: 16 * scaleFactor
                rightPadding: 16 * scaleFactor
                topPadding: 10 * scaleFactor
                bottomPadding: 10 * scaleFactor
                text: finder.notice
                textFormat: Text.PlainText
                wrapMode: Text.WordWrap
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize14
                color: currentTheme.getColor("text1")
                Accessible.role: Accessible.AlertMessage
                Accessible.name: text
            }

            Item {
                width: parent.width
                height: detectedHeader.height
                Doc.SectionHeader {
                    id: detectedHeader
                    text: qsTr("On this network")
                    Accessible.role: Accessible.Heading
                    Accessible.name: text
                }
                // Busy mark while the search runs: an open ring that turns.
                Canvas {
                    id: spinner
                    objectName: "discoverySpinner"
                    x: detectedHeader.width + 6 * scaleFactor
                    y: detectedHeader.topPadding + (detectedHeader.contentHeight - height) / 2
                    width: 14 * scaleFactor
                    height: 14 * scaleFactor
                    visible: finder.discoveryAvailable
                    Accessible.role: Accessible.Animation
                    Accessible.name: qsTr("Searching the network")
                    readonly property color stroke: currentTheme.getColor("highlight1")
                    onStrokeChanged: requestPaint()
                    onPaint: {
                        var ctx = getContext("2d")
                        ctx.reset()
                        ctx.lineWidth = 2 * scaleFactor
                        ctx.strokeStyle = stroke
                        ctx.beginPath()
                        ctx.arc(width / 2, height / 2, width / 2 - ctx.lineWidth, 0, Math.PI * 1.5)
                        ctx.stroke()
                    }
                    RotationAnimator on rotation {
                        running: spinner.visible
                        from: 0
                        to: 360
                        duration: 1000
                        loops: Animation.Infinite
                    }
                }
            }
            Repeater {
                id: detectedRepeater
                // Rows change one by one as devices announce themselves.
                model: finder.detectedModel
                delegate: DeviceCell {
                    objectName: "deviceRow" + (2000 + index)
                    textLabel: model.device ? model.device.displayName() : ""
                    detailTextLabel: model.device ? finder.rowDetail(model.device, false) : ""
                    imgSource: "qrc:/TavirelImgs/Images/device.svg"
                    connectionFlag: finder.isConnected(model.device, false)
                    selected: finder.isSelected(model.device, false)
                    onClicked: finder.connectToDevice(false, model.device)
                }
            }
            DeviceCell {
                objectName: "emptyDetectedRow"
                visible: detectedRepeater.count === 0
                placeholder: true
                textLabel: finder.discoveryAvailable
                           ? qsTr("Looking for Tavirels on this network…")
                           : qsTr("Network discovery is not available on this computer: add the Tavirel by its address")
            }

            Doc.SectionHeader {
                text: qsTr("Saved Tavirels")
                Accessible.role: Accessible.Heading
                Accessible.name: text
            }
            Repeater {
                model: finder.savedRows
                delegate: DeviceCell {
                    objectName: "deviceRow" + modelData.index
                    textLabel: modelData.device.displayName()
                    detailTextLabel: finder.rowDetail(modelData.device, true)
                    imgSource: "qrc:/TavirelImgs/Images/device.svg"
                    connectionFlag: finder.isConnected(modelData.device, true)
                    selected: finder.isSelected(modelData.device, true)
                    removeEnabled: true
                    onClicked: finder.connectToDevice(true, modelData.device)
                    onRemoveItem: finder.askRemoval(modelData.index, modelData.device)
                }
            }
            DeviceCell {
                objectName: "emptySavedRow"
                visible: finder.savedRows.length === 0
                placeholder: true
                textLabel: qsTr("No saved Tavirels yet")
            }

            Doc.SectionHeader {
                text: qsTr("Add by address")
                Accessible.role: Accessible.Heading
                Accessible.name: text
            }
            DeviceCell {
                objectName: "addDeviceRow"
                textLabel: qsTr("Add a Tavirel")
                detailTextLabel: qsTr("By its address, serial number and account")
                imgSource: "qrc:/TavirelImgs/Images/add.svg"
                onClicked: finder.showAddPopup(finder)
            }
        }
    }

    Doc.PopupFrame {
        id: removeDialog
        objectName: "removeDeviceDialog"
        visible: finder.removalDevice !== null
        headTitle: qsTr("Remove saved Tavirel")
        okBtnText: qsTr("Remove")
        onAccepted: finder.endRemoval(true)
        onRejected: finder.endRemoval(false)
        Doc.PopupMessage {
            textFormat: Text.PlainText
            text: finder.removalDevice
                  ? qsTr("Remove %1 (%2) from the saved Tavirels? Its user name and password are forgotten.")
                    .arg(finder.removalDevice.displayName())
                    .arg(finder.rowDetail(finder.removalDevice, true))
                  : ""
        }
    }
}
