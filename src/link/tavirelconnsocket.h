#pragma once

#include "linkcipher.h"
#include "linkframer.h"

#include <QTcpSocket>
#include <QTimer>

// The TCP socket of the control link: encryption and framing in both
// directions, the link-level tokens (JOIN, REFUSE, BROAD and the keep-alive)
// and the watchdog that notices a link that does not open, is not accepted or
// falls silent. Lives in the link thread only.
class TavirelConnSocket : public QTcpSocket
{
    Q_OBJECT

public:
    static constexpr int ConnectTickLimit = 10;
    static constexpr int JoinTickLimit = 5;
    static constexpr int SilenceTickLimit = 15;

    explicit TavirelConnSocket(QObject *parent = nullptr);
    ~TavirelConnSocket() override;

    void openLink(const QString &host, quint16 port);
    // Sends counter + "|" + message, then increments the counter. Nothing is
    // sent or counted while the socket is not connected.
    void sendMessage(const QString &message);

    // The receive path without the socket read: what socketReadStream() does
    // with the bytes it read. Public so that tests and benchmarks can choose
    // how the stream is cut.
    void processIncoming(const QByteArray &bytes);

    // Watchdog period; 1000 ms unless a test shortens it.
    void setTickInterval(int ms);
    int tickInterval() const { return m_watchdog.interval(); }

    int sendCounter() const { return m_sendCounter; }
    bool awaitingJoin() const { return m_awaitingJoin; }
    bool isConnecting() const { return m_connecting; }
    const LinkFramer &framer() const { return m_framer; }

signals:
    void elaborateCommand(QString command);
    void connectionOpen();
    void connectionEstablished();
    void connectionError();
    void connectionMustRestart();
    void authenticationRefused();

public slots:
    void socketConnected();
    void socketDisconnected();
    void socketReadStream();
    void bytesWritten(qint64 bytes);
    void socketError(QAbstractSocket::SocketError socketError);
    void timerTimeout();

private:
    enum Handled { Continue, Refused };
    Handled handleMessage(const QByteArray &piece);

    QTimer m_watchdog;
    LinkCipher m_cipher;
    LinkFramer m_framer;
    int m_sendCounter = 0;
    // Set by "REFUSE" until the next connection: nothing after it is read.
    bool m_refused = false;
    int m_joinTicks = 0;
    int m_silenceTicks = 0;
    int m_connectTicks = 0;
    bool m_awaitingJoin = false;
    bool m_connecting = false;
};
