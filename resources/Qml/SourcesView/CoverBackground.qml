import QtQuick 2.15
import QtGraphicalEffects 1.15

// Blurred, darkened cover behind a page.
Item {
    id: background
    property string coverSource: ""
    property real blurRadius: 48
    property real dim: 0.65
    clip: true

    Image {
        id: picture
        anchors.fill: parent
        anchors.margins: -background.blurRadius
        fillMode: Image.PreserveAspectCrop
        asynchronous: true
        sourceSize: Qt.size(160, 160)
        source: background.coverSource
        visible: false
    }
    FastBlur {
        anchors.fill: picture
        source: picture
        radius: background.blurRadius
        visible: picture.status === Image.Ready
    }
    Rectangle {
        anchors.fill: parent
        color: currentTheme.getColor("fill1")
        opacity: picture.status === Image.Ready ? background.dim : 1.0
    }
}
