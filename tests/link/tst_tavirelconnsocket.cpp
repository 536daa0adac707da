// The link socket against a scripted device: tokens, keep-alive, framing
// through the socket, and the watchdog.
#include "link/tavirelconnsocket.h"
#include "linktestutil.h"

#include <QSignalSpy>
#include <QTest>

#include <openssl/evp.h>

namespace {
// Enciphers whole blocks as they are, without adding padding, so that the
// receiver sees exactly the last byte the test chose.
QByteArray frameUnpadded(const QByteArray &plain)
{
    Q_ASSERT(plain.size() % 16 == 0);
    const unsigned char iv[16] = {};
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    EVP_EncryptInit_ex(ctx, EVP_aes_128_cbc(), nullptr,
                       reinterpret_cast<const unsigned char *>(LinkCipher::linkKey().constData()), iv);
    EVP_CIPHER_CTX_set_padding(ctx, 0);
    QByteArray out(plain.size(), Qt::Uninitialized);
    int len = 0;
    EVP_EncryptUpdate(ctx, reinterpret_cast<unsigned char *>(out.data()), &len,
                      reinterpret_cast<const unsigned char *>(plain.constData()), plain.size());
    EVP_CIPHER_CTX_free(ctx);
    return out.toBase64() + "%%%";
}

constexpr int kTick = 20;
}

class TestTavirelConnSocket : public QObject
{
    Q_OBJECT

    // Opens the socket to the fake device, sends a handshake like the
    // connection does and lets the device answer JOIN.
    void join(TavirelConnSocket &socket, FakeDevice &device)
    {
        QSignalSpy open(&socket, &TavirelConnSocket::connectionOpen);
        QSignalSpy established(&socket, &TavirelConnSocket::connectionEstablished);
        socket.openLink(QStringLiteral("127.0.0.1"), device.port());
        QTRY_COMPARE(open.count(), 1);
        QTRY_VERIFY(device.client);
        socket.sendMessage(QStringLiteral("CONNECT|uid|default|hash"));
        QTRY_COMPARE(device.received.size(), 1);
        device.send(QStringLiteral("0|JOIN"));
        QTRY_COMPARE(established.count(), 1);
    }

private slots:
    void joinIsAnsweredWithUiCommand17()
    {
        FakeDevice device;
        TavirelConnSocket socket;
        join(socket, device);
        QTRY_COMPARE(device.received.size(), 2);
        QCOMPARE(device.received.at(0), QStringLiteral("0|CONNECT|uid|default|hash"));
        QCOMPARE(device.received.at(1), QStringLiteral("1|UI_COMMAND|17"));
        QVERIFY(!socket.awaitingJoin());
    }

    void countersRestartAtEveryOpen()
    {
        FakeDevice device;
        TavirelConnSocket socket;
        join(socket, device);
        QTRY_COMPARE(device.received.size(), 2);
        socket.abort();
        device.received.clear();
        // A command while the link reopens is dropped and not counted.
        QSignalSpy open(&socket, &TavirelConnSocket::connectionOpen);
        socket.openLink(QStringLiteral("127.0.0.1"), device.port());
        socket.sendMessage(QStringLiteral("UI_COMMAND|2000|100|3|40"));
        QTRY_COMPARE(open.count(), 1);
        socket.sendMessage(QStringLiteral("CONNECT|uid|default|hash"));
        QTRY_COMPARE(device.received.size(), 1);
        device.send(QStringLiteral("0|JOIN"));
        QTRY_COMPARE(device.received.size(), 2);
        QCOMPARE(device.received.at(0), QStringLiteral("0|CONNECT|uid|default|hash"));
        QCOMPARE(device.received.at(1), QStringLiteral("1|UI_COMMAND|17"));
    }

    void keepAliveAnsweredNotPassedUp()
    {
        FakeDevice device;
        TavirelConnSocket socket;
        QSignalSpy commands(&socket, &TavirelConnSocket::elaborateCommand);
        join(socket, device);
        device.send(QStringLiteral("9|BROAD|5"));
        QTRY_COMPARE(device.received.size(), 3);
        QCOMPARE(device.received.at(2), QStringLiteral("2|UI_ALIVE"));
        socket.sendMessage(QStringLiteral("UI_COMMAND|2000|100|3|40"));
        QTRY_COMPARE(device.received.size(), 4);
        QCOMPARE(device.received.at(3), QStringLiteral("3|UI_COMMAND|2000|100|3|40"));
        QCOMPARE(commands.count(), 0);
    }

    void otherBroadcastsPassedUpWhole_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("outputs") << QStringLiteral("4|BROAD|1|0|0@Kitchen|1@Patio");
        QTest::newRow("ready") << QStringLiteral("x|BROAD|500");
        QTest::newRow("empty fields kept in the text") << QStringLiteral("4|BROAD|3||1|50|0|0|0|0|0");
        QTest::newRow("code 50 is no keep-alive") << QStringLiteral("1|BROAD|50");
        QTest::newRow("utf-8") << QString::fromUtf8("2|BROAD|0|0|1@Küche@0");
    }

    void otherBroadcastsPassedUpWhole()
    {
        QFETCH(QString, text);
        FakeDevice device;
        TavirelConnSocket socket;
        QSignalSpy commands(&socket, &TavirelConnSocket::elaborateCommand);
        join(socket, device);
        device.send(text);
        QTRY_COMPARE(commands.count(), 1);
        QCOMPARE(commands.at(0).at(0).toString(), text);
    }

    void messagesThatAreIgnored_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("leading pipe makes JOIN field 0") << QStringLiteral("|JOIN");
        QTest::newRow("leading pipe, token shifted") << QStringLiteral("|JOIN|x");
        QTest::newRow("one field") << QStringLiteral("BROAD");
        QTest::newRow("broadcast without code") << QStringLiteral("1|BROAD");
        QTest::newRow("unknown token") << QStringLiteral("1|HELLO|3");
        QTest::newRow("lower-case token") << QStringLiteral("1|broad|3");
    }

    void messagesThatAreIgnored()
    {
        QFETCH(QString, text);
        FakeDevice device;
        TavirelConnSocket socket;
        QSignalSpy open(&socket, &TavirelConnSocket::connectionOpen);
        QSignalSpy established(&socket, &TavirelConnSocket::connectionEstablished);
        QSignalSpy commands(&socket, &TavirelConnSocket::elaborateCommand);
        socket.openLink(QStringLiteral("127.0.0.1"), device.port());
        QTRY_COMPARE(open.count(), 1);
        socket.processIncoming(FakeDevice::frame(text));
        socket.processIncoming(FakeDevice::frame(QStringLiteral("1|BROAD|77")));
        QCOMPARE(commands.count(), 1); // the stream goes on after the ignored message
        QCOMPARE(established.count(), 0);
        QVERIFY(socket.awaitingJoin());
    }

    void framingThroughTheSocket()
    {
        FakeDevice device;
        TavirelConnSocket socket;
        QSignalSpy commands(&socket, &TavirelConnSocket::elaborateCommand);
        join(socket, device);
        const QByteArray a = FakeDevice::frame(QStringLiteral("1|BROAD|1|0|0@A"));
        const QByteArray b = FakeDevice::frame(QStringLiteral("2|BROAD|2|0|0@4"));
        const QByteArray c = FakeDevice::frame(QStringLiteral("3|BROAD|25|0"));

        socket.processIncoming(a + b);
        QCOMPARE(commands.count(), 2);
        QVERIFY(socket.framer().buffered().isEmpty());

        socket.processIncoming(c.left(10));
        QCOMPARE(commands.count(), 2);
        QCOMPARE(socket.framer().buffered(), c.left(10));
        socket.processIncoming(c.mid(10) + a.left(5));
        QCOMPARE(commands.count(), 3);
        QCOMPARE(commands.last().at(0).toString(), QStringLiteral("3|BROAD|25|0"));
        socket.processIncoming(a.mid(5));
        QCOMPARE(commands.count(), 4);
        QCOMPARE(commands.last().at(0).toString(), QStringLiteral("1|BROAD|1|0|0@A"));
    }

    void paddingOfTheLastByte()
    {
        FakeDevice device;
        TavirelConnSocket socket;
        QSignalSpy commands(&socket, &TavirelConnSocket::elaborateCommand);
        join(socket, device);

        // 16 bytes of text and a whole block of 0x10: the block goes.
        socket.processIncoming(frameUnpadded(QByteArray("1|BROAD|42|0|abc") + QByteArray(16, '\x10')));
        QCOMPARE(commands.count(), 1);
        QCOMPARE(commands.last().at(0).toString(), QStringLiteral("1|BROAD|42|0|abc"));

        // Last byte 0x00: nothing removed, the text ends at the zero.
        socket.processIncoming(frameUnpadded(QByteArray("2|BROAD|42|0|ab\0", 16)));
        QCOMPARE(commands.count(), 2);
        QCOMPARE(commands.last().at(0).toString(), QStringLiteral("2|BROAD|42|0|ab"));

        // Last byte 0x80: nothing removed; the stray byte is no valid UTF-8.
        socket.processIncoming(frameUnpadded(QByteArray("3|BROAD|42|0|ab\x80")));
        QCOMPARE(commands.count(), 3);
        const QString text = commands.last().at(0).toString();
        QCOMPARE(text.left(15), QStringLiteral("3|BROAD|42|0|ab"));
        QCOMPARE(text.size(), 16);
    }

    void refusalAbortsAndReopensAtTheNextTick()
    {
        FakeDevice device;
        TavirelConnSocket socket;
        socket.setTickInterval(100);
        QSignalSpy refused(&socket, &TavirelConnSocket::authenticationRefused);
        QSignalSpy restart(&socket, &TavirelConnSocket::connectionMustRestart);
        QSignalSpy errors(&socket, &TavirelConnSocket::connectionError);
        // What the connection object does with these signals.
        connect(&socket, &TavirelConnSocket::connectionMustRestart, &socket,
                [&] { socket.openLink(QStringLiteral("127.0.0.1"), device.port()); });
        connect(&socket, &TavirelConnSocket::connectionOpen, &socket,
                [&] { socket.sendMessage(QStringLiteral("CONNECT|uid|default|hash")); });

        socket.openLink(QStringLiteral("127.0.0.1"), device.port());
        QTRY_COMPARE(device.received.size(), 1);
        device.send(QStringLiteral("0|REFUSE"));
        QTRY_COMPARE(refused.count(), 1);
        QTRY_COMPARE(restart.count(), 1);
        QTRY_COMPARE(device.connections, 2);
        QTRY_COMPARE(device.received.size(), 2); // the new connection's handshake
        QCOMPARE(device.received.at(1), QStringLiteral("0|CONNECT|uid|default|hash"));
        QCOMPARE(errors.count(), 0);
    }

    void watchdogGivesUpOnAConnectionThatDoesNotOpen()
    {
        // The attempt hangs: only the eleventh tick reports it.
        StuckListener stuck;
        const quint16 closedPort = stuck.port();
        TavirelConnSocket socket;
        socket.setTickInterval(kTick);
        QSignalSpy errors(&socket, &TavirelConnSocket::connectionError);
        QSignalSpy restart(&socket, &TavirelConnSocket::connectionMustRestart);
        int restartsBeforeError = -1;
        qint64 errorAfter = -1;
        QElapsedTimer timer;
        connect(&socket, &TavirelConnSocket::connectionError, &socket, [&] {
            restartsBeforeError = restart.count();
            errorAfter = timer.elapsed();
        });
        timer.start();
        socket.openLink(QStringLiteral("127.0.0.1"), closedPort);
        QTRY_COMPARE(errors.count(), 1);
        QVERIFY2(errorAfter >= (TavirelConnSocket::ConnectTickLimit + 1) * kTick - 5,
                 qPrintable(QString::number(errorAfter)));
        QVERIFY(!socket.isConnecting());
        QCOMPARE(restartsBeforeError, 0);
        QCOMPARE(errors.at(0).at(0).toInt(), int(TavirelConnSocket::TimedOut));
        // The owner ends the link: the failed socket does not reopen it.
        QTest::qWait(3 * kTick);
        QCOMPARE(restart.count(), 0);
    }

    // The watchdog's limits, counted tick by tick: the timer is slowed down so
    // that only the test's own calls tick.
    void watchdogLimitsAreExact_data()
    {
        QTest::addColumn<bool>("joined");
        QTest::addColumn<int>("ticks");
        QTest::newRow("no JOIN: fails on the 6th tick") << false << 6;
        QTest::newRow("joined and silent: fails on the 16th tick") << true << 16;
    }

    void watchdogLimitsAreExact()
    {
        QFETCH(bool, joined);
        QFETCH(int, ticks);
        FakeDevice device;
        TavirelConnSocket socket;
        QSignalSpy open(&socket, &TavirelConnSocket::connectionOpen);
        QSignalSpy errors(&socket, &TavirelConnSocket::connectionError);
        if (joined) {
            join(socket, device);
        } else {
            socket.openLink(QStringLiteral("127.0.0.1"), device.port());
            QTRY_COMPARE(open.count(), 1);
        }
        socket.setTickInterval(3600 * 1000);
        // A broadcast or a JOIN starts the count again.
        for (int i = 0; i < ticks - 1; ++i)
            socket.timerTimeout();
        if (joined) {
            socket.processIncoming(FakeDevice::frame(QStringLiteral("7|BROAD|5")));
            for (int i = 0; i < ticks - 1; ++i)
                socket.timerTimeout();
        }
        QCOMPARE(errors.count(), 0);
        QCOMPARE(socket.state(), QAbstractSocket::ConnectedState);
        socket.timerTimeout();
        QCOMPARE(errors.count(), 1);
        QCOMPARE(socket.state(), QAbstractSocket::UnconnectedState);
    }

    void refusalEndsTheRead()
    {
        FakeDevice device;
        TavirelConnSocket socket;
        QSignalSpy open(&socket, &TavirelConnSocket::connectionOpen);
        QSignalSpy refused(&socket, &TavirelConnSocket::authenticationRefused);
        QSignalSpy established(&socket, &TavirelConnSocket::connectionEstablished);
        QSignalSpy commands(&socket, &TavirelConnSocket::elaborateCommand);
        socket.openLink(QStringLiteral("127.0.0.1"), device.port());
        QTRY_COMPARE(open.count(), 1);
        socket.processIncoming(FakeDevice::frame(QStringLiteral("0|REFUSE"))
                               + FakeDevice::frame(QStringLiteral("1|JOIN"))
                               + FakeDevice::frame(QStringLiteral("2|BROAD|1|0|0@Kitchen")));
        QCOMPARE(refused.count(), 1);
        QCOMPARE(established.count(), 0);
        QCOMPARE(commands.count(), 0);
        QCOMPARE(socket.state(), QAbstractSocket::UnconnectedState);
    }

    void peerHangUpAsksForRestart()
    {
        FakeDevice device;
        TavirelConnSocket socket;
        socket.setTickInterval(kTick);
        QSignalSpy restart(&socket, &TavirelConnSocket::connectionMustRestart);
        QSignalSpy errors(&socket, &TavirelConnSocket::connectionError);
        join(socket, device);
        device.client->disconnectFromHost();
        QTRY_VERIFY(restart.count() >= 1);
        QCOMPARE(errors.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestTavirelConnSocket)
#include "tst_tavirelconnsocket.moc"
