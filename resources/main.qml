import QtQuick 2.15
import com.morvane.tavirelint 1.0
import "Qml" as Doc

MainTabController {
    id: root
    objectName: "mainTabController"
    menuListView: tabBar
    containerView: container
    sourcesTab: sourcesLoader
    playerTab: playerLoader
    // The pages of the sources and player tabs once created, otherwise null.
    readonly property var sourcesView: sourcesLoader.item
    readonly property var playerView: playerLoader.item

    function sourcesButtonEnabled() { tabModel.setProperty(0, "enabledTab", true) }
    function sourcesButtonDisabled() { tabModel.setProperty(0, "enabledTab", false) }
    function playerButtonEnabled() { tabModel.setProperty(1, "enabledTab", true) }
    function playerButtonDisabled() { tabModel.setProperty(1, "enabledTab", false) }

    Rectangle { anchors.fill: parent; color: currentTheme.getColor("fill1") }
    FocusKeeper { id: focusKeeper; objectName: "focusKeeper" }
    Doc.AppShortcuts {
        objectName: "appShortcuts"; controller: root; tabBar: tabBar; playerView: root.playerView; settingsView: settingsView
        focusKeeper: focusKeeper
    }

    Item {
        id: container
        objectName: "containerView"
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: tabBar.top }

        // Made on first use by the controller, which then wires them up.
        Loader {
            id: sourcesLoader
            objectName: "sourcesTab"
            anchors.fill: parent
            active: false
            source: "qrc:/Qml/SourcesView/SourcesView.qml"
            onLoaded: { item.objectName = "mySourcesView"; item.visible = false }
        }
        Loader {
            id: playerLoader
            objectName: "playerTab"
            anchors.fill: parent
            active: false
            source: "qrc:/Qml/PlayerView/PlayerView.qml"
            onLoaded: { item.objectName = "myPlayerView"; item.visible = false; item.notices = windowNotices }
        }
        Doc.SettingsView { id: settingsView; objectName: "mySettingsView"; anchors.fill: parent; visible: true }
    }

    Doc.LinkProblemBar {
        objectName: "authenticationFailedBar"
        anchors { left: parent.left; right: parent.right; bottom: tabBar.top }
        visible: root.linkProblem.length > 0 && settingsView.visible
        message: root.linkProblem
        onRetry: root.retryConnection()
    }

    Notices { id: windowNotices; objectName: "notices" }
    Doc.WindowNotice {
        objectName: "windowNotice"
        z: 200
        anchors { horizontalCenter: parent.horizontalCenter; bottom: tabBar.top; bottomMargin: 16 * scaleFactor }
        notices: windowNotices
    }

    ListModel {
        id: tabModel
        objectName: "tabModel"
        ListElement { title: qsTr("Sources"); icon: "qrc:/TavirelImgs/Images/input.svg"; enabledTab: false }
        ListElement { title: qsTr("Player"); icon: "qrc:/TavirelImgs/Images/play_status.svg"; enabledTab: false }
        ListElement { title: qsTr("Settings"); icon: "qrc:/TavirelImgs/Images/settings.svg"; enabledTab: true }
    }

    ListView {
        id: tabBar
        objectName: "tabBar"
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 58 * scaleFactor
        orientation: ListView.Horizontal
        interactive: false
        currentIndex: 2
        model: tabModel
        Rectangle { anchors.fill: parent; z: -1; color: currentTheme.getColor("fill2") }
        Rectangle { width: parent.width; height: 1; color: currentTheme.getColor("fill7") }
        delegate: Item {
            id: tab
            width: tabBar.width / 3
            height: tabBar.height
            opacity: model.enabledTab ? 1.0 : 0.35
            activeFocusOnTab: model.enabledTab
            Accessible.role: Accessible.PageTab
            Accessible.name: model.title
            Accessible.selected: tabBar.currentIndex === index
            Accessible.onPressAction: if (model.enabledTab) tabBar.currentIndex = index
            Keys.onSpacePressed: tabBar.currentIndex = index
            Keys.onReturnPressed: tabBar.currentIndex = index
            Rectangle {
                anchors { fill: parent; margins: 3 * scaleFactor }
                visible: tab.activeFocus && FocusFrames.shown
                color: "transparent"
                radius: 4 * scaleFactor
                border.width: 2 * scaleFactor
                border.color: currentTheme.getColor("highlight1")
            }
            Column {
                anchors.centerIn: parent
                spacing: 3 * scaleFactor
                Doc.TintedIcon {
                    anchors.horizontalCenter: parent.horizontalCenter
                    icon: model.icon
                    colourName: tabBar.currentIndex === index ? "highlight1" : "text2"
                }
                Text {
                    textFormat: Text.PlainText
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: model.title
                    font.family: "MorvaneUnicodePN"
                    font.pixelSize: fontSize12
                    color: tabBar.currentIndex === index ? currentTheme.getColor("highlight1")
                                                         : currentTheme.getColor("text2")
                }
            }
            MouseArea {
                anchors.fill: parent
                enabled: model.enabledTab
                onClicked: tabBar.currentIndex = index
            }
        }
    }
}
