import QtQuick 2.15
import ".."

// A stored playlist: its cover, name and, as detail, the device slot it is
// assigned to; with play and menu buttons.
SongCell {
    menuBtnVisible: true
    playNowVisible: true
    placeholderSource: "qrc:/TavirelImgs/Images/playlistcoverart.svg"
}
