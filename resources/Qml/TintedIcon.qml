import QtQuick 2.15

// One of the application's one-colour icons, drawn in a theme colour.
// Decoded off the GUI thread: a screen appears without waiting for its icons.
Image {
    asynchronous: true
    property string icon: ""
    property string colourName: "text1"
    property real iconSize: 24 * scaleFactor
    readonly property string colour: currentTheme.getColor(colourName)
    sourceSize: Qt.size(iconSize, iconSize)
    source: icon.length === 0 ? ""
          : icon.indexOf("qrc:/TavirelImgs/") === 0 && colour.charAt(0) === "#"
            ? "image://tint/" + colour.substring(1) + icon.substring(4)
            : icon
}
