#pragma once

#include <QString>
#include <QStringList>
#include <QThread>

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

public slots:
    void connectionOpen();
    void connectionEstablished();
    void connectionErrorReceived();
    void elaborateCommandReceived(QString command);
    void authenticationRefused();

protected:
    void run() override;

private:
    // Whether a queued event comes from the current run's connection; events
    // still queued from an ended run are dropped.
    bool fromCurrentRun() const;

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
};
