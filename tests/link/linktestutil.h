#pragma once

// Helpers of the control-link tests: a scripted device on a loopback port and
// the device simulator as a child process.

#include "link/linkcipher.h"
#include "link/linkframer.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

// First arguments of every recorded emission, as text.
inline QStringList spyTexts(const QSignalSpy &spy)
{
    QStringList out;
    for (const QList<QVariant> &args : spy)
        out << args.at(0).toString();
    return out;
}

// JSON written with single quotes, to keep tests readable.
inline QByteArray jsonText(const char *text)
{
    return QByteArray(text).replace('\'', '"');
}

// A device whose every byte the test chooses: it records what the application
// sends (decrypted) and sends what it is told.
class FakeDevice : public QObject
{
public:
    FakeDevice()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                ++connections;
                client = socket;
                m_framer.clear();
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                    if (socket != client)
                        return;
                    for (const QByteArray &piece : m_framer.feed(socket->readAll()))
                        received << m_cipher.decodeText(piece);
                });
            }
        });
        m_server.listen(QHostAddress::LocalHost, 0);
    }

    quint16 port() const { return m_server.serverPort(); }
    void close() { m_server.close(); }

    static QByteArray frame(const QString &text)
    {
        LinkCipher cipher;
        return cipher.encodeText(text) + LinkFramer::deviceSeparator();
    }
    void send(const QString &text) { sendRaw(frame(text)); }
    void sendRaw(const QByteArray &bytes)
    {
        if (client) {
            client->write(bytes);
            client->flush();
        }
    }

    QPointer<QTcpSocket> client;
    int connections = 0;
    QStringList received;

private:
    QTcpServer m_server;
    LinkFramer m_framer { LinkFramer::appSeparator() };
    LinkCipher m_cipher;
};

// tavirel-devicesim as a child process: stdout lines are the messages it
// received, stderr its log; control lines go to its stdin.
class SimProcess
{
public:
    SimProcess()
    {
        QObject::connect(&process, &QProcess::readyReadStandardOutput, [this] {
            m_out += process.readAllStandardOutput();
            int nl;
            while ((nl = m_out.indexOf('\n')) >= 0) {
                received << QString::fromUtf8(m_out.left(nl));
                m_out.remove(0, nl + 1);
            }
        });
        QObject::connect(&process, &QProcess::readyReadStandardError,
                         [this] { log += QString::fromUtf8(process.readAllStandardError()); });
    }
    ~SimProcess() { stop(); }

    bool start(quint16 port, const QStringList &args = {})
    {
        log.clear();
        received.clear();
        process.start(TestSupport::deviceSimPath(),
                      QStringList { QStringLiteral("--port"), QString::number(port) } + args);
        if (!process.waitForStarted(10000))
            return false;
        QElapsedTimer t;
        t.start();
        while (!log.contains(QLatin1String("listening on")) && t.elapsed() < 10000
               && process.state() == QProcess::Running)
            QTest::qWait(10);
        return log.contains(QLatin1String("listening on"));
    }
    void control(const QString &line) { process.write(line.toUtf8() + '\n'); }
    void stop()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        control(QStringLiteral("quit"));
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished(3000);
        }
        log += QString::fromUtf8(process.readAllStandardError());
    }
    // Stops the simulator and tells whether it ended by itself without a
    // sanitizer report (the CI runs sanitizer builds).
    bool stopCleanly()
    {
        stop();
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0
            && !log.contains(QLatin1String("Sanitizer"));
    }
    void kill()
    {
        process.kill();
        process.waitForFinished(3000);
    }
    // Received messages whose text, after the counter, starts with prefix.
    int countReceived(const QString &prefix) const
    {
        int n = 0;
        for (const QString &line : received)
            n += line.section(QLatin1Char('|'), 1).startsWith(prefix);
        return n;
    }

    QProcess process;
    QStringList received;
    QString log;

private:
    QByteArray m_out;
};
