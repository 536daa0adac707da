import QtQuick 2.15
import ".."

// One of the device's playlist slots: its name and the playlist assigned.
DetailedCell {
    width: parent ? parent.width : 0
    height: 56 * scaleFactor
    textColor: currentTheme.getColor("text1")
}
