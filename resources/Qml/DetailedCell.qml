import QtQuick 2.15
import com.morvane.tavirelint 1.0

// List row with a text, a detail text, an optional arrow and an accessory
// button (remove) on the right.
Rectangle {
    id: cell
    property string textLabel: ""
    property string detailTextLabel: ""
    property color textColor: currentTheme.getColor("text1")
    property color detailTextColor: currentTheme.getColor("text2")
    property bool arrowVisible: false
    property bool accessoryEnabled: false
    property bool removeEnabled: false
    property bool selected: false
    default property alias leading: leadingBox.data
    property real leadingWidth: 0
    signal accessoryClicked()
    signal clicked()
    signal removeItem()

    implicitHeight: 56 * scaleFactor
    color: selected ? currentTheme.getColor("fill3") : (mouse.pressed ? currentTheme.getColor("fill2") : "transparent")
    activeFocusOnTab: true

    Accessible.role: Accessible.ListItem
    Accessible.name: detailTextLabel.length ? textLabel + ", " + detailTextLabel : textLabel
    Accessible.selected: selected
    Accessible.onPressAction: cell.clicked()
    Keys.onReturnPressed: cell.clicked()
    Keys.onEnterPressed: cell.clicked()
    Keys.onSpacePressed: cell.clicked()
    Keys.onDeletePressed: if (cell.removeEnabled) cell.removeItem()

    Item {
        id: leadingBox
        anchors { left: parent.left; leftMargin: 12 * scaleFactor; verticalCenter: parent.verticalCenter }
        width: cell.leadingWidth
        height: parent.height
    }
    Column {
        anchors {
            left: leadingBox.right; leftMargin: cell.leadingWidth > 0 ? 10 * scaleFactor : 4 * scaleFactor
            right: trailing.left; rightMargin: 6 * scaleFactor
            verticalCenter: parent.verticalCenter
        }
        spacing: 2 * scaleFactor
        Text {
            textFormat: Text.PlainText
            width: parent.width
            text: cell.textLabel
            elide: Text.ElideRight
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize14
            font.bold: cell.selected
            color: cell.selected ? currentTheme.getColor("highlight1") : cell.textColor
        }
        Text {
            textFormat: Text.PlainText
            width: parent.width
            text: cell.detailTextLabel
            visible: text.length > 0
            elide: Text.ElideRight
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize12
            color: cell.detailTextColor
        }
    }
    MouseArea { id: mouse; anchors.fill: parent; onClicked: { cell.forceActiveFocus(); cell.clicked() } }
    Row {
        id: trailing
        anchors { right: parent.right; rightMargin: 6 * scaleFactor; verticalCenter: parent.verticalCenter }
        ToolIconButton {
            objectName: "removeButton"
            visible: cell.removeEnabled || cell.accessoryEnabled
            iconSource: "qrc:/TavirelImgs/Images/delete.svg"
            iconSize: 20 * scaleFactor
            accessibleName: qsTr("Remove %1").arg(cell.textLabel)
            onClicked: cell.removeEnabled ? cell.removeItem() : cell.accessoryClicked()
        }
        TintedIcon {
            visible: cell.arrowVisible
            anchors.verticalCenter: parent.verticalCenter
            icon: "qrc:/TavirelImgs/Images/arrow_down.svg"
            colourName: "text2"
            rotation: -90
            iconSize: 18 * scaleFactor
        }
    }
    Rectangle {
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; leftMargin: 12 * scaleFactor }
        height: 1
        color: currentTheme.getColor("fill3")
    }
    Rectangle {
        anchors.fill: parent
        color: "transparent"
        border.width: 2 * scaleFactor
        border.color: currentTheme.getColor("highlight1")
        visible: cell.activeFocus && FocusFrames.shown
    }
}
