import QtQuick 2.15
import QtQuick.Window 2.15

// The window's keyboard shortcuts. Playback and volume act on the source
// selected on the player page; the tabs are those of the tab bar.
Item {
    id: keys
    property Item controller: null
    property Item tabBar: null
    property Item playerView: null
    property Item settingsView: null

    readonly property var source: playerView ? playerView.selectedSource : null
    readonly property var player: source ? source.player : null
    readonly property int volumeStep: 2

    function showTab(index) {
        if (!tabBar || !tabBar.model || index < 0 || index >= tabBar.model.count)
            return
        if (tabBar.model.get(index).enabledTab)
            tabBar.currentIndex = index
    }

    // A focused button or text field keeps the space bar for itself.
    function spaceIsTaken() {
        var item = keys.Window.activeFocusItem
        return item !== null && (typeof item.clicked === "function" || item.cursorPosition !== undefined)
    }

    function playPause() {
        if (!player)
            return
        if (player.playPause === 2)
            player.actionPause()
        else
            player.actionPlay()
    }

    // The volume last asked for: repeated presses step on from it before
    // the device has reported the previous step.
    property int targetVolume: -1
    onSourceChanged: targetVolume = -1
    Connections {
        target: keys.source
        function onVolumeChanged() {
            if (keys.source.volume === keys.targetVolume)
                keys.targetVolume = -1
        }
    }
    Timer { id: targetExpiry; interval: 1500; onTriggered: keys.targetVolume = -1 }

    function changeVolume(delta) {
        if (!source || !playerView.tavirel || !playerView.tavirel.linkUp)
            return
        var from = targetVolume >= 0 ? targetVolume : source.volume
        var volume = Math.max(0, Math.min(100, from + delta))
        if (volume === from)
            return
        targetVolume = volume
        targetExpiry.restart()
        playerView.tavirel.actionSetVolumeForSource(volume, source.index)
    }

    // The device mutes a source through the outputs that play it.
    function toggleMute() {
        if (!source || !playerView.tavirel || !playerView.tavirel.linkUp || !source.hasLinkedOutputs)
            return
        playerView.tavirel.actionSetMuteForSource(!source.outputsMuted, source.index)
    }

    function openLibrary(search) {
        if (!playerView || !player)
            return
        if (search && typeof playerView.openMusicSearch === "function")
            playerView.openMusicSearch()
        else
            playerView.openMusicLibrary()
    }

    function isPopup(item) {
        return (typeof item.rejected === "function" && item.headTitle !== undefined)
            || typeof item.closeRequested === "function"
            || (typeof item.popLastView === "function" && item.navigationBar !== undefined)
    }

    // The last visible popup or page stack in painting order, or null.
    function topPopup(item) {
        if (!item || !item.visible)
            return null
        var children = []
        for (var i = 0; i < item.children.length; ++i)
            children.push(item.children[i])
        children.sort(function(a, b) { return a.z - b.z })
        for (var j = children.length - 1; j >= 0; --j) {
            var found = topPopup(children[j])
            if (found)
                return found
        }
        return isPopup(item) && item !== controller ? item : null
    }

    function closeTopPopup() {
        var popup = topPopup(controller)
        if (!popup)
            return false
        if (typeof popup.rejected === "function" && popup.headTitle !== undefined) {
            popup.rejected()
        } else if (typeof popup.closeRequested === "function") {
            popup.closeRequested()
        } else if (popup.moreMenu && popup.moreMenu.shown) {
            popup.moreMenu.hide()
        } else if (popup.moreMenuPl && popup.moreMenuPl.shown) {
            popup.moreMenuPl.hide()
        } else if (popup.navigationBar && popup.navigationBar.backVisible) {
            popup.popLastView()
        } else if (popup.objectName !== "mySettingsView" && typeof popup.close === "function") {
            popup.close()
        } else {
            return false
        }
        return true
    }

    Shortcut { sequence: "Space"; enabled: !keys.spaceIsTaken(); onActivated: keys.playPause() }
    Shortcut { sequence: "Ctrl+Left"; onActivated: if (keys.player) keys.player.actionPrevious() }
    Shortcut { sequence: "Ctrl+Right"; onActivated: if (keys.player) keys.player.actionNext() }
    Shortcut { sequence: "Ctrl+1"; onActivated: keys.showTab(0) }
    Shortcut { sequence: "Ctrl+2"; onActivated: keys.showTab(1) }
    Shortcut { sequence: "Ctrl+3"; onActivated: keys.showTab(2) }
    Shortcut { sequence: "Ctrl+L"; onActivated: keys.openLibrary(false) }
    Shortcut { sequence: "Ctrl+F"; onActivated: keys.openLibrary(true) }
    Shortcut { sequence: "Ctrl+Up"; onActivated: keys.changeVolume(keys.volumeStep) }
    Shortcut { sequence: "Ctrl+Down"; onActivated: keys.changeVolume(-keys.volumeStep) }
    Shortcut { sequence: "Ctrl+M"; onActivated: keys.toggleMute() }
    Shortcut { sequence: "Escape"; onActivated: keys.closeTopPopup() }
    // What was changed from this window; a focused text field keeps them for its text.
    Shortcut {
        sequence: "Ctrl+Z"
        enabled: typeof house !== "undefined" && house.canUndo
        onActivated: house.undo()
    }
    Shortcut {
        sequence: "Ctrl+Shift+Z"
        enabled: typeof house !== "undefined" && house.canRedo
        onActivated: house.redo()
    }
    Shortcut {
        sequence: "Ctrl+S"
        enabled: !!keys.settingsView && keys.settingsView.visible
        onActivated: keys.settingsView.saveShownPage()
    }
}
