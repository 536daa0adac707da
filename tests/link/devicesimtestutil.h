#pragma once

// The application's side of the link to the device simulator, collecting the
// broadcasts that reach the device model.

#include "devices/device.h"
#include "link/tavirelconnthread.h"

#include <QSignalSpy>
#include <QTest>

class LinkClient
{
public:
    explicit LinkClient(quint16 port)
    {
        device.setLocalIp(QStringLiteral("127.0.0.1"));
        device.setLocalPort(port);
        device.setUsername(QStringLiteral("admin"));
        device.setPassword(QStringLiteral("admin"));
        QObject::connect(&thread, &TavirelConnThread::tavirelCommandReceived,
                         [this](const QStringList &fields) { broadcasts << fields; });
        QObject::connect(&thread, &TavirelConnThread::firstConnected, [this] { ++ready; });
    }
    ~LinkClient() { thread.stop(); }

    bool connect(int timeoutMs = 10000)
    {
        const int before = ready;
        thread.setDevice(&device);
        thread.restart();
        return QTest::qWaitFor([&] { return ready > before; }, timeoutMs);
    }
    void command(const QString &text) { emit thread.requireSendCommand(text); }

    // The broadcast fields from field 2 on ("code|0|payload..."), as text.
    QStringList bodies() const
    {
        QStringList out;
        for (const QStringList &fields : broadcasts)
            out << QStringList(fields.mid(2)).join(QLatin1Char('|'));
        return out;
    }
    QString lastWithCode(const QString &code) const
    {
        for (int i = broadcasts.size() - 1; i >= 0; --i)
            if (broadcasts.at(i).value(2) == code)
                return QStringList(broadcasts.at(i).mid(2)).join(QLatin1Char('|'));
        return QString();
    }
    bool waitFor(const QString &body, int timeoutMs = 5000)
    {
        return QTest::qWaitFor([&] { return bodies().contains(body); }, timeoutMs);
    }

    Device device;
    TavirelConnThread thread;
    QList<QStringList> broadcasts;
    int ready = 0;
};
