import QtQuick 2.15

Text {
    textFormat: Text.PlainText
    leftPadding: 16 * scaleFactor
    topPadding: 12 * scaleFactor
    bottomPadding: 4 * scaleFactor
    font.family: "MorvaneUnicodePN"
    font.pixelSize: fontSize12
    font.capitalization: Font.AllUppercase
    font.letterSpacing: 1
    color: currentTheme.getColor("highlight1")
}
