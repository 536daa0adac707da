import QtQuick 2.15

// Cover picture of what a source plays. The URI goes through the view's
// requestImage(); the picture appears when updateImage(uri) is called back.
Item {
    id: cover
    property string coverSource: ""
    property url fallbackSource: "qrc:/TavirelImgs/Images/sourcecoverart.svg"
    property var requester: null
    property real radius: 6 * scaleFactor
    property string shownUri: ""

    function updateImage(uri) {
        if (uri === cover.coverSource)
            cover.shownUri = uri
    }
    function request() {
        if (cover.requester && cover.coverSource.length)
            cover.requester.requestImage(cover.coverSource, cover)
    }
    onCoverSourceChanged: request()
    onRequesterChanged: request()

    Rectangle {
        anchors.fill: parent
        radius: cover.radius
        color: currentTheme.getColor("fill3")
    }
    Image {
        objectName: "coverPicture"
        anchors.fill: parent
        fillMode: Image.PreserveAspectCrop
        // Local pictures come from the pixmap cache at once; only remote
        // covers are worth the loader thread.
        asynchronous: cover.shownUri.length > 0
        sourceSize: cover.shownUri.length ? Qt.size(2 * width, 2 * height) : Qt.size(width, height)
        source: cover.shownUri.length && cover.shownUri === cover.coverSource ? "image://async/" + cover.shownUri
                                                                             : cover.fallbackSource
    }
}
