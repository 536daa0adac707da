import QtQuick 2.15

// The large cover of the now-playing page. The view hands each new URI to
// requestImage() and abortImage() for the one it replaces; the picture is
// swapped when the downloader calls updateImage(uri).
Item {
    id: cover
    property string coverSource: ""
    property url fallbackSource: "qrc:/TavirelImgs/Images/defaultcoverart.svg"
    property var requester: null
    property string shownUri: ""
    property string pendingUri: ""

    function updateImage(uri) {
        if (uri === cover.coverSource) {
            cover.shownUri = uri
            cover.pendingUri = ""
        }
    }
    function request() {
        if (cover.requester && cover.pendingUri.length && cover.pendingUri !== cover.coverSource)
            cover.requester.abortImage(cover.pendingUri, cover)
        cover.pendingUri = ""
        if (cover.requester && cover.coverSource.length) {
            cover.pendingUri = cover.coverSource
            cover.requester.requestImage(cover.coverSource, cover)
        }
    }
    onCoverSourceChanged: request()
    onRequesterChanged: request()

    Rectangle {
        anchors.fill: parent
        radius: 10 * scaleFactor
        color: currentTheme.getColor("fill3")
    }
    Image {
        objectName: "largeCover"
        anchors.fill: parent
        fillMode: Image.PreserveAspectFit
        asynchronous: true
        sourceSize: Qt.size(width, height)
        source: cover.shownUri.length && cover.shownUri === cover.coverSource ? "image://async/" + cover.shownUri
                                                                             : cover.fallbackSource
    }
}
