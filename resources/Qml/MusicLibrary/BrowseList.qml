import QtQuick 2.15
import com.morvane.tavirelint 1.0
import ".."

// One level of the music library. Rows of folders are one line high, the
// others show a cover and details, which arrive lazily for the rows on
// screen.
BrowseListView {
    id: view
    property bool insidePlaylistView: false
    // Bumped by needRefresh(): rows re-read details and covers.
    property int refreshCount: 0

    onRowTypesChanged: {
        list.model = view.allSortedItems
        view.requireLookup(0, 10)
    }
    onNeedRefresh: refreshCount++
    onPresented: list.forceActiveFocus()

    function visibleRow(y) {
        // Section headers have no row: look a little further down.
        for (var dy = 0; dy < list.height; dy += 8 * scaleFactor) {
            var row = list.indexAt(list.width / 2, y + dy)
            if (row >= 0)
                return row
        }
        return -1
    }
    function lookupVisibleRows() {
        var top = visibleRow(list.contentY)
        var bottom = list.indexAt(list.width / 2, list.contentY + list.height - 1)
        if (bottom < 0)
            bottom = list.count - 1
        if (top >= 0)
            view.requireLookup(top, bottom + 1)
    }

    Rectangle {
        anchors.fill: parent
        color: currentTheme.getColor("fill1")
    }

    ListView {
        id: list
        objectName: "browseList"
        anchors.fill: parent
        clip: true
        focus: true
        keyNavigationEnabled: true
        activeFocusOnTab: true
        boundsBehavior: Flickable.StopAtBounds
        section.property: view.rowTypes.length > 1 ? "type" : ""
        section.criteria: ViewSection.FullString
        section.delegate: SectionHeader {
            width: ListView.view ? ListView.view.width : 0
            text: section
        }
        onMovementEnded: view.lookupVisibleRows()
        onCurrentIndexChanged: if (!moving) view.lookupVisibleRows()

        delegate: Loader {
            id: row
            width: ListView.view.width
            property var entry: modelData
            property bool folder: entry.type === "directory" || entry.type === "playlist"
            sourceComponent: folder ? genericRow : songRow
            focus: ListView.isCurrentItem
        }

        footer: Text {
            width: list.width
            visible: view.message.length > 0 && list.count > 0
            height: visible ? implicitHeight + 32 * scaleFactor : 0
            topPadding: 16 * scaleFactor
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: view.message
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize14
            color: currentTheme.getColor("text2")
        }
    }

    Component {
        id: genericRow
        GenericCell {
            focus: true
            readonly property var entry: parent ? parent.entry : null
            textLabel: entry ? entry.name : ""
            onClicked: if (entry && entry.uri.length > 0) view.requirePushView(entry.uri, entry.name)
        }
    }

    Component {
        id: songRow
        SongCell {
            id: cell
            focus: true
            readonly property var entry: parent ? parent.entry : null
            readonly property bool isTrack: entry !== null && entry.type === "track"
            readonly property bool isAlbum: entry !== null && entry.type === "album"
            readonly property string imagePath: { view.refreshCount; return entry ? entry.smallImgPath : "" }
            property string requestedPath: ""

            textLabel: entry ? entry.name : ""
            detailTextLabel: {
                view.refreshCount
                if (isTrack)
                    return [entry.album, entry.artistsString].filter(function(t) { return t.length > 0 }).join("\n")
                if (isAlbum)
                    return entry.artistsString
                return ""
            }
            menuBtnVisible: (isTrack || isAlbum) && !view.insidePlaylistView
            // No operation removes a track from a stored playlist yet, so a
            // playlist's tracks offer no remove control.
            removeEnabled: false
            playNowVisible: isAlbum && !view.insidePlaylistView

            function askImage() {
                if (imagePath === requestedPath)
                    return
                if (requestedPath.length > 0)
                    view.discardImage(requestedPath, cell)
                requestedPath = imagePath
                imgSource = ""
                if (imagePath.length > 0)
                    view.requestImage(imagePath, cell)
            }
            onImagePathChanged: askImage()
            Component.onCompleted: askImage()
            Component.onDestruction: if (requestedPath.length > 0) view.discardImage(requestedPath, cell)

            onClicked: {
                if (isTrack)
                    view.playNow([entry.uri])
                else if (entry && entry.uri.length > 0)
                    view.requirePushView(entry.uri, entry.name)
            }
            onPlayNowRequested: view.playNow([entry.uri])
            onMoreMenuRequested: view.openMenuWithItem(entry)
        }
    }

    CustomSpinner {
        anchors.centerIn: parent
        visible: view.loading
    }
    Text {
        anchors { left: parent.left; right: parent.right; verticalCenter: parent.verticalCenter; margins: 24 * scaleFactor }
        visible: !view.loading && list.count === 0
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: view.message.length > 0 ? view.message : qsTr("Nothing to show here")
        font.family: "MorvaneUnicodePN"
        font.pixelSize: fontSize14
        color: currentTheme.getColor("text2")
    }
}
