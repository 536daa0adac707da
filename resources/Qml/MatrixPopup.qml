import QtQuick 2.15

// Routing matrix: one row per output, one column per source. A tap on a
// cell routes that source to the output; the row's clear button detaches it.
Rectangle {
    id: matrix
    property var sourcesModel: []
    property var outputsModel: []
    signal setInputForOutput(var source, var output)
    signal closeRequested()

    readonly property real nameWidth: 120 * scaleFactor
    readonly property real cellSize: 52 * scaleFactor
    // What the matrix needs to show whole; its host may give it less and let it scroll.
    readonly property real fullWidth: nameWidth + (sourcesModel.length + 1) * cellSize + 16 * scaleFactor
    readonly property real fullHeight: 52 * scaleFactor + 44 * scaleFactor + outputsModel.length * cellSize + 24 * scaleFactor

    color: currentTheme.getColor("fill1")
    radius: 10 * scaleFactor

    PanelHeader {
        id: header
        anchors { left: parent.left; right: parent.right; top: parent.top }
        title: qsTr("Routing")
        onCloseRequested: matrix.closeRequested()
    }

    // Scrolls sideways when the sources do not fit; the rows scroll in their
    // own list, which builds only the rows on screen.
    Flickable {
        id: flick
        anchors { left: parent.left; right: parent.right; top: header.bottom; bottom: parent.bottom; margins: 8 * scaleFactor }
        contentWidth: grid.width
        contentHeight: height
        flickableDirection: Flickable.HorizontalFlick
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: grid
            width: Math.max(flick.width, matrix.nameWidth + (matrix.sourcesModel.length + 1) * matrix.cellSize)
            height: flick.height

            Row {
                id: columnTitles
                height: 44 * scaleFactor
                Item { width: matrix.nameWidth + matrix.cellSize; height: parent.height }
                Repeater {
                    model: matrix.sourcesModel
                    delegate: Text {
                        textFormat: Text.PlainText
                        width: matrix.cellSize
                        height: parent.height
                        text: modelData.name
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignBottom
                        wrapMode: Text.Wrap
                        maximumLineCount: 2
                        elide: Text.ElideRight
                        font.family: "MorvaneUnicodePN"
                        font.pixelSize: fontSize10
                        color: currentTheme.getColor("text2")
                    }
                }
            }
            ListView {
                id: rows
                objectName: "matrixRows"
                width: grid.width
                height: grid.height - columnTitles.height
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                model: matrix.outputsModel
                delegate: Row {
                    id: matrixRow
                    objectName: "matrixRow_" + output.index
                    property var output: modelData
                    property int routedIndex: output.selectedSource ? output.selectedSource.index : -1
                    height: matrix.cellSize
                    Text {
                        textFormat: Text.PlainText
                        width: matrix.nameWidth
                        height: parent.height
                        verticalAlignment: Text.AlignVCenter
                        text: matrixRow.output.name
                        elide: Text.ElideRight
                        font.family: "MorvaneUnicodePN"
                        font.pixelSize: fontSize14
                        color: currentTheme.getColor("text1")
                    }
                    ToolIconButton {
                        objectName: "clearRow_" + matrixRow.output.index
                        width: matrix.cellSize
                        height: matrix.cellSize
                        iconSource: "qrc:/TavirelImgs/Images/delete.svg"
                        iconSize: 18 * scaleFactor
                        enabled: matrixRow.routedIndex !== -1
                        accessibleName: qsTr("Disconnect %1").arg(matrixRow.output.name)
                        onClicked: matrix.setInputForOutput(null, matrixRow.output)
                    }
                    Repeater {
                        model: matrix.sourcesModel
                        delegate: Item {
                            id: cell
                            objectName: "cell_" + matrixRow.output.index + "_" + modelData.index
                            property bool routed: matrixRow.routedIndex === modelData.index
                            width: matrix.cellSize
                            height: matrix.cellSize
                            activeFocusOnTab: true
                            Accessible.role: Accessible.CheckBox
                            Accessible.checkable: true
                            Accessible.checked: routed
                            Accessible.name: qsTr("%1 plays %2").arg(matrixRow.output.name).arg(modelData.name)
                            Accessible.onPressAction: matrix.setInputForOutput(modelData, matrixRow.output)
                            Keys.onSpacePressed: matrix.setInputForOutput(modelData, matrixRow.output)
                            Rectangle {
                                anchors.centerIn: parent
                                width: parent.width - 10 * scaleFactor
                                height: width
                                radius: width / 2
                                color: cell.routed ? currentTheme.getColor("highlight1") : currentTheme.getColor("fill3")
                                border.width: cell.activeFocus ? 2 * scaleFactor : 0
                                border.color: currentTheme.getColor("text1")
                            }
                            MouseArea {
                                anchors.fill: parent
                                onClicked: { cell.forceActiveFocus(); matrix.setInputForOutput(modelData, matrixRow.output) }
                            }
                        }
                    }
                }
            }
        }
    }
}
