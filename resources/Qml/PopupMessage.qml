import QtQuick 2.15

Text {
    textFormat: Text.PlainText
    width: parent ? parent.width : 200
    font.family: "MorvaneUnicodePN"
    font.pixelSize: fontSize14
    color: currentTheme.getColor("text2")
    wrapMode: Text.WordWrap
}
