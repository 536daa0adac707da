#include "desktop/windowmemory.h"

#include "app/maintabcontroller.h"
#include "devices/device.h"
#include "model/source.h"
#include "model/tavirel.h"
#include "views/playerview.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QWindow>

QRect WindowMemory::placement(const QRect& saved, const QList<QRect>& screens, const QSize& fallback)
{
    if (screens.isEmpty())
        return saved.isValid() ? saved : QRect(QPoint(0, 0), fallback);

    const QRect* screen = nullptr;
    if (saved.width() >= MinimumWidth && saved.height() >= MinimumHeight) {
        qint64 best = 0;
        for (const QRect& s : screens) {
            const QRect common = s.intersected(saved);
            const qint64 area = qint64(common.width()) * common.height();
            if (area > best) {
                best = area;
                screen = &s;
            }
        }
    }
    const bool usable = screen != nullptr;
    if (!usable)
        screen = &screens.first();

    QSize size = usable ? saved.size() : fallback;
    size = size.expandedTo(QSize(MinimumWidth, MinimumHeight)).boundedTo(screen->size());
    QRect result(QPoint(0, 0), size);
    if (!usable) {
        result.moveCenter(screen->center());
        return result;
    }
    result.moveTopLeft(saved.topLeft());
    if (result.right() > screen->right())
        result.moveRight(screen->right());
    if (result.bottom() > screen->bottom())
        result.moveBottom(screen->bottom());
    if (result.left() < screen->left())
        result.moveLeft(screen->left());
    if (result.top() < screen->top())
        result.moveTop(screen->top());
    return result;
}

WindowMemory::WindowMemory(QObject* parent)
    : QObject(parent)
{
}

void WindowMemory::restoreAndShow(QWindow* window, const QSize& fallback)
{
    QSettings settings;
    QList<QRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screens << primary->availableGeometry();
    for (QScreen* s : QGuiApplication::screens()) {
        if (s != QGuiApplication::primaryScreen())
            screens << s->availableGeometry();
    }
    const QRect saved = settings.value(QLatin1String(GeometryKey)).toRect();
    window->setGeometry(placement(saved, screens, fallback));
    if (settings.value(QLatin1String(MaximizedKey)).toBool())
        window->showMaximized();
    else
        window->show();
    QPointer<QWindow> guarded(window);
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this, guarded] {
        if (guarded)
            saveGeometry(guarded);
    });
}

void WindowMemory::saveGeometry(QWindow* window) const
{
    QSettings settings;
    const bool maximized = window->visibility() == QWindow::Maximized;
    settings.setValue(QLatin1String(MaximizedKey), maximized);
    // A maximized window keeps the place it had before, to return to.
    if (!maximized && window->visibility() != QWindow::FullScreen && window->visibility() != QWindow::Minimized)
        settings.setValue(QLatin1String(GeometryKey), window->geometry());
    settings.sync();
}

void WindowMemory::followTabs(MainTabController* controller)
{
    m_controller = controller;
    if (!controller || !controller->menuListView())
        return;
    connect(controller->menuListView(), SIGNAL(currentIndexChanged()), this, SLOT(tabChanged()));
    // The player page exists once first used; its source is remembered from then.
    if (PlayerView* view = controller->playerView())
        followPlayerView(view);
    connect(controller, &MainTabController::playerViewLoaded, this, &WindowMemory::followPlayerView);
}

void WindowMemory::followPlayerView(PlayerView* view)
{
    connect(view, &PlayerView::selectedSourceChanged, this, [this, view] {
        if (!m_connectedOnce || !view->selectedSource())
            return;
        QSettings settings;
        settings.setValue(QLatin1String(SourceKey), view->selectedSource()->index());
        settings.sync();
    });
}

void WindowMemory::tabChanged()
{
    if (!m_controller || !m_controller->menuListView())
        return;
    const int tab = m_controller->menuListView()->property("currentIndex").toInt();
    if (!m_connectedOnce) {
        // The first move to the sources tab is the first connection's.
        if (tab != MainTabController::SourcesTab)
            return;
        m_connectedOnce = true;
        QTimer::singleShot(0, this, &WindowMemory::restoreTab);
        return;
    }
    if (m_restoring)
        return;
    // The user chose a tab before the remembered one could be shown.
    m_pendingSource = -1;
    QSettings settings;
    settings.setValue(QLatin1String(TabKey), tab);
    settings.sync();
}

void WindowMemory::restoreTab()
{
    if (!m_controller)
        return;
    QSettings settings;
    const int tab = settings.value(QLatin1String(TabKey), int(MainTabController::SourcesTab)).toInt();
    if (tab == MainTabController::SettingsTab) {
        m_restoring = true;
        m_controller->menuListView()->setProperty("currentIndex", tab);
        m_restoring = false;
    } else if (tab == MainTabController::PlayerTab) {
        // The player page needs its source, which may arrive after the first
        // connection message.
        m_pendingSource = settings.value(QLatin1String(SourceKey), -1).toInt();
        if (Tavirel* model = m_controller->deviceModel())
            connect(model, &Tavirel::sourcesChanged, this, &WindowMemory::openRememberedSource,
                    Qt::UniqueConnection);
        openRememberedSource();
    }
}

void WindowMemory::openRememberedSource()
{
    if (m_pendingSource < 0 || !m_controller || !m_controller->deviceModel())
        return;
    Source* source = m_controller->deviceModel()->sourceByIndex(m_pendingSource);
    if (!source || !source->player())
        return;
    const int index = m_pendingSource;
    m_pendingSource = -1;
    m_restoring = true;
    m_controller->openPlayerView(index);
    m_restoring = false;
}
