// The link thread against a scripted device: address choice, handshake,
// connection-screen messages, codes 20 and 500, restarts and clean-up.
#include "devices/device.h"
#include "link/tavirelconnection.h"
#include "link/tavirelconnsocket.h"
#include "link/tavirelconnthread.h"
#include "linktestutil.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>
#include <QThread>

namespace {
const QString kUid = QStringLiteral("test-installation-42");
// Computed outside this code base (Python's hashlib), Latin-1 bytes.
const QString kAppHash = QStringLiteral("8adce1f92067ee64e536e439a6066650"); // "Tavirel|" + kUid
const QString kSecretHash = QStringLiteral("5ebe2294ecd0e0f08eab7690d2a6ee69"); // "secret"
const QString kLatin1Hash = QStringLiteral("81ac14d51572fcb8ad21fd94def63c5f"); // "s3crèt"

int countEntries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size();
}
}

class TestTavirelConnThread : public QObject
{
    Q_OBJECT

    std::unique_ptr<Device> localDevice(quint16 port, const QString &user = QString(),
                                        const QString &password = QString())
    {
        auto device = std::make_unique<Device>();
        device->setLocalIp(QStringLiteral("127.0.0.1"));
        device->setLocalPort(port);
        device->setUsername(user);
        device->setPassword(password);
        device->setPropDictionaryValue(QStringLiteral("name"), QStringLiteral("Den"));
        return device;
    }
    static QString where(quint16 port) { return QStringLiteral("Den (127.0.0.1:%1)").arg(port); }

    // Starts a run against the device and completes the handshake.
    void joinRun(TavirelConnThread &thread, FakeDevice &fake)
    {
        thread.restart();
        QTRY_COMPARE(fake.received.size(), 1);
        fake.send(QStringLiteral("0|JOIN"));
        QTRY_COMPARE(fake.received.size(), 2);
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Orvith"));
        QCoreApplication::setApplicationName(QStringLiteral("Tavirel"));
        QSettings settings;
        settings.setValue(QStringLiteral("uniqueID"), kUid);
        settings.sync();
    }

    void readsTheInstallationId()
    {
        TavirelConnThread thread;
        QCOMPARE(thread.uniqueId(), kUid);
    }

    void handshakeRequest_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("expected");
        const QString os = QSysInfo::prettyProductName();
        QTest::newRow("credentials") << "admin" << "secret"
                                     << "CONNECT|" + kUid + "|admin|" + kSecretHash + "|" + os + "|" + kAppHash;
        QTest::newRow("latin-1 password") << "admin" << QString::fromUtf8("s3crèt")
                                          << "CONNECT|" + kUid + "|admin|" + kLatin1Hash + "|" + os + "|" + kAppHash;
        // Beyond Latin-1 the UTF-8 bytes are hashed: such passwords differ.
        QTest::newRow("cyrillic password") << "admin" << QString::fromUtf8("пароль")
                                           << "CONNECT|" + kUid + "|admin|e242f36f4f95f12966da8fa2efd59992|" + os + "|" + kAppHash;
        QTest::newRow("other cyrillic password") << "admin" << QString::fromUtf8("секрет")
                                                 << "CONNECT|" + kUid + "|admin|2c22d5c2ed37ea03db53ff931e7a9cf6|" + os + "|" + kAppHash;
        QTest::newRow("no credentials") << "" << "" << "CONNECT|" + kUid + "|default|" + kAppHash;
        QTest::newRow("user only") << "admin" << "" << "CONNECT|" + kUid + "|default|" + kAppHash;
        QTest::newRow("password only") << "" << "secret" << "CONNECT|" + kUid + "|default|" + kAppHash;
    }

    void handshakeRequest()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, expected);
        QCOMPARE(TavirelConnThread::handshakeRequest(kUid, user, password), expected);

        FakeDevice fake;
        TavirelConnThread thread;
        auto device = localDevice(fake.port(), user, password);
        thread.setDevice(device.get());
        joinRun(thread, fake);
        QCOMPARE(fake.received.at(0), "0|" + expected);
        QCOMPARE(fake.received.at(1), QStringLiteral("1|UI_COMMAND|17"));
        thread.stop();
    }

    void prefersTheLocalAddress()
    {
        FakeDevice fake;
        TavirelConnThread thread;
        Device device;
        device.setLocalIp(QStringLiteral("127.0.0.1"));
        device.setLocalPort(fake.port());
        device.setRemoteIp(QStringLiteral("127.0.0.2"));
        device.setRemotePort(TestSupport::freeLoopbackPort());
        thread.setDevice(&device);
        thread.restart();
        QTRY_COMPARE(fake.connections, 1);
        QVERIFY(thread.usingLocalAddress());
        QCOMPARE(thread.host(), QStringLiteral("127.0.0.1"));
        thread.stop();
    }

    void usesTheRemoteAddressWhenThereIsNoLocalOne()
    {
        FakeDevice fake;
        TavirelConnThread thread;
        Device device;
        device.setLocalPort(TestSupport::freeLoopbackPort());
        device.setRemoteIp(QStringLiteral("127.0.0.1"));
        device.setRemotePort(fake.port());
        thread.setDevice(&device);
        thread.restart();
        QTRY_COMPARE(fake.connections, 1);
        QVERIFY(!thread.usingLocalAddress());
        QCOMPARE(thread.port(), int(fake.port()));
        thread.stop();
    }

    void deviceIsCopiedWhenSet()
    {
        FakeDevice fake;
        TavirelConnThread thread;
        auto device = localDevice(fake.port(), QStringLiteral("admin"), QStringLiteral("secret"));
        thread.setDevice(device.get());
        // Later edits on the main thread do not reach the link until setDevice.
        device->setLocalPort(1);
        device->setPassword(QStringLiteral("changed"));
        joinRun(thread, fake);
        QVERIFY(fake.received.at(0).contains(kSecretHash));
        thread.stop();
        device.reset();
    }

    void screenMessagesOfARun()
    {
        FakeDevice fake;
        TavirelConnThread thread;
        QSignalSpy messages(&thread, &TavirelConnThread::setConnectionScreenMessage);
        QSignalSpy screen(&thread, &TavirelConnThread::showConnectionScreen);
        auto device = localDevice(fake.port());
        thread.setDevice(device.get());
        joinRun(thread, fake);
        QTRY_COMPARE(messages.count(), 2);
        thread.stop();
        QTRY_COMPARE(messages.count(), 3);
        QCOMPARE(spyTexts(messages), (QStringList { "Connecting to " + where(fake.port()) + "…",
                                                 "Logging in to " + where(fake.port()) + "…", "Disconnected." }));
        QTRY_COMPARE(screen.count(), 2);
        QCOMPARE(screen.at(0).at(0).toBool(), true);
        QCOMPARE(screen.at(1).at(0).toBool(), true);
    }

    void codes20And500AndTheRest()
    {
        FakeDevice fake;
        TavirelConnThread thread;
        QSignalSpy urls(&thread, &TavirelConnThread::deviceSettingsUrlsUpdated);
        QSignalSpy first(&thread, &TavirelConnThread::firstConnected);
        QSignalSpy screen(&thread, &TavirelConnThread::showConnectionScreen);
        QSignalSpy commands(&thread, &TavirelConnThread::tavirelCommandReceived);
        auto device = localDevice(fake.port());
        thread.setDevice(device.get());
        joinRun(thread, fake);

        fake.send(QStringLiteral("1|BROAD|20|0|http://get"));
        fake.send(QStringLiteral("2|BROAD|20|0|http://get|http://post"));
        fake.send(QStringLiteral("3|BROAD|500"));
        // Sent after the first was handled: one still waiting would be
        // superseded by it.
        QTRY_COMPARE(screen.count(), 2);
        fake.send(QStringLiteral("4|BROAD|500"));
        fake.send(QStringLiteral("5|BROAD|1|0|0@Kitchen||1@Patio"));
        fake.send(QStringLiteral("6|BROAD|x|0|y"));
        QTRY_COMPARE(commands.count(), 2);
        QCOMPARE(urls.count(), 1);
        QCOMPARE(urls.at(0).at(0).toString(), QStringLiteral("http://get"));
        QCOMPARE(urls.at(0).at(1).toString(), QStringLiteral("http://post"));
        QCOMPARE(first.count(), 1);
        // Shown at the start of the run, hidden by each ready message.
        QCOMPARE(screen.count(), 3);
        QCOMPARE(screen.at(1).at(0).toBool(), false);
        QCOMPARE(screen.at(2).at(0).toBool(), false);
        // Fields 0 and 1 and empty fields stay; a code that is no number is 0.
        QCOMPARE(commands.at(0).at(0).toStringList(),
                 (QStringList { "5", "BROAD", "1", "0", "0@Kitchen", "", "1@Patio" }));
        QCOMPARE(commands.at(1).at(0).toStringList(), (QStringList { "6", "BROAD", "x", "0", "y" }));
        // No code-500 or code-20 message went to the model.
        thread.stop();

        // A new run may report its first connection again.
        fake.received.clear();
        joinRun(thread, fake);
        fake.send(QStringLiteral("0|BROAD|500"));
        QTRY_COMPARE(first.count(), 2);
        thread.stop();
    }

    void floodIsCoalescedBeforeTheGuiThread()
    {
        FakeDevice fake;
        TavirelConnThread thread;
        QSignalSpy commands(&thread, &TavirelConnThread::tavirelCommandReceived);
        auto device = localDevice(fake.port());
        thread.setDevice(device.get());
        joinRun(thread, fake);
        QByteArray flood;
        for (int i = 0; i < 3000; ++i)
            flood += FakeDevice::frame(QStringLiteral("%1|BROAD|1|0|0@Zone %1").arg(i));
        flood += FakeDevice::frame(QStringLiteral("x|BROAD|25|0|1@Last@m3u:a"));
        fake.sendRaw(flood);
        // This thread is busy while the link thread takes the whole flood in.
        QThread::msleep(500);
        QTRY_VERIFY(!commands.isEmpty() && commands.last().at(0).toStringList().value(2) == "25");
        QVERIFY2(commands.count() <= 4, qPrintable(QString::number(commands.count())));
        // The latest list is among what arrived.
        bool latest = false;
        for (const QList<QVariant> &c : commands)
            latest = latest || c.at(0).toStringList().value(4) == "0@Zone 2999";
        QVERIFY(latest);
        thread.stop();
    }

    void commandsReachTheDevice()
    {
        FakeDevice fake;
        TavirelConnThread thread;
        auto device = localDevice(fake.port());
        thread.setDevice(device.get());
        joinRun(thread, fake);
        emit thread.requireSendCommand(QStringLiteral("2000|100|3|40"));
        emit thread.requireSendString(QStringLiteral("UI_ALIVE"));
        QTRY_COMPARE(fake.received.size(), 4);
        QCOMPARE(fake.received.at(2), QStringLiteral("2|UI_COMMAND|2000|100|3|40"));
        QCOMPARE(fake.received.at(3), QStringLiteral("3|UI_ALIVE"));
        thread.stop();
        // Between runs commands are dropped.
        emit thread.requireSendCommand(QStringLiteral("2000|100|3|41"));
        QTest::qWait(50);
        QCOMPARE(fake.received.size(), 4);
    }

    void refusal()
    {
        FakeDevice fake;
        TavirelConnThread thread;
        QSignalSpy messages(&thread, &TavirelConnThread::setConnectionScreenMessage);
        QSignalSpy dialog(&thread, &TavirelConnThread::requireAuthenticationDialog);
        auto device = localDevice(fake.port(), QStringLiteral("admin"), QStringLiteral("wrong"));
        thread.setDevice(device.get());
        thread.restart();
        QTRY_COMPARE(fake.received.size(), 1);
        fake.send(QStringLiteral("0|REFUSE"));
        QTRY_COMPARE(dialog.count(), 1);
        QCOMPARE(messages.last().at(0).toString(), QStringLiteral("Authentication failed."));
        // Until the user answers, the link asks again by itself.
        QTRY_COMPARE(fake.connections, 2);
        QTRY_COMPARE(fake.received.size(), 2);
        QCOMPARE(fake.received.at(1), fake.received.at(0));
        thread.stop();
    }

    void credentialsWithAPipeAreNeverSent()
    {
        QVERIFY(TavirelConnThread::handshakeRequest(kUid, "ad|min", "secret").isEmpty());
        QVERIFY(TavirelConnThread::handshakeRequest(kUid, "admin", "se|cret").isEmpty());
        FakeDevice fake;
        TavirelConnThread thread;
        QSignalSpy messages(&thread, &TavirelConnThread::setConnectionScreenMessage);
        QSignalSpy dialog(&thread, &TavirelConnThread::requireAuthenticationDialog);
        auto device = localDevice(fake.port(), QStringLiteral("admin"), QStringLiteral("se|cret"));
        thread.setDevice(device.get());
        thread.restart();
        QTRY_COMPARE(dialog.count(), 1);
        QCOMPARE(messages.last().at(0).toString(), QStringLiteral("User name and password must not contain \"|\"."));
        QTest::qWait(50);
        QCOMPARE(fake.connections, 1);
        QVERIFY(fake.received.isEmpty());
        thread.stop();
    }

    void eventsOfAnEndedRunAreDropped()
    {
        TavirelConnThread thread;
        QSignalSpy messages(&thread, &TavirelConnThread::setConnectionScreenMessage);
        QSignalSpy screen(&thread, &TavirelConnThread::showConnectionScreen);
        QSignalSpy commands(&thread, &TavirelConnThread::tavirelCommandReceived);
        // A connection that is not the current run's, as a late queued event
        // of an ended run is.
        TavirelConnection stale(QStringLiteral("127.0.0.1"), 1);
        connect(&stale, &TavirelConnection::elaborateCommandReceived, &thread,
                &TavirelConnThread::elaborateCommandReceived);
        connect(&stale, &TavirelConnection::connectionError, &thread, &TavirelConnThread::connectionErrorReceived);
        connect(&stale, &TavirelConnection::connectionOpen, &thread, &TavirelConnThread::connectionOpen);
        connect(&stale, &TavirelConnection::connectionLost, &thread, &TavirelConnThread::connectionLost);
        emit stale.elaborateCommandReceived(QStringLiteral("1|BROAD|1|0|0@Kitchen"));
        emit stale.elaborateCommandReceived(QStringLiteral("2|BROAD|500"));
        emit stale.connectionOpen();
        emit stale.connectionLost();
        emit stale.connectionError(TavirelConnSocket::Refused);
        QCOMPARE(commands.count(), 0);
        QCOMPARE(screen.count(), 0);
        QCOMPARE(messages.count(), 0);
        QVERIFY(!thread.isRunning());
    }

    void deviceWithoutAddressFailsAndRetries()
    {
        TavirelConnThread thread;
        thread.setTickInterval(5);
        QSignalSpy messages(&thread, &TavirelConnThread::setConnectionScreenMessage);
        Device device;
        thread.setDevice(&device);
        thread.restart();
        const QString reason = "Tavirel (none) has no address. Choose another Tavirel or add it again.\n";
        QTRY_VERIFY(spyTexts(messages).contains(reason + "Trying again…"));
        thread.stop();
        QVERIFY(thread.host().isEmpty());
        QVERIFY(spyTexts(messages).contains(reason + "Next attempt in 1 s."));
    }

    // Each way a link fails, as the connection screen tells it: the reason,
    // with the device and its address, shown as soon as it is known.
    void failureShowsItsReasonAtOnce_data()
    {
        QTest::addColumn<QString>("peer");
        QTest::addColumn<int>("tick");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<int>("minMs");
        QTest::addColumn<int>("maxMs");
        QTest::newRow("refused") << "closed" << 1000 << "%1 refused the connection. Is the address right and the Tavirel switched on?" << 0 << 500;
        QTest::newRow("connection hangs") << "stuck" << 50 << "%1 did not answer in time. Check the address and the network."
                                          << 550 << 1100;
        QTest::newRow("login unanswered") << "no join" << 50 << "%1 did not answer the login." << 300 << 800;
        QTest::newRow("joins, never ready") << "not ready" << 1000 << "%1 accepted the login but sent no data."
                                            << 400 << 900;
        QTest::newRow("closed during login") << "close in login" << 1000
                                             << "%1 closed the connection during the login." << 0 << 500;
        QTest::newRow("lost when ready") << "close" << 1000 << "Connection to %1 lost — reconnecting…" << 0 << 500;
        QTest::newRow("silent when ready") << "silent" << 50 << "%1 stopped answering." << 700 << 1300;
    }

    void failureShowsItsReasonAtOnce()
    {
        QFETCH(QString, peer);
        QFETCH(int, tick);
        QFETCH(QString, reason);
        QFETCH(int, minMs);
        QFETCH(int, maxMs);
        FakeDevice fake;
        StuckListener stuck;
        const quint16 port = peer == "closed" ? TestSupport::freeLoopbackPort()
                                              : peer == "stuck" ? stuck.port() : fake.port();
        TavirelConnThread thread;
        thread.setTickInterval(tick);
        thread.setReadyTimeout(400);
        QSignalSpy messages(&thread, &TavirelConnThread::setConnectionScreenMessage);
        QSignalSpy screen(&thread, &TavirelConnThread::showConnectionScreen);
        auto device = localDevice(port);
        thread.setDevice(device.get());
        QElapsedTimer clock;
        clock.start();
        thread.restart();
        if (peer != "closed" && peer != "stuck" && peer != "no join") {
            QTRY_COMPARE(fake.received.size(), 1);
            if (peer == "close in login") {
                clock.restart();
                fake.client->disconnectFromHost();
            } else {
                fake.send(QStringLiteral("0|JOIN"));
                if (peer != "not ready") {
                    fake.send(QStringLiteral("1|BROAD|500"));
                    QTRY_VERIFY(thread.linkUp());
                    if (peer == "close")
                        fake.client->disconnectFromHost();
                }
                clock.restart();
            }
        }
        const QString text = reason.arg(where(port));
        QTRY_VERIFY_WITH_TIMEOUT(!messages.isEmpty() && messages.last().at(0).toString().section('\n', 0, 0) == text,
                                 3000);
        const qint64 took = clock.elapsed();
        QVERIFY2(took >= minMs && took <= maxMs, qPrintable(QString::number(took)));
        QVERIFY(!thread.linkUp());
        QCOMPARE(screen.last().at(0).toBool(), true);
        if (peer == "close") {
            // Within the run: the link reopens by itself, nothing is waited for.
            QVERIFY(!thread.retryPending());
            QTRY_COMPARE(fake.connections, 2);
        } else {
            QCOMPARE(messages.last().at(0).toString(), text + "\nNext attempt in 1 s.");
            QVERIFY(thread.retryPending());
            // The next attempt keeps the reason in view.
            QTRY_VERIFY_WITH_TIMEOUT(spyTexts(messages).contains(text + "\nTrying again…"), 3000);
            QVERIFY2(clock.elapsed() >= took + 800, qPrintable(QString::number(clock.elapsed() - took)));
        }
        thread.stop();
    }

    void retryDelay_data()
    {
        QTest::addColumn<int>("failures");
        QTest::addColumn<int>("seconds");
        QTest::newRow("doubling") << 4 << 16;
        QTest::newRow("capped") << 5 << 30;
        QTest::newRow("stays capped") << 40 << 30;
    }

    void retryDelay()
    {
        QFETCH(int, failures);
        QFETCH(int, seconds);
        QCOMPARE(TavirelConnThread::retryDelay(failures), seconds);
    }

    void failedAttemptsBackOffUntilRetryNow()
    {
        const quint16 port = TestSupport::freeLoopbackPort();
        TavirelConnThread thread;
        QSignalSpy messages(&thread, &TavirelConnThread::setConnectionScreenMessage);
        auto device = localDevice(port);
        thread.setDevice(device.get());
        const QString refused = "Den (127.0.0.1:" + QString::number(port) + ") refused the connection. "
                                "Is the address right and the Tavirel switched on?\n";
        thread.restart();
        QTRY_VERIFY(spyTexts(messages).contains(refused + "Next attempt in 2 s."));
        messages.clear();
        QElapsedTimer clock;
        clock.start();
        QTRY_VERIFY(spyTexts(messages).contains(refused + "Next attempt in 1 s."));
        QVERIFY2(clock.elapsed() >= 900, qPrintable(QString::number(clock.elapsed())));
        QTRY_VERIFY_WITH_TIMEOUT(spyTexts(messages).contains(refused + "Next attempt in 4 s."), 3000);
        messages.clear();
        thread.retryNow();
        QTRY_VERIFY(spyTexts(messages).contains(refused + "Next attempt in 8 s."));
        thread.stop();
        QVERIFY(!thread.retryPending());
    }

    void startStopLeavesNothingBehind()
    {
        FakeDevice fake;
        auto device = localDevice(fake.port());
        // Warm up Qt's own helper threads and descriptors first.
        {
            TavirelConnThread thread;
            thread.setDevice(device.get());
            joinRun(thread, fake);
            thread.stop();
        }
        QCoreApplication::processEvents();
        const int threadsBefore = countEntries(QStringLiteral("/proc/self/task"));
        const int fdsBefore = countEntries(QStringLiteral("/proc/self/fd"));

        TavirelConnThread thread;
        thread.setDevice(device.get());
        for (int i = 0; i < 100; ++i) {
            thread.restart();
            if (i % 2)
                QTest::qWait(1); // let some runs reach the connection
            thread.stop();
            QVERIFY(thread.isFinished());
        }
        // And with a device object deleted between runs.
        for (int i = 0; i < 10; ++i) {
            auto other = localDevice(fake.port());
            thread.setDevice(other.get());
            thread.restart();
            other.reset();
            QTest::qWait(2);
        }
        thread.stop();
        QTest::qWait(100);
        QCoreApplication::processEvents();
        // Qt may end a helper thread of its own meanwhile, but none may be added.
        QVERIFY(countEntries(QStringLiteral("/proc/self/task")) <= threadsBefore);
        QTRY_COMPARE(countEntries(QStringLiteral("/proc/self/fd")), fdsBefore + 0);
    }
};

QTEST_GUILESS_MAIN(TestTavirelConnThread)
#include "tst_tavirelconnthread.moc"
