// The device simulator as a device: commands over the real link change its
// state and come back as broadcasts; the state survives reconnections;
// playlist renames and deletions go to the player's Mopidy by JSON-RPC.
#include "devicesimtestutil.h"
#include "linktestutil.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QWebSocket>
#include <QWebSocketServer>

// A Mopidy stand-in that records the JSON-RPC calls it gets and answers
// lookup, save and delete like an m3u backend, or with an error.
class FakeMopidy : public QObject
{
public:
    FakeMopidy()
        : m_server(QStringLiteral("fake mopidy"), QWebSocketServer::NonSecureMode)
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QWebSocketServer::newConnection, this, [this] {
            QWebSocket *socket = m_server.nextPendingConnection();
            connect(socket, &QWebSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QWebSocket::textMessageReceived, this,
                    [this, socket](const QString &text) { answer(socket, text); });
        });
    }
    quint16 port() const { return m_server.serverPort(); }

    QList<QJsonObject> calls;
    bool fail = false;
    // Path of the websocket requests.
    QStringList paths;

private:
    void answer(QWebSocket *socket, const QString &text)
    {
        const QJsonObject call = QJsonDocument::fromJson(text.toUtf8()).object();
        calls << call;
        paths << socket->requestUrl().path();
        // An event first, as Mopidy sends them unasked.
        socket->sendTextMessage(QStringLiteral("{\"event\":\"playback_state_changed\"}"));
        QJsonObject reply { { "jsonrpc", "2.0" }, { "id", call.value("id") } };
        const QString method = call.value("method").toString();
        const QJsonObject params = call.value("params").toObject();
        if (fail) {
            reply.insert("error", QJsonObject { { "code", -32000 }, { "message", "backend failed" } });
        } else if (method == QLatin1String("core.playlists.lookup")) {
            reply.insert("result", QJsonObject { { "__model__", "Playlist" },
                                                 { "uri", params.value("uri") },
                                                 { "name", "Road Trip" },
                                                 { "tracks", QJsonArray() } });
        } else if (method == QLatin1String("core.playlists.save")) {
            QJsonObject saved = params.value("playlist").toObject();
            saved.insert("uri", "m3u:" + saved.value("name").toString() + ".m3u");
            reply.insert("result", saved);
        } else if (method == QLatin1String("core.playlists.delete")) {
            reply.insert("result", true);
        } else {
            reply.insert("error", QJsonObject { { "code", -32601 }, { "message", "Method not found" } });
        }
        socket->sendTextMessage(QString::fromUtf8(QJsonDocument(reply).toJson(QJsonDocument::Compact)));
    }

    QWebSocketServer m_server;
};


class TestDeviceSim : public QObject
{
    Q_OBJECT

    quint16 m_port = 0;

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Orvith"));
        QCoreApplication::setApplicationName(QStringLiteral("Tavirel"));
        QSettings().setValue(QStringLiteral("uniqueID"), QStringLiteral("devicesim-test"));
    }

    void init() { m_port = TestSupport::freeLoopbackPort(); }

    void commandsComeBackAsBroadcasts_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("broadcast");
        QTest::newRow("output volume") << "2000|100|3|40" << "3|0|3|40|0|0|0|0|0";
        QTest::newRow("output mute") << "2001|100|1|1" << "3|0|1|40|1|0|0|0|0";
        QTest::newRow("equaliser") << "2002|100|0|-20|5|20|-3" << "3|0|0|30|0|-20|5|20|-3";
        QTest::newRow("route") << "2003|100|2@1" << "2|0|0@4|1@5|2@1|3@0";
        QTest::newRow("detach") << "2003|100|0@-1" << "2|0|0|1@5|2|3@0";
        QTest::newRow("source volume") << "2004|100|5|12" << "4|0|5|12|0";
        QTest::newRow("assign playlist") << "2012|100|m3u:Party.m3u|3" << "25|0|1@Morning@|2@Evening@|3@Party@m3u:Party.m3u";
    }

    void commandsComeBackAsBroadcasts()
    {
        QFETCH(QString, command);
        QFETCH(QString, broadcast);
        SimProcess sim;
        QVERIFY(sim.start(m_port, { "--keepalive", "0" }));
        LinkClient client(m_port);
        QVERIFY2(client.connect(), qPrintable(sim.log));
        QVERIFY(!client.bodies().contains(broadcast));
        client.command(command);
        QVERIFY2(client.waitFor(broadcast), qPrintable(client.bodies().join('\n') + sim.log));
        QVERIFY(sim.received.contains(QStringLiteral("2|UI_COMMAND|") + command));
    }

    void stateIsKeptAcrossReconnections()
    {
        SimProcess sim;
        QVERIFY(sim.start(m_port, { "--keepalive", "0" }));
        {
            LinkClient client(m_port);
            QVERIFY(client.connect());
            QCOMPARE(client.lastWithCode("2"), QStringLiteral("2|0|0@4|1@5|2|3@0"));
            client.command(QStringLiteral("2000|100|2|77"));
            client.command(QStringLiteral("2003|100|2@3"));
            client.command(QStringLiteral("2012|100|m3u:Jazz.m3u|2"));
            QVERIFY(client.waitFor(QStringLiteral("25|0|1@Morning@|2@Evening@m3u:Jazz.m3u|3@Party@")));
        }
        // A new connection (and a new run of the same thread) gets the changed state.
        LinkClient client(m_port);
        QVERIFY(client.connect());
        QVERIFY(client.bodies().contains(QStringLiteral("3|0|2|77|0|0|0|0|0")));
        QCOMPARE(client.lastWithCode("2"), QStringLiteral("2|0|0@4|1@5|2@3|3@0"));
        QCOMPARE(client.lastWithCode("25"), QStringLiteral("25|0|1@Morning@|2@Evening@m3u:Jazz.m3u|3@Party@"));
        client.thread.restart();
        QVERIFY(QTest::qWaitFor([&] { return client.ready == 2; }, 10000));
        QVERIFY(client.bodies().count(QStringLiteral("3|0|2|77|0|0|0|0|0")) == 2);
        client.thread.stop();
        QVERIFY2(sim.stopCleanly(), qPrintable(sim.log));
    }

    void everyJoinedClientHearsAChange()
    {
        SimProcess sim;
        QVERIFY(sim.start(m_port, { "--keepalive", "0" }));
        LinkClient first(m_port);
        LinkClient second(m_port);
        QVERIFY(first.connect());
        QVERIFY(second.connect());
        first.command(QStringLiteral("2004|100|0|3"));
        QVERIFY(second.waitFor(QStringLiteral("4|0|0|3|0")));
    }

    void malformedCommandsAreDroppedWithALogLine()
    {
        SimProcess sim;
        QVERIFY(sim.start(m_port, { "--keepalive", "0" }));
        LinkClient client(m_port);
        QVERIFY(client.connect());
        const int before = client.broadcasts.size();
        client.command(QStringLiteral("2010|100|m3u:a.m3u|Rock|Pop"));
        client.command(QStringLiteral("2000|100|9|40"));
        client.command(QStringLiteral("2012|100|m3u:a|3|1"));
        client.command(QStringLiteral("2000|100|1|55"));
        QVERIFY(client.waitFor(QStringLiteral("3|0|1|55|0|0|0|0|0")));
        // Only the valid command changed anything.
        QCOMPARE(client.broadcasts.size(), before + 1);
        QTRY_COMPARE(sim.log.count(QStringLiteral("dropped command")), 3);
        QVERIFY(sim.log.contains(QLatin1String("\"2010|100|m3u:a.m3u|Rock|Pop\"")));
    }

    void playlistRenameAndDeleteOnMopidy()
    {
        FakeMopidy mopidy;
        SimProcess sim;
        QVERIFY(sim.start(m_port, { "--keepalive", "0", "--mopidy-host", "127.0.0.1", "--mopidy-port",
                                    QString::number(mopidy.port()) }));
        LinkClient client(m_port);
        QVERIFY(client.connect());
        // Each player source now points at the stand-in.
        QVERIFY(client.lastWithCode("0").contains(QStringLiteral("5@Player B@1@127.0.0.1@%1").arg(mopidy.port())));
        client.command(QStringLiteral("2012|100|m3u:Road Trip.m3u|1"));

        client.command(QStringLiteral("2010|100|m3u:Road Trip.m3u|Night Drive"));
        QVERIFY2(client.waitFor(QStringLiteral("26|0")), qPrintable(sim.log));
        QVERIFY(client.waitFor(QStringLiteral("25|0|1@Morning@m3u:Night Drive.m3u|2@Evening@|3@Party@")));
        QCOMPARE(mopidy.calls.size(), 2);
        QCOMPARE(mopidy.paths.first(), QStringLiteral("/mopidy/ws"));
        QCOMPARE(mopidy.calls.at(0).value("method").toString(), QStringLiteral("core.playlists.lookup"));
        QCOMPARE(mopidy.calls.at(0).value("jsonrpc").toString(), QStringLiteral("2.0"));
        QCOMPARE(mopidy.calls.at(0).value("params").toObject().value("uri").toString(),
                 QStringLiteral("m3u:Road Trip.m3u"));
        QCOMPARE(mopidy.calls.at(1).value("method").toString(), QStringLiteral("core.playlists.save"));
        const QJsonObject saved = mopidy.calls.at(1).value("params").toObject().value("playlist").toObject();
        QCOMPARE(saved.value("name").toString(), QStringLiteral("Night Drive"));
        QCOMPARE(saved.value("__model__").toString(), QStringLiteral("Playlist"));

        client.broadcasts.clear();
        client.command(QStringLiteral("2011|100|m3u:Night Drive.m3u"));
        QVERIFY(client.waitFor(QStringLiteral("26|0")));
        QVERIFY(client.waitFor(QStringLiteral("25|0|1@Morning@|2@Evening@|3@Party@")));
        QCOMPARE(mopidy.calls.last().value("method").toString(), QStringLiteral("core.playlists.delete"));
        QCOMPARE(mopidy.calls.last().value("params").toObject().value("uri").toString(),
                 QStringLiteral("m3u:Night Drive.m3u"));
        client.thread.stop();
        QVERIFY2(sim.stopCleanly(), qPrintable(sim.log));
    }

    void mopidyFailuresChangeNothing()
    {
        FakeMopidy mopidy;
        mopidy.fail = true;
        const quint16 closedPort = TestSupport::freeLoopbackPort();
        SimProcess sim;
        QVERIFY(sim.start(m_port, { "--keepalive", "0", "--mopidy-port", QString::number(mopidy.port()) }));
        LinkClient client(m_port);
        QVERIFY(client.connect());
        client.broadcasts.clear();
        client.command(QStringLiteral("2011|100|m3u:Any.m3u"));
        QTRY_VERIFY(sim.log.contains(QLatin1String("failed on Mopidy: backend failed")));
        sim.stop();

        // Nobody listens at the player's address.
        QVERIFY(sim.start(m_port, { "--keepalive", "0", "--mopidy-port", QString::number(closedPort) }));
        LinkClient again(m_port);
        QVERIFY(again.connect());
        again.broadcasts.clear();
        again.command(QStringLiteral("2010|100|m3u:Any.m3u|New"));
        QTRY_VERIFY_WITH_TIMEOUT(sim.log.contains(QLatin1String("failed on Mopidy")), 15000);
        QVERIFY(!again.bodies().contains(QStringLiteral("26|0")));
        QVERIFY(!client.bodies().contains(QStringLiteral("26|0")));
    }

    void configurationFromAFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("device.json"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(jsonText("{'outputs':[{'index':7,'name':'Hall','volume':12,'source':2}],"
                            " 'sources':[{'index':2,'name':'Radio'}],"
                            " 'playlistEntries':[]}"));
        file.close();
        SimProcess sim;
        QVERIFY(sim.start(m_port, { "--keepalive", "0", "--config", path }));
        LinkClient client(m_port);
        QVERIFY(client.connect());
        QCOMPARE(client.bodies(), (QStringList { "0|0|2@Radio@0", "1|0|7@Hall", "2|0|7@2",
                                                 "3|0|7|12|0|0|0|0|0", "4|0|2|50|0", "25|0" }));

        // A broken file stops the simulator with a reason.
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(jsonText("{'outputs':[{'index':1,'name':'a|b'}]}"));
        file.close();
        QProcess bad;
        bad.start(TestSupport::deviceSimPath(), { "--port", "0", "--config", path });
        QVERIFY(bad.waitForFinished(10000));
        QCOMPARE(bad.exitCode(), 2);
        QVERIFY(bad.readAllStandardError().contains("contains '|' or '@'"));
    }
};

QTEST_GUILESS_MAIN(TestDeviceSim)
#include "tst_devicesim.moc"
