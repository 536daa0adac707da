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

