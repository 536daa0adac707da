import QtQuick 2.15
import com.morvane.tavirelint 1.0
import QtQuick.Window 2.15

// Routing matrix: one row per output, one column per source. A tap on a
// cell routes that source to the output; the row's clear button detaches it.
// From the keyboard the arrows move between cells and Space or Return
// toggles one: on, it routes the source; off, it detaches the output.
Rectangle {
    id: matrix
    property var sourcesModel: []
    property var outputsModel: []
    signal setInputForOutput(var source, var output)
    signal closeRequested()
    // The cell the keyboard starts on: the first output's routed source.
    readonly property Item initialFocus: {
        var row = rows.count > 0 ? rows.itemAtIndex(0) : null
        return row ? row.cellAt(Math.max(0, row.routedColumn)) : null
    }

    // The rows' outputs and the columns' sources: the device hands over new
    // lists at every change, but rows and cells are built again only when
    // the objects differ, so that the cell with the keyboard stays.
    property var rowOutputs: []
    property var columnSources: []
    function kept(old, list) {
        var same = old.length === list.length
        for (var i = 0; same && i < list.length; ++i)
            same = old[i] === list[i]
        if (same)
            return old
        var copy = []
        for (var j = 0; j < list.length; ++j)
            copy.push(list[j])
        return copy
    }
    onOutputsModelChanged: rebuild(function() { rowOutputs = kept(rowOutputs, outputsModel) })
    onSourcesModelChanged: rebuild(function() { columnSources = kept(columnSources, sourcesModel) })
    // The cell that last had the keyboard, found again after a rebuild.
    property int keyRow: 0
    property int keyColumn: 0
    function rebuild(change) {
        var focus = matrix.Window.activeFocusItem
        var hadKeys = !!focus && String(focus.objectName).indexOf("cell_") === 0
        change()
        if (hadKeys)
            Qt.callLater(function() { rows.forceLayout(); focusCell(keyRow, keyColumn) })
    }
    Component.onCompleted: {
        rowOutputs = kept(rowOutputs, outputsModel)
        columnSources = kept(columnSources, sourcesModel)
    }

    function focusCell(r, c) {
        if (r < 0 || r >= rows.count || c < 0 || c >= columnSources.length)
            return
        rows.positionViewAtIndex(r, ListView.Contain)
        var row = rows.itemAtIndex(r)
        if (!row) {
            rows.forceLayout()
            row = rows.itemAtIndex(r)
        }
        var cell = row ? row.cellAt(c) : null
        if (cell)
            cell.forceActiveFocus(Qt.TabFocusReason)
    }
    // Positions in the lists: a delegate's "index" would be the object's own.
    function positionOf(list, object) {
        for (var i = 0; i < list.length; ++i) {
            if (list[i] === object)
                return i
        }
        return -1
    }
    function toggle(source, output, routed) {
        matrix.setInputForOutput(routed ? null : source, output)
    }

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
                    model: matrix.columnSources
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
                model: matrix.rowOutputs
                delegate: Row {
                    id: matrixRow
                    objectName: "matrixRow_" + output.index
                    property var output: modelData
                    property int routedIndex: output.selectedSource ? output.selectedSource.index : -1
                    readonly property int rowIndex: matrix.positionOf(matrix.rowOutputs, output)
                    readonly property int routedColumn: output.selectedSource
                                                        ? matrix.positionOf(matrix.columnSources, output.selectedSource) : -1
                    function cellAt(c) { return cells.itemAt(c) }
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
                        id: cells
                        model: matrix.columnSources
                        delegate: Item {
                            id: cell
                            objectName: "cell_" + matrixRow.output.index + "_" + modelData.index
                            property bool routed: matrixRow.routedIndex === modelData.index
                            readonly property int column: matrix.positionOf(matrix.columnSources, modelData)
                            width: matrix.cellSize
                            height: matrix.cellSize
                            activeFocusOnTab: true
                            Accessible.role: Accessible.CheckBox
                            Accessible.checkable: true
                            Accessible.checked: routed
                            Accessible.name: qsTr("%1 plays %2").arg(matrixRow.output.name).arg(modelData.name)
                            Accessible.onPressAction: matrix.setInputForOutput(modelData, matrixRow.output)
                            onActiveFocusChanged: if (activeFocus) { matrix.keyRow = matrixRow.rowIndex; matrix.keyColumn = cell.column }
                            // A control of its own: the space bar is its, not the player's.
                            signal clicked()
                            onClicked: matrix.toggle(modelData, matrixRow.output, cell.routed)
                            Keys.onSpacePressed: cell.clicked()
                            Keys.onReturnPressed: cell.clicked()
                            Keys.onEnterPressed: cell.clicked()
                            Keys.onLeftPressed: matrix.focusCell(matrixRow.rowIndex, cell.column - 1)
                            Keys.onRightPressed: matrix.focusCell(matrixRow.rowIndex, cell.column + 1)
                            Keys.onUpPressed: matrix.focusCell(matrixRow.rowIndex - 1, cell.column)
                            Keys.onDownPressed: matrix.focusCell(matrixRow.rowIndex + 1, cell.column)
                            Rectangle {
                                anchors.centerIn: parent
                                width: parent.width - 10 * scaleFactor
                                height: width
                                radius: width / 2
                                color: cell.routed ? currentTheme.getColor("highlight1") : currentTheme.getColor("track1")
                                border.width: cell.activeFocus && FocusFrames.shown ? 2 * scaleFactor : 0
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
