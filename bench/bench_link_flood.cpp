// A device that floods the link with outputs lists: 10,000 in one second,
// then one playlist-entries message. Measured in the same run: how long the
// GUI thread takes to handle that last message after it was sent, and the
// resident memory during the flood against its idle value.
//
// The real link thread and device model run; what the documents would spend
// per outputs list in the GUI thread (about 0.7 ms in the running
// application) is stood in for by a busy wait of that length.
//
// Usage: bench_link_flood [lists]
#include "devices/device.h"
#include "link/linkcipher.h"
#include "link/linkframer.h"
#include "link/tavirelconnthread.h"
#include "model/tavirel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

QString outputsList(int serial)
{
    QStringList fields { QString::number(serial), QStringLiteral("BROAD"), QStringLiteral("1"), QStringLiteral("0") };
    for (int i = 0; i < 16; ++i)
        fields << QStringLiteral("%1@Zone %2").arg(i).arg((serial + i) % 100);
    return fields.join(QLatin1Char('|'));
}

struct Shared
{
    std::atomic<int> port { 0 };
    std::atomic<bool> startFlood { false };
    std::atomic<bool> done { false };
    std::atomic<qint64> markerSentNs { 0 };
};

// The device, blocking, in a thread of its own.
void runDevice(Shared *shared, int lists)
{
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0)) {
        shared->port = -1;
        return;
    }
    shared->port = server.serverPort();
    if (!server.waitForNewConnection(20000))
        return;
    QTcpSocket *socket = server.nextPendingConnection();
    LinkCipher cipher;
    auto send = [&](const QString &text) {
        socket->write(cipher.encodeText(text) + LinkFramer::deviceSeparator());
    };
    socket->waitForReadyRead(10000); // the handshake
    socket->readAll();
    send(QStringLiteral("0|JOIN"));
    send(QStringLiteral("1|BROAD|0|0|1@Radio@0|2@Line@0"));
    send(outputsList(0));
    send(QStringLiteral("2|BROAD|500"));
    socket->waitForBytesWritten(5000);
    while (!shared->startFlood)
        socket->waitForReadyRead(10), socket->readAll();

    // 100 bursts, 10 ms apart.
    const int bursts = 100;
    const auto start = Clock::now();
    for (int b = 0; b < bursts; ++b) {
        QByteArray burst;
        for (int i = 0; i < lists / bursts; ++i)
            burst += cipher.encodeText(outputsList(b * 1000 + i)) + LinkFramer::deviceSeparator();
        socket->write(burst);
        socket->waitForBytesWritten(1000);
        std::this_thread::sleep_until(start + std::chrono::milliseconds(10 * (b + 1)));
    }
    send(QStringLiteral("x|BROAD|25|0|1@Marker@m3u:marker"));
    socket->waitForBytesWritten(1000);
    shared->markerSentNs = std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
    while (!shared->done)
        socket->waitForReadyRead(10), socket->readAll();
    socket->close();
}

}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const int lists = argc > 1 ? std::max(100, atoi(argv[1])) : 10000;

    Shared shared;
    std::thread device(runDevice, &shared, lists);
    while (shared.port == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (shared.port < 0) {
        std::fprintf(stderr, "cannot listen\n");
        device.join();
        return 1;
    }

    Device record;
    record.setLocalIp(QStringLiteral("127.0.0.1"));
    record.setLocalPort(quint16(shared.port.load()));
    TavirelConnThread link;
    link.setDevice(&record);
    Tavirel model;
    model.setConnPointer(&link);
    QObject::connect(&model, &Tavirel::outputsChanged, &model, [] {
        QElapsedTimer busy;
        busy.start();
        while (busy.nsecsElapsed() < 700000) { }
    });
    qint64 markerHandledNs = 0;
    QObject::connect(&model, &Tavirel::playlistEntriesChanged, &app, [&] {
        markerHandledNs = std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
        app.quit();
    });
    link.restart();

    // Idle: connected, first state shown, nothing arriving.
    QElapsedTimer wait;
    wait.start();
    while (model.outputList().isEmpty() && wait.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (model.outputList().isEmpty()) {
        std::fprintf(stderr, "the link did not come up\n");
        shared.done = true;
        device.join();
        return 1;
    }
    QTimer::singleShot(300, &app, &QCoreApplication::quit);
    app.exec();
    const qint64 idle = residentBytes();

    std::atomic<qint64> peak { idle };
    std::atomic<bool> sampling { true };
    std::thread sampler([&] {
        while (sampling) {
            peak = std::max(peak.load(), residentBytes());
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    shared.startFlood = true;
    QTimer::singleShot(600000, &app, &QCoreApplication::quit);
    app.exec();
    sampling = false;
    sampler.join();
    shared.done = true;
    link.stop();
    device.join();

    if (!markerHandledNs || !shared.markerSentNs) {
        std::fprintf(stderr, "the last message never arrived\n");
        return 1;
    }
    const double latency = double(markerHandledNs - shared.markerSentNs) / 1e9;
    std::printf("next message handled after %d outputs lists in 1 s: %.3f s against 1 s ... ratio %.2f (target <= 1)\n",
                lists, latency, latency / 1.0);
    std::printf("resident memory during the flood against idle (%.1f MB / %.1f MB) ... ratio %.2f (target <= 1.5)\n",
                peak / 1048576.0, idle / 1048576.0, double(peak) / double(idle));
    return 0;
}
