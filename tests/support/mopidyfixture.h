#pragma once
#include <QJsonObject>
#include <QJsonValue>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

// A real Mopidy server with a small generated library (scripts/mopidy-sample.sh),
// listening on a free loopback port. Start-up takes seconds, so a test
// executable starts one in initTestCase() and shares it between its cases.
class MopidyFixture
{
public:
    MopidyFixture();
    ~MopidyFixture();

    // Prepares the library and starts the server; false, with errorString(),
    // when Mopidy or the tools are missing or the server does not come up.
    bool start(int timeoutMs = 120000);
    // Starts the server again on the same port and configuration.
    bool restart(int timeoutMs = 60000);
    // Ends the server gracefully (kill after a grace period).
    void stop();
    // Ends the server at once, as a crash would.
    void kill();
    bool isRunning() const;

    QString host() const { return QStringLiteral("127.0.0.1"); }
    quint16 port() const { return m_port; }
    QString dir() const { return m_dir ? m_dir->path() : QString(); }
    QString configPath() const { return m_config; }
    QString errorString() const { return m_error; }
    // The last lines of the server's log, for failure messages.
    QString logTail(int lines = 30) const;

    // A JSON-RPC call over HTTP, independent of the client under test. On
    // failure returns undefined and sets errorString().
    QJsonValue call(const QString &method, const QJsonObject &params = QJsonObject(), int timeoutMs = 15000);
    // The first count tracks of the library that have a cover, fewer when
    // the library has fewer.
    QStringList tracksWithCovers(int count);
    // Stops playback, empties the tracklist and clears repeat and random, so
    // that each case starts from the same state. Playlists stay.
    bool reset();

private:
    bool launch(int timeoutMs);
    bool waitForWebSocket(int timeoutMs);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QProcess> m_process;
    quint16 m_port = 0;
    QString m_config;
    QString m_error;
    int m_callId = 0;
};
