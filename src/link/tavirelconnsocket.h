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
    // Why a link failed, as connectionError() reports it.
    enum Failure {
        Refused = 1,     // nothing accepts connections at that address and port
        Unreachable,     // no route to the host, or no such host
        TimedOut,        // the connection did not open in time
        NoJoin,          // open, but the login was neither accepted nor refused
        NotReady,        // accepted, but the device never said it was ready
        Silent,          // joined, then nothing for too long
        ClosedInLogin,   // the device closed the connection before it was ready
    };
    Q_ENUM(Failure)

    static constexpr int ConnectTickLimit = 10;
    static constexpr int JoinTickLimit = 5;
    static constexpr int SilenceTickLimit = 15;

    explicit TavirelConnSocket(QObject *parent = nullptr);
    ~TavirelConnSocket() override;

    void openLink(const QString &host, quint16 port);
    // Aborts the connection on the owner's behalf: not reported as lost.
    void closeLink() { abortQuietly(); }
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
    void connectionError(int failure);
    // An open connection closed or failed; reported at once, the watchdog
    // reopens it at its next tick.
    void connectionLost();
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
    enum Handled { Continue, RefusedLogin };
    Handled handleMessage(const QByteArray &piece);
    // Aborts without reporting the close as a loss, then reports the failure
    // once; the owner ends the link, so the watchdog stops here.
    void fail(Failure failure);
    void abortQuietly();

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
    // The current connection opened and its end has not been reported yet.
    bool m_open = false;
};
