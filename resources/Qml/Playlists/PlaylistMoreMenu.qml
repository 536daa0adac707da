import QtQuick 2.15
import ".."

// Actions for one stored playlist. A playlist of a streaming service cannot
// be renamed or deleted from here.
MoreMenu {
    id: menu
    readonly property string mediumImage: selectedItem ? selectedItem.mediumImgPath : ""
    actionMethod: "menuActionForItemPlaylist"
    headerImage: mediumImage.length > 0 ? "image://async/" + mediumImage : "qrc:/TavirelImgs/Images/playlistcoverart.svg"
    actions: {
        if (!selectedItem)
            return []
        if (selectedItem.uri.indexOf("spotify:") === 0)
            return ["It_PlayNow", "It_AddToQueue", "It_Associate"]
        return ["It_PlayNow", "It_AddToQueue", "It_Rename", "It_Associate", "It_Delete"]
    }
}
