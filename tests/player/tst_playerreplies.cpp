#include "player/playerreplies.h"

#include <QJsonDocument>
#include <QtTest>

using namespace PlayerReplies;

namespace {
QJsonValue json(const char *text)
{
    // Wrapped so that scalars and null parse too.
    const QByteArray doc = QByteArray("[") + text + "]";
    QJsonParseError error;
    const QJsonArray a = QJsonDocument::fromJson(doc, &error).array();
    if (error.error != QJsonParseError::NoError)
        qFatal("bad test JSON: %s", text);
    return a.first();
}
QByteArray compact(const QJsonObject &o)
{
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}
}

class TestPlayerReplies : public QObject
{
    Q_OBJECT

private slots:
    void envelope();
    void requestId_data();
    void requestId();
    void parseMessage_data();
    void parseMessage();
    void eventAction_data();
    void eventAction();
    void handlerTakesRequestId_data();
    void handlerTakesRequestId();
    void playState_data();
    void playState();
    void liveStream_data();
    void liveStream();
    void modality_data();
    void modality();
    void previousTlid_data();
    void previousTlid();
    void searchFilters_data();
    void searchFilters();
    void params_data();
    void params();
    void images();
    void resolvedImageUris_data();
    void resolvedImageUris();
    void tlTracks();
    void refUris();
    void playlistAdditions();
};

void TestPlayerReplies::envelope()
{
    // "id" travels as a decimal string, "params" only where given.
    QCOMPARE(compact(request(12, QStringLiteral("core.playback.play"))),
             QByteArray(R"({"id":"12","jsonrpc":"2.0","method":"core.playback.play"})"));
    QCOMPARE(compact(request(0, QStringLiteral("core.playback.play"), {{"tlid", 3}})),
             QByteArray(R"({"id":"0","jsonrpc":"2.0","method":"core.playback.play","params":{"tlid":3}})"));
    QCOMPARE(compact(request(1, QStringLiteral("m"), QJsonObject())),
             QByteArray(R"({"id":"1","jsonrpc":"2.0","method":"m","params":{}})"));
}

void TestPlayerReplies::requestId_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("expected"); // -1: no id

    QTest::newRow("decimal string") << R"("42")" << 42;
    QTest::newRow("zero") << R"("0")" << 0;
    QTest::newRow("number is not ours") << "42" << -1;
    QTest::newRow("null") << "null" << -1;
    QTest::newRow("empty string") << R"("")" << -1;
    QTest::newRow("junk") << R"("4x")" << -1;
    QTest::newRow("hex") << R"("0x10")" << -1;
    QTest::newRow("overflow") << R"("99999999999")" << -1;
}

void TestPlayerReplies::requestId()
{
    QFETCH(QString, id);
    QFETCH(int, expected);
    const auto got = PlayerReplies::requestId(json(id.toUtf8().constData()));
    QCOMPARE(got.value_or(-1), expected);
}

void TestPlayerReplies::parseMessage_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("event");
    QTest::addColumn<int>("id");

    QTest::newRow("reply") << QByteArray(R"({"jsonrpc":"2.0","id":"3","result":null})") << int(Message::Reply)
                           << QString() << 3;
    QTest::newRow("error reply") << QByteArray(R"({"jsonrpc":"2.0","id":"7","error":{"code":-32601}})")
                                 << int(Message::Reply) << QString() << 7;
    QTest::newRow("reply without id") << QByteArray(R"({"jsonrpc":"2.0","id":null,"error":{}})")
                                      << int(Message::Reply) << QString() << -1;
    QTest::newRow("event") << QByteArray(R"({"event":"tracklist_changed"})") << int(Message::Event)
                           << QStringLiteral("tracklist_changed") << -1;
    QTest::newRow("event wins over id") << QByteArray(R"({"event":"x","id":"1"})") << int(Message::Event)
                                        << QStringLiteral("x") << -1;
    QTest::newRow("array") << QByteArray(R"([{"id":"1"}])") << int(Message::Invalid) << QString() << -1;
    QTest::newRow("scalar") << QByteArray("17") << int(Message::Invalid) << QString() << -1;
    QTest::newRow("truncated") << QByteArray(R"({"id":"1","result":)") << int(Message::Invalid) << QString()
                               << -1;
    QTest::newRow("empty") << QByteArray() << int(Message::Invalid) << QString() << -1;
}

void TestPlayerReplies::parseMessage()
{
    QFETCH(QByteArray, text);
    QFETCH(int, kind);
    QFETCH(QString, event);
    QFETCH(int, id);
    const Message msg = PlayerReplies::parseMessage(text);
    QCOMPARE(int(msg.kind), kind);
    QCOMPARE(msg.event, event);
    QCOMPARE(msg.id, id);
}

void TestPlayerReplies::eventAction_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("action");

    QTest::newRow("state") << "playback_state_changed" << int(EventAction::PlaybackState);
    QTest::newRow("options") << "options_changed" << int(EventAction::Options);
    QTest::newRow("started") << "track_playback_started" << int(EventAction::TrackPlayback);
    QTest::newRow("paused") << "track_playback_paused" << int(EventAction::TrackPlayback);
    QTest::newRow("stream title") << "stream_title_changed" << int(EventAction::StreamTitle);
    QTest::newRow("tracklist") << "tracklist_changed" << int(EventAction::Tracklist);
    QTest::newRow("playlist changed") << "playlist_changed" << int(EventAction::Playlists);
    QTest::newRow("playlist deleted") << "playlist_deleted" << int(EventAction::Playlists);
    QTest::newRow("playlists loaded") << "playlists_loaded" << int(EventAction::Playlists);
    QTest::newRow("case matters") << "Tracklist_changed" << int(EventAction::None);
    QTest::newRow("prefix only") << "track_playback" << int(EventAction::None);
    QTest::newRow("volume") << "volume_changed" << int(EventAction::None);
    QTest::newRow("empty") << "" << int(EventAction::None);
}

void TestPlayerReplies::eventAction()
{
    QFETCH(QString, name);
    QFETCH(int, action);
    QCOMPARE(int(PlayerReplies::eventAction(name)), action);
}

void TestPlayerReplies::handlerTakesRequestId_data()
{
    QTest::addColumn<QByteArray>("handler");
    QTest::addColumn<bool>("withId");

    QTest::newRow("browse result") << QByteArray("browseResultReceived") << true;
    QTest::newRow("browse play index") << QByteArray("browsePlayIndex") << true;
    QTest::newRow("search") << QByteArray("searchResultReceived") << true;
    QTest::newRow("album browse") << QByteArray("albumBrowseReceived") << false;
    QTest::newRow("case matters") << QByteArray("BrowseResultReceived") << false;
    QTest::newRow("update") << QByteArray("updateQueue") << false;
}

void TestPlayerReplies::handlerTakesRequestId()
{
    QFETCH(QByteArray, handler);
    QFETCH(bool, withId);
    QCOMPARE(PlayerReplies::handlerTakesRequestId(handler), withId);
}

void TestPlayerReplies::playState_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("expected");

    QTest::newRow("playing") << R"("playing")" << 2;
    QTest::newRow("paused") << R"("paused")" << 1;
    QTest::newRow("stopped") << R"("stopped")" << 0;
    QTest::newRow("upper case") << R"("PLAYING")" << 0;
    QTest::newRow("null") << "null" << 0;
    QTest::newRow("number") << "2" << 0;
}

void TestPlayerReplies::playState()
{
    QFETCH(QString, state);
    QFETCH(int, expected);
    QCOMPARE(PlayerReplies::playState(json(state.toUtf8().constData())), expected);
}

void TestPlayerReplies::liveStream_data()
{
    QTest::addColumn<QString>("uri");
    QTest::addColumn<bool>("live");

    QTest::newRow("tunein") << "tunein:station:s1234" << true;
    QTest::newRow("somafm") << "somafm:channel:/groovesalad" << true;
    QTest::newRow("dirble") << "dirble:station:1" << true;
    QTest::newRow("audioaddict") << "audioaddict:di:trance" << true;
    QTest::newRow("http") << "http://radio.example/stream" << true;
    QTest::newRow("https is paused") << "https://radio.example/stream" << false;
    QTest::newRow("local") << "local:track:a.flac" << false;
    QTest::newRow("scheme only") << "http" << true;
    QTest::newRow("case matters") << "TuneIn:station" << false;
    QTest::newRow("empty") << "" << false;
}

void TestPlayerReplies::liveStream()
{
    QFETCH(QString, uri);
    QFETCH(bool, live);
    QCOMPARE(isLiveStreamUri(uri), live);
}

void TestPlayerReplies::modality_data()
{
    QTest::addColumn<int>("modality");
    QTest::addColumn<bool>("repeat");
    QTest::addColumn<bool>("random");

    QTest::newRow("off") << 0 << false << false;
    QTest::newRow("repeat") << 1 << true << false;
    QTest::newRow("random") << 2 << false << true;
    QTest::newRow("both") << 3 << true << true;
    QTest::newRow("beyond") << 4 << false << false;
    QTest::newRow("negative") << -1 << false << false;
}

void TestPlayerReplies::modality()
{
    QFETCH(int, modality);
    QFETCH(bool, repeat);
    QFETCH(bool, random);
    const RepeatRandom rr = repeatRandomForModality(modality);
    QCOMPARE(rr.repeat, repeat);
    QCOMPARE(rr.random, random);
}

void TestPlayerReplies::previousTlid_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<qint64>("positionMs");
    QTest::addColumn<bool>("repeat");
    QTest::addColumn<bool>("shuffle");
    QTest::addColumn<QList<int>>("played");
    QTest::addColumn<int>("expected");
    // Queue 4, 5, 6 in that order; 0 restarts the track, -1 leaves it to the server.
    QTest::newRow("early goes back") << 5 << qint64(2999) << false << false << QList<int>{} << 4;
    QTest::newRow("later restarts") << 5 << qint64(3000) << false << false << QList<int>{} << 0;
    QTest::newRow("repeat still goes back") << 5 << qint64(1000) << true << false << QList<int>{} << 4;
    QTest::newRow("first restarts") << 4 << qint64(0) << false << false << QList<int>{} << 0;
    QTest::newRow("first wraps with repeat") << 4 << qint64(0) << true << false << QList<int>{} << 6;
    QTest::newRow("shuffle goes to last played") << 4 << qint64(0) << false << true << QList<int>{6, 5} << 5;
    QTest::newRow("shuffle skips dequeued") << 4 << qint64(0) << false << true << QList<int>{6, 9} << 6;
    QTest::newRow("shuffle without history") << 5 << qint64(0) << true << true << QList<int>{} << 0;
    QTest::newRow("shuffle later restarts") << 5 << qint64(4000) << false << true << QList<int>{6} << 0;
    QTest::newRow("not queued") << 8 << qint64(0) << false << false << QList<int>{} << -1;
}

void TestPlayerReplies::previousTlid()
{
    QFETCH(int, current);
    QFETCH(qint64, positionMs);
    QFETCH(bool, repeat);
    QFETCH(bool, shuffle);
    QFETCH(QList<int>, played);
    QFETCH(int, expected);
    QCOMPARE(PlayerReplies::previousTlid({4, 5, 6}, current, positionMs, repeat, shuffle, played), expected);
}

void TestPlayerReplies::searchFilters_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("filters");

    QTest::newRow("typical") << R"(["local","http","spotify","file"])" << true
                             << QStringList{"all", "local", "spotify"};
    QTest::newRow("all transports hidden")
        << R"(["yt","rtsp","rtmps","rtmp","mms","podcast+https","podcast+http","podcast+file","https","http","file"])"
        << true << QStringList{"all"};
    QTest::newRow("reply order kept") << R"(["tunein","m3u","local"])" << true
                                      << QStringList{"all", "tunein", "m3u", "local"};
    QTest::newRow("podcast kept") << R"(["podcast","podcast+itunes"])" << true
                                  << QStringList{"all", "podcast", "podcast+itunes"};
    QTest::newRow("case matters") << R"(["HTTP"])" << true << QStringList{"all", "HTTP"};
    QTest::newRow("empty") << "[]" << true << QStringList{"all"};
    QTest::newRow("not an array") << R"({"local":1})" << false << QStringList();
    QTest::newRow("null") << "null" << false << QStringList();
}

void TestPlayerReplies::searchFilters()
{
    QFETCH(QString, reply);
    QFETCH(bool, accepted);
    QFETCH(QStringList, filters);
    const auto got = PlayerReplies::searchFilters(json(reply.toUtf8().constData()));
    QCOMPARE(got.has_value(), accepted);
    if (accepted)
        QCOMPARE(*got, filters);
}

void TestPlayerReplies::params_data()
{
    QTest::addColumn<QJsonObject>("params");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("browse root") << browseParams(QString()) << QByteArray(R"({"uri":null})");
    QTest::newRow("browse dir") << browseParams("local:directory") << QByteArray(R"({"uri":"local:directory"})");
    QTest::newRow("search filtered") << searchParams("abba", "spotify")
                                     << QByteArray(R"({"query":{"any":["abba"]},"uris":["spotify:"]})");
    QTest::newRow("search all") << searchParams("abba", QString())
                                << QByteArray(R"({"query":{"any":["abba"]},"uris":{}})");
    QTest::newRow("append") << addParams({"a", "b"}, -1) << QByteArray(R"({"uris":["a","b"]})");
    QTest::newRow("insert") << addParams({"a"}, 3) << QByteArray(R"({"at_position":3,"uris":["a"]})");
    QTest::newRow("insert at front") << addParams({"a"}, 0) << QByteArray(R"({"at_position":0,"uris":["a"]})");
    QTest::newRow("uris") << urisParams({"x:1"}) << QByteArray(R"({"uris":["x:1"]})");
}

void TestPlayerReplies::params()
{
    QFETCH(QJsonObject, params);
    QFETCH(QByteArray, expected);
    QCOMPARE(compact(params), expected);
}

void TestPlayerReplies::images()
{
    const QJsonValue reply = json(R"({"a:1":[{"uri":"/i/1.jpg","width":300}],"b:2":[]})");
    QCOMPARE(imagesFor(reply, "a:1").size(), 1);
    QCOMPARE(imagesFor(reply, "b:2").size(), 0);
    QCOMPARE(imagesFor(reply, "c:3").size(), 0);
    QCOMPARE(imagesFor(json("null"), "a:1").size(), 0);
    QCOMPARE(firstImages(reply).first().toObject().value("uri").toString(), QStringLiteral("/i/1.jpg"));
    QVERIFY(firstImages(json("{}")).isEmpty());
    QVERIFY(firstImages(json("[1,2]")).isEmpty());
    QVERIFY(firstImages(json(R"({"a":"not an array"})")).isEmpty());
}

void TestPlayerReplies::resolvedImageUris_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("expected");
    QTest::newRow("local library") << R"({"t":[{"uri":"/local/ab-300x300.jpeg","width":300}]})"
                                   << R"({"t":[{"uri":"http://192.0.2.7:6680/local/ab-300x300.jpeg","width":300}]})";
    QTest::newRow("absolute kept") << R"({"t":[{"uri":"https://img.example/c.jpg"}],"u":[{"uri":"/d.png"}]})"
                                   << R"({"t":[{"uri":"https://img.example/c.jpg"}],"u":[{"uri":"http://192.0.2.7:6680/d.png"}]})";
    QTest::newRow("no images") << R"({"t":[],"u":"junk"})" << R"({"t":[],"u":"junk"})";
    QTest::newRow("not an object") << "[1]" << "[1]";
}

void TestPlayerReplies::resolvedImageUris()
{
    QFETCH(QString, reply);
    QFETCH(QString, expected);
    const QJsonValue resolved = withResolvedImageUris(json(reply.toUtf8().constData()), QUrl("http://192.0.2.7:6680/"));
    QCOMPARE(resolved, json(expected.toUtf8().constData()));
}

void TestPlayerReplies::tlTracks()
{
    const auto entries = PlayerReplies::tlTracks(json(R"([
        {"tlid":4,"track":{"uri":"a"}},
        5,
        {"tlid":6},
        {"tlid":7,"track":{"uri":"b"}},
        {"track":{"uri":"c"}}
    ])"));
    QCOMPARE(entries.size(), 3);
    QCOMPARE(entries.at(0).tlid, 4);
    QCOMPARE(entries.at(1).tlid, 7);
    QCOMPARE(entries.at(1).track.value("uri").toString(), QStringLiteral("b"));
    QCOMPARE(entries.at(2).tlid, 0);
    QVERIFY(PlayerReplies::tlTracks(json(R"({"tlid":1,"track":{}})")).isEmpty());
}

void TestPlayerReplies::refUris()
{
    const auto uris = PlayerReplies::refUris(json(R"([{"uri":"a"},"junk",{"name":"no uri"},{"uri":"b"}])"));
    QVERIFY(uris.has_value());
    QCOMPARE(*uris, (QStringList{"a", "", "b"}));
    QVERIFY(!PlayerReplies::refUris(json("null")).has_value());
    QVERIFY(!PlayerReplies::refUris(json("{}")).has_value());
    QVERIFY(PlayerReplies::refUris(json("[]"))->isEmpty());
}

void TestPlayerReplies::playlistAdditions()
{
    const QJsonValue playlist = json(R"({"__model__":"Playlist","uri":"m3u:a.m3u8","name":"A",
        "tracks":[{"__model__":"Track","uri":"old"}]})");
    const auto edited = playlistWithAdditions(playlist, {{"t:1", "Song"}, {"al:2", "Record"}});
    QVERIFY(edited.has_value());
    const QJsonArray tracks = edited->value("tracks").toArray();
    QCOMPARE(tracks.size(), 3);
    QCOMPARE(tracks.at(0).toObject().value("uri").toString(), QStringLiteral("old"));
    QCOMPARE(compact(tracks.at(1).toObject()), QByteArray(R"({"__model__":"Track","name":"Song","uri":"t:1"})"));
    QCOMPARE(compact(tracks.at(2).toObject()), QByteArray(R"({"__model__":"Track","name":"Record","uri":"al:2"})"));
    QCOMPARE(edited->value("name").toString(), QStringLiteral("A"));

    const auto empty = playlistWithAdditions(json(R"({"uri":"m3u:b"})"), {{"t", "n"}});
    QCOMPARE(empty->value("tracks").toArray().size(), 1);
    QVERIFY(!playlistWithAdditions(json("null"), {{"t", "n"}}).has_value());
}

QTEST_GUILESS_MAIN(TestPlayerReplies)
#include "tst_playerreplies.moc"
