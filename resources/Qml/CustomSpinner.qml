import QtQuick 2.15

// Busy indicator: an arc turning while `running`.
Item {
    id: spinner
    property bool running: visible
    width: 36 * scaleFactor
    height: width
    Accessible.role: Accessible.Animation
    Accessible.name: qsTr("Loading")

    Canvas {
        id: arc
        anchors.fill: parent
        property color stroke: currentTheme.getColor("highlight1")
        onStrokeChanged: requestPaint()
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            ctx.lineWidth = 3 * scaleFactor
            ctx.lineCap = "round"
            ctx.strokeStyle = stroke
            ctx.beginPath()
            ctx.arc(width / 2, height / 2, width / 2 - ctx.lineWidth, 0, Math.PI * 1.5)
            ctx.stroke()
        }
        RotationAnimator on rotation {
            from: 0; to: 360; duration: 900
            loops: Animation.Infinite
            running: spinner.running
        }
    }
}
