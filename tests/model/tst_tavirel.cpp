#include "link/tavirelconnthread.h"
#include "model/tavirel.h"
#include "player/tavirelplayer.h"
#include "modeltestutil.h"

#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlEngine>
#include <QTcpServer>
#include <QWebSocket>
#include <QWebSocketServer>
#include <QtTest>
#include <functional>

using Action = std::function<void(Tavirel*)>;
Q_DECLARE_METATYPE(Action)

// A model bound to an idle link thread: messages go in through the link's
// broadcast signal and commands are read off its send signal, as in the app.
struct Rig
{
    TavirelConnThread link;
    Tavirel model;
    QSignalSpy commands { &link, &TavirelConnThread::requireSendCommand };

    Rig() { model.setConnPointer(&link); }
    void feed(const QString& text) { emit link.tavirelCommandReceived(text.split(QLatin1Char('|'))); }
    void feed(const QStringList& texts)
    {
        for (const QString& t : texts)
            feed(t);
    }
    QStringList sent() const
    {
        QStringList list;
        for (const QList<QVariant>& args : commands)
            list << args.at(0).toString();
        return list;
    }
};

using namespace ModelTestUtil;

class TestTavirel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void messages_data();
    void messages();
    void commands_data();
    void commands();
    void playerCreatedAndStarted();
    void reannouncedSourceReplacesPlayer();
    void browsePlayer();
    void routesMessageNotifiesEachSourceOnce();
    void repeatedRouteSetsOnce();
    void listSignalsOncePerMessage();
    void playlistEntriesRenewed();
    void closePlayersKeepsObjects();
    void playlistsChangedRefreshesPlayers();
    void disconnectedIsSilent();
    void newLinkReplacesOld();
    void droppedObjectsReleasedLater();

private:
    QTcpServer m_playerServer; // accepts the players' connections, never answers
    QString m_playerAddress;
};

void TestTavirel::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_playerServer.listen(QHostAddress::LocalHost, 0));
    m_playerAddress = QStringLiteral("127.0.0.1@%1").arg(m_playerServer.serverPort());
}

void TestTavirel::messages_data()
{
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("sources");
    QTest::addColumn<QString>("outputs");
    QTest::addColumn<QStringList>("checks");

    const QString base = QStringLiteral("x|BROAD|0|y|1@Radio@0|5@Music@1@ADDR");
    const QString outs = QStringLiteral("x|BROAD|1|y|3@Den|2@Attic|7@Kitchen");

    QTest::newRow("sources with a player")
        << QStringList { base } << "1:Radio,5:Music[p]" << "" << QStringList { "player1=absent", "player5.sourceRef=5" };
    QTest::newRow("sources keep message order")
        << QStringList { "x|BROAD|0|y|9@Z@0|2@A@0|5@M@0" } << "9:Z,2:A,5:M" << "" << QStringList {};
    QTest::newRow("source with too few parts skipped")
        << QStringList { "x|BROAD|0|y|1@Radio|2@Line@0" } << "2:Line" << "" << QStringList { "source1=absent" };
    QTest::newRow("later sources message drops a source")
        << QStringList { base, outs, "x|BROAD|2|y|3@1", "x|BROAD|0|y|5@Music@1@ADDR" } << "5:Music[p]"
        << "2:Attic>-,3:Den>1,7:Kitchen>-" << QStringList { "source1.name=Radio", "source1.linkedOutputs=3" };
    QTest::newRow("outputs sorted case-sensitively")
        << QStringList { "x|BROAD|1|y|1@b|2@A|3@a" } << "" << "2:A>-,3:a>-,1:b>-" << QStringList {};
    QTest::newRow("equal names keep the message order")
        << QStringList { "x|BROAD|1|y|2@x|1@x|3@a|4@x" } << "" << "3:a>-,2:x>-,1:x>-,4:x>-" << QStringList {};
    QTest::newRow("outputs message without payload empties the list")
        << QStringList { outs, "x|BROAD|1|y" } << "" << "" << QStringList { "output3=present" };
    QTest::newRow("re-announced output keeps its object state")
        << QStringList { outs, "x|BROAD|3|y|3|40|1|0|0|0|0", "x|BROAD|1|y|3@Lounge" } << "" << "3:Lounge>-"
        << QStringList { "output3.volume=40", "output3.mute=true" };
    QTest::newRow("routes attach")
        << QStringList { base, outs, "x|BROAD|2|y|3@5|7@1" } << "1:Radio,5:Music[p]"
        << "2:Attic>-,3:Den>5,7:Kitchen>1" << QStringList { "source5.linkedOutputs=3", "source1.linkedOutputs=7" };
    QTest::newRow("route with output alone clears")
        << QStringList { base, outs, "x|BROAD|2|y|3@5", "x|BROAD|2|y|3" } << "1:Radio,5:Music[p]"
        << "2:Attic>-,3:Den>-,7:Kitchen>-" << QStringList { "source5.linkedOutputs=" };
    QTest::newRow("routes give each source its summary")
        << QStringList { base, outs, "x|BROAD|2|y|7@5|3@5|2@1", "x|BROAD|2|y|2" } << "1:Radio,5:Music[p]"
        << "2:Attic>-,3:Den>5,7:Kitchen>5"
        << QStringList { "source5.outputSummary=Playing on Den, Kitchen", "source1.outputSummary=Not routed" };
    QTest::newRow("route to unknown source keeps the old one")
        << QStringList { base, outs, "x|BROAD|2|y|3@5", "x|BROAD|2|y|3@-1" } << "1:Radio,5:Music[p]"
        << "2:Attic>-,3:Den>5,7:Kitchen>-" << QStringList {};
    QTest::newRow("routes before sources change nothing")
        << QStringList { outs, "x|BROAD|2|y|3@5", base } << "1:Radio,5:Music[p]" << "2:Attic>-,3:Den>-,7:Kitchen>-"
        << QStringList {};
    QTest::newRow("route for unknown output and empty fields ignored")
        << QStringList { base, outs, "x|BROAD|2|y||9@5|2@1|" } << "1:Radio,5:Music[p]"
        << "2:Attic>1,3:Den>-,7:Kitchen>-" << QStringList { "output9=absent" };
    QTest::newRow("output state with 10 fields ignored")
        << QStringList { outs, "x|BROAD|3|y|3|40|1|0|0|0" } << "" << "2:Attic>-,3:Den>-,7:Kitchen>-"
        << QStringList { "output3.volume=0", "output3.mute=false" };
    QTest::newRow("output state 49.5")
        << QStringList { outs, "x|BROAD|3|y|3|49.5|1|-3|2|20|-20" } << "" << "2:Attic>-,3:Den>-,7:Kitchen>-"
        << QStringList { "output3.volume=50", "output3.mute=true", "output3.bass=-3", "output3.middle=2",
                         "output3.treble=20", "output3.loudness=-20", "output2.volume=0" };
    QTest::newRow("output state -0.5")
        << QStringList { outs, "x|BROAD|3|y|3|-0.5|0|0|0|0|0" } << "" << "2:Attic>-,3:Den>-,7:Kitchen>-"
        << QStringList { "output3.volume=-1" };
    QTest::newRow("output state for unknown output")
        << QStringList { outs, "x|BROAD|3|y|8|40|1|0|0|0|0" } << "" << "2:Attic>-,3:Den>-,7:Kitchen>-"
        << QStringList { "output8=absent" };
    QTest::newRow("source volume without mute")
        << QStringList { base, "x|BROAD|4|y|5|1|1", "x|BROAD|4|y|5|30.5" } << "1:Radio,5:Music[p]" << ""
        << QStringList { "source5.volume=31", "source5.mute=true" };
    QTest::newRow("source volume with mute")
        << QStringList { base, "x|BROAD|4|y|5|30|1" } << "1:Radio,5:Music[p]" << ""
        << QStringList { "source5.volume=30", "source5.mute=true" };
    QTest::newRow("source level too short")
        << QStringList { base, "x|BROAD|4|y|5" } << "1:Radio,5:Music[p]" << "" << QStringList { "source5.volume=0" };
    QTest::newRow("AirPlay playing with metadata")
        << QStringList { base, "x|BROAD|10|y|5|1|Song|Record|Band|http://127.0.0.1/a.jpg" } << "1:Radio,5:Music[p]"
        << ""
        << QStringList { "player5.airPlay=true", "player5.airPlayTrack=Song", "player5.airPlayAlbum=Record",
                         "player5.airPlayArtist=Band", "player5.airPlayImage=http://127.0.0.1/a.jpg" };
    QTest::newRow("AirPlay playing without full metadata keeps the old")
        << QStringList { base, "x|BROAD|10|y|5|1|Song|Record|Band|img", "x|BROAD|10|y|5|1|Other" }
        << "1:Radio,5:Music[p]" << "" << QStringList { "player5.airPlay=true", "player5.airPlayTrack=Song" };
    QTest::newRow("AirPlay stopped clears metadata")
        << QStringList { base, "x|BROAD|10|y|5|1|Song|Record|Band|img", "x|BROAD|10|y|5|0|A|B|C|D" }
        << "1:Radio,5:Music[p]" << ""
        << QStringList { "player5.airPlay=false", "player5.airPlayTrack=", "player5.airPlayImage=" };
    QTest::newRow("AirPlay for a source without player")
        << QStringList { base, "x|BROAD|10|y|1|1|Song|Record|Band|img" } << "1:Radio,5:Music[p]" << ""
        << QStringList { "player1=absent", "player5.airPlay=false" };
    QTest::newRow("code that is not a number is dropped")
        << QStringList { base, "x|BROAD|zz|y|9@Other@0" } << "1:Radio,5:Music[p]" << "" << QStringList {};
    QTest::newRow("message without code is dropped")
        << QStringList { base, "x|BROAD" } << "1:Radio,5:Music[p]" << "" << QStringList {};
    QTest::newRow("unknown code ignored")
        << QStringList { base, "x|BROAD|77|y|9@Other@0" } << "1:Radio,5:Music[p]" << "" << QStringList {};
}

void TestTavirel::messages()
{
    QFETCH(QStringList, messages);
    QFETCH(QString, sources);
    QFETCH(QString, outputs);
    QFETCH(QStringList, checks);

    Rig rig;
    rig.feed(messages.replaceInStrings("ADDR", m_playerAddress));
    QCOMPARE(describeSources(rig.model), sources);
    QCOMPARE(describeOutputs(rig.model), outputs);
    for (const QString& check : checks)
        QCOMPARE(evaluate(rig.model, check), check);
    QVERIFY(rig.commands.isEmpty());
}

void TestTavirel::commands_data()
{
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QStringList>("expected");

    const QStringList device { "x|BROAD|0|y|1@Radio@0|5@Music@0|6@Line@0", "x|BROAD|1|y|2@Attic|3@Den|7@Kitchen|4@Hall",
                               "x|BROAD|2|y|7@5|2@5|3@6" };
    auto row = [&](const char* name, Action a, const QStringList& expected, const QStringList& extra = {}) {
        QTest::newRow(name) << device + extra << a << expected;
    };

    row("output volume", [](Tavirel* m) { m->actionSetVolumeForOutput(40, 3); }, { "2000|100|3|40" });
    row("output volume for unknown output", [](Tavirel* m) { m->actionSetVolumeForOutput(40, 9); }, {});
    row("output volume for output no longer listed", [](Tavirel* m) { m->actionSetVolumeForOutput(5, 4); },
        { "2000|100|4|5" }, { "x|BROAD|1|y|2@Attic" });
    row("output mute", [](Tavirel* m) { m->actionSetMuteForOutput(true, 2); }, { "2001|100|2|1" });
    row("output unmute", [](Tavirel* m) { m->actionSetMuteForOutput(false, 2); }, { "2001|100|2|0" });
    row("output mute unknown", [](Tavirel* m) { m->actionSetMuteForOutput(true, 8); }, {});
    row("source mute over linked outputs in ascending order",
        [](Tavirel* m) { m->actionSetMuteForSource(true, 5); }, { "2001|100|2|1", "2001|100|7|1" });
    row("source unmute", [](Tavirel* m) { m->actionSetMuteForSource(false, 6); }, { "2001|100|3|0" });
    row("source mute without linked outputs", [](Tavirel* m) { m->actionSetMuteForSource(true, 1); }, {});
    row("source mute unknown source", [](Tavirel* m) { m->actionSetMuteForSource(true, 9); }, {});
    row("source mute follows re-routing", [](Tavirel* m) { m->actionSetMuteForSource(true, 5); },
        { "2001|100|2|1" }, { "x|BROAD|2|y|7" });
    row("source volume", [](Tavirel* m) { m->actionSetVolumeForSource(60, 6); }, { "2004|100|6|60" });
    row("source volume unknown", [](Tavirel* m) { m->actionSetVolumeForSource(60, 2); }, {});
    row("source volume for source no longer listed", [](Tavirel* m) { m->actionSetVolumeForSource(10, 1); },
        { "2004|100|1|10" }, { "x|BROAD|0|y|5@Music@0" });
    row("route", [](Tavirel* m) { m->actionSetMatrixSetting(5, 3); }, { "2003|100|3@5" });
    row("detach", [](Tavirel* m) { m->actionSetMatrixSetting(-1, 4); }, { "2003|100|4@-1" });
    row("detach unknown output", [](Tavirel* m) { m->actionSetMatrixSetting(-1, 9); }, {});
    row("route to unknown source", [](Tavirel* m) { m->actionSetMatrixSetting(8, 3); }, {});
    row("route from unknown output", [](Tavirel* m) { m->actionSetMatrixSetting(5, 9); }, {});
    row("equaliser", [](Tavirel* m) { m->actionSetEqualizerForOutput("3|-20|0|20|5"); }, { "2002|100|3|-20|0|20|5" });
    row("equaliser needs no known output", [](Tavirel* m) { m->actionSetEqualizerForOutput("9|0|0|0|0"); },
        { "2002|100|9|0|0|0|0" });
    row("equaliser with an extra field", [](Tavirel* m) { m->actionSetEqualizerForOutput("3|0|0|0|0|2011"); }, {});
    row("equaliser with text", [](Tavirel* m) { m->actionSetEqualizerForOutput("3|0|0|0|x"); }, {});
    row("rename playlist", [](Tavirel* m) { m->actionRenamePlaylist("m3u:Old.m3u", "New"); },
        { "2010|100|m3u:Old.m3u|New" });
    row("rename with a bar in the name", [](Tavirel* m) { m->actionRenamePlaylist("m3u:Old.m3u", "A|B"); }, {});
    row("rename with a bar in the uri", [](Tavirel* m) { m->actionRenamePlaylist("m3u:O|d.m3u", "New"); }, {});
    row("delete playlist", [](Tavirel* m) { m->actionDeletePlaylist("m3u:Old.m3u"); }, { "2011|100|m3u:Old.m3u" });
    row("delete with a bar", [](Tavirel* m) { m->actionDeletePlaylist("m3u:a|2012"); }, {});
    row("assign playlist: uri before entry", [](Tavirel* m) { m->actionAssociatePlaylist(3, "m3u:Party.m3u"); },
        { "2012|100|m3u:Party.m3u|3" });
    row("assign with a bar", [](Tavirel* m) { m->actionAssociatePlaylist(3, "m3u:P|7"); }, {});
    // The device returns entries as "id@name@uri": an "@" would cut them short.
    row("assign with an at sign", [](Tavirel* m) { m->actionAssociatePlaylist(3, "m3u:a@b.m3u"); }, {});
    row("rename with an at sign", [](Tavirel* m) { m->actionRenamePlaylist("m3u:Old.m3u", "me@home"); }, {});
    row("actions do not change the model", [](Tavirel* m) {
        m->actionSetMatrixSetting(-1, 7);
        m->actionSetVolumeForOutput(99, 7);
        QCOMPARE(m->outputByIndex(7)->selectedSource()->index(), 5);
        QCOMPARE(m->outputByIndex(7)->volume(), 0);
    }, { "2003|100|7@-1", "2000|100|7|99" });
}

void TestTavirel::commands()
{
    QFETCH(QStringList, messages);
    QFETCH(Action, action);
    QFETCH(QStringList, expected);

    Rig rig;
    rig.feed(messages);
    action(&rig.model);
    QCOMPARE(rig.sent(), expected);
}

void TestTavirel::playerCreatedAndStarted()
{
    QSignalSpy accepted(&m_playerServer, &QTcpServer::newConnection);
    Rig rig;
    rig.feed(QStringLiteral("x|BROAD|0|y|1@Radio@0|5@Music@1@%1").arg(m_playerAddress));
    TavirelPlayer* player = rig.model.sourceByIndex(5)->player();
    QVERIFY(player);
    QCOMPARE(player->sourceRef(), 5);
    QCOMPARE(player->ipAddress(), QStringLiteral("127.0.0.1"));
    QCOMPARE(player->port(), QString::number(m_playerServer.serverPort()));
    QVERIFY(player->connectionEnabled());
    QVERIFY(accepted.wait(5000));
    QVERIFY(!rig.model.sourceByIndex(1)->player());
    while (m_playerServer.hasPendingConnections())
        delete m_playerServer.nextPendingConnection();

    // Without an address the player keeps its defaults.
    rig.feed(QStringLiteral("x|BROAD|0|y|6@Other@1"));
    TavirelPlayer* bare = rig.model.sourceByIndex(6)->player();
    QVERIFY(bare);
    QCOMPARE(bare->ipAddress(), QString());
    QCOMPARE(bare->port(), QStringLiteral("6680"));
    QCOMPARE(bare->sourceRef(), 6);
    rig.model.setConnPointer(nullptr);
}

void TestTavirel::reannouncedSourceReplacesPlayer()
{
    Rig rig;
    const QString message = QStringLiteral("x|BROAD|0|y|5@Music@1@%1").arg(m_playerAddress);
    rig.feed(message);
    Source* source = rig.model.sourceByIndex(5);
    QPointer<TavirelPlayer> first = source->player();
    QSignalSpy playerChanged(source, &Source::playerChanged);

    // The same server again keeps the player, also one whose link was closed.
    rig.feed(message);
    emit rig.link.closePlayersConnections();
    rig.feed(message);
    QCOMPARE(source->player(), first.data());
    QVERIFY(first->connectionEnabled());
    QCOMPARE(playerChanged.count(), 0);

    // Another port is another server.
    rig.feed(QStringLiteral("x|BROAD|0|y|5@Music@1@127.0.0.1@1"));
    QCOMPARE(rig.model.sourceByIndex(5), source);
    QVERIFY(source->player() && source->player() != first);
    QCOMPARE(playerChanged.count(), 1);
    QVERIFY(first);
    QVERIFY(!first->connectionEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
    QCOMPARE(rig.model.getPlayerForBrowse(), source->player());

    // No longer a player: the player goes too.
    QPointer<TavirelPlayer> second = source->player();
    rig.feed(QStringLiteral("x|BROAD|0|y|5@Music@0"));
    QVERIFY(!source->player());
    QVERIFY(!second->connectionEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!second);
    QVERIFY(!rig.model.getPlayerForBrowse());
}

void TestTavirel::browsePlayer()
{
    Rig rig;
    QVERIFY(!rig.model.getPlayerForBrowse());
    rig.feed(QStringLiteral("x|BROAD|0|y|1@Radio@1@%1").arg(m_playerAddress));
    QVERIFY(!rig.model.getPlayerForBrowse());
    rig.feed(QStringLiteral("x|BROAD|0|y|1@Radio@1@%1|5@Music@1@%1").arg(m_playerAddress));
    QCOMPARE(rig.model.getPlayerForBrowse(), rig.model.sourceByIndex(5)->player());
    QVERIFY(rig.model.getPlayerForBrowse() != rig.model.sourceByIndex(1)->player());
    // Returned to QML from an invokable, it must stay ours.
    QCOMPARE(QQmlEngine::objectOwnership(rig.model.getPlayerForBrowse()), QQmlEngine::CppOwnership);
    // Source 5 still in the map after leaving the list.
    rig.feed(QStringLiteral("x|BROAD|0|y|1@Radio@0"));
    QVERIFY(rig.model.getPlayerForBrowse());
}

void TestTavirel::routesMessageNotifiesEachSourceOnce()
{
    Rig rig;
    QStringList outputs;
    for (int i = 0; i < 1100; ++i)
        outputs << QStringLiteral("%1@Zone %1").arg(i);
    rig.feed({ "x|BROAD|0|y|1@Radio@0|5@Music@0", "x|BROAD|1|y|" + outputs.join('|') });
    // One message creates at most 1,024 outputs.
    QCOMPARE(rig.model.outputList().size(), 1024);
    Source* music = rig.model.sourceByIndex(5);
    Source* radio = rig.model.sourceByIndex(1);
    QSignalSpy musicLinks(music, &Source::linkedOutputsChanged);
    QSignalSpy musicSummary(music, &Source::outputSummaryChanged);
    QSignalSpy radioLinks(radio, &Source::linkedOutputsChanged);
    QStringList routes;
    for (int i = 0; i < 1024; ++i)
        routes << QStringLiteral("%1@%2").arg(i).arg(i < 1000 ? 5 : 1);
    rig.feed("x|BROAD|2|y|" + routes.join('|'));
    QCOMPARE(musicLinks.count(), 1);
    QCOMPARE(musicSummary.count(), 1);
    QCOMPARE(radioLinks.count(), 1);
    QCOMPARE(music->linkedOutputList().size(), 1000);
    QCOMPARE(music->outputSummary(), QStringLiteral("Playing on Zone 0, Zone 1 and 998 more"));

    // Moving outputs between sources: once each, too.
    rig.feed("x|BROAD|2|y|0@1|1@1|1000@5");
    QCOMPARE(musicLinks.count(), 2);
    QCOMPARE(radioLinks.count(), 2);
    // A renamed output shows in the summary after the outputs message.
    rig.feed("x|BROAD|1|y|2@Terrace");
    QTRY_VERIFY(music->outputSummary().contains("Terrace"));
}

void TestTavirel::repeatedRouteSetsOnce()
{
    Rig rig;
    rig.feed({ "x|BROAD|0|y|5@Music@0", "x|BROAD|1|y|3@Den" });
    Output* den = rig.model.outputByIndex(3);
    QSignalSpy changed(den, &Output::selectedSourceChanged);
    QSignalSpy routes(&rig.model, &Tavirel::routesUpdated);
    rig.feed("x|BROAD|2|y|3@5");
    rig.feed("x|BROAD|2|y|3@5");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(routes.count(), 2);
    rig.feed("x|BROAD|2|y|3");
    QCOMPARE(changed.count(), 2);
    QVERIFY(!den->selectedSource());
}

void TestTavirel::listSignalsOncePerMessage()
{
    Rig rig;
    QSignalSpy sources(&rig.model, &Tavirel::sourcesChanged);
    QSignalSpy outputs(&rig.model, &Tavirel::outputsChanged);
    QSignalSpy entries(&rig.model, &Tavirel::playlistEntriesChanged);
    rig.feed({ "x|BROAD|0|y|1@A@0|2@B@0|3@C@0", "x|BROAD|1|y|1@A|2@B", "x|BROAD|1|y", "x|BROAD|25|y|1@a@b|2@c@d",
               "x|BROAD|0|y" });
    QCOMPARE(sources.count(), 2);
    QCOMPARE(outputs.count(), 2);
    QCOMPARE(entries.count(), 1);
    QVERIFY(rig.model.sourceList().isEmpty());

    // The QML list properties show the same lists.
    rig.feed({ "x|BROAD|0|y|1@A@0|2@B@0", "x|BROAD|1|y|1@b|2@a" });
    QQmlListProperty<Source> s = rig.model.sources();
    QQmlListProperty<Output> o = rig.model.outputs();
    QCOMPARE(s.count(&s), 2);
    QCOMPARE(s.at(&s, 1)->index(), 2);
    QCOMPARE(o.at(&o, 0)->name(), QStringLiteral("a"));
    QCOMPARE(o.at(&o, 2), nullptr);
}

void TestTavirel::playlistEntriesRenewed()
{
    Rig rig;
    rig.feed("x|BROAD|25|y|1@Morning@m3u:a.m3u|2@Evening@|bad");
    const QList<PlaylistEntry*> first = rig.model.playlistEntryList();
    QCOMPARE(first.size(), 2);
    QCOMPARE(first.at(0)->entryId(), 1);
    QCOMPARE(first.at(0)->name(), QStringLiteral("Morning"));
    QCOMPARE(first.at(0)->playlistRef(), QStringLiteral("m3u:a.m3u"));
    QCOMPARE(first.at(1)->playlistRef(), QString());

    QPointer<PlaylistEntry> old = first.at(0);
    rig.feed("x|BROAD|25|y|1@Morning@m3u:a.m3u");
    QCOMPARE(rig.model.playlistEntryList().size(), 1);
    QVERIFY(rig.model.playlistEntryList().at(0) != first.at(0));
    QVERIFY(old); // still there for QML until the event loop runs
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!old);

    // A new link does not clear the playlist entries.
    rig.model.setConnPointer(nullptr);
    QCOMPARE(rig.model.playlistEntryList().size(), 1);
}

void TestTavirel::closePlayersKeepsObjects()
{
    Rig rig;
    rig.feed(QStringLiteral("x|BROAD|0|y|5@Music@1@%1|6@Two@1@%1|1@Line@0").arg(m_playerAddress));
    TavirelPlayer* a = rig.model.sourceByIndex(5)->player();
    TavirelPlayer* b = rig.model.sourceByIndex(6)->player();
    emit rig.link.closePlayersConnections();
    QVERIFY(!a->connectionEnabled());
    QVERIFY(!b->connectionEnabled());
    QCOMPARE(rig.model.sourceByIndex(5)->player(), a);
    QCOMPARE(rig.model.sourceList().size(), 3);
}

void TestTavirel::playlistsChangedRefreshesPlayers()
{
    QWebSocketServer server(QStringLiteral("player"), QWebSocketServer::NonSecureMode);
    QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    QStringList methods;
    QList<QWebSocket*> clients;
    connect(&server, &QWebSocketServer::newConnection, this, [&] {
        QWebSocket* ws = server.nextPendingConnection();
        clients << ws;
        connect(ws, &QWebSocket::textMessageReceived, this, [&methods](const QString& text) {
            const QJsonObject o = QJsonDocument::fromJson(text.toUtf8()).object();
            methods << o.value("id").toString() + ":" + o.value("method").toString();
        });
    });

    Rig rig;
    rig.feed(QStringLiteral("x|BROAD|0|y|5@Music@1@127.0.0.1@%1").arg(server.serverPort()));
    QTRY_COMPARE_WITH_TIMEOUT(clients.size(), 1, 5000);
    // Let the client side open too, then ask well before the first periodic
    // refresh (one second after opening): the request is the connection's first.
    QTest::qWait(100);
    rig.feed("x|BROAD|26|y");
    QTRY_VERIFY_WITH_TIMEOUT(!methods.isEmpty(), 5000);
    QCOMPARE(methods.first(), QStringLiteral("0:core.playlists.as_list"));
    qDeleteAll(clients);
}

void TestTavirel::disconnectedIsSilent()
{
    Rig rig;
    rig.feed({ "x|BROAD|0|y|1@Radio@0|5@Music@0", "x|BROAD|1|y|3@Den|4@Hall", "x|BROAD|2|y|3@5|4@5" });
    QSignalSpy sources(&rig.model, &Tavirel::sourcesChanged);
    QSignalSpy outputs(&rig.model, &Tavirel::outputsChanged);
    QSignalSpy pointer(&rig.model, &Tavirel::connPointerChanged);
    rig.model.setConnPointer(nullptr);
    QCOMPARE(pointer.count(), 1);
    QCOMPARE(sources.count(), 1);
    QCOMPARE(outputs.count(), 1);
    QVERIFY(!rig.model.connPointer());
    QVERIFY(rig.model.sourceList().isEmpty());
    QVERIFY(rig.model.outputList().isEmpty());
    QVERIFY(!rig.model.sourceByIndex(5));
    QVERIFY(!rig.model.outputByIndex(3));

    rig.model.actionSetVolumeForOutput(10, 3);
    rig.model.actionSetMuteForOutput(true, 3);
    rig.model.actionSetVolumeForSource(10, 5);
    rig.model.actionSetMuteForSource(true, 5);
    rig.model.actionSetMatrixSetting(5, 3);
    rig.model.actionSetMatrixSetting(-1, 3);
    rig.model.actionSetEqualizerForOutput("3|0|0|0|0");
    rig.model.actionRenamePlaylist("m3u:a.m3u", "b");
    rig.model.actionDeletePlaylist("m3u:a.m3u");
    rig.model.actionAssociatePlaylist(1, "m3u:a.m3u");
    QVERIFY(rig.commands.isEmpty());

    // The link's broadcasts no longer reach the model.
    rig.feed("x|BROAD|0|y|1@Radio@0");
    QVERIFY(rig.model.sourceList().isEmpty());
}

void TestTavirel::newLinkReplacesOld()
{
    Rig rig;
    rig.feed({ "x|BROAD|0|y|5@Music@0", "x|BROAD|1|y|3@Den" });
    TavirelConnThread second;
    QSignalSpy secondCommands(&second, &TavirelConnThread::requireSendCommand);
    rig.model.setConnPointer(&second);
    QCOMPARE(rig.model.connPointer(), &second);
    QVERIFY(rig.model.sourceList().isEmpty());

    rig.feed("x|BROAD|1|y|3@Den"); // old link: ignored
    QVERIFY(rig.model.outputList().isEmpty());
    emit second.tavirelCommandReceived(QStringList { "x", "BROAD", "1", "y", "3@Den" });
    rig.model.actionSetVolumeForOutput(12, 3);
    QVERIFY(rig.commands.isEmpty());
    QCOMPARE(secondCommands.count(), 1);
    QCOMPARE(secondCommands.at(0).at(0).toString(), QStringLiteral("2000|100|3|12"));
    rig.model.setConnPointer(nullptr);
}

void TestTavirel::droppedObjectsReleasedLater()
{
    Rig rig;
    rig.feed({ QStringLiteral("x|BROAD|0|y|5@Music@1@%1").arg(m_playerAddress), "x|BROAD|1|y|3@Den",
               "x|BROAD|2|y|3@5" });
    QPointer<Source> source = rig.model.sourceByIndex(5);
    QPointer<Output> output = rig.model.outputByIndex(3);
    QPointer<TavirelPlayer> player = source->player();
    QCOMPARE(QQmlEngine::objectOwnership(source), QQmlEngine::CppOwnership);
    QCOMPARE(QQmlEngine::objectOwnership(output), QQmlEngine::CppOwnership);

    rig.model.setConnPointer(nullptr);
    // QML may still read them while it handles the change signals.
    QVERIFY(source && output && player);
    QCOMPARE(output->selectedSource(), source.data());
    QVERIFY(!player->connectionEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!source);
    QVERIFY(!output);
    QVERIFY(!player);
}

QTEST_MAIN(TestTavirel)
#include "tst_tavirel.moc"
