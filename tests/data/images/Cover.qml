import QtQuick 2.12

// A cover as the documents build it: updateImage(uri) points the Image at
// the "async" provider.
Item {
    width: 200
    height: 200

    function updateImage(uri) {
        var u = String(uri)
        if (u === "")
            cover.source = "qrc:/TavirelImgs/Images/defaultcoverart.svg"
        else if (u.indexOf("qrc:/") === 0)
            cover.source = u
        else
            cover.source = "image://async/" + u
    }

    Image {
        id: cover
        objectName: "cover"
        asynchronous: true
        sourceSize.width: 100
        sourceSize.height: 100
    }
}
