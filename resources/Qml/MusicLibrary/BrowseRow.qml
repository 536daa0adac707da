import QtQuick 2.15
import ".."
import "rows.js" as Rows

// One row of a library list: folders and playlists one line high, the other
// entries with a cover and details, which arrive lazily. `holder` is the
// BrowseListView (or search page) that holds the row.
Loader {
    id: row
    property var holder: null
    property var entry: null
    readonly property bool folder: entry !== null && (entry.type === "directory" || entry.type === "playlist")
    readonly property bool inPlaylist: holder !== null && holder.insidePlaylistView === true
    sourceComponent: folder ? genericRow : songRow

    Component {
        id: genericRow
        GenericCell {
            focus: true
            textLabel: row.entry ? row.entry.name : ""
            onClicked: if (row.entry && row.entry.uri.length > 0) row.holder.requirePushView(row.entry.uri, row.entry.name)
        }
    }

    Component {
        id: songRow
        SongCell {
            id: cell
            focus: true
            readonly property var entry: row.entry
            readonly property bool isTrack: entry !== null && entry.type === "track"
            readonly property bool isAlbum: entry !== null && entry.type === "album"
            readonly property bool isArtist: entry !== null && entry.type === "artist"
            readonly property string imagePath: { row.holder.refreshCount; return entry ? entry.smallImgPath : "" }
            property string requestedPath: ""

            // A stream without a title yet goes by its URL.
            textLabel: entry ? (entry.name.length > 0 ? entry.name : entry.uri) : ""
            playing: isTrack && entry.uri.length > 0 && entry.uri === row.holder.playingUri
            detailTextLabel: {
                row.holder.refreshCount
                if (isTrack)
                    return [entry.album, entry.artistsString].filter(function(t) { return t.length > 0 }).join("\n")
                if (isAlbum)
                    return entry.artistsString
                return ""
            }
            menuBtnVisible: (isTrack || isAlbum || isArtist) && !row.inPlaylist
            // No operation removes a track from a stored playlist yet, so a
            // playlist's tracks offer no remove control.
            removeEnabled: false
            playNowVisible: isAlbum && !row.inPlaylist

            onImagePathChanged: Rows.followImage(cell, row.holder)
            Component.onCompleted: Rows.followImage(cell, row.holder)
            Component.onDestruction: if (requestedPath.length > 0) row.holder.discardImage(requestedPath, cell)

            onClicked: {
                if (isTrack)
                    row.holder.playNow([entry.uri])
                else if (entry && entry.uri.length > 0)
                    row.holder.requirePushView(entry.uri, entry.name)
            }
            onPlayNowRequested: row.holder.playNow([entry.uri])
            onMoreMenuRequested: row.holder.openMenuWithItem(entry)
        }
    }
}
