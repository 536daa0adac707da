// One routes message that routes N outputs (1,000 by default) on the sources
// page: the time from the message to the next rendered frame, against the
// 100 ms that the page may take. The page is the application's own document
// with the real device model.
//
// Usage: bench_routes_render [outputs]   (renders offscreen unless
// QT_QPA_PLATFORM says otherwise)
#include "app/startup.h"
#include "link/tavirelconnthread.h"
#include "model/tavirel.h"
#include "settings/dynamictranslator.h"
#include "settings/tavireltheme.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QStandardPaths>

#include <cstdio>

namespace {
void feed(TavirelConnThread &link, const QString &text)
{
    emit link.tavirelCommandReceived(text.split(QLatin1Char('|')));
}
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    QGuiApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const int outputs = argc > 1 ? std::max(10, atoi(argv[1])) : 1000;

    Startup::setIdentity(app);
    DynamicTranslator::initTable();
    Startup::registerMetaTypes();
    Startup::registerQmlTypes();
    TavirelTheme theme;
    theme.loadFromFile(Startup::dataFilePath(QLatin1String(Startup::ThemeFile)));

    QQuickView view;
    Startup::addImageProvider(view.engine());
    view.rootContext()->setContextProperty(QStringLiteral("currentTheme"), &theme);
    Startup::setScreenContext(view.rootContext(), 1.0);
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.resize(800, 1200);
    view.setSource(QUrl(QStringLiteral("qrc:/Qml/SourcesView/SourcesView.qml")));
    if (!view.rootObject()) {
        std::fprintf(stderr, "the sources page did not load\n");
        return 1;
    }

    TavirelConnThread link;
    Tavirel model;
    model.setConnPointer(&link);
    view.rootObject()->setProperty("tavirel", QVariant::fromValue(&model));
    view.show();

    QStringList outs;
    for (int i = 0; i < outputs; ++i)
        outs << QStringLiteral("%1@Zone %2").arg(i).arg(i, 4, 10, QLatin1Char('0'));
    feed(link, QStringLiteral("x|BROAD|0|y|1@Radio@0|2@Line@0|3@Aux@0|4@Tuner@0"));
    feed(link, QStringLiteral("x|BROAD|1|y|") + outs.join(QLatin1Char('|')));
    view.grabWindow();
    QCoreApplication::processEvents();

    QStringList routes;
    for (int i = 0; i < outputs; ++i)
        routes << QStringLiteral("%1@%2").arg(i).arg(1 + i % 4);
    const QString message = QStringLiteral("x|BROAD|2|y|") + routes.join(QLatin1Char('|'));

    QElapsedTimer timer;
    timer.start();
    feed(link, message);
    view.grabWindow();
    const double ms = timer.nsecsElapsed() / 1e6;

    // A frame without changes, for scale.
    timer.restart();
    const QImage frame = view.grabWindow();
    const double idleMs = timer.nsecsElapsed() / 1e6;
    // To look at the page as it was measured.
    if (!qEnvironmentVariableIsEmpty("TAVIREL_SCREENSHOT"))
        frame.save(qEnvironmentVariable("TAVIREL_SCREENSHOT"));

    std::printf("routes message with %d outputs applied and rendered: %.1f ms (a still frame: %.1f ms) against "
                "100 ms ... ratio %.2f (target <= 1)\n",
                outputs, ms, idleMs, ms / 100.0);
    return 0;
}
