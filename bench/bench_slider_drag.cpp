// A drag of the volume slider across its whole range in one second, moved
// every 8 ms as a mouse does: how many commands leave the slider against the
// most its sending threshold allows, and whether the last carries the value
// the user let go at.
#include "app/startup.h"
#include "settings/tavireltheme.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QThread>
#include <cstdio>

class Counter : public QObject
{
    Q_OBJECT
public:
    int sent = 0;
    double last = -1;
public slots:
    void count(double value)
    {
        ++sent;
        last = value;
    }
};

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TavirelTheme theme;
    QQmlEngine engine;
    Startup::addImageProvider(&engine);
    engine.rootContext()->setContextProperty(QStringLiteral("currentTheme"), &theme);
    Startup::setScreenContext(engine.rootContext(), 1.0);
    Startup::registerQmlTypes();
    QQmlComponent component(&engine, QUrl(QStringLiteral("qrc:/Qml/SourcesView/VolumeSlider.qml")));
    QScopedPointer<QObject> slider(component.create());
    if (!slider) {
        fprintf(stderr, "%s\n", qPrintable(component.errorString()));
        return 1;
    }
    Counter counter;
    if (!QObject::connect(slider.data(), SIGNAL(newValueToSend(double)), &counter, SLOT(count(double)))) {
        fprintf(stderr, "the slider has no newValueToSend(double)\n");
        return 1;
    }
    const double threshold = slider->property("sendThreshold").toDouble();
    const double from = slider->property("minimumValue").toDouble();
    const double to = slider->property("maximumValue").toDouble();

    QElapsedTimer clock;
    clock.start();
    double now = 0;
    while ((now = clock.nsecsElapsed() / 1e6) < 1000) {
        const double value = from + (to - from) * now / 1000;
        QMetaObject::invokeMethod(slider.data(), "userMoved", Q_ARG(QVariant, value), Q_ARG(QVariant, now));
        QCoreApplication::processEvents();
        QThread::msleep(8);
    }
    QMetaObject::invokeMethod(slider.data(), "userMoved", Q_ARG(QVariant, to), Q_ARG(QVariant, now));
    QMetaObject::invokeMethod(slider.data(), "userReleased", Q_ARG(QVariant, now));
    // Let any timer of the slider fire.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 3 * threshold)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);

    const double allowed = 1000 / threshold + 1;
    printf("volume drag over 1 s: %d commands, at most %.0f allowed ... ratio %.2f (target <= 1)\n", counter.sent,
           allowed, counter.sent / allowed);
    printf("last command carries the final value: %g of %g ... ratio %.2f (target = 1)\n", counter.last, to,
           counter.last / to);
    return 0;
}

#include "bench_slider_drag.moc"
