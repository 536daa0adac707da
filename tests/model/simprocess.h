#pragma once
#include "testsupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

// The device simulator as a child process on a loopback port that it picks
// itself (read back from its start-up line).
class SimProcess
{
public:
    ~SimProcess() { stop(); }

    bool start(const QStringList& extraArgs, int timeoutMs = 15000)
    {
        m_process.setProgram(TestSupport::deviceSimPath());
        m_process.setArguments(QStringList { "--listen", "127.0.0.1", "--port", "0" } + extraArgs);
        m_process.start();
        if (!m_process.waitForStarted(timeoutMs)) {
            m_error = m_process.errorString();
            return false;
        }
        static const QRegularExpression listening(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"));
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            m_stderr += QString::fromUtf8(m_process.readAllStandardError());
            const auto m = listening.match(m_stderr);
            if (m.hasMatch()) {
                m_port = quint16(m.captured(1).toUInt());
                return true;
            }
            if (m_process.state() == QProcess::NotRunning)
                break;
            m_process.waitForReadyRead(100);
        }
        m_error = QStringLiteral("simulator did not start: ") + m_stderr;
        return false;
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.write("quit\n");
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }

    quint16 port() const { return m_port; }
    QString errorString() const { return m_error; }
    // Messages the simulator received, decrypted, one per line.
    QString received()
    {
        m_stdout += QString::fromUtf8(m_process.readAllStandardOutput());
        return m_stdout;
    }
    // What the simulator logged so far, for failure messages.
    QString log()
    {
        m_stderr += QString::fromUtf8(m_process.readAllStandardError());
        return m_stderr;
    }

private:
    QProcess m_process;
    quint16 m_port = 0;
    QString m_error;
    QString m_stderr;
    QString m_stdout;
};
