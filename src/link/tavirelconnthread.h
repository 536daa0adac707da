#pragma once

#include <QString>
#include <QStringList>
#include <QThread>
#include <QTimer>

#include <atomic>

class Device;
class TavirelConnection;

// The control link's thread. The object itself lives on the main thread: its
// slots run there and its signals are what the UI and the device model use.
// Each run (run()) opens one TavirelConnection inside the link thread.
class TavirelConnThread : public QThread
{
    Q_OBJECT

public:
    explicit TavirelConnThread(QObject *parent = nullptr);
    ~TavirelConnThread() override;

    // Stops any run, then copies the address, port and credentials of the
    // device on the calling (main) thread; the link thread never reads the
    // Device object. nullptr clears them.
    void setDevice(Device *device);
    // Ends the current run and blocks until its clean-up is done.
    void stop();
    // stop(), then starts a new run.
    void restart();

    // Host and port of the current (or last) run, for diagnostics and tests.
    QString host() const;
    int port() const;
    bool usingLocalAddress() const;
    QString uniqueId() const;
    // Watchdog period of the sockets of later runs; 1000 ms unless a test
    // shortens it.
    void setTickInterval(int ms) { m_tickInterval = ms; }
    // How long a device that accepted the login may take to say it is ready.
    static constexpr int ReadyTimeoutMs = 10000;
    void setReadyTimeout(int ms) { m_readyTimer.setInterval(ms); }
    // Seconds before the next attempt after `failures` failed ones in a row:
    // doubling from 1 s, at most 30 s.
    static int retryDelay(int failures);

    // The device said it is ready and the link has not failed or closed since.
    bool linkUp() const { return m_linkUp; }
    // A failed run waits for its next attempt.
    bool retryPending() const { return m_retryTimer.isActive(); }
    // Why the last attempt failed, until the device is ready again.
    QString lastFailure() const { return m_failure; }
    // What the connection screen calls the device.
    QString deviceName() const { return m_deviceName; }

    // Handshake request texts, built from the installation id and credentials;
    // empty for credentials that cannot be sent (credentialsProblem()).
    static QString handshakeRequest(const QString &uniqueId, const QString &username,
                                    const QString &password);
    // Lower-case hex MD5 of the Latin-1 bytes of `text`, or of its UTF-8 bytes
    // when Latin-1 cannot represent it.
    static QString md5Hex(const QString &text);
    // Why these credentials cannot go into a handshake, as a message for the
    // user; empty when they can.
    static QString credentialsProblem(const QString &username, const QString &password);

signals:
    void showConnectionScreen(bool show);
    void setConnectionScreenMessage(QString message);
    // Every device broadcast other than codes 20 and 500, split at "|" with
    // empty fields kept (fields 0 and 1 included).
    void tavirelCommandReceived(QStringList command);
    // Sends a text as it is (handshake) / as "UI_COMMAND|" + text (commands).
    void requireSendString(QString message);
    void requireSendCommand(QString message);
    void requireAuthenticationDialog();
    void firstConnected();
    void deviceSettingsUrlsUpdated(QString getUrl, QString postUrl);
    void closePlayersConnections();
    // A device broadcast has been handled here; the link may hand on the next.
    void commandHandled();
    void linkUpChanged(bool up);
    void retryPendingChanged(bool pending);

public slots:
    void connectionOpen();
    void connectionEstablished();
    // TavirelConnSocket::Failure
    void connectionErrorReceived(int failure);
    void connectionLost();
    void elaborateCommandReceived(QString command);
    void authenticationRefused();
    // Starts the next attempt now instead of at the end of its wait.
    void retryNow();

protected:
    void run() override;

private:
    // Whether a queued event comes from the current run's connection; events
    // still queued from an ended run are dropped.
    bool fromCurrentRun() const;
    // "name (host:port)" for the screen's messages.
    QString address() const;
    QString deviceAndAddress() const;
    QString failureText(int failure) const;
    // The stage of an attempt; after a failure the failure stays in view.
    QString attemptMessage(const QString &stage) const;
    void setLinkUp(bool up);
    // Ends the failed run and counts down to the next attempt.
    void failRun(const QString &reason);
    void countDown();
    void showCountdown();

    // Written by the link thread, compared by the main thread.
    std::atomic<TavirelConnection *> m_connection { nullptr };
    int m_tickInterval = 1000;
    QString m_host;
    QString m_uniqueId;
    int m_port = 0;
    // Copies taken in setDevice() on the main thread.
    QString m_localIp;
    int m_localPort = 0;
    QString m_remoteIp;
    int m_remotePort = 0;
    QString m_username;
    QString m_password;
    bool m_hasLocalAddress = false;
    bool m_hasRemoteAddress = false;
    bool m_usingLocalAddress = false;
    bool m_firstConnectionPending = false;
    QString m_deviceName;
    bool m_linkUp = false;
    // The run ends because it failed: its failure stays on the screen
    // instead of "Disconnected.".
    std::atomic<bool> m_endsFailed { false };
    QTimer m_readyTimer;
    // Ticks once a second while waiting for the next attempt.
    QTimer m_retryTimer;
    int m_failuresInARow = 0;
    int m_secondsToRetry = 0;
    QString m_failure;
};
