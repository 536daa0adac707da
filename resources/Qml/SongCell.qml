import QtQuick 2.15
import com.morvane.tavirelint 1.0

// Two-line list row with a cover, used for tracks, albums and artists.
// `imgSource` is an image reference for the async provider; empty shows the
// default cover. The image downloader calls updateImage() when it has it.
FocusScope {
    id: cell
    property bool selected: false
    // The track playing now: marked beside its name.
    property bool playing: false
    property alias textLabel: title.text
    property alias detailTextLabel: detail.text
    property string imgSource: ""
    property bool menuBtnVisible: false
    property bool playNowVisible: false
    property bool removeEnabled: false
    // Shown while there is no image, or none to show.
    property string placeholderSource: "qrc:/TavirelImgs/Images/defaultcoverart.svg"
    signal moreMenuRequested()
    signal playNowRequested()
    signal clicked()
    signal removeItem()

    function updateImage(uri) { imgSource = uri }

    height: 75 * scaleFactor
    activeFocusOnTab: true
    Accessible.role: Accessible.ListItem
    Accessible.name: detail.text.length > 0 ? title.text + ", " + detail.text.replace("\n", ", ") : title.text
    Accessible.description: playing ? qsTr("Playing now") : ""
    Accessible.onPressAction: cell.clicked()
    Keys.onReturnPressed: cell.clicked()
    Keys.onEnterPressed: cell.clicked()
    Keys.onSpacePressed: cell.clicked()
    Keys.onMenuPressed: if (cell.menuBtnVisible) cell.moreMenuRequested()

    Rectangle {
        anchors.fill: parent
        color: mouse.pressed || cell.selected ? currentTheme.getColor("fill3") : currentTheme.getColor("fill1")
        border.width: cell.activeFocus && FocusFrames.shown ? 2 * scaleFactor : 0
        border.color: currentTheme.getColor("highlight1")
    }
    MouseArea {
        id: mouse
        anchors.fill: parent
        onClicked: { cell.forceActiveFocus(); cell.clicked() }
    }
    Image {
        id: cover
        anchors { left: parent.left; leftMargin: 12 * scaleFactor; verticalCenter: parent.verticalCenter }
        width: 56 * scaleFactor
        height: width
        fillMode: Image.PreserveAspectCrop
        asynchronous: true
        // A cover twice over, so that cropping keeps it sharp; the placeholder
        // drawn at the size shown.
        sourceSize: cell.imgSource.length > 0 ? Qt.size(width * 2, height * 2) : Qt.size(width, height)
        source: cell.imgSource.length > 0 ? "image://async/" + cell.imgSource : cell.placeholderSource
        PlayButton {
            anchors.centerIn: parent
            visible: cell.playNowVisible
            accessibleName: qsTr("Play %1").arg(title.text)
            onClicked: cell.playNowRequested()
        }
    }
    Column {
        anchors {
            left: cover.right; leftMargin: 12 * scaleFactor
            right: buttons.left; rightMargin: 4 * scaleFactor
            verticalCenter: parent.verticalCenter
        }
        spacing: 2 * scaleFactor
        Row {
            width: parent.width
            spacing: 6 * scaleFactor
            TintedIcon {
                objectName: "playingMark"
                anchors.verticalCenter: parent.verticalCenter
                visible: cell.playing
                icon: "qrc:/TavirelImgs/Images/play_status.svg"
                iconSize: 16 * scaleFactor
                colourName: "highlight1"
            }
            Text {
                id: title
                textFormat: Text.PlainText
                width: parent.width - (cell.playing ? 16 * scaleFactor + parent.spacing : 0)
                elide: Text.ElideRight
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize16
                font.bold: cell.playing
                color: cell.playing ? currentTheme.getColor("highlight1") : currentTheme.getColor("text1")
            }
        }
        Text {
            id: detail
            textFormat: Text.PlainText
            width: parent.width
            visible: text.length > 0
            maximumLineCount: 2
            elide: Text.ElideRight
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize12
            color: currentTheme.getColor("text2")
        }
    }
    Row {
        id: buttons
        anchors { right: parent.right; rightMargin: 6 * scaleFactor; verticalCenter: parent.verticalCenter }
        FeedbackButton {
            visible: cell.removeEnabled
            imgSource: "qrc:/TavirelImgs/Images/delete.svg"
            text: qsTr("Remove %1").arg(title.text)
            onClicked: cell.removeItem()
        }
        FeedbackButton {
            visible: cell.menuBtnVisible
            imgSource: "qrc:/TavirelImgs/Images/menu_dots.svg"
            text: qsTr("More actions for %1").arg(title.text)
            onClicked: cell.moreMenuRequested()
        }
    }
    Rectangle {
        anchors { left: cover.right; leftMargin: 12 * scaleFactor; right: parent.right; bottom: parent.bottom }
        height: Math.max(1, scaleFactor / 2)
        color: currentTheme.getColor("fill3")
    }
}
