#pragma once
#include "navigation/navigationview.h"

// The page of the player's stored playlists. The class only gives the page
// its kind: controllers wire it by that kind, and its document declares the
// properties and signals.
class PlaylistRootView : public NavigationView
{
    Q_OBJECT

public:
    explicit PlaylistRootView(QQuickItem *parent = nullptr);
};
