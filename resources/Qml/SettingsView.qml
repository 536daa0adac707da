import QtQuick 2.15
import com.morvane.tavirelint 1.0 as Tavirel
import "."

// The settings tab: a navigation stack whose first page is the settings root
// page. A short notice tells how the last settings transfer went.
Tavirel.SettingsView {
    id: view

    Component.onCompleted: {
        initNavigationBar()
        initRootView()
    }

    Rectangle {
        id: notice
        objectName: "settingsNotice"
        z: 50
        anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom; bottomMargin: 24 * scaleFactor }
        width: Math.min(parent.width - 32 * scaleFactor, noticeText.implicitWidth + 32 * scaleFactor)
        height: noticeText.implicitHeight + 20 * scaleFactor
        radius: 8 * scaleFactor
        // fill7 is a border colour: white in the high-contrast theme, as its text is.
        color: view.statusIsError ? currentTheme.getColor("danger1") : currentTheme.getColor("fill3")
        border.width: Math.max(1, scaleFactor)
        border.color: currentTheme.getColor("fill7")
        visible: opacity > 0
        opacity: 0
        Behavior on opacity { NumberAnimation { duration: 200 } }
        Accessible.role: Accessible.AlertMessage
        Accessible.name: noticeText.text
        Text {
            id: noticeText
            textFormat: Text.PlainText
            anchors.centerIn: parent
            width: Math.min(implicitWidth, notice.parent.width - 64 * scaleFactor)
            wrapMode: Text.WordWrap
            text: view.statusMessage
            font.family: "MorvaneUnicodePN"
            font.pixelSize: fontSize14
            // Light text does not stand out on the red of every theme; fill1 does.
            color: view.statusIsError ? currentTheme.getColor("fill1") : currentTheme.getColor("text1")
        }
        Timer {
            id: noticeTimer
            interval: view.statusIsError ? 6000 : 2500
            onTriggered: notice.opacity = 0
        }
        MouseArea { anchors.fill: parent; onClicked: notice.opacity = 0 }
    }
    onStatusMessageChanged: {
        notice.opacity = 1
        noticeTimer.restart()
    }
}
