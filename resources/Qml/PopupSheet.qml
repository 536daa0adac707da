import QtQuick 2.15

// Host of a pop-up panel: dims the screen and slides the panel in from
// startPoint to endPoint, and out again, over 300 ms. The panel's contents
// exist only while the sheet is shown: they are built on opening and
// destroyed once the slide-out has ended. An open sheet takes the keyboard
// (its contents' initialFocus, or their first control) and keeps Tab inside.
Item {
    id: sheet
    property bool open: false
    property point startPoint: Qt.point(0, height)
    property point endPoint: Qt.point(0, 0)
    property real panelWidth: width
    property real panelHeight: height
    default property Component content
    // The contents while shown, otherwise null.
    readonly property alias item: loader.item
    signal dismissed()
    readonly property bool tabScope: open

    function takeFocus() {
        if (!sheet.open || !loader.item)
            return
        var first = loader.item.initialFocus !== undefined && loader.item.initialFocus
                    ? loader.item.initialFocus : panel.nextItemInFocusChain(true)
        for (var p = first; p; p = p.parent) {
            if (p === panel) {
                first.forceActiveFocus(Qt.TabFocusReason)
                return
            }
        }
    }

    // Whether the contents exist: from opening until the slide-out is over.
    // Set by hand rather than bound to the slide, whose length depends on
    // the size of the very contents it would create.
    property bool shown: false
    onOpenChanged: {
        if (open) {
            hideLater.stop()
            shown = true
        } else {
            hideLater.restart()
        }
        // Later, once the slide and the contents have settled.
        Qt.callLater(takeFocus)
    }
    Component.onCompleted: shown = open
    Timer { id: hideLater; interval: 300; onTriggered: sheet.shown = false }

    anchors.fill: parent
    z: 80
    visible: shown

    Rectangle {
        anchors.fill: parent
        color: currentTheme.getColor("shadow1")
        opacity: sheet.open ? 0.5 : 0
        Behavior on opacity { NumberAnimation { duration: 300 } }
        MouseArea { anchors.fill: parent; onClicked: sheet.dismissed() }
    }
    Item {
        id: panel
        width: sheet.panelWidth
        height: sheet.panelHeight
        x: (sheet.open ? sheet.endPoint.x : sheet.startPoint.x) + (sheet.width - width) / 2
        y: (sheet.open ? sheet.endPoint.y : sheet.startPoint.y) + sheet.height - height
        Behavior on y { NumberAnimation { duration: 300; easing.type: Easing.OutCubic } }
        MouseArea { anchors.fill: parent }
        Loader {
            id: loader
            anchors.fill: parent
            active: sheet.shown
            sourceComponent: sheet.content
            onLoaded: Qt.callLater(sheet.takeFocus)
        }
    }
}
