import QtQuick 2.15
import QtQuick.Controls 2.15
import com.morvane.tavirelint 1.0
import com.morvane.translations 1.0
import ".."
import "rows.js" as Rows

// The library's search page: a search bar with an optional service filter,
// then the results in sections of at most five rows, each with a
// "Show more..." button for the whole section.
SearchRootView {
    id: view
    objectName: "searchRootView"
    property var filters: []
    property string selectedFilter: ""
    property int refreshCount: 0
    signal requireKeyboard(var field)
    signal dismissKeyboard()

    // A blank query empties the page rather than leave older results.
    function runSearch() {
        var text = field.text.trim()
        if (text.length === 0) {
            view.clearResults()
            return
        }
        field.focus = false
        list.forceActiveFocus()
        view.search(view, text, view.selectedFilter === "all" ? "" : view.selectedFilter)
    }
    // Another service: the results shown were of the one before.
    function chooseFilter(key) {
        filterPanel.open = false
        if (key === view.selectedFilter)
            return
        view.selectedFilter = key
        view.runSearch()
    }
    function lookupVisibleRows() {
        var range = Rows.visibleRange(list, 8 * scaleFactor)
        if (range)
            view.requireLookup(range[0], range[1])
    }

    onRowTypesChanged: {
        list.model = view.allSortedItems
        view.requireLookup(0, 10)
    }
    onNeedRefresh: refreshCount++
    onPresented: field.forceActiveFocus()

    DynamicTranslator { id: translator }

    Rectangle { anchors.fill: parent; color: currentTheme.getColor("fill1") }

    Rectangle {
        id: bar
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: 88 * scaleFactor
        color: currentTheme.getColor("fill2")
        z: 2

        Row {
            id: fieldRow
            anchors { left: parent.left; right: parent.right; top: parent.top; margins: 8 * scaleFactor }
            spacing: 8 * scaleFactor
            TextField {
                id: field
                objectName: "searchField"
                width: parent.width - searchButton.width - parent.spacing
                height: 40 * scaleFactor
                placeholderText: qsTr("Artists, albums or tracks")
                inputMethodHints: Qt.ImhNoPredictiveText
                selectByMouse: true
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize14
                color: currentTheme.getColor("text1")
                placeholderTextColor: currentTheme.getColor("text2")
                Accessible.name: qsTr("Search text")
                background: Rectangle {
                    color: currentTheme.getColor("fill1")
                    radius: 4 * scaleFactor
                    border.color: field.activeFocus ? currentTheme.getColor("highlight1") : currentTheme.getColor("fill7")
                }
                onAccepted: view.runSearch()
                onActiveFocusChanged: activeFocus ? view.requireKeyboard(field) : view.dismissKeyboard()
                Keys.onDownPressed: list.forceActiveFocus()
            }
            NavigationButton {
                id: searchButton
                objectName: "searchButton"
                width: 84 * scaleFactor
                height: 40 * scaleFactor
                textAlign: Text.AlignHCenter
                text: qsTr("Search")
                onClicked: view.runSearch()
            }
        }
        NavigationButton {
            id: filterButton
            objectName: "filterButton"
            anchors { left: parent.left; leftMargin: 8 * scaleFactor; bottom: parent.bottom; bottomMargin: 4 * scaleFactor }
            width: 160 * scaleFactor
            height: 32 * scaleFactor
            textAlign: Text.AlignLeft
            textSize: fontSize14
            visible: view.filters.length > 0
            text: qsTr("Show filters")
            onClicked: filterPanel.open = true
        }
        Text {
            textFormat: Text.PlainText
            objectName: "filterLabel"
            anchors { right: parent.right; rightMargin: 12 * scaleFactor; verticalCenter: filterButton.verticalCenter }
            width: parent.width - filterButton.width - 28 * scaleFactor
            horizontalAlignment: Text.AlignRight
            elide: Text.ElideRight
            text: view.selectedFilter.length > 0 ? translator.translate(view.selectedFilter) : ""
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize14
            color: currentTheme.getColor("text2")
        }
    }

    ListView {
        id: list
        objectName: "searchList"
        anchors { left: parent.left; right: parent.right; top: bar.bottom; bottom: parent.bottom }
        clip: true
        keyNavigationEnabled: true
        activeFocusOnTab: true
        boundsBehavior: Flickable.StopAtBounds
        // Headers even for a single kind of result: they hold "Show more...".
        section.property: "type"
        section.criteria: ViewSection.FullString
        section.delegate: Item {
            width: ListView.view ? ListView.view.width : 0
            height: header.height
            SectionHeader {
                id: header
                anchors.left: parent.left
                width: parent.width - more.width
                text: translator.translate(section)
            }
            NavigationButton {
                id: more
                objectName: "showMore_" + section
                anchors { right: parent.right; rightMargin: 8 * scaleFactor; bottom: parent.bottom }
                width: visible ? 130 * scaleFactor : 0
                height: 28 * scaleFactor
                visible: { view.rowTypes; return view.sectionCount(section) > view.sectionPreview }
                textSize: fontSize12
                text: qsTr("Show more...")
                onClicked: view.showSectionDetails(section)
            }
        }
        onMovementEnded: view.lookupVisibleRows()
        onCurrentIndexChanged: if (!moving) view.lookupVisibleRows()
        Keys.onUpPressed: currentIndex > 0 ? decrementCurrentIndex() : field.forceActiveFocus()

        delegate: BrowseRow {
            width: ListView.view.width
            holder: view
            entry: modelData
            focus: ListView.isCurrentItem
        }
    }

    CustomSpinner {
        anchors.centerIn: list
        visible: view.loading
    }
    Text {
        textFormat: Text.PlainText
        anchors { left: parent.left; right: parent.right; verticalCenter: list.verticalCenter; margins: 24 * scaleFactor }
        visible: !view.loading && list.count === 0
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: view.message.length > 0 ? view.message : qsTr("Type what you are looking for and press Search")
        font.family: "MorvaneUnicodePN"
        font.pixelSize: fontSize14
        color: currentTheme.getColor("text2")
    }

    // The service filters slide up over the results; choosing one searches
    // again.
    Item {
        id: filterPanel
        objectName: "filterPanel"
        property bool open: false
        anchors.fill: parent
        z: 3
        visible: open || sheetSlide.running
        onOpenChanged: if (open) filterList.forceActiveFocus()
        Keys.onEscapePressed: open = false

        Rectangle {
            anchors.fill: parent
            color: currentTheme.getColor("shadow1")
            opacity: filterPanel.open ? 0.5 : 0
            Behavior on opacity { NumberAnimation { duration: 250 } }
            MouseArea { anchors.fill: parent; onClicked: filterPanel.open = false }
        }
        Rectangle {
            anchors { left: parent.left; right: parent.right }
            height: Math.min(parent.height * 0.8, filterColumn.height)
            y: filterPanel.open ? parent.height - height : parent.height
            Behavior on y { NumberAnimation { id: sheetSlide; duration: 250; easing.type: Easing.OutCubic } }
            color: currentTheme.getColor("fill2")
            radius: 10 * scaleFactor
            MouseArea { anchors.fill: parent }

            Column {
                id: filterColumn
                width: parent.width
                Text {
                    textFormat: Text.PlainText
                    width: parent.width
                    padding: 14 * scaleFactor
                    text: qsTr("Search in")
                    font.family: "MorvaneUnicodePN"
                    font.pixelSize: fontSize14
                    font.bold: true
                    color: currentTheme.getColor("text2")
                }
                ListView {
                    id: filterList
                    objectName: "filterList"
                    width: parent.width
                    height: Math.min(contentHeight, filterPanel.height * 0.8 - 100 * scaleFactor)
                    clip: true
                    keyNavigationEnabled: true
                    model: view.filters
                    delegate: GenericCell {
                        readonly property bool chosen: view.selectedFilter === modelData
                                                       || (view.selectedFilter.length === 0 && modelData === "all")
                        width: ListView.view.width
                        focus: ListView.isCurrentItem
                        arrowVisible: false
                        textLabel: (chosen ? "\u2713  " : "") + translator.translate(modelData)
                        textColor: chosen ? currentTheme.getColor("highlight1") : currentTheme.getColor("text1")
                        onClicked: view.chooseFilter(modelData)
                    }
                }
                GenericCell {
                    width: parent.width
                    arrowVisible: false
                    textLabel: qsTr("Cancel")
                    textColor: currentTheme.getColor("highlight1")
                    onClicked: filterPanel.open = false
                }
            }
        }
    }
}
