import QtQuick 2.15
import ".."

// Which outputs play the chosen source: ticking an output routes the source
// to it, unticking detaches it.
Rectangle {
    id: selector
    property var selSource: null
    property var outputsModel: []
    signal setInputForOutput(var source, var output)
    signal closeRequested()

    color: currentTheme.getColor("fill1")
    radius: 10 * scaleFactor

    PanelHeader {
        id: header
        anchors { left: parent.left; right: parent.right; top: parent.top }
        title: selector.selSource ? qsTr("Outputs for %1").arg(selector.selSource.name) : qsTr("Outputs")
        onCloseRequested: selector.closeRequested()
    }
    ListView {
        id: list
        objectName: "selectorList"
        anchors { left: parent.left; right: parent.right; top: header.bottom; bottom: parent.bottom }
        clip: true
        model: selector.outputsModel
        delegate: DetailedCell {
            id: row
            objectName: "selectorRow_" + modelData.index
            property bool ticked: selector.selSource !== null && modelData.selectedSource !== null
                                  && modelData.selectedSource.index === selector.selSource.index
            width: list.width
            textLabel: modelData.name
            detailTextLabel: ticked ? qsTr("Playing this source")
                                    : (modelData.selectedSource ? qsTr("Playing %1").arg(modelData.selectedSource.name)
                                                                : qsTr("Silent"))
            leadingWidth: 26 * scaleFactor
            Accessible.role: Accessible.CheckBox
            Accessible.checkable: true
            Accessible.checked: ticked
            Rectangle {
                anchors.verticalCenter: parent.verticalCenter
                width: 22 * scaleFactor
                height: width
                radius: 4 * scaleFactor
                color: row.ticked ? currentTheme.getColor("highlight1") : "transparent"
                border.width: 2 * scaleFactor
                border.color: row.ticked ? currentTheme.getColor("highlight1") : currentTheme.getColor("text2")
                Text {
                    textFormat: Text.PlainText
                    anchors.centerIn: parent
                    visible: row.ticked
                    text: "\u2713"
                    font.pixelSize: fontSize14
                    font.bold: true
                    color: currentTheme.getColor("fill1")
                }
            }
            onClicked: selector.setInputForOutput(ticked ? null : selector.selSource, modelData)
        }
    }
}
