import QtQuick 2.15
import com.morvane.tavirelint 1.0
import ".."
import "../House"

SourcesView {
    id: view
    property bool landscape: width > height
    property point popupStartPoint: Qt.point(0, height)
    property point popupEndpoint: Qt.point(0, 0)
    property var sourcesModel: []
    property var outputsModel: []
    // Bumped on every outputs message: output names may have changed.
    property int outputsRevision: 0
    property var selectorSource: null
    property var equalizerOutput: null
    // Every control here sends to the device: none works while the link is down.
    readonly property bool linkUp: !!view.tavirel && view.tavirel.linkUp
    // The window's house control; documents loaded on their own have none.
    readonly property var houseControl: typeof house !== "undefined" ? house : null

    connectionScreen: connScreen

    function loadSources() {
        view.sourcesModel = view.tavirel ? view.tavirel.sources : []
    }
    function loadOutputs() {
        view.outputsModel = view.tavirel ? view.tavirel.outputs : []
        view.outputsRevision++
    }
    function closeAllPopups() {
        matrixSheet.open = false
        selectorSheet.open = false
        equalizerSheet.open = false
        houseSheet.open = false
    }
    function openSelector(source) {
        closeAllPopups()
        view.selectorSource = source
        selectorSheet.open = true
    }
    function openEqualizer(output) {
        closeAllPopups()
        view.equalizerOutput = output
        equalizerSheet.open = true
    }
    function openHouse() {
        closeAllPopups()
        houseSheet.open = true
    }
    function openMatrix() {
        closeAllPopups()
        matrixSheet.open = true
    }
    function route(source, output) {
        if (view.tavirel && output)
            view.tavirel.actionSetMatrixSetting(source ? source.index : -1, output.index)
    }

    Rectangle { anchors.fill: parent; color: currentTheme.getColor("fill1") }

    Rectangle {
        id: header
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: 52 * scaleFactor
        color: currentTheme.getColor("fill2")
        Text {
            textFormat: Text.PlainText
            anchors { left: parent.left; leftMargin: 16 * scaleFactor; verticalCenter: parent.verticalCenter }
            text: qsTr("Sources")
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize18
            font.bold: true
            color: currentTheme.getColor("text1")
        }
        ToolIconButton {
            id: houseButton
            objectName: "headerHouseButton"
            anchors { right: matrixButton.left; rightMargin: 4 * scaleFactor; verticalCenter: parent.verticalCenter }
            iconSource: "qrc:/TavirelImgs/Images/group.svg"
            accessibleName: qsTr("House: scenes, All off, sleep timer")
            visible: view.houseControl !== null
            onClicked: view.openHouse()
        }
        ToolIconButton {
            id: matrixButton
            objectName: "headerMatrixButton"
            anchors { right: parent.right; rightMargin: 10 * scaleFactor; verticalCenter: parent.verticalCenter }
            iconSource: "qrc:/TavirelImgs/Images/matrix.svg"
            accessibleName: qsTr("Routing matrix")
            onClicked: view.openMatrix()
        }
    }

    // One list for the page: the sources, then in portrait the outputs'
    // title and the outputs, each row built only while on screen. In
    // landscape the outputs have their own list beside it.
    ListView {
        id: sourcesList
        objectName: "sourcesList"
        readonly property int sourceCount: view.sourcesModel.length
        readonly property int outputCount: view.landscape ? 0 : view.outputsModel.length
        enabled: view.linkUp
        anchors { left: parent.left; top: header.bottom; bottom: parent.bottom; topMargin: 6 * scaleFactor }
        width: view.landscape ? parent.width * 0.55 : parent.width
        clip: true
        model: sourceCount + (view.landscape ? 0 : 1 + outputCount)
        delegate: Loader {
            id: rowLoader
            readonly property int row: index
            width: sourcesList.width
            sourceComponent: row < sourcesList.sourceCount ? sourceRowComponent
                                                           : row === sourcesList.sourceCount ? outputsTitleComponent
                                                                                             : outputRowComponent
            Component {
                id: outputsTitleComponent
                OutputsHeader { onMatrixRequested: view.openMatrix() }
            }
            Component {
                id: outputRowComponent
                OutputRow {
                    output: view.outputsModel[rowLoader.row - sourcesList.sourceCount - 1] || null
                    tavirel: view.tavirel
                    onEqualizerOpened: view.openEqualizer(output)
                }
            }
            Component {
                id: sourceRowComponent
                VolumeRow {
                    id: sourceRow
                    property var source: view.sourcesModel[rowLoader.row] || null
                    property var player: source ? source.player : null
                    property int routeRevision: 0
                    property string coverUri: ""
                    objectName: source ? "sourceRow_" + source.index : ""
                    readonly property string summary: {
                        sourceRow.routeRevision
                        view.outputsRevision
                        return view.routeSummary(sourceRow.source)
                    }
                    readonly property string nowPlaying: {
                        if (!sourceRow.player)
                            return ""
                        if (sourceRow.player.airPlay)
                            return [sourceRow.player.airPlayTrack, sourceRow.player.airPlayArtist].filter(Boolean).join(" · ")
                        var song = sourceRow.player.currentSong
                        return song ? [song.name, song.artistsString].filter(Boolean).join(" · ") : ""
                    }
                    function refreshCover() {
                        var p = sourceRow.player
                        if (!p)
                            sourceRow.coverUri = ""
                        else if (p.airPlay)
                            sourceRow.coverUri = p.airPlayImage
                        else
                            sourceRow.coverUri = p.currentSong ? p.currentSong.mediumImgPath : ""
                    }
                    onPlayerChanged: refreshCover()
                    Component.onCompleted: refreshCover()
                    Connections {
                        target: sourceRow.source
                        function onLinkedOutputsChanged() { sourceRow.routeRevision++ }
                    }
                    Connections {
                        target: sourceRow.player
                        ignoreUnknownSignals: true
                        function onCurrentSongChanged() { sourceRow.refreshCover() }
                        function onCurrentSongImageChanged() { sourceRow.refreshCover() }
                        function onAirPlayChanged() { sourceRow.refreshCover() }
                        function onAirPlayImageChanged() { sourceRow.refreshCover() }
                    }

                    title: source ? source.name : ""
                    subtitle: player && player.retrying ? qsTr("Music server not reachable — retrying")
                                                        : nowPlaying.length ? nowPlaying
                                                                            : (player ? qsTr("Nothing playing") : qsTr("Line input"))
                    caption: summary.length ? qsTr("On %1").arg(summary) : qsTr("Not routed")
                    volume: source ? source.volume : 0
                    // Muting a source mutes the outputs that play it.
                    muted: source ? source.outputsMuted : false
                    muteEnabled: source ? source.hasLinkedOutputs : false
                    showSelector: true
                    showOpen: player !== null
                    // Mute, outputs and, for players, open: line inputs keep the third place.
                    buttonSlots: 3
                    hasLeading: true
                    leading: CoverImage {
                        anchors.fill: parent
                        requester: view
                        coverSource: sourceRow.coverUri
                        fallbackSource: sourceRow.player ? (sourceRow.player.airPlay ? "qrc:/TavirelImgs/Images/airplaycoverart.svg"
                                                                                    : "qrc:/TavirelImgs/Images/defaultcoverart.svg")
                                                         : "qrc:/TavirelImgs/Images/sourcecoverart.svg"
                    }
                    onVolumeRequested: view.tavirel.actionSetVolumeForSource(value, source.index)
                    onMuteRequested: view.tavirel.actionSetMuteForSource(mute, source.index)
                    onOpenRequested: view.requireSelectSource(source.index)
                    onSelectorRequested: view.openSelector(source)
                }
            }
        }
    }

    Loader {
        anchors { left: sourcesList.right; right: parent.right; top: header.bottom; bottom: parent.bottom; topMargin: 6 * scaleFactor }
        active: view.landscape
        sourceComponent: OutputsPanel {
            objectName: "landscapeOutputs"
            tavirel: view.tavirel
            modelInt: view.outputsModel
            canvasVisible: false
            onRequestEqualizer: view.openEqualizer(output)
            onRequestSelector: view.openMatrix()
            Rectangle { anchors { left: parent.left; top: parent.top; bottom: parent.bottom } width: 1; color: currentTheme.getColor("fill7") }
        }
    }

    PopupSheet {
        id: matrixSheet
        objectName: "matrixSheet"
        startPoint: view.popupStartPoint
        endPoint: view.popupEndpoint
        panelWidth: Math.min(view.width, Math.max(item ? item.fullWidth : 0, 360 * scaleFactor))
        panelHeight: Math.min(view.height * 0.9, item ? item.fullHeight : view.height)
        onDismissed: open = false
        MatrixPopup {
            objectName: "matrixPopup"
            enabled: view.linkUp
            anchors.fill: parent
            sourcesModel: view.sourcesModel
            outputsModel: view.outputsModel
            onSetInputForOutput: view.route(source, output)
            onCloseRequested: matrixSheet.open = false
        }
    }
    PopupSheet {
        id: selectorSheet
        objectName: "selectorSheet"
        startPoint: view.popupStartPoint
        endPoint: view.popupEndpoint
        panelWidth: Math.min(view.width, 520 * scaleFactor)
        panelHeight: Math.min(view.height * 0.8, (60 + 57 * view.outputsModel.length) * scaleFactor + 20)
        onDismissed: open = false
        OutputSelector {
            objectName: "outputSelector"
            enabled: view.linkUp
            anchors.fill: parent
            selSource: view.selectorSource
            outputsModel: view.outputsModel
            onSetInputForOutput: view.route(source, output)
            onCloseRequested: selectorSheet.open = false
        }
    }
    PopupSheet {
        id: equalizerSheet
        objectName: "equalizerSheet"
        startPoint: view.popupStartPoint
        endPoint: view.popupEndpoint
        panelWidth: Math.min(view.width, 420 * scaleFactor)
        panelHeight: Math.min(view.height * 0.8, 360 * scaleFactor)
        onDismissed: open = false
        Equalizer {
            objectName: "equalizer"
            enabled: view.linkUp
            anchors.fill: parent
            title: view.equalizerOutput ? view.equalizerOutput.name : ""
            bassValue: view.equalizerOutput ? view.equalizerOutput.bass : 0
            middleValue: view.equalizerOutput ? view.equalizerOutput.middle : 0
            trebleValue: view.equalizerOutput ? view.equalizerOutput.treble : 0
            loudnessValue: view.equalizerOutput ? view.equalizerOutput.loudness : 0
            onSaveEqualizer: if (view.tavirel && view.equalizerOutput)
                                 view.tavirel.actionSetEqualizerForOutput([view.equalizerOutput.index, bass, middle, treble, loudness].join("|"))
            onCloseRequested: equalizerSheet.open = false
        }
    }

    PopupSheet {
        id: houseSheet
        objectName: "houseSheet"
        startPoint: view.popupStartPoint
        endPoint: view.popupEndpoint
        panelWidth: Math.min(view.width, 560 * scaleFactor)
        panelHeight: view.height * 0.92
        onDismissed: open = false
        onOpenChanged: if (!open) houseButton.forceActiveFocus()
        // The sheet builds it while open only.
        HousePanel {
            objectName: "housePanel"
            anchors.fill: parent
            house: view.houseControl
            outputsModel: view.outputsModel
            linkUp: view.linkUp
            onCloseRequested: houseSheet.open = false
        }
    }

    ConnectionScreen { id: connScreen; objectName: "connectionScreen"; anchors.fill: parent; visible: false }
}
