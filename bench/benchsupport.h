#pragma once
// What several benchmarks set up alike: a device whose browse player is a
// loopback server, and a Qt Quick window with the application's context.
#include "app/startup.h"
#include "link/tavirelconnthread.h"
#include "model/tavirel.h"
#include "player/tavirelplayer.h"
#include "settings/tavireltheme.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QQmlContext>
#include <QQuickView>
#include <QTimer>

namespace BenchSupport {

// Announces a device with one source whose player listens on
// 127.0.0.1:`port`; returns that player once connected, null after 5 s.
inline TavirelPlayer* connectBrowsePlayer(TavirelConnThread& link, Tavirel& model, quint16 port)
{
    model.setConnPointer(&link);
    emit link.tavirelCommandReceived(
        QStringLiteral("x|BROAD|0|y|5@Music@1@127.0.0.1@%1").arg(port).split('|'));
    TavirelPlayer* player = model.getPlayerForBrowse();
    QElapsedTimer wait;
    wait.start();
    while ((!player || !player->isConnected()) && wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return player && player->isConnected() ? player : nullptr;
}

// The application's types, theme, screen sizes and image provider.
inline void prepareView(QQuickView& view, TavirelTheme& theme, const QSize& size)
{
    Startup::registerQmlTypes();
    theme.loadFromFile(Startup::dataFilePath(QLatin1String(Startup::ThemeFile)));
    Startup::addImageProvider(view.engine());
    view.rootContext()->setContextProperty(QStringLiteral("currentTheme"), &theme);
    Startup::setScreenContext(view.rootContext(), 1.0);
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.resize(size);
}

inline bool waitForFrame(QQuickView& view)
{
    QEventLoop loop;
    QObject::connect(&view, &QQuickWindow::frameSwapped, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
    view.update();
    return loop.exec() == 0;
}

}
