import QtQuick 2.15

// Dimmed backdrop with a centred card; popups put their content in `content`.
Item {
    id: frame
    anchors.fill: parent
    z: 100
    default property alias content: column.data
    property string headTitle: ""
    property string okBtnText: qsTr("OK")
    property string cancBtnText: qsTr("Cancel")
    property bool okEnabled: true
    signal accepted()
    signal rejected()

    Rectangle {
        anchors.fill: parent
        color: currentTheme.getColor("shadow1")
        opacity: 0.6
        MouseArea { anchors.fill: parent; onClicked: {} }
    }

    Rectangle {
        id: card
        anchors.centerIn: parent
        width: Math.min(parent.width - 32 * scaleFactor, 420 * scaleFactor)
        height: column.implicitHeight + buttons.height + 48 * scaleFactor
        radius: 10 * scaleFactor
        color: currentTheme.getColor("fill2")
        border.color: currentTheme.getColor("fill7")

        Column {
            id: column
            anchors { left: parent.left; right: parent.right; top: parent.top; margins: 16 * scaleFactor }
            spacing: 10 * scaleFactor
            Text {
                width: parent.width
                text: frame.headTitle
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize18
                font.bold: true
                color: currentTheme.getColor("text1")
                wrapMode: Text.WordWrap
            }
        }

        Row {
            id: buttons
            anchors { right: parent.right; bottom: parent.bottom; margins: 12 * scaleFactor }
            spacing: 10 * scaleFactor
            height: 36 * scaleFactor
            PopupButton { objectName: "cancelButton"; text: frame.cancBtnText; onClicked: frame.rejected() }
            PopupButton {
                objectName: "okButton"
                text: frame.okBtnText
                highlighted: true
                enabled: frame.okEnabled
                onClicked: frame.accepted()
            }
        }
    }
}
