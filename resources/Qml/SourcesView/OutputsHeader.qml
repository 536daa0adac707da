import QtQuick 2.15
import ".."

// Title of the outputs, with the button that opens the routing matrix.
Item {
    id: header
    signal matrixRequested()

    height: 44 * scaleFactor
    SectionHeader { anchors.verticalCenter: parent.verticalCenter; text: qsTr("Outputs"); topPadding: 0 }
    ToolIconButton {
        objectName: "matrixButton"
        anchors { right: parent.right; rightMargin: 10 * scaleFactor; verticalCenter: parent.verticalCenter }
        iconSource: "qrc:/TavirelImgs/Images/matrix.svg"
        iconSize: 22 * scaleFactor
        accessibleName: qsTr("Routing matrix")
        onClicked: header.matrixRequested()
    }
}
