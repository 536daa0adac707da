// The simulated device's state: configuration, broadcast formats, commands.
#include "devicestate.h"
#include "linktestutil.h"

#include <QJsonDocument>
#include <QTest>

class TestDeviceSimState : public QObject
{
    Q_OBJECT

private slots:
    void defaultDevice()
    {
        const DeviceState s = DeviceState::defaultState();
        QCOMPARE(s.outputs.size(), 4);
        QCOMPARE(s.sources.size(), 6);
        QStringList players;
        for (const SimSource &src : s.sources)
            if (src.player)
                players << QString::number(src.index);
        QCOMPARE(players, (QStringList { "4", "5" }));
        QCOMPARE(s.playlistPlayer()->index, 5);
    }

    void stateBroadcastsInOrder()
    {
        const QStringList all = DeviceState::defaultState().stateBroadcasts();
        QStringList codes;
        for (const QString &b : all) {
            QVERIFY(b.startsWith(QLatin1String("BROAD|")));
            codes << b.section(QLatin1Char('|'), 1, 1);
        }
        QCOMPARE(codes, (QStringList { "0", "1", "2", "3", "3", "3", "3", "4", "4", "4", "4", "4", "4", "25" }));
    }

    void broadcastFormats()
    {
        const DeviceState s = DeviceState::defaultState();
        QCOMPARE(s.sourcesBroadcast(),
                 QStringLiteral("BROAD|0|0|0@Line In 1@0|1@Line In 2@0|2@Optical@0|3@Tuner@0|"
                                "4@Player A@1@127.0.0.1@6680|5@Player B@1@127.0.0.1@6680"));
        QCOMPARE(s.outputsBroadcast(), QStringLiteral("BROAD|1|0|0@Kitchen|1@Living Room|2@Patio|3@Studio"));
        QCOMPARE(s.routesBroadcast(), QStringLiteral("BROAD|2|0|0@4|1@5|2|3@0"));
        QCOMPARE(s.outputStateBroadcast(s.outputs.at(1)), QStringLiteral("BROAD|3|0|1|40|0|0|0|0|0"));
        QCOMPARE(s.sourceStateBroadcast(s.sources.at(4)), QStringLiteral("BROAD|4|0|4|80|0"));
        QCOMPARE(s.playlistEntriesBroadcast(), QStringLiteral("BROAD|25|0|1@Morning@|2@Evening@|3@Party@"));
        QCOMPARE(s.settingsUrlsBroadcast().count(QLatin1Char('|')), 4);
        QCOMPARE(s.settingsUrlsBroadcast(false).count(QLatin1Char('|')), 3);
        QCOMPARE(DeviceState::readyBroadcast(), QStringLiteral("BROAD|500"));
        QCOMPARE(DeviceState::keepAliveBroadcast(), QStringLiteral("BROAD|5"));
        QCOMPARE(DeviceState::playlistsChangedBroadcast(), QStringLiteral("BROAD|26|0"));
    }

    void commands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("broadcasts");
        QTest::newRow("output volume") << "2000|100|3|40" << QStringList { "BROAD|3|0|3|40|0|0|0|0|0" };
        QTest::newRow("output volume 0") << "2000|100|0|0" << QStringList { "BROAD|3|0|0|0|0|0|0|0|0" };
        QTest::newRow("mute") << "2001|100|2|1" << QStringList { "BROAD|3|0|2|50|1|0|0|0|0" };
        QTest::newRow("equaliser") << "2002|100|1|-20|5|20|-3" << QStringList { "BROAD|3|0|1|40|0|-20|5|20|-3" };
        QTest::newRow("route") << "2003|100|2@1" << QStringList { "BROAD|2|0|0@4|1@5|2@1|3@0" };
        QTest::newRow("detach") << "2003|100|0@-1" << QStringList { "BROAD|2|0|0|1@5|2|3@0" };
        QTest::newRow("source volume") << "2004|100|5|12" << QStringList { "BROAD|4|0|5|12|0" };
        QTest::newRow("assign playlist")
            << "2012|100|m3u:Party.m3u|3" << QStringList { "BROAD|25|0|1@Morning@|2@Evening@|3@Party@m3u:Party.m3u" };
        QTest::newRow("unassign playlist") << "2012|100||1" << QStringList { "BROAD|25|0|1@Morning@|2@Evening@|3@Party@" };
    }

    void commands()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, broadcasts);
        DeviceState s = DeviceState::defaultState();
        const CommandResult r = s.apply(command);
        QVERIFY2(r.accepted, qPrintable(r.error));
        QCOMPARE(r.broadcasts, broadcasts);
        QCOMPARE(r.playlist.kind, PlaylistRequest::None);
    }

    void malformedCommandsChangeNothing_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << "" << "not a number";
        QTest::newRow("no code") << "abc|100|1|2" << "not a number";
        QTest::newRow("no 100") << "2000|99|1|40" << "\"100\"";
        QTest::newRow("unknown code") << "2999|100|1" << "unknown command";
        QTest::newRow("too few") << "2000|100|1" << "needs 2 arguments, got 1";
        QTest::newRow("too many") << "2000|100|1|40|7" << "needs 2 arguments, got 3";
        QTest::newRow("unknown output") << "2000|100|9|40" << "unknown output";
        QTest::newRow("output not a number") << "2000|100|x|40" << "unknown output";
        QTest::newRow("volume too high") << "2000|100|1|101" << "out of 0..100";
        QTest::newRow("volume decimal") << "2000|100|1|4.5" << "out of 0..100";
        QTest::newRow("mute 2") << "2001|100|1|2" << "neither 1 nor 0";
        QTest::newRow("tone too low") << "2002|100|1|-21|0|0|0" << "out of -20..20";
        QTest::newRow("equaliser short") << "2002|100|1|0|0|0" << "needs 5";
        QTest::newRow("route unknown source") << "2003|100|1@9" << "unknown source";
        QTest::newRow("route without @") << "2003|100|1" << "output@source";
        QTest::newRow("route two @") << "2003|100|1@2@3" << "output@source";
        QTest::newRow("source volume unknown") << "2004|100|8|10" << "unknown source";
        QTest::newRow("rename, name with |") << "2010|100|m3u:a.m3u|Rock|Pop" << "a text with '|'";
        QTest::newRow("rename, empty name") << "2010|100|m3u:a.m3u|  " << "empty playlist name";
        QTest::newRow("delete, uri with |") << "2011|100|m3u:a|b.m3u" << "a text with '|'";
        QTest::newRow("delete, empty uri") << "2011|100|" << "empty playlist URI";
        QTest::newRow("assign, uri with |") << "2012|100|m3u:a|3|1" << "a text with '|'";
        QTest::newRow("assign, uri with @") << "2012|100|m3u:a@b|1" << "'@'";
        QTest::newRow("assign, unknown entry") << "2012|100|m3u:a|9" << "unknown playlist entry";
    }

    void malformedCommandsChangeNothing()
    {
        QFETCH(QString, command);
        QFETCH(QString, reason);
        DeviceState s = DeviceState::defaultState();
        const QByteArray before = QJsonDocument(s.toJson()).toJson();
        const CommandResult r = s.apply(command);
        QVERIFY(!r.accepted);
        QVERIFY2(r.error.contains(reason), qPrintable(r.error));
        QVERIFY(r.broadcasts.isEmpty());
        QCOMPARE(r.playlist.kind, PlaylistRequest::None);
        QCOMPARE(QJsonDocument(s.toJson()).toJson(), before);
    }

    void playlistCommandsGoToThePlayer()
    {
        DeviceState s = DeviceState::defaultState();
        s.playlistEntries[0].playlist = QStringLiteral("m3u:Road.m3u");
        CommandResult r = s.apply(QStringLiteral("2010|100|m3u:Road.m3u|Night Drive"));
        QVERIFY(r.accepted);
        QVERIFY(r.broadcasts.isEmpty()); // nothing changes before Mopidy answers
        QCOMPARE(r.playlist.kind, PlaylistRequest::Rename);
        QCOMPARE(r.playlist.uri, QStringLiteral("m3u:Road.m3u"));
        QCOMPARE(r.playlist.newName, QStringLiteral("Night Drive"));
        // The entry follows the playlist's new URI.
        QCOMPARE(s.playlistRenamed(QStringLiteral("m3u:Road.m3u"), QStringLiteral("m3u:Night%20Drive.m3u")),
                 (QStringList { "BROAD|26|0", "BROAD|25|0|1@Morning@m3u:Night%20Drive.m3u|2@Evening@|3@Party@" }));
        QCOMPARE(s.playlistRenamed(QStringLiteral("m3u:Other.m3u"), QStringLiteral("m3u:New.m3u")),
                 QStringList { "BROAD|26|0" });

        r = s.apply(QStringLiteral("2011|100|m3u:Night%20Drive.m3u"));
        QCOMPARE(r.playlist.kind, PlaylistRequest::Delete);
        QCOMPARE(s.playlistDeleted(r.playlist.uri),
                 (QStringList { "BROAD|26|0", "BROAD|25|0|1@Morning@|2@Evening@|3@Party@" }));

        s.sources.clear();
        QVERIFY(!s.apply(QStringLiteral("2011|100|m3u:x.m3u")).accepted);
    }

    void configuration()
    {
        const QByteArray json = jsonText("{'outputs': [ { 'index': 2, 'name': 'Den', 'volume': 45, 'bass': -4, 'source': 5 },"
                                         "             { 'index': 0, 'name': 'Bath' } ],"
                                         " 'sources': [ { 'index': 5, 'name': 'Music', 'player': true, 'port': 6690 },"
                                         "              { 'index': 1, 'name': 'Line', 'mute': true } ],"
                                         " 'playlistEntries': [ { 'id': 7, 'name': 'Jazz', 'playlist': 'm3u:Jazz.m3u' } ],"
                                         " 'settingsGetUrl': 'http://dev/get' }");
        DeviceState s;
        QString error;
        QVERIFY2(DeviceState::fromJson(json, &s, &error), qPrintable(error));
        QCOMPARE(s.outputsBroadcast(), QStringLiteral("BROAD|1|0|2@Den|0@Bath"));
        QCOMPARE(s.routesBroadcast(), QStringLiteral("BROAD|2|0|2@5|0"));
        QCOMPARE(s.outputStateBroadcast(s.outputs.at(0)), QStringLiteral("BROAD|3|0|2|45|0|-4|0|0|0"));
        QCOMPARE(s.outputStateBroadcast(s.outputs.at(1)), QStringLiteral("BROAD|3|0|0|50|0|0|0|0|0"));
        QCOMPARE(s.sourcesBroadcast(), QStringLiteral("BROAD|0|0|5@Music@1@127.0.0.1@6690|1@Line@0"));
        QCOMPARE(s.sourceStateBroadcast(s.sources.at(1)), QStringLiteral("BROAD|4|0|1|50|1"));
        QCOMPARE(s.playlistEntriesBroadcast(), QStringLiteral("BROAD|25|0|7@Jazz@m3u:Jazz.m3u"));
        QCOMPARE(s.settingsUrlsBroadcast(), QStringLiteral("BROAD|20|0|http://dev/get|") + s.settingsPostUrl);

        s.overridePlayerAddress(QStringLiteral("127.0.0.9"), 0);
        QCOMPARE(s.sources.at(0).host, QStringLiteral("127.0.0.9"));
        QCOMPARE(s.sources.at(0).port, 6690);
        QVERIFY(s.sources.at(1).host.isEmpty());
        s.overridePlayerAddress(QString(), 7000);
        QCOMPARE(s.sources.at(0).host, QStringLiteral("127.0.0.9"));
        QCOMPARE(s.sources.at(0).port, 7000);

        // What toJson writes reads back the same.
        DeviceState again;
        QVERIFY(DeviceState::fromJson(QJsonDocument(s.toJson()).toJson(), &again, &error));
        QCOMPARE(again.stateBroadcasts(), s.stateBroadcasts());
    }

    void badConfiguration_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not json") << QByteArray("{") << "";
        QTest::newRow("array") << QByteArray("[]") << "not a JSON object";
        QTest::newRow("name with |") << jsonText("{'outputs':[{'index':0,'name':'a|b'}]}") << "contains";
        QTest::newRow("name with @") << jsonText("{'sources':[{'index':0,'name':'a@b'}]}") << "contains";
        QTest::newRow("duplicate output")
            << jsonText("{'outputs':[{'index':0,'name':'a'},{'index':0,'name':'b'}]}") << "unique index";
        QTest::newRow("no index") << jsonText("{'sources':[{'name':'a'}]}") << "unique index";
        QTest::newRow("route to nowhere")
            << jsonText("{'outputs':[{'index':0,'name':'a','source':3}]}") << "unknown source 3";
    }

    void badConfiguration()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, reason);
        DeviceState s = DeviceState::defaultState();
        QString error;
        QVERIFY(!DeviceState::fromJson(json, &s, &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QCOMPARE(s.outputs.size(), 4); // untouched
    }
};

QTEST_GUILESS_MAIN(TestDeviceSimState)
#include "tst_devicesimstate.moc"
