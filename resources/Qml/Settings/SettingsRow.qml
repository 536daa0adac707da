import QtQuick 2.15
import com.morvane.tavirelint 1.0
import ".."

// One row of the settings pages: a title, an optional detail line, an arrow
// for rows that open a page, an optional remove button, and room at the
// right for a control. Space or Enter activate it when it has the focus.
FocusScope {
    id: row
    property string textLabel: ""
    property string detailTextLabel: ""
    property bool arrowVisible: false
    property bool removeEnabled: false
    property bool clickable: arrowVisible
    // Rows that lay out their own title hide the common labels.
    property bool labelsShown: true
    property real trailingWidth: trailing.childrenRect.width
    default property alias trailingContent: trailing.data
    signal clicked()
    signal removeItem()

    // In a wide window the row keeps a readable width, centred, so that its
    // control stays near its label.
    readonly property real availableWidth: ListView.view ? ListView.view.width : (parent ? parent.width : 0)
    width: Math.min(availableWidth, 720 * scaleFactor)
    x: (availableWidth - width) / 2
    height: Math.max(52 * scaleFactor, labels.implicitHeight + 20 * scaleFactor)
    activeFocusOnTab: true
    Accessible.role: row.clickable ? Accessible.Button : Accessible.ListItem
    Accessible.name: row.detailTextLabel.length > 0 ? row.textLabel + ", " + row.detailTextLabel : row.textLabel
    Accessible.onPressAction: if (row.clickable) row.clicked()
    Keys.onSpacePressed: if (row.clickable) row.clicked()
    Keys.onReturnPressed: if (row.clickable) row.clicked()
    Keys.onEnterPressed: if (row.clickable) row.clicked()
    Keys.onDeletePressed: if (row.removeEnabled) row.removeItem()

    Rectangle {
        anchors.fill: parent
        color: mouse.pressed ? currentTheme.getColor("fill3") : currentTheme.getColor("fill2")
    }
    Rectangle {
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; leftMargin: 16 * scaleFactor }
        height: Math.max(1, scaleFactor)
        color: currentTheme.getColor("fill3")
    }
    Rectangle {
        anchors.fill: parent
        anchors.margins: 2 * scaleFactor
        color: "transparent"
        radius: 4 * scaleFactor
        border.width: 2 * scaleFactor
        border.color: currentTheme.getColor("highlight1")
        visible: row.activeFocus && FocusFrames.shown
    }
    MouseArea {
        id: mouse
        anchors.fill: parent
        enabled: row.clickable
        onClicked: { row.forceActiveFocus(); row.clicked() }
    }
    Column {
        id: labels
        visible: row.labelsShown
        anchors {
            left: parent.left; leftMargin: 16 * scaleFactor
            right: trailing.left; rightMargin: 8 * scaleFactor
            verticalCenter: parent.verticalCenter
        }
        Text {
            textFormat: Text.PlainText
            width: parent.width
            text: row.textLabel
            visible: text.length > 0
            elide: Text.ElideRight
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize14
            color: currentTheme.getColor("text1")
        }
        Text {
            textFormat: Text.PlainText
            width: parent.width
            text: row.detailTextLabel
            visible: text.length > 0
            wrapMode: Text.WordWrap
            maximumLineCount: 3
            elide: Text.ElideRight
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize12
            color: currentTheme.getColor("text2")
        }
    }
    Row {
        id: trailing
        anchors { right: arrow.visible ? arrow.left : (remove.visible ? remove.left : parent.right); rightMargin: 12 * scaleFactor; verticalCenter: parent.verticalCenter }
        spacing: 6 * scaleFactor
    }
    Item {
        id: remove
        visible: row.removeEnabled
        anchors { right: arrow.visible ? arrow.left : parent.right; rightMargin: 6 * scaleFactor; verticalCenter: parent.verticalCenter }
        width: 36 * scaleFactor
        height: 36 * scaleFactor
        activeFocusOnTab: visible
        Accessible.role: Accessible.Button
        Accessible.name: qsTr("Remove %1").arg(row.textLabel)
        Accessible.onPressAction: row.removeItem()
        Keys.onSpacePressed: row.removeItem()
        Keys.onReturnPressed: row.removeItem()
        TintedIcon {
            anchors.centerIn: parent
            icon: "qrc:/TavirelImgs/Images/delete.svg"
            iconSize: 22 * scaleFactor
        }
        Rectangle {
            anchors.fill: parent
            radius: 4 * scaleFactor
            color: "transparent"
            border.width: 2 * scaleFactor
            border.color: currentTheme.getColor("highlight1")
            visible: remove.activeFocus && FocusFrames.shown
        }
        MouseArea { anchors.fill: parent; onClicked: row.removeItem() }
    }
    Text {
        id: arrow
        textFormat: Text.PlainText
        visible: row.arrowVisible
        anchors { right: parent.right; rightMargin: 14 * scaleFactor; verticalCenter: parent.verticalCenter }
        text: "\u203A"
        font.family: "MorvaneUnicodePN"
        font.pixelSize: fontSize20
        color: currentTheme.getColor("text2")
    }
}
