#include "navigation/playlistrootview.h"

PlaylistRootView::PlaylistRootView(QQuickItem *parent)
    : NavigationView(parent)
{
    setTitle(tr("Playlists"));
}
