import QtQuick 2.15
import com.morvane.translations 1.0

// Actions for one track or album, sliding in from below. The adding
// actions first slide in the player's playlists to choose from. The
// controller sets `selectedItem` and `selectedPlayer` and moves the menu to
// y 0; `controller` receives the chosen action.
Item {
    id: menu
    property var selectedItem: null
    property var selectedPlayer: null
    property var controller: null
    // The controller's method that performs a chosen action.
    property string actionMethod: "menuActionForItem"
    // A picture beside the item's name; empty for none.
    property string headerImage: ""
    property string pendingAction: ""
    // The uri of the list the menu was opened over (set by the controller).
    property string shownUri: ""
    signal close()

    // Not shown without an item: the menu's first slide to its resting place
    // (y follows the height as it is laid out) is no showing.
    readonly property bool shown: selectedItem !== null && y < height
    property var actions: {
        if (!selectedItem)
            return []
        if (selectedItem.type === "track") {
            var track = ["It_PlayNow", "It_PlayNow_All", "It_PlayAfter", "It_AddToQueue", "It_AddToQueue_All",
                         "It_AddToPlaylist", "It_AddToPlaylist_All"]
            // Not offered inside the album itself.
            if (selectedItem.albumUri.length > 0 && selectedItem.albumUri !== shownUri)
                track.push("It_ShowAlbum")
            return track
        }
        if (selectedItem.type === "album")
            return ["It_PlayNow_All", "It_PlayAfter", "It_AddToQueue_All", "It_AddToPlaylist"]
        if (selectedItem.type === "artist")
            return ["It_PlayNow_All", "It_AddToQueue_All"]
        return []
    }

    function label(action) {
        var text = translator.translate(action)
        if (action === "It_PlayNow")
            return text + " \"" + selectedItem.name + "\""
        if (action === "It_ShowAlbum")
            return text + " \"" + selectedItem.album + "\""
        return text
    }
    function hide() {
        pendingAction = ""
        // Bound, not set: a window resized while the menu is away keeps it
        // below the edge instead of showing a band of it.
        y = Qt.binding(function() { return menu.height })
        menu.close()
    }
    function choose(action) {
        if (action.indexOf("It_AddToPlaylist") === 0) {
            pendingAction = action
            return
        }
        var item = selectedItem
        hide()
        if (controller)
            controller[actionMethod](action, item)
    }
    function choosePlaylist(uri) {
        var item = selectedItem
        var action = pendingAction
        hide()
        if (controller)
            controller.menuActionForItemPL(action, item, uri)
    }
    function chooseNewPlaylist() {
        var item = selectedItem
        var action = pendingAction
        hide()
        if (controller)
            controller.menuActionForItemNewPL(action, item)
    }

    y: height
    visible: shown
    Behavior on y { NumberAnimation { duration: 200; easing.type: Easing.OutCubic } }
    onShownChanged: if (shown) actionList.forceActiveFocus()
    Keys.onEscapePressed: hide()

    DynamicTranslator { id: translator }

    Rectangle {
        anchors.fill: parent
        color: currentTheme.getColor("shadow1")
        opacity: 0.5
        MouseArea { anchors.fill: parent; onClicked: menu.hide() }
    }
    Rectangle {
        id: sheet
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: Math.min(parent.height * 0.8, content.height)
        color: currentTheme.getColor("fill2")
        radius: 10 * scaleFactor
        MouseArea { anchors.fill: parent }

        Column {
            id: content
            width: parent.width
            Item {
                width: parent.width
                visible: menu.headerImage.length > 0 && menu.pendingAction.length === 0
                height: visible ? 110 * scaleFactor : 0
                Image {
                    objectName: "menuImage"
                    x: 14 * scaleFactor
                    y: 14 * scaleFactor
                    width: 96 * scaleFactor
                    height: width
                    fillMode: Image.PreserveAspectCrop
                    asynchronous: true
                    sourceSize: Qt.size(width, height)
                    source: parent.visible ? menu.headerImage : ""
                }
            }
            Text {
                textFormat: Text.PlainText
                width: parent.width
                padding: 14 * scaleFactor
                elide: Text.ElideRight
                text: menu.pendingAction.length > 0 ? qsTr("Choose a playlist")
                                                    : (menu.selectedItem ? menu.selectedItem.name : "")
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize14
                font.bold: true
                color: currentTheme.getColor("text2")
            }
            GenericCell {
                objectName: "newPlaylistCell"
                width: parent.width
                visible: menu.pendingAction.length > 0
                arrowVisible: false
                textLabel: qsTr("New playlist…")
                textColor: currentTheme.getColor("highlight1")
                onClicked: menu.chooseNewPlaylist()
            }
            ListView {
                id: actionList
                width: parent.width
                height: Math.min(contentHeight, menu.height * 0.8 - 100 * scaleFactor)
                clip: true
                keyNavigationEnabled: true
                model: menu.pendingAction.length > 0
                       ? (menu.selectedPlayer ? menu.selectedPlayer.playlists : [])
                       : menu.actions
                delegate: GenericCell {
                    width: ListView.view.width
                    arrowVisible: false
                    focus: ListView.isCurrentItem
                    textLabel: menu.pendingAction.length > 0 ? modelData.name : menu.label(modelData)
                    onClicked: menu.pendingAction.length > 0 ? menu.choosePlaylist(modelData.uri)
                                                            : menu.choose(modelData)
                }
            }
            Text {
                textFormat: Text.PlainText
                width: parent.width
                visible: menu.pendingAction.length > 0 && actionList.count === 0
                padding: 14 * scaleFactor
                text: qsTr("There are no playlists yet")
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize14
                color: currentTheme.getColor("text2")
            }
            GenericCell {
                width: parent.width
                arrowVisible: false
                textLabel: qsTr("Cancel")
                textColor: currentTheme.getColor("highlight1")
                onClicked: menu.hide()
            }
        }
    }
}
