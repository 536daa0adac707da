#pragma once

// Helpers of the control-link tests: a scripted device on a loopback port and
// the device simulator as a child process.

#include "link/linkcipher.h"
#include "link/linkframer.h"
#include "simprocess.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// First arguments of every recorded emission, as text.
inline QStringList spyTexts(const QSignalSpy &spy)
{
    QStringList out;
    for (const QList<QVariant> &args : spy)
        out << args.at(0).toString();
    return out;
}

// Whether any recorded first argument contains `part`.
inline bool anyTextContains(const QSignalSpy &spy, const QString &part)
{
    for (const QString &text : spyTexts(spy))
        if (text.contains(part))
            return true;
    return false;
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


// A loopback port whose listen queue is full: a connection attempt there is
// neither accepted nor refused, it hangs.
class StuckListener
{
public:
    StuckListener()
    {
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        socklen_t length = sizeof address;
        if (::bind(m_listener, reinterpret_cast<sockaddr *>(&address), length) != 0 || ::listen(m_listener, 0) != 0
            || ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length) != 0)
            qFatal("no listening socket for the stuck port");
        m_port = ntohs(address.sin_port);
        for (int &filler : m_fillers) {
            filler = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            ::connect(filler, reinterpret_cast<sockaddr *>(&address), length);
        }
        QThread::msleep(50);
    }
    ~StuckListener()
    {
        for (int filler : m_fillers)
            ::close(filler);
        ::close(m_listener);
    }
    quint16 port() const { return m_port; }

private:
    int m_listener = -1;
    int m_fillers[3] {};
    quint16 m_port = 0;
};
