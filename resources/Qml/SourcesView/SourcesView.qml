import QtQuick 2.15
import com.morvane.tavirelint 1.0
import ".."

SourcesView {
    id: view
    property bool landscape: width > height
    property point popupStartPoint: Qt.point(0, height)
    property point popupEndpoint: Qt.point(0, 0)
    property var sourcesModel: []
    property var outputsModel: []

    connectionScreen: connScreen

    function loadSources() { view.sourcesModel = view.tavirel ? view.tavirel.sources : [] }
    function loadOutputs() { view.outputsModel = view.tavirel ? view.tavirel.outputs : [] }
    function closeAllPopups() {}

    Flickable {
        anchors.fill: parent
        contentHeight: content.height + 16 * scaleFactor
        clip: true
        Column {
            id: content
            width: parent.width
            SectionHeader { text: qsTr("Sources") }
            Repeater {
                objectName: "sourcesRepeater"
                model: view.sourcesModel
                delegate: VolumeRow {
                    width: content.width
                    title: modelData.name
                    subtitle: modelData.player && modelData.player.currentSong && modelData.player.currentSong.name
                              ? modelData.player.currentSong.name + (modelData.player.currentSong.artistsString
                                                                    ? " · " + modelData.player.currentSong.artistsString : "")
                              : modelData.outputSummary
                    volume: modelData.volume
                    muted: modelData.mute
                    iconSource: modelData.player ? "qrc:/TavirelImgs/Images/play_status.svg"
                                                 : "qrc:/TavirelImgs/Images/input.svg"
                    showOpen: modelData.player !== null
                    onVolumeRequested: view.tavirel.actionSetVolumeForSource(value, modelData.index)
                    onMuteRequested: view.tavirel.actionSetMuteForSource(mute, modelData.index)
                    onOpenRequested: view.requireSelectSource(modelData.index)
                }
            }
            SectionHeader { text: qsTr("Outputs") }
            Repeater {
                objectName: "outputsRepeater"
                model: view.outputsModel
                delegate: VolumeRow {
                    width: content.width
                    title: modelData.name
                    subtitle: modelData.selectedSource ? modelData.selectedSource.name : qsTr("No source")
                    volume: modelData.volume
                    muted: modelData.mute
                    onVolumeRequested: view.tavirel.actionSetVolumeForOutput(value, modelData.index)
                    onMuteRequested: view.tavirel.actionSetMuteForOutput(mute, modelData.index)
                }
            }
        }
    }

    ConnectionScreen { id: connScreen; objectName: "connectionScreen"; anchors.fill: parent; visible: false }
}
