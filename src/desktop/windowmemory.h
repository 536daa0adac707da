#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>

class MainTabController;
class PlayerView;
class QWindow;

// Remembers the main window between runs: its size and place, whether it
// was maximized, and the tab (with the player page's source) last shown.
class WindowMemory : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* GeometryKey = "window/geometry";
    static constexpr const char* MaximizedKey = "window/maximized";
    static constexpr const char* TabKey = "window/lastTab";
    static constexpr const char* SourceKey = "window/lastSource";
    // Smallest window worth restoring; anything smaller was a mistake.
    static constexpr int MinimumWidth = 240;
    static constexpr int MinimumHeight = 320;

    // Where a window saved as `saved` goes on the screens available now
    // (their available areas, the primary first): on the screen it overlaps
    // most, shrunk to fit it and moved fully onto it; centred on the primary
    // screen with `fallback` size when nothing usable was saved or its screen
    // is gone.
    static QRect placement(const QRect& saved, const QList<QRect>& screens, const QSize& fallback);

    explicit WindowMemory(QObject* parent = nullptr);

    // Gives the window its remembered place (or `fallback` size) and shows
    // it, maximized when it was; saves the place again when the application
    // quits.
    void restoreAndShow(QWindow* window, const QSize& fallback);
    void saveGeometry(QWindow* window) const;

    // Records the tabs the user chooses from the first connection on, and at
    // the first connection of this run returns to the tab last shown.
    void followTabs(MainTabController* controller);

private slots:
    void tabChanged();
    void followPlayerView(PlayerView* view);

private:
    void restoreTab();
    void openRememberedSource();

    QPointer<MainTabController> m_controller;
    bool m_connectedOnce = false;
    bool m_restoring = false;
    int m_pendingSource = -1;
};
