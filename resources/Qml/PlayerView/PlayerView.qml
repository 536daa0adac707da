import QtQuick 2.15
import com.morvane.tavirelint 1.0
import ".."
import "../SourcesView"

PlayerView {
    id: view
    property bool landscape: width > height
    property point popupStartPoint: Qt.point(0, height)
    property point popupEndpoint: Qt.point(0, 0)
    property var outputsModel: []
    property var player: view.selectedSource ? view.selectedSource.player : null
    property var song: view.player ? view.player.currentSong : null
    property bool airPlay: view.player ? view.player.airPlay : false
    // Commands only reach a player whose music server answers.
    readonly property bool playerReachable: view.player !== null && view.player.reachable
    // The player whose signals the document follows (see prepareDisconnectSource).
    property var boundPlayer: null
    property string coverUri: ""
    property var selectorSource: null
    property var equalizerOutput: null
    // repeat + 2 * shuffle: the four states of the repeat/shuffle button.
    readonly property int repeatShuffle: view.player ? (view.player.repeat ? 1 : 0) + (view.player.shuffle ? 2 : 0) : 0
    signal requireSelectOutput(var output)

    connectionScreen: connScreen

    function loadOutputs() { view.outputsModel = view.tavirel ? view.tavirel.outputs : [] }
    function closeAllPopups() {
        queueSheet.open = false
        outputsSheet.open = false
        selectorSheet.open = false
        equalizerSheet.open = false
    }
    function refreshCover() {
        var p = view.boundPlayer
        if (!p)
            view.coverUri = ""
        else if (p.airPlay)
            view.coverUri = p.airPlayImage
        else
            view.coverUri = p.currentSong ? p.currentSong.largeImgPath : ""
    }
    function prepareDisconnectSource() {
        var p = view.boundPlayer
        view.boundPlayer = null
        if (!p)
            return
        p.currentSongChanged.disconnect(view.refreshCover)
        p.currentSongImageChanged.disconnect(view.refreshCover)
        p.airPlayChanged.disconnect(view.refreshCover)
        p.airPlayTrackChanged.disconnect(view.refreshCover)
        p.airPlayImageChanged.disconnect(view.refreshCover)
    }
    onSelectedSourceChanged: {
        var p = view.selectedSource ? view.selectedSource.player : null
        if (p) {
            p.currentSongChanged.connect(view.refreshCover)
            p.currentSongImageChanged.connect(view.refreshCover)
            p.airPlayChanged.connect(view.refreshCover)
            p.airPlayTrackChanged.connect(view.refreshCover)
            p.airPlayImageChanged.connect(view.refreshCover)
        }
        view.boundPlayer = p
        view.refreshCover()
    }
    function formatTime(seconds) {
        seconds = Math.max(0, Math.floor(seconds))
        var h = Math.floor(seconds / 3600), m = Math.floor(seconds / 60) % 60, s = seconds % 60
        var ss = (s < 10 ? "0" : "") + s
        return h > 0 ? h + ":" + (m < 10 ? "0" : "") + m + ":" + ss : m + ":" + ss
    }
    function openSelector() {
        closeAllPopups()
        view.selectorSource = view.selectedSource
        selectorSheet.open = true
    }
    function openEqualizer(output) {
        closeAllPopups()
        view.equalizerOutput = output
        equalizerSheet.open = true
    }
    function route(source, output) {
        if (view.tavirel && output)
            view.tavirel.actionSetMatrixSetting(source ? source.index : -1, output.index)
    }

    Rectangle { anchors.fill: parent; color: currentTheme.getColor("fill1") }
    CoverBackground {
        anchors.fill: parent
        coverSource: nowPlaying.shownCover.length ? "image://async/" + nowPlaying.shownCover : ""
    }

    Item {
        id: header
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: 52 * scaleFactor
        Text {
            textFormat: Text.PlainText
            anchors { left: parent.left; leftMargin: 16 * scaleFactor; right: toolbar.left; verticalCenter: parent.verticalCenter }
            text: view.selectedSource ? view.selectedSource.name : qsTr("No source selected")
            elide: Text.ElideRight
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize18
            font.bold: true
            color: currentTheme.getColor("text1")
        }
        // The page's tools: library and playlists first, then queue and outputs.
        Row {
            id: toolbar
            objectName: "playerToolbar"
            anchors { right: parent.right; rightMargin: 8 * scaleFactor; verticalCenter: parent.verticalCenter }
            spacing: 2 * scaleFactor
            ToolIconButton {
                objectName: "libraryButton"
                iconSource: "qrc:/TavirelImgs/Images/library.svg"
                enabled: view.player !== null
                accessibleName: qsTr("Library")
                onClicked: { view.closeAllPopups(); view.openMusicLibrary() }
            }
            ToolIconButton {
                objectName: "playlistsButton"
                iconSource: "qrc:/TavirelImgs/Images/playlists.svg"
                enabled: view.player !== null
                accessibleName: qsTr("Playlists")
                onClicked: { view.closeAllPopups(); view.openPlaylists() }
            }
            ToolIconButton {
                objectName: "queueButton"
                visible: !view.landscape
                iconSource: "qrc:/TavirelImgs/Images/queue.svg"
                enabled: view.player !== null
                checked: queueSheet.open
                accessibleName: qsTr("Queue")
                onClicked: { var o = !queueSheet.open; view.closeAllPopups(); queueSheet.open = o }
            }
            ToolIconButton {
                objectName: "outputsButton"
                visible: view.landscape
                iconSource: "qrc:/TavirelImgs/Images/output.svg"
                enabled: view.selectedSource !== null
                checked: outputsSheet.open
                accessibleName: qsTr("Outputs")
                onClicked: { var o = !outputsSheet.open; view.closeAllPopups(); outputsSheet.open = o }
            }
        }
    }

    // The page is one list: the song and its controls as the header, then in
    // portrait the outputs that play the source, built only while on screen
    // and changed row by row as routes change.
    ListView {
        id: nowPlaying
        objectName: "nowPlayingList"
        anchors { left: parent.left; top: header.bottom; bottom: parent.bottom }
        width: view.landscape ? parent.width * 0.45 : parent.width
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        // The header's cover, for the blurred background.
        readonly property string shownCover: headerItem ? headerItem.shownUri : ""
        model: !view.landscape && view.selectedSource ? view.selectedSource.linkedOutputsModel : null
        delegate: LinkedOutputRow {
            width: nowPlaying.width
            enabled: !!view.tavirel && view.tavirel.linkUp
            output: model.output
            tavirel: view.tavirel
            onVolumeTouched: view.requireSelectOutput(output)
            onEqualizerOpened: view.openEqualizer(output)
        }
        header: Item {
            readonly property alias shownUri: coverLarge.shownUri
            width: nowPlaying.width
            height: content.height + 12 * scaleFactor

            Column {
                id: content
                anchors { left: parent.left; right: parent.right; margins: 16 * scaleFactor }
                y: 4 * scaleFactor
                spacing: 8 * scaleFactor

                CoverImageLarge {
                    id: coverLarge
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: Math.min(parent.width, (view.landscape ? view.height * 0.5 : view.height * 0.38))
                    height: width
                    requester: view
                    coverSource: view.coverUri
                    fallbackSource: view.airPlay ? "qrc:/TavirelImgs/Images/airplaycoverart.png"
                                                 : "qrc:/TavirelImgs/Images/defaultcoverart.png"
                }
                Text {
                    textFormat: Text.PlainText
                    objectName: "songTitle"
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    elide: Text.ElideRight
                    text: view.airPlay ? view.player.airPlayTrack
                                       : (view.song && view.song.name ? view.song.name
                                                                      : (view.player ? qsTr("Nothing playing") : ""))
                    font.family: "MorvaneUnicodePN"
                    font.pixelSize: fontSize18
                    font.bold: true
                    color: currentTheme.getColor("text1")
                }
                Text {
                    textFormat: Text.PlainText
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    elide: Text.ElideRight
                    text: view.airPlay ? view.player.airPlayArtist : (view.song ? view.song.artistsString : "")
                    font.family: "MorvaneUnicodePN"
                    font.pixelSize: fontSize14
                    color: currentTheme.getColor("text1")
                }
                Text {
                    textFormat: Text.PlainText
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    elide: Text.ElideRight
                    text: view.airPlay ? view.player.airPlayAlbum : (view.song ? view.song.album : "")
                    font.family: "MorvaneUnicodePN"
                    font.pixelSize: fontSize12
                    color: currentTheme.getColor("text2")
                }
                Item {
                    width: parent.width
                    height: progress.height + elapsed.height
                    visible: !view.airPlay
                    ProgressSlider {
                        id: progress
                        objectName: "progressSlider"
                        width: parent.width
                        maximumValue: view.song ? Math.max(1, view.song.duration) : 1
                        value: view.song ? view.song.currTime : 0
                        enabled: view.playerReachable && view.song !== null && view.song.duration > 0
                        accessibleName: qsTr("Position")
                        onNewValueToSend: if (view.player) view.player.actionSeek(Math.round(value) * 1000)
                    }
                    Text {
                        id: elapsed
                        textFormat: Text.PlainText
                        objectName: "elapsedTime"
                        anchors { left: parent.left; top: progress.bottom }
                        text: view.formatTime(progress.knobValue)
                        font.family: "MorvaneUnicodePN"
                        font.pixelSize: fontSize10
                        color: currentTheme.getColor("text2")
                    }
                    Text {
                        textFormat: Text.PlainText
                        objectName: "totalTime"
                        anchors { right: parent.right; top: progress.bottom }
                        text: view.song ? view.formatTime(view.song.duration) : "0:00"
                        font.family: "MorvaneUnicodePN"
                        font.pixelSize: fontSize10
                        color: currentTheme.getColor("text2")
                    }
                }
                Text {
                    textFormat: Text.PlainText
                    objectName: "playerServerMessage"
                    width: parent.width
                    visible: !!view.player && view.player.retrying
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WordWrap
                    text: qsTr("Music server not reachable — retrying")
                    font.family: "MorvaneUnicodePN"
                    font.pixelSize: fontSize12
                    font.bold: true
                    color: currentTheme.getColor("text1")
                }
                Row {
                    objectName: "transportRow"
                    anchors.horizontalCenter: parent.horizontalCenter
                    spacing: 14 * scaleFactor
                    enabled: view.playerReachable
                    ToolIconButton {
                        objectName: "repeatShuffleButton"
                        anchors.verticalCenter: parent.verticalCenter
                        iconSource: "qrc:/TavirelImgs/Images/rs_" + view.repeatShuffle + ".svg"
                        iconSize: 24 * scaleFactor
                        accessibleName: [qsTr("Repeat and shuffle off"), qsTr("Repeat on"), qsTr("Shuffle on"),
                                         qsTr("Repeat and shuffle on")][view.repeatShuffle]
                        onClicked: view.player.actionRepeatShuffle((view.repeatShuffle + 1) % 4)
                    }
                    ToolIconButton {
                        objectName: "previousButton"
                        anchors.verticalCenter: parent.verticalCenter
                        iconSource: "qrc:/TavirelImgs/Images/prev.svg"
                        iconSize: 30 * scaleFactor
                        accessibleName: qsTr("Previous")
                        onClicked: view.player.actionPrevious()
                    }
                    ToolIconButton {
                        objectName: "playPauseButton"
                        anchors.verticalCenter: parent.verticalCenter
                        // What a lost server last said is not shown as playing.
                        readonly property bool pauses: view.playerReachable && view.player.playPause === 2
                        iconSource: pauses ? "qrc:/TavirelImgs/Images/pause.svg" : "qrc:/TavirelImgs/Images/play.svg"
                        iconSize: 44 * scaleFactor
                        accessibleName: pauses ? qsTr("Pause") : qsTr("Play")
                        onClicked: view.player.playPause === 2 ? view.player.actionPause() : view.player.actionPlay()
                    }
                    ToolIconButton {
                        objectName: "nextButton"
                        anchors.verticalCenter: parent.verticalCenter
                        iconSource: "qrc:/TavirelImgs/Images/next.svg"
                        iconSize: 30 * scaleFactor
                        accessibleName: qsTr("Next")
                        onClicked: view.player.actionNext()
                    }
                    // Balances the repeat/shuffle button so the play button stays centred.
                    Item { width: 36 * scaleFactor; height: 1 }
                }
                Item {
                    width: parent.width
                    height: outputsTitle.height + (view.selectedSource && !view.selectedSource.hasLinkedOutputs ? 36 * scaleFactor : 0)
                    visible: !view.landscape
                    enabled: !!view.tavirel && view.tavirel.linkUp
                    PanelHeader {
                        id: outputsTitle
                        anchors { left: parent.left; right: parent.right; leftMargin: -16 * scaleFactor; rightMargin: -16 * scaleFactor }
                        title: qsTr("Outputs")
                        color: "transparent"
                        closeVisible: false
                        ToolIconButton {
                            objectName: "outputSelectorButton"
                            iconSource: "qrc:/TavirelImgs/Images/output.svg"
                            iconSize: 22 * scaleFactor
                            enabled: view.selectedSource !== null
                            accessibleName: qsTr("Choose outputs")
                            onClicked: view.openSelector()
                        }
                    }
                    Text {
                        textFormat: Text.PlainText
                        anchors { top: outputsTitle.bottom; topMargin: 12 * scaleFactor; horizontalCenter: parent.horizontalCenter }
                        visible: !!view.selectedSource && !view.selectedSource.hasLinkedOutputs
                        text: qsTr("No output plays this source")
                        font.family: "MorvaneUnicodePN"
                        font.pixelSize: fontSize12
                        color: currentTheme.getColor("text2")
                    }
                }
            }
        }
    }

    // The queue beside the song exists only in landscape.
    Loader {
        anchors { left: nowPlaying.right; right: parent.right; top: header.bottom; bottom: parent.bottom }
        active: view.landscape
        sourceComponent: QueueView {
            objectName: "landscapeQueue"
            closeVisible: false
            currentPlayer: view.player
            imageRequester: view
            onRequireOpenSaveDialog: view.showSavePlaylistDialog()
            onRequireOpenAddDialog: view.showAddUrlDialog()
            onRequireClearQueue: view.clearQueue()
        }
    }

    PopupSheet {
        id: queueSheet
        objectName: "queueSheet"
        startPoint: view.popupStartPoint
        endPoint: view.popupEndpoint
        panelHeight: view.height * 0.85
        onDismissed: open = false
        QueueView {
            objectName: "queueView"
            anchors.fill: parent
            closeVisible: true
            currentPlayer: view.player
            imageRequester: view
            onCloseRequested: queueSheet.open = false
            onRequireOpenSaveDialog: view.showSavePlaylistDialog()
            onRequireOpenAddDialog: view.showAddUrlDialog()
            onRequireClearQueue: view.clearQueue()
        }
    }
    PopupSheet {
        id: outputsSheet
        objectName: "outputsSheet"
        startPoint: view.popupStartPoint
        endPoint: view.popupEndpoint
        panelWidth: Math.min(view.width, 560 * scaleFactor)
        panelHeight: Math.min(view.height * 0.8, item ? item.implicitHeight : 0)
        onDismissed: open = false
        OutputListPanel {
            anchors.fill: parent
            isLandscapeMode: true
            selectedSource: view.selectedSource
            tavirel: view.tavirel
            onCloseRequested: outputsSheet.open = false
            onRequestEqualizer: view.openEqualizer(output)
            onRequestSelector: view.openSelector()
            onSelectItemForVolume: view.requireSelectOutput(output)
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
            anchors.fill: parent
            enabled: !!view.tavirel && view.tavirel.linkUp
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
            anchors.fill: parent
            enabled: !!view.tavirel && view.tavirel.linkUp
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

    // Above the library and playlist popups too: a lost link is told at once.
    ConnectionScreen { id: connScreen; objectName: "connectionScreen"; anchors.fill: parent; visible: false; z: 200 }
}
