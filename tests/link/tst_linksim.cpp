// The link thread against the device simulator as a separate process.
#include "devices/device.h"
#include "link/tavirelconnthread.h"
#include "linktestutil.h"

#include <QCoreApplication>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

class TestLinkSim : public QObject
{
    Q_OBJECT

    quint16 m_port = 0;
    std::unique_ptr<Device> m_device;

    void useCredentials(const QString &user, const QString &password)
    {
        m_device = std::make_unique<Device>();
        m_device->setLocalIp(QStringLiteral("127.0.0.1"));
        m_device->setLocalPort(m_port);
        m_device->setUsername(user);
        m_device->setPassword(password);
    }

    // Starts the simulator on m_port, or on another free port when a test
    // running beside this one took that port since it was chosen.
    bool startSim(SimProcess &sim, const QStringList &args = {})
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (sim.start(m_port, args))
                return true;
            sim.stop();
            m_port = TestSupport::freeLoopbackPort();
            m_device->setLocalPort(m_port);
        }
        return false;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(TestSupport::deviceSimPath()), qPrintable(TestSupport::deviceSimPath()));
        QCoreApplication::setOrganizationName(QStringLiteral("Orvith"));
        QCoreApplication::setApplicationName(QStringLiteral("Tavirel"));
        QSettings().setValue(QStringLiteral("uniqueID"), QStringLiteral("sim-test-uid"));
    }

    void init()
    {
        m_port = TestSupport::freeLoopbackPort();
        useCredentials(QStringLiteral("alice"), QStringLiteral("wonderland"));
    }

    void joinsAndReceivesTheState()
    {
        SimProcess sim;
        QVERIFY2(startSim(sim, { "--user", "alice", "--password", "wonderland" }), qPrintable(sim.log));
        TavirelConnThread thread;
        QSignalSpy first(&thread, &TavirelConnThread::firstConnected);
        QSignalSpy urls(&thread, &TavirelConnThread::deviceSettingsUrlsUpdated);
        QSignalSpy commands(&thread, &TavirelConnThread::tavirelCommandReceived);
        QSignalSpy screen(&thread, &TavirelConnThread::showConnectionScreen);
        thread.setDevice(m_device.get());
        thread.restart();
        QTRY_COMPARE_WITH_TIMEOUT(first.count(), 1, 10000);
        QCOMPARE(screen.last().at(0).toBool(), false);
        QCOMPARE(urls.count(), 1);
        QVERIFY(urls.at(0).at(0).toString().startsWith(QLatin1String("http://")));
        // Sources, outputs, routes, 4 outputs, 6 sources, playlist entries.
        QTRY_COMPARE(commands.count(), 3 + 4 + 6 + 1);
        QStringList codes;
        for (const auto &args : commands)
            codes << args.at(0).toStringList().value(2);
        QCOMPARE(codes.mid(0, 3), (QStringList { "0", "1", "2" }));
        QCOMPARE(codes.last(), QStringLiteral("25"));
        QTRY_VERIFY(sim.received.size() >= 2);
        QVERIFY(sim.received.at(0).startsWith(QLatin1String("0|CONNECT|sim-test-uid|alice|")));
        QCOMPARE(sim.received.at(1), QStringLiteral("1|UI_COMMAND|17"));
        thread.stop();
    }

    void refusalThenTheLinkReopens()
    {
        SimProcess sim;
        QVERIFY(startSim(sim, { "--user", "alice", "--password", "other" }));
        TavirelConnThread thread;
        QSignalSpy dialog(&thread, &TavirelConnThread::requireAuthenticationDialog);
        QSignalSpy messages(&thread, &TavirelConnThread::setConnectionScreenMessage);
        thread.setDevice(m_device.get());
        thread.restart();
        QTRY_COMPARE_WITH_TIMEOUT(dialog.count(), 1, 10000);
        QVERIFY(spyTexts(messages).contains(QStringLiteral("Authentication failed.")));
        // Reopened at the next tick with the same request.
        QTRY_COMPARE_WITH_TIMEOUT(sim.countReceived(QStringLiteral("CONNECT|")), 2, 5000);
        QVERIFY(sim.log.contains(QLatin1String("wrong user name or password")));
        thread.stop();
    }

    void defaultFormNeedsPermission()
    {
        useCredentials(QString(), QString());
        {
            SimProcess sim;
            QVERIFY(startSim(sim));
            TavirelConnThread thread;
            QSignalSpy dialog(&thread, &TavirelConnThread::requireAuthenticationDialog);
            thread.setDevice(m_device.get());
            thread.restart();
            QTRY_COMPARE_WITH_TIMEOUT(dialog.count(), 1, 10000);
            thread.stop();
        }
        SimProcess sim;
        QVERIFY(startSim(sim, { "--allow-default" }));
        TavirelConnThread thread;
        QSignalSpy first(&thread, &TavirelConnThread::firstConnected);
        thread.setDevice(m_device.get());
        thread.restart();
        QTRY_COMPARE_WITH_TIMEOUT(first.count(), 1, 10000);
        QVERIFY(sim.received.at(0).contains(QLatin1String("|default|")));
        thread.stop();
    }

    void keepAlivesAreAnswered()
    {
        SimProcess sim;
        QVERIFY(startSim(sim, { "--user", "alice", "--password", "wonderland", "--keepalive", "0.1" }));
        TavirelConnThread thread;
        QSignalSpy commands(&thread, &TavirelConnThread::tavirelCommandReceived);
        thread.setDevice(m_device.get());
        thread.restart();
        QTRY_VERIFY_WITH_TIMEOUT(sim.countReceived(QStringLiteral("UI_ALIVE")) >= 3, 10000);
        // The answers carry the running counter: 0 handshake, 1 UI_COMMAND|17.
        QStringList alive;
        for (const QString &line : sim.received)
            if (line.endsWith(QLatin1String("|UI_ALIVE")))
                alive << line;
        QCOMPARE(alive.at(0), QStringLiteral("2|UI_ALIVE"));
        QCOMPARE(alive.at(1), QStringLiteral("3|UI_ALIVE"));
        for (const auto &args : commands)
            QVERIFY(args.at(0).toStringList().value(2) != QLatin1String("5"));
        thread.stop();
    }

    void settingsUrlsNeedSixFields()
    {
        SimProcess sim;
        QVERIFY(startSim(sim, { "--user", "alice", "--password", "wonderland", "--short-settings-urls",
                                    "--ready-count", "2" }));
        TavirelConnThread thread;
        QSignalSpy first(&thread, &TavirelConnThread::firstConnected);
        QSignalSpy urls(&thread, &TavirelConnThread::deviceSettingsUrlsUpdated);
        QSignalSpy screen(&thread, &TavirelConnThread::showConnectionScreen);
        thread.setDevice(m_device.get());
        thread.restart();
        QTRY_COMPARE_WITH_TIMEOUT(first.count(), 1, 10000);
        // Shown, then hidden by the ready messages (two that arrive while the
        // first is handled count as one).
        QTRY_VERIFY(screen.count() >= 2);
        QCOMPARE(screen.last().at(0).toBool(), false);
        const int shown = screen.count();
        QCOMPARE(urls.count(), 0);
        // Sent later, the full form is delivered and a third 500 changes nothing more.
        sim.control(QStringLiteral("send BROAD|20|0|http://a/get|http://a/post"));
        sim.control(QStringLiteral("send BROAD|500"));
        QTRY_COMPARE(urls.count(), 1);
        QCOMPARE(urls.at(0).at(1).toString(), QStringLiteral("http://a/post"));
        QTRY_COMPARE(screen.count(), shown + 1);
        QCOMPARE(first.count(), 1);
        thread.stop();
    }

    void watchdogFailureAndRecovery()
    {
        SimProcess sim;
        QVERIFY(startSim(sim, { "--user", "alice", "--password", "wonderland", "--keepalive", "0" }));
        TavirelConnThread thread;
        thread.setTickInterval(50);
        QSignalSpy first(&thread, &TavirelConnThread::firstConnected);
        QSignalSpy messages(&thread, &TavirelConnThread::setConnectionScreenMessage);
        thread.setDevice(m_device.get());
        thread.restart();
        QTRY_COMPARE_WITH_TIMEOUT(first.count(), 1, 10000);
        messages.clear();
        // No keep-alives and nothing else: after 16 ticks the link gives up.
        QTRY_VERIFY_WITH_TIMEOUT(messages.count() >= 2, 10000);
        QVERIFY(spyTexts(messages).at(0).contains(QStringLiteral("stopped answering.")));
        QVERIFY(spyTexts(messages).at(1).endsWith(QStringLiteral("stopped answering.\nTrying again…")));
        // The new run joins again.
        QTRY_COMPARE_WITH_TIMEOUT(first.count(), 2, 10000);
        thread.stop();
    }

    void linkComesBackWhenTheSimulatorRestarts()
    {
        SimProcess sim;
        QVERIFY(startSim(sim, { "--user", "alice", "--password", "wonderland" }));
        TavirelConnThread thread;
        thread.setTickInterval(50);
        QSignalSpy first(&thread, &TavirelConnThread::firstConnected);
        QSignalSpy messages(&thread, &TavirelConnThread::setConnectionScreenMessage);
        thread.setDevice(m_device.get());
        thread.restart();
        QTRY_COMPARE_WITH_TIMEOUT(first.count(), 1, 10000);
        sim.kill();
        // While the device is away the attempts fail and runs restart.
        QTRY_VERIFY_WITH_TIMEOUT(anyTextContains(messages, QStringLiteral("lost — reconnecting…")), 1000);
        QTRY_VERIFY_WITH_TIMEOUT(anyTextContains(messages, QStringLiteral("refused the connection.")), 2000);
        QVERIFY(sim.start(m_port, { "--user", "alice", "--password", "wonderland" }));
        QTRY_COMPARE_WITH_TIMEOUT(first.count(), 2, 15000);
        thread.stop();
    }

    void deviceHangUpIsReopenedWithinTheRun()
    {
        SimProcess sim;
        QVERIFY(startSim(sim, { "--user", "alice", "--password", "wonderland", "--close-after", "300" }));
        TavirelConnThread thread;
        QSignalSpy first(&thread, &TavirelConnThread::firstConnected);
        QSignalSpy messages(&thread, &TavirelConnThread::setConnectionScreenMessage);
        thread.setDevice(m_device.get());
        thread.restart();
        QTRY_COMPARE_WITH_TIMEOUT(first.count(), 1, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(sim.countReceived(QStringLiteral("CONNECT|")) >= 2, 10000);
        // Same run: no failure message, no "Disconnected.".
        QVERIFY(!spyTexts(messages).contains(QStringLiteral("Disconnected.")));
        QVERIFY(!anyTextContains(messages, QStringLiteral("Next attempt")));
        thread.stop();
    }

    void survivesJunkAndTinyWrites()
    {
        SimProcess sim;
        QVERIFY(startSim(sim, { "--user", "alice", "--password", "wonderland", "--garbage", "--chunk", "7" }));
        TavirelConnThread thread;
        QSignalSpy first(&thread, &TavirelConnThread::firstConnected);
        QSignalSpy commands(&thread, &TavirelConnThread::tavirelCommandReceived);
        thread.setDevice(m_device.get());
        thread.restart();
        QTRY_COMPARE_WITH_TIMEOUT(first.count(), 1, 15000);
        QCOMPARE(commands.count(), 3 + 4 + 6 + 1);
        thread.stop();
    }

    void silentDeviceFailsTheRun()
    {
        SimProcess sim;
        QVERIFY(startSim(sim, { "--user", "alice", "--password", "wonderland", "--silent-after-join" }));
        TavirelConnThread thread;
        thread.setReadyTimeout(300);
        QSignalSpy messages(&thread, &TavirelConnThread::setConnectionScreenMessage);
        QSignalSpy first(&thread, &TavirelConnThread::firstConnected);
        thread.setDevice(m_device.get());
        thread.restart();
        QTRY_VERIFY_WITH_TIMEOUT(anyTextContains(messages, QStringLiteral("accepted the login but sent no data.")),
                                 10000);
        QCOMPARE(first.count(), 0);
        QVERIFY(sim.countReceived(QStringLiteral("UI_COMMAND|17")) >= 1);
        thread.stop();
    }
};

QTEST_GUILESS_MAIN(TestLinkSim)
#include "tst_linksim.moc"
