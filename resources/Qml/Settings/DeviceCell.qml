import QtQuick 2.15
import com.morvane.tavirelint 1.0
import ".."

// One device row of the device finder: picture, name and detail, a mark on
// the selected device (saying whether it is connected), and an optional
// remove button.
// Enter or Space pick the row, Delete removes it.
Item {
    id: cell
    property string textLabel: ""
    property string detailTextLabel: ""
    property url imgSource: ""
    property bool connectionFlag: false
    // The device the application controls, connected or not.
    property bool selected: false
    property bool removeEnabled: false
    // A placeholder row: muted text, nothing to pick.
    property bool placeholder: false
    signal clicked()
    signal removeItem()

    width: parent ? parent.width : 0
    // A placeholder line may need more room in a longer language.
    height: placeholder ? Math.max(44 * scaleFactor, texts.implicitHeight + 20 * scaleFactor) : 60 * scaleFactor
    activeFocusOnTab: !placeholder
    Accessible.role: placeholder ? Accessible.StaticText : Accessible.Button
    Accessible.name: textLabel + (detailTextLabel ? ", " + detailTextLabel : "")
                     + (connectionFlag ? ", " + qsTr("connected") : selected ? ", " + qsTr("selected") : "")
    Accessible.onPressAction: if (!placeholder) cell.clicked()
    Keys.onSpacePressed: if (!placeholder) cell.clicked()
    Keys.onReturnPressed: if (!placeholder) cell.clicked()
    Keys.onEnterPressed: if (!placeholder) cell.clicked()
    Keys.onDeletePressed: if (removeEnabled) cell.removeItem()

    // A placeholder sits on the page itself, not on a row's card.
    Rectangle {
        anchors.fill: parent
        visible: !cell.placeholder
        color: mouse.pressed ? currentTheme.getColor("fill3") : currentTheme.getColor("fill2")
    }
    Rectangle {
        anchors.fill: parent
        anchors.margins: 2 * scaleFactor
        radius: 4 * scaleFactor
        color: "transparent"
        border.width: 2 * scaleFactor
        border.color: currentTheme.getColor("highlight1")
        visible: cell.activeFocus && FocusFrames.shown
    }
    MouseArea {
        id: mouse
        anchors.fill: parent
        enabled: !cell.placeholder
        onClicked: cell.clicked()
    }
    // One-colour icons in the theme's highlight, so they follow the theme.
    TintedIcon {
        id: picture
        anchors { left: parent.left; leftMargin: 16 * scaleFactor; verticalCenter: parent.verticalCenter }
        icon: cell.imgSource.toString()
        colourName: "highlight1"
        visible: icon !== ""
        iconSize: 28 * scaleFactor
    }
    Column {
        id: texts
        anchors {
            left: picture.visible ? picture.right : parent.left
            leftMargin: 16 * scaleFactor
            right: accessories.left
            rightMargin: 8 * scaleFactor
            verticalCenter: parent.verticalCenter
        }
        spacing: 3 * scaleFactor
        Text {
            textFormat: Text.PlainText
            width: parent.width
            text: cell.textLabel
            elide: Text.ElideRight
            font.family: "MorvaneUnicodePN"
            font.pixelSize: cell.placeholder ? fontSize14 : fontSize16
            font.bold: cell.selected
            font.italic: cell.placeholder
            color: cell.placeholder ? currentTheme.getColor("text2") : currentTheme.getColor("text1")
            wrapMode: cell.placeholder ? Text.WordWrap : Text.NoWrap
            maximumLineCount: cell.placeholder ? 4 : 2
        }
        Text {
            textFormat: Text.PlainText
            width: parent.width
            visible: text !== ""
            text: cell.detailTextLabel
            elide: Text.ElideRight
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize12
            color: currentTheme.getColor("text2")
        }
    }
    Row {
        id: accessories
        anchors { right: parent.right; rightMargin: 12 * scaleFactor; verticalCenter: parent.verticalCenter }
        spacing: 8 * scaleFactor
        Text {
            textFormat: Text.PlainText
            objectName: "connectionMark"
            anchors.verticalCenter: parent.verticalCenter
            visible: cell.selected || cell.connectionFlag
            text: cell.connectionFlag ? qsTr("Connected") : qsTr("Selected")
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize12
            color: cell.connectionFlag ? currentTheme.getColor("highlight1") : currentTheme.getColor("text2")
        }
        Item {
            id: removeButton
            objectName: "removeButton"
            visible: cell.removeEnabled
            width: 36 * scaleFactor
            height: 36 * scaleFactor
            activeFocusOnTab: visible
            Accessible.role: Accessible.Button
            Accessible.name: qsTr("Remove %1").arg(cell.textLabel)
            Accessible.onPressAction: cell.removeItem()
            Keys.onSpacePressed: cell.removeItem()
            Keys.onReturnPressed: cell.removeItem()
            Keys.onEnterPressed: cell.removeItem()
            Rectangle {
                anchors.fill: parent
                radius: width / 2
                color: removeMouse.pressed ? currentTheme.getColor("fill3") : "transparent"
                border.width: removeButton.activeFocus && FocusFrames.shown ? 2 * scaleFactor : 0
                border.color: currentTheme.getColor("highlight1")
            }
            TintedIcon {
                anchors.centerIn: parent
                icon: "qrc:/TavirelImgs/Images/delete.svg"
                iconSize: 20 * scaleFactor
            }
            MouseArea {
                id: removeMouse
                anchors.fill: parent
                onClicked: cell.removeItem()
            }
        }
    }
    Rectangle {
        visible: !cell.placeholder
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; leftMargin: 16 * scaleFactor }
        height: Math.max(1, scaleFactor)
        color: currentTheme.getColor("fill7")
    }
}
