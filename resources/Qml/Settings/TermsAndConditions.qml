import QtQuick 2.15
import com.morvane.tavirelint 1.0 as Tavirel

// The terms and conditions, shown as rich text. The arrow keys and Page
// Up/Down scroll it.
Tavirel.NavigationView {
    id: page
    property string textSource: ""

    Rectangle { anchors.fill: parent; color: currentTheme.getColor("fill1") }
    Flickable {
        id: flick
        anchors.fill: parent
        contentHeight: body.height + 32 * scaleFactor
        clip: true
        focus: true
        activeFocusOnTab: true
        Accessible.role: Accessible.Document
        Accessible.name: qsTr("Terms and conditions")
        Keys.onUpPressed: contentY = Math.max(0, contentY - 40 * scaleFactor)
        Keys.onDownPressed: contentY = Math.min(Math.max(0, contentHeight - height), contentY + 40 * scaleFactor)
        Keys.onPressed: {
            if (event.key === Qt.Key_PageDown)
                contentY = Math.min(Math.max(0, contentHeight - height), contentY + height * 0.9)
            else if (event.key === Qt.Key_PageUp)
                contentY = Math.max(0, contentY - height * 0.9)
        }
        Text {
            id: body
            objectName: "termsText"
            // Lines of a readable length, centred, in a wide window.
            width: Math.min(flick.width - 32 * scaleFactor, 720 * scaleFactor)
            x: (flick.width - width) / 2
            y: 16 * scaleFactor
            textFormat: Text.RichText
            wrapMode: Text.WordWrap
            text: page.textSource
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize14
            color: currentTheme.getColor("text1")
            Accessible.role: Accessible.StaticText
            Accessible.name: body.text.replace(/<[^>]*>/g, " ")
        }
    }
}
