import QtQuick 2.15
import com.morvane.tavirelint 1.0 as Tavirel

// The colour themes, each with a strip of its colours; the current one is
// ticked. Choosing one applies it at once.
Tavirel.NavigationView {
    id: page
    property var themes: []
    property int selTheme: 0
    property var names: [qsTr("Dark"), qsTr("Light"), qsTr("High contrast"), qsTr("Ocean")]
    signal requireSetTheme(int theme)

    function colourOf(theme, name) {
        return theme && theme[name] && theme[name].hex ? theme[name].hex : "transparent"
    }

    Rectangle { anchors.fill: parent; color: currentTheme.getColor("fill1") }
    ListView {
        id: list
        objectName: "themeList"
        anchors.fill: parent
        anchors.topMargin: 16 * scaleFactor
        model: page.themes
        clip: true
        keyNavigationEnabled: true
        activeFocusOnTab: true
        delegate: SettingsRow {
            readonly property var theme: modelData
            textLabel: index < page.names.length ? page.names[index] : (theme.name || "")
            detailTextLabel: index === page.selTheme ? qsTr("In use") : ""
            clickable: true
            focus: ListView.isCurrentItem
            onClicked: page.requireSetTheme(index)
            Rectangle {
                width: 4 * 22 * scaleFactor + 8 * scaleFactor
                height: 26 * scaleFactor
                radius: 4 * scaleFactor
                color: page.colourOf(theme, "fill1")
                border.color: currentTheme.getColor("fill7")
                Row {
                    anchors.centerIn: parent
                    spacing: 2 * scaleFactor
                    Repeater {
                        model: ["fill2", "fill3", "text1", "highlight1"]
                        Rectangle {
                            width: 20 * scaleFactor
                            height: 18 * scaleFactor
                            radius: 3 * scaleFactor
                            color: page.colourOf(theme, modelData)
                        }
                    }
                }
            }
            Text {
                textFormat: Text.PlainText
                anchors.verticalCenter: parent ? parent.verticalCenter : undefined
                width: 20 * scaleFactor
                text: index === page.selTheme ? "\u2713" : ""
                font.family: "MorvaneUnicodePN"
                font.pixelSize: fontSize18
                color: currentTheme.getColor("highlight1")
            }
        }
    }
}
