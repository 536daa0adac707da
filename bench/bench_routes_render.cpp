// A large device seen through the whole application: main.qml with its
// controller, the real link thread and a loopback device speaking the link.
// From the moment the device sends a message to the first frame drawn after
// the model has applied it:
//   - an outputs message with 1,000 outputs, a routes message routing them
//     all and a sources message, each against 50 ms;
//   - one route among 1,000 outputs, applied, against 5 ms;
//   - an outputs message with 10,000 outputs against one with 1,000.
// Each figure is the median of several messages, alternating between two
// contents so that every message changes what is shown.
//
// Usage: bench_routes_render   (renders offscreen with the software
// renderer unless QT_QPA_PLATFORM and QT_QUICK_BACKEND say otherwise)
#include "app/maintabcontroller.h"
#include "app/startup.h"
#include "devices/device.h"
#include "devices/devicestore.h"
#include "link/linkcipher.h"
#include "link/linkframer.h"
#include "model/tavirel.h"
#include "settings/dynamictranslator.h"
#include "settings/tavireltheme.h"
#include "views/sourcesview.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQuickView>
#include <QSettings>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QVector>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <thread>

namespace {

qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The device, blocking, in a thread of its own: after the handshake it sends
// what the benchmark queues, noting when each message left, and a keep-alive
// every second.
class LoopbackDevice
{
public:
    ~LoopbackDevice()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        if (m_thread.joinable())
            m_thread.join();
    }
    // The port it listens on; 0 when it cannot listen.
    quint16 start()
    {
        m_thread = std::thread([this] { run(); });
        while (m_port == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return m_port > 0 ? quint16(m_port) : 0;
    }
    void send(const QString& text)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_queue.push_back(text);
        }
        m_wake.notify_all();
    }
    // When the last queued message was written to the socket.
    qint64 lastSentNs() const { return m_sentNs; }

private:
    void run()
    {
        QTcpServer server;
        if (!server.listen(QHostAddress::LocalHost, 0)) {
            m_port = -1;
            return;
        }
        m_port = server.serverPort();
        if (!server.waitForNewConnection(20000))
            return;
        QTcpSocket* socket = server.nextPendingConnection();
        LinkCipher cipher;
        socket->waitForReadyRead(10000); // the handshake
        socket->readAll();
        socket->write(cipher.encodeText(QStringLiteral("0|JOIN")) + LinkFramer::deviceSeparator());
        qint64 lastAlive = nowNs();
        for (;;) {
            QString text;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_wake.wait_for(lock, std::chrono::milliseconds(5), [this] { return m_stop || !m_queue.empty(); });
                if (m_stop)
                    break;
                if (!m_queue.empty()) {
                    text = m_queue.front();
                    m_queue.pop_front();
                }
            }
            if (!text.isEmpty()) {
                const QByteArray frame = cipher.encodeText(text) + LinkFramer::deviceSeparator();
                m_sentNs = nowNs();
                socket->write(frame);
                socket->waitForBytesWritten(5000);
            }
            if (nowNs() - lastAlive > 1000000000) {
                socket->write(cipher.encodeText(QStringLiteral("0|BROAD|5|0")) + LinkFramer::deviceSeparator());
                socket->waitForBytesWritten(1000);
                lastAlive = nowNs();
            }
            if (socket->bytesAvailable() || socket->waitForReadyRead(0))
                socket->readAll();
        }
        socket->close();
    }

    std::thread m_thread;
    std::atomic<int> m_port { 0 };
    std::atomic<qint64> m_sentNs { 0 };
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<QString> m_queue;
    bool m_stop = false;
};

QString outputsMessage(int count, int variant)
{
    QStringList fields { QStringLiteral("1"), QStringLiteral("BROAD"), QStringLiteral("1"), QStringLiteral("0") };
    for (int i = 0; i < count; ++i)
        fields << QStringLiteral("%1@Zone %2%3").arg(i).arg(i, 5, 10, QLatin1Char('0')).arg(variant ? "b" : "");
    return fields.join(QLatin1Char('|'));
}

QString routesMessage(int count, int variant)
{
    QStringList fields { QStringLiteral("1"), QStringLiteral("BROAD"), QStringLiteral("2"), QStringLiteral("0") };
    for (int i = 0; i < count; ++i)
        fields << QStringLiteral("%1@%2").arg(i).arg(1 + (i + variant) % 4);
    return fields.join(QLatin1Char('|'));
}

QString sourcesMessage(int variant)
{
    return QStringLiteral("1|BROAD|0|0|1@Radio%1@0|2@Line@0|3@Aux@0|4@Tuner@0").arg(variant ? " 2" : "");
}

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

// Waits for `done` while the event loop runs; false after 20 s.
template <typename F> bool waitUntil(F done)
{
    QElapsedTimer wait;
    wait.start();
    while (!done()) {
        if (wait.elapsed() > 20000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

// Follows one model signal: the time it was handled (after every other
// receiver) and of the first frame drawn after it.
struct Probe
{
    qint64 appliedNs = 0;
    qint64 frameNs = 0;
    bool armed = false;
};

}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    QGuiApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    Startup::setIdentity(app);

    LoopbackDevice device;
    const quint16 port = device.start();
    if (!port) {
        std::fprintf(stderr, "cannot listen on loopback\n");
        return 1;
    }
    {
        Device record;
        record.setSerialNumber(QStringLiteral("BENCH-1"));
        record.setLocalIp(QStringLiteral("127.0.0.1"));
        record.setLocalPort(port);
        record.setUsername(QStringLiteral("admin"));
        record.setPassword(QStringLiteral("admin"));
        QSettings settings;
        settings.clear();
        settings.setValue(QLatin1String(DeviceStore::LastSelectedKey), DeviceStore::objectToText(&record));
        settings.sync();
    }

    DynamicTranslator::initTable();
    Startup::registerMetaTypes();
    Startup::registerQmlTypes();
    TavirelTheme theme;
    theme.loadFromFile(Startup::dataFilePath(QLatin1String(Startup::ThemeFile)));
    Startup::createImageServices();
    QQuickView view;
    Startup::addImageProvider(view.engine());
    QQmlContext* context = view.rootContext();
    context->setContextProperty(QStringLiteral("currentTheme"), &theme);
    context->setContextProperty(QStringLiteral("selectedLang"), QStringLiteral("en"));
    context->setContextProperty(QStringLiteral("isIOSdevice"), false);
    context->setContextProperty(QStringLiteral("isPhoneX"), false);
    Startup::setScreenContext(context, 1.0);
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.resize(500, 800);
    view.setSource(QUrl(QStringLiteral("qrc:/main.qml")));
    auto* controller = qobject_cast<MainTabController*>(view.rootObject());
    if (!controller) {
        std::fprintf(stderr, "the main document did not load\n");
        return 1;
    }
    view.show();

    // The first connection: sources, then the code that shows the sources tab.
    device.send(sourcesMessage(0));
    device.send(QStringLiteral("1|BROAD|500|0"));
    if (!waitUntil([&] { return controller->deviceModel() && controller->sourcesView()
                                && controller->sourcesView()->isVisible() && controller->playerView(); })) {
        std::fprintf(stderr, "the device did not come up on the sources tab\n");
        return 1;
    }
    Tavirel* model = controller->deviceModel();

    Probe probe;
    QObject::connect(&view, &QQuickWindow::frameSwapped, &view, [&probe] {
        if (probe.armed && probe.appliedNs) {
            probe.frameNs = nowNs();
            probe.armed = false;
        }
    });
    auto applied = [&probe, &view] {
        if (!probe.armed)
            return;
        probe.appliedNs = nowNs();
        view.update();
    };
    QObject::connect(model, &Tavirel::outputsChanged, &view, applied);
    QObject::connect(model, &Tavirel::routesUpdated, &view, applied);
    QObject::connect(model, &Tavirel::sourcesChanged, &view, applied);

    // The milliseconds from sending `text` to its frame, and to its being applied.
    bool failed = false;
    auto measure = [&](const QString& text, double* appliedMs = nullptr) {
        probe = Probe();
        probe.armed = true;
        device.send(text);
        if (!waitUntil([&] { return probe.frameNs != 0; })) {
            std::fprintf(stderr, "no frame after a message\n");
            failed = true;
            return 0.0;
        }
        if (appliedMs)
            *appliedMs = (probe.appliedNs - device.lastSentNs()) / 1e6;
        return (probe.frameNs - device.lastSentNs()) / 1e6;
    };
    constexpr int Runs = 5;
    QVector<double> outputs1k, routes1k, sources1k, oneRoute, outputs10k;
    measure(outputsMessage(1000, 1));
    for (int i = 0; i < Runs && !failed; ++i)
        outputs1k << measure(outputsMessage(1000, i % 2));
    for (int i = 0; i < Runs && !failed; ++i)
        routes1k << measure(routesMessage(1000, i % 2));
    for (int i = 0; i < Runs && !failed; ++i)
        sources1k << measure(sourcesMessage(i % 2));
    for (int i = 0; i < Runs && !failed; ++i) {
        double ms = 0;
        measure(QStringLiteral("1|BROAD|2|0|17@%1").arg(1 + i % 2), &ms);
        oneRoute << ms;
    }
    for (int i = 0; i < Runs && !failed; ++i)
        outputs10k << measure(outputsMessage(10000, i % 2));
    if (failed)
        return 1;
    if (!qEnvironmentVariableIsEmpty("TAVIREL_SCREENSHOT"))
        view.grabWindow().save(qEnvironmentVariable("TAVIREL_SCREENSHOT"));

    const double o = median(outputs1k), r = median(routes1k), s = median(sources1k), one = median(oneRoute),
                 big = median(outputs10k);
    std::printf("outputs message with 1,000 outputs, applied and drawn: %.1f ms against 50 ms ... ratio %.2f "
                "(target <= 1)\n", o, o / 50.0);
    std::printf("routes message routing 1,000 outputs, applied and drawn: %.1f ms against 50 ms ... ratio %.2f "
                "(target <= 1)\n", r, r / 50.0);
    std::printf("sources message among 1,000 outputs, applied and drawn: %.1f ms against 50 ms ... ratio %.2f "
                "(target <= 1)\n", s, s / 50.0);
    std::printf("one route among 1,000 outputs, applied: %.2f ms against 5 ms ... ratio %.2f (target <= 1)\n", one,
                one / 5.0);
    std::printf("outputs message with 10,000 outputs (the model keeps %d) against 1,000: %.1f ms / %.1f ms "
                "... ratio %.2f (target <= 12)\n", int(model->outputList().size()), big, o, big / o);
    return 0;
}
