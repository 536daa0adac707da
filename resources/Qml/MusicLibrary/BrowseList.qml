import QtQuick 2.15
import com.morvane.tavirelint 1.0
import ".."
import "rows.js" as Rows

// One level of the music library; details and covers of its rows arrive
// lazily for the rows on screen.
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

    function lookupVisibleRows() {
        var range = Rows.visibleRange(list, 8 * scaleFactor)
        if (range)
            view.requireLookup(range[0], range[1])
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

        delegate: BrowseRow {
            width: ListView.view.width
            holder: view
            entry: modelData
            focus: ListView.isCurrentItem
        }

        footer: Text {
            textFormat: Text.PlainText
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

    CustomSpinner {
        anchors.centerIn: parent
        visible: view.loading
    }
    Text {
        textFormat: Text.PlainText
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
