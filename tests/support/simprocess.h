#pragma once

#include "testsupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

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

    // Port 0 lets the simulator pick one; port() tells which. False, with the
    // reason in log, when it does not listen: tests check it and fail.
    bool start(quint16 port, const QStringList &args = {})
    {
        m_port = 0;
        log.clear();
        received.clear();
        // The settings service would otherwise take the port after the link's,
        // which a test running beside this one may hold.
        QStringList all { QStringLiteral("--port"), QString::number(port) };
        if (!args.contains(QStringLiteral("--settings-port")))
            all << QStringLiteral("--settings-port") << QStringLiteral("0");
        process.start(TestSupport::deviceSimPath(), all + args);
        if (!process.waitForStarted(10000)) {
            log = QStringLiteral("device simulator \"%1\" did not start: %2")
                      .arg(TestSupport::deviceSimPath(), process.errorString());
            return false;
        }
        QElapsedTimer t;
        t.start();
        while (!log.contains(QLatin1String("listening on")) && t.elapsed() < 10000
               && process.state() == QProcess::Running)
            QTest::qWait(10);
        static const QRegularExpression listening(QStringLiteral("listening on [^:\\s]+:(\\d+)"));
        const auto match = listening.match(log);
        if (!match.hasMatch())
            return false;
        m_port = quint16(match.captured(1).toUInt());
        return true;
    }
    quint16 port() const { return m_port; }
    // Everything received so far, one message a line.
    QString receivedText() const { return received.join(QLatin1Char('\n')); }
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
    quint16 m_port = 0;
};
