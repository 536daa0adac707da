#include "player/album.h"
#include "player/song.h"
#include "player/tavirelplayer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebSocket>
#include <QWebSocketServer>
#include <QtTest>
#include <functional>

namespace {

QJsonValue json(const char *text)
{
    const QJsonArray a = QJsonDocument::fromJson(QByteArray("[") + text + "]").array();
    if (a.isEmpty())
        qFatal("bad test JSON: %s", text);
    return a.first();
}

QByteArray compact(const QJsonValue &v)
{
    if (v.isObject())
        return QJsonDocument(v.toObject()).toJson(QJsonDocument::Compact);
    if (v.isArray())
        return QJsonDocument(v.toArray()).toJson(QJsonDocument::Compact);
    return v.isUndefined() ? QByteArray("<absent>") : QByteArray("<scalar>");
}

// A scripted stand-in for the music server: records every request and
// answers only what a test tells it to.
class FakeServer : public QObject
{
    Q_OBJECT
public:
    FakeServer()
        : m_server(QStringLiteral("fake"), QWebSocketServer::NonSecureMode)
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QWebSocketServer::newConnection, this, [this] {
            while (QWebSocket *s = m_server.nextPendingConnection()) {
                ++connections;
                m_client = s;
                s->setParent(this);
                connect(s, &QWebSocket::textMessageReceived, this, [this](const QString &text) {
                    const QJsonObject req = QJsonDocument::fromJson(text.toUtf8()).object();
                    received.append(req);
                    const QString method = req.value("method").toString();
                    if (answers.contains(method))
                        reply(req.value("id").toString(), answers.value(method));
                });
            }
        });
    }
    quint16 port() const { return m_server.serverPort(); }
    void send(const QByteArray &text)
    {
        QVERIFY(m_client);
        m_client->sendTextMessage(QString::fromUtf8(text));
    }
    void reply(const QString &id, const QJsonValue &result)
    {
        QJsonObject r{{"jsonrpc", "2.0"}, {"id", id}, {"result", result}};
        send(QJsonDocument(r).toJson(QJsonDocument::Compact));
    }
    void event(const QByteArray &objectText) { send(objectText); }
    void dropClient()
    {
        if (m_client)
            m_client->close();
    }
    // Requests since `from`, without the periodic position polls.
    QList<QJsonObject> since(int from) const
    {
        QList<QJsonObject> out;
        for (int i = from; i < received.size(); ++i)
            if (received.at(i).value("method") != QLatin1String("core.playback.get_time_position"))
                out.append(received.at(i));
        return out;
    }
    QStringList methodsSince(int from) const
    {
        QStringList out;
        for (const QJsonObject &r : since(from))
            out.append(r.value("method").toString());
        return out;
    }
    // The last request of `method`, empty when there is none.
    QJsonObject last(const QString &method) const
    {
        for (int i = received.size() - 1; i >= 0; --i)
            if (received.at(i).value("method").toString() == method)
                return received.at(i);
        return QJsonObject();
    }

    QList<QJsonObject> received;
    QHash<QString, QJsonValue> answers;
    int connections = 0;

private:
    QWebSocketServer m_server;
    QPointer<QWebSocket> m_client;
};

// A controller-like receiver of library results.
class Receiver : public QObject
{
    Q_OBJECT
public:
    Q_INVOKABLE void browseResultReceived(int id, const QJsonValue &v) { calls.append({"browse", id, v}); }
    Q_INVOKABLE void searchResultReceived(int id, const QJsonValue &v) { calls.append({"search", id, v}); }
    Q_INVOKABLE void albumBrowseReceived(const QJsonValue &v) { calls.append({"album", -1, v}); }
    // Insert after the current track, as the library controllers do.
    Q_INVOKABLE void browsePlayIndex(int id, const QJsonValue &v)
    {
        calls.append({"index", id, v});
        player->actionPlayAdd(uris, v.isDouble() ? v.toInt() + 1 : -1, true);
    }
    struct Call
    {
        QString kind;
        int id;
        QJsonValue value;
    };
    QList<Call> calls;
    TavirelPlayer *player = nullptr;
    QStringList uris;
};

const QStringList kRefresh = {
    "core.get_uri_schemes",        "core.playback.get_state",      "core.playback.get_current_tl_track",
    "core.tracklist.get_random",   "core.tracklist.get_repeat",    "core.tracklist.get_tl_tracks",
    "core.playlists.as_list",
};

QJsonValue tlTracks(const QList<QPair<int, QString>> &entries)
{
    QJsonArray a;
    for (const auto &e : entries)
        a.append(QJsonObject{{"__model__", "TlTrack"},
                             {"tlid", e.first},
                             {"track", QJsonObject{{"__model__", "Track"}, {"uri", e.second}, {"name", e.second}}}});
    return a;
}

} // namespace

class TestPlayerExchange : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void firstTickRefreshesEverything();
    void actionShapes_data();
    void actionShapes();
    void queueResetSendsFiveRequests();
    void playNowTakesFirstAddedTrack_data();
    void playNowTakesFirstAddedTrack();
    void insertAfterCurrent();
    void repliesReachNamedHandlers();
    void strayMessagesAreDropped_data();
    void strayMessagesAreDropped();
    void destroyedReceiverGetsNothing();
    void events();
    void currentSongFollowsTrackEvents();
    void currentSongImages();
    void queueReusesSongsByTlid();
    void uriSchemesGiveFilters();
    void playlistsAndCoverArt();
    void createAndEditPlaylists();
    void openAndAddPlaylists();
    void largeTracklistIsAccepted();
    void idsStartAtZeroOnEveryStart();
    void disabledConnectionOpensNothing();
    void startWhileConnectingChangesNothing();
    void reconnectsAfterServerCloses();
    void closeConnectionStopsRetries();
    void silentServerOnlyHoldsRequestsMade();
    void stalledHandshakeIsRetried();
    void cleanupTestCase();

private:
    bool connectTo(TavirelPlayer &player, FakeServer &server);

    FakeServer *m_server = nullptr;
    TavirelPlayer *m_player = nullptr;
    int m_sync = 0;
};

bool TestPlayerExchange::connectTo(TavirelPlayer &player, FakeServer &server)
{
    player.setIpAddress(QStringLiteral("127.0.0.1"));
    player.setPort(QString::number(server.port()));
    player.setConnectionEnabled(true);
    player.startConnection();
    return QTest::qWaitFor([&] { return player.isConnected(); }, 5000);
}

void TestPlayerExchange::initTestCase()
{
    // One link for the shape tests: after its first full refresh the next one
    // is a minute away, so the requests that follow are the tests' own.
    m_server = new FakeServer;
    m_player = new TavirelPlayer;
    QVERIFY(connectTo(*m_player, *m_server));
    QTRY_COMPARE_WITH_TIMEOUT(m_server->received.size(), kRefresh.size(), 5000);
}

void TestPlayerExchange::init()
{
    // Requests of the previous case may still be on their way: wait for a
    // marker so that counts start from a quiet link.
    const QString marker = QStringLiteral("sync:%1").arg(++m_sync);
    m_player->actionBrowse(marker, nullptr, "");
    QTRY_COMPARE(m_server->last("core.library.browse").value("params").toObject().value("uri").toString(), marker);
}

void TestPlayerExchange::firstTickRefreshesEverything()
{
    QCOMPARE(m_server->methodsSince(0).mid(0, kRefresh.size()), kRefresh);
    for (int i = 0; i < kRefresh.size(); ++i) {
        QCOMPARE(m_server->received.at(i).value("id").toString(), QString::number(i));
        QCOMPARE(m_server->received.at(i).value("jsonrpc").toString(), QStringLiteral("2.0"));
        QVERIFY(!m_server->received.at(i).contains("params"));
    }
}

using Action = std::function<int(TavirelPlayer &, Receiver &)>;
Q_DECLARE_METATYPE(Action)

void TestPlayerExchange::actionShapes_data()
{
    QTest::addColumn<Action>("action");
    // Each request as method + " " + compact params ("<absent>" without params).
    QTest::addColumn<QStringList>("requests");
    // Whether the action returns the id of its (only) request.
    QTest::addColumn<bool>("returnsId");

    auto song = [](TavirelPlayer &p, const QString &uri) {
        auto *s = new Song;
        s->setUri(uri);
        p.setCurrentSong(s);
    };

    QTest::newRow("play when stopped") << Action([](TavirelPlayer &p, Receiver &) {
        p.setPlayPause(0);
        p.actionPlay();
        return -1;
    }) << QStringList{"core.playback.play <absent>"} << false;
    QTest::newRow("play when paused") << Action([](TavirelPlayer &p, Receiver &) {
        p.setPlayPause(1);
        p.actionPlay();
        p.setPlayPause(0);
        return -1;
    }) << QStringList{"core.playback.resume <absent>"} << false;
    QTest::newRow("play track") << Action([](TavirelPlayer &p, Receiver &) {
        p.actionPlayTrack(17);
        return -1;
    }) << QStringList{R"(core.playback.play {"tlid":17})"} << false;
    QTest::newRow("pause local") << Action([song](TavirelPlayer &p, Receiver &) {
        song(p, "local:track:a.flac");
        p.actionPause();
        return -1;
    }) << QStringList{"core.playback.pause <absent>"} << false;
    QTest::newRow("pause tunein stops") << Action([song](TavirelPlayer &p, Receiver &) {
        song(p, "tunein:station:s1");
        p.actionPause();
        return -1;
    }) << QStringList{"core.playback.stop <absent>"} << false;
    QTest::newRow("pause http stops") << Action([song](TavirelPlayer &p, Receiver &) {
        song(p, "http://radio/x");
        p.actionPause();
        return -1;
    }) << QStringList{"core.playback.stop <absent>"} << false;
    QTest::newRow("pause https pauses") << Action([song](TavirelPlayer &p, Receiver &) {
        song(p, "https://radio/x");
        p.actionPause();
        return -1;
    }) << QStringList{"core.playback.pause <absent>"} << false;
    QTest::newRow("pause without song") << Action([](TavirelPlayer &p, Receiver &) {
        p.setCurrentSong(nullptr);
        p.actionPause();
        return -1;
    }) << QStringList{"core.playback.pause <absent>"} << false;
    QTest::newRow("previous of an unknown track") << Action([](TavirelPlayer &p, Receiver &) {
        p.previousAt(500);
        return -1;
    }) << QStringList{"core.playback.previous <absent>"} << false;
    QTest::newRow("next") << Action([](TavirelPlayer &p, Receiver &) {
        p.actionNext();
        return -1;
    }) << QStringList{"core.playback.next <absent>"} << false;
    const char *modalities[][2] = {{"false", "false"}, {"true", "false"}, {"false", "true"}, {"true", "true"},
                                   {"false", "false"}};
    for (int m = 0; m < 5; ++m) {
        const int modality = m == 4 ? 9 : m;
        QTest::addRow("repeat/shuffle %d", modality)
            << Action([modality](TavirelPlayer &p, Receiver &) {
                   p.actionRepeatShuffle(modality);
                   return -1;
               })
            << QStringList{QStringLiteral(R"(core.tracklist.set_repeat {"value":%1})").arg(modalities[m][0]),
                           QStringLiteral(R"(core.tracklist.set_random {"value":%1})").arg(modalities[m][1])}
            << false;
    }
    QTest::newRow("clear queue") << Action([](TavirelPlayer &p, Receiver &) {
        p.actionClearQueue();
        return -1;
    }) << QStringList{"core.tracklist.clear <absent>", "core.playback.get_current_tl_track <absent>"} << false;
    QTest::newRow("append") << Action([](TavirelPlayer &p, Receiver &) {
        p.actionPlayAdd({"a", "b"}, -1, false);
        return -1;
    }) << QStringList{R"(core.tracklist.add {"uris":["a","b"]})"} << false;
    QTest::newRow("insert") << Action([](TavirelPlayer &p, Receiver &) {
        p.actionPlayAdd({"a"}, 3, true);
        return -1;
    }) << QStringList{R"(core.tracklist.add {"at_position":3,"uris":["a"]})"} << false;
    QTest::newRow("play index") << Action([](TavirelPlayer &p, Receiver &r) {
        return p.actionPlayIndex(&r, "browsePlayAfterIndex");
    }) << QStringList{"core.tracklist.index <absent>"} << true;
    QTest::newRow("browse root") << Action([](TavirelPlayer &p, Receiver &r) {
        return p.actionBrowse(QString(), &r, "browseRootResultReceived");
    }) << QStringList{R"(core.library.browse {"uri":null})"} << true;
    QTest::newRow("browse dir") << Action([](TavirelPlayer &p, Receiver &r) {
        return p.actionBrowse("local:directory", &r, "browseResultReceived");
    }) << QStringList{R"(core.library.browse {"uri":"local:directory"})"} << true;
    QTest::newRow("lookup") << Action([](TavirelPlayer &p, Receiver &r) {
        return p.actionLookup({"t:1", "t:2"}, &r, "browseLookupReceived");
    }) << QStringList{R"(core.library.lookup {"uris":["t:1","t:2"]})"} << true;
    QTest::newRow("images") << Action([](TavirelPlayer &p, Receiver &r) {
        return p.actionLookupImages({"t:1"}, &r, "browseImagesReceived");
    }) << QStringList{R"(core.library.get_images {"uris":["t:1"]})"} << true;
    QTest::newRow("search filtered") << Action([](TavirelPlayer &p, Receiver &r) {
        return p.actionSearch("abba", "spotify", &r, "searchResultReceived");
    }) << QStringList{R"(core.library.search {"query":{"any":["abba"]},"uris":["spotify:"]})"} << true;
    QTest::newRow("search everywhere") << Action([](TavirelPlayer &p, Receiver &r) {
        return p.actionSearch("abba", QString(), &r, "searchResultReceived");
    }) << QStringList{R"(core.library.search {"query":{"any":["abba"]},"uris":{}})"} << true;
    QTest::newRow("browse playlist") << Action([](TavirelPlayer &p, Receiver &r) {
        return p.actionBrowsePlaylist("m3u:a.m3u8", &r, "browseResultReceived");
    }) << QStringList{R"(core.playlists.get_items {"uri":"m3u:a.m3u8"})"} << true;
    QTest::newRow("playlist lookup") << Action([](TavirelPlayer &p, Receiver &) {
        p.actionPlaylistLookup({"m3u:a", "m3u:b"});
        return -1;
    }) << QStringList{R"(core.playlists.lookup {"uri":"m3u:a"})", R"(core.playlists.lookup {"uri":"m3u:b"})"}
                                     << false;
    QTest::newRow("open playlist") << Action([](TavirelPlayer &p, Receiver &) {
        p.actionOpenPlaylistWithUri("m3u:a");
        return -1;
    }) << QStringList{R"(core.playlists.get_items {"uri":"m3u:a"})"} << false;
    QTest::newRow("create playlist") << Action([](TavirelPlayer &p, Receiver &) {
        p.actionCreatePlaylist("Mix", false);
        return -1;
    }) << QStringList{R"(core.playlists.create {"name":"Mix","uri_scheme":"m3u"})"} << false;
    QTest::newRow("refresh playlists") << Action([](TavirelPlayer &p, Receiver &) {
        p.actionRefreshPlaylists();
        return -1;
    }) << QStringList{"core.playlists.as_list <absent>"} << false;
    QTest::newRow("remove from queue") << Action([](TavirelPlayer &p, Receiver &) {
        p.updateQueue(tlTracks({{11, "a"}, {12, "b"}}));
        p.actionRemoveTrackFromQueue(1);
        return -1;
    }) << QStringList{R"(core.library.get_images {"uris":["a","b"]})", R"(core.tracklist.remove {"criteria":{"tlid":[12]}})"}
                                       << false;
    QTest::newRow("remove outside queue") << Action([](TavirelPlayer &p, Receiver &) {
        p.updateQueue(QJsonArray());
        p.actionRemoveTrackFromQueue(0);
        p.actionRemoveTrackFromQueue(-1);
        return -1;
    }) << QStringList{} << false;
}

void TestPlayerExchange::actionShapes()
{
    QFETCH(Action, action);
    QFETCH(QStringList, requests);
    QFETCH(bool, returnsId);

    Receiver receiver;
    const int from = m_server->received.size();
    const int returned = action(*m_player, receiver);
    // Nothing more than expected may arrive, so wait a little past the count.
    QTRY_VERIFY_WITH_TIMEOUT(m_server->since(from).size() >= requests.size(), 3000);
    QTest::qWait(50);
    const QList<QJsonObject> got = m_server->since(from);
    QStringList shapes;
    for (const QJsonObject &r : got)
        shapes.append(r.value("method").toString() + " " + QString::fromUtf8(compact(r.value("params"))));
    QCOMPARE(shapes, requests);
    // One operation takes consecutive ids.
    for (int i = 1; i < got.size(); ++i)
        QCOMPARE(got.at(i).value("id").toString().toInt(), got.at(i - 1).value("id").toString().toInt() + 1);
    for (const QJsonObject &r : got)
        QVERIFY(r.value("id").isString());
    if (returnsId)
        QCOMPARE(QString::number(returned), got.first().value("id").toString());
}

void TestPlayerExchange::queueResetSendsFiveRequests()
{
    const int from = m_server->received.size();
    m_player->actionResetQueueWithUris({"x:1", "x:2"});
    QTRY_COMPARE(m_server->since(from).size(), 4);
    QCOMPARE(m_server->methodsSince(from),
             (QStringList{"core.playback.stop", "core.tracklist.clear", "core.playback.get_current_tl_track",
                          "core.tracklist.add"}));
    const QList<QJsonObject> got = m_server->since(from);
    QCOMPARE(compact(got.at(3).value("params")), QByteArray(R"({"uris":["x:1","x:2"]})"));

    // Nothing is current after the clear; then the added tracks play.
    auto *stale = new Song;
    stale->setUri("old");
    m_player->setCurrentSong(stale);
    m_server->reply(got.at(2).value("id").toString(), QJsonValue(QJsonValue::Null));
    QTRY_VERIFY(m_player->currentSong() == nullptr);
    m_server->reply(got.at(3).value("id").toString(), tlTracks({{41, "x:1"}, {42, "x:2"}}));
    QTRY_COMPARE(m_server->since(from).size(), 5);
    const QJsonObject play = m_server->since(from).at(4);
    QCOMPARE(play.value("method").toString(), QStringLiteral("core.playback.play"));
    QCOMPARE(compact(play.value("params")), QByteArray(R"({"tlid":41})"));
    QCOMPARE(play.value("id").toString().toInt(), got.at(3).value("id").toString().toInt() + 1);
}

void TestPlayerExchange::playNowTakesFirstAddedTrack_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("play"); // empty: no play request

    QTest::newRow("tracks") << R"([{"tlid":8,"track":{}},{"tlid":9}])" << R"({"tlid":8})";
    QTest::newRow("no tracks") << "[]" << "{}";
    QTest::newRow("error") << "<error>" << "";
    QTest::newRow("object") << R"({"tlid":8})" << "";
}

void TestPlayerExchange::playNowTakesFirstAddedTrack()
{
    QFETCH(QString, reply);
    QFETCH(QString, play);

    const int from = m_server->received.size();
    m_player->actionPlayAdd({"x:1"}, 3, true);
    QTRY_COMPARE(m_server->since(from).size(), 1);
    const QString id = m_server->since(from).first().value("id").toString();
    if (reply == QLatin1String("<error>"))
        m_server->send(QStringLiteral(R"({"jsonrpc":"2.0","id":"%1","error":{"code":-1,"message":"x"}})")
                           .arg(id)
                           .toUtf8());
    else
        m_server->reply(id, json(reply.toUtf8().constData()));
    if (play.isEmpty()) {
        QTest::qWait(200);
        QCOMPARE(m_server->since(from).size(), 1);
        return;
    }
    QTRY_COMPARE(m_server->since(from).size(), 2);
    QCOMPARE(QString::fromUtf8(compact(m_server->since(from).at(1).value("params"))), play);
}

void TestPlayerExchange::insertAfterCurrent()
{
    Receiver receiver;
    receiver.player = m_player;
    receiver.uris = QStringList{"x:7", "x:8"};
    const int from = m_server->received.size();
    const int id = m_player->actionPlayIndex(&receiver, "browsePlayIndex");
    QTRY_COMPARE(m_server->since(from).size(), 1);
    m_server->reply(QString::number(id), 2);
    QTRY_COMPARE(m_server->since(from).size(), 2);
    QCOMPARE(receiver.calls.size(), 1);
    QCOMPARE(receiver.calls.first().id, id);
    const QJsonObject add = m_server->since(from).at(1);
    QCOMPARE(compact(add.value("params")), QByteArray(R"({"at_position":3,"uris":["x:7","x:8"]})"));

    // No current track: append.
    const int second = m_player->actionPlayIndex(&receiver, "browsePlayIndex");
    QTRY_COMPARE(m_server->since(from).size(), 3);
    m_server->reply(QString::number(second), QJsonValue(QJsonValue::Null));
    QTRY_COMPARE(m_server->since(from).size(), 4);
    QCOMPARE(compact(m_server->since(from).at(3).value("params")), QByteArray(R"({"uris":["x:7","x:8"]})"));
}

void TestPlayerExchange::repliesReachNamedHandlers()
{
    Receiver receiver;
    const int browse = m_player->actionBrowse("d:1", &receiver, "browseResultReceived");
    const int search = m_player->actionSearch("q", "", &receiver, "searchResultReceived");
    const int album = m_player->actionLookup({"al:1"}, &receiver, "albumBrowseReceived");
    const int failed = m_player->actionBrowse("d:2", &receiver, "browseResultReceived");
    QTRY_COMPARE(m_server->last("core.library.browse").value("id").toString(), QString::number(failed));

    // Replies in another order than the requests.
    m_server->reply(QString::number(album), json(R"({"al:1":[]})"));
    m_server->send(QStringLiteral(R"({"jsonrpc":"2.0","id":"%1","error":{"code":-32601,"message":"nope"}})")
                       .arg(failed)
                       .toUtf8());
    m_server->reply(QString::number(search), json("[1]"));
    m_server->reply(QString::number(browse), json(R"([{"uri":"t:1"}])"));
    QTRY_COMPARE(receiver.calls.size(), 4);

    QCOMPARE(receiver.calls.at(0).kind, QStringLiteral("album"));
    QCOMPARE(compact(receiver.calls.at(0).value), QByteArray(R"({"al:1":[]})"));
    // A failed request reaches its handler with an undefined result.
    QCOMPARE(receiver.calls.at(1).kind, QStringLiteral("browse"));
    QCOMPARE(receiver.calls.at(1).id, failed);
    QVERIFY(receiver.calls.at(1).value.isUndefined());
    QCOMPARE(receiver.calls.at(2).kind, QStringLiteral("search"));
    QCOMPARE(receiver.calls.at(2).id, search);
    QCOMPARE(receiver.calls.at(3).id, browse);
    QCOMPARE(compact(receiver.calls.at(3).value), QByteArray(R"([{"uri":"t:1"}])"));

    // A reply is delivered once; a second copy is a stray.
    m_server->reply(QString::number(browse), json("[]"));
    QTest::qWait(100);
    QCOMPARE(receiver.calls.size(), 4);

    // A receiver without the named method gets nothing, and nothing breaks.
    const int missing = m_player->actionBrowse("d:3", &receiver, "browseNoSuchHandler");
    QTRY_COMPARE(m_server->last("core.library.browse").value("id").toString(), QString::number(missing));
    const int before = m_player->pendingRequestCount();
    m_server->reply(QString::number(missing), json("[]"));
    QTRY_COMPARE(m_player->pendingRequestCount(), before - 1);
    QCOMPARE(receiver.calls.size(), 4);
}

void TestPlayerExchange::strayMessagesAreDropped_data()
{
    QTest::addColumn<QString>("message"); // %1 is the pending request id

    QTest::newRow("unknown id") << R"({"jsonrpc":"2.0","id":"987654","result":[]})";
    QTest::newRow("numeric id") << R"({"jsonrpc":"2.0","id":%1,"result":[]})";
    QTest::newRow("null id") << R"({"jsonrpc":"2.0","id":null,"error":{"code":-32700}})";
    QTest::newRow("no id") << R"({"jsonrpc":"2.0","result":[]})";
    QTest::newRow("array") << R"([{"jsonrpc":"2.0","id":"%1","result":[]}])";
    QTest::newRow("invalid JSON") << R"({"jsonrpc":"2.0","id":"%1","result":[)";
    QTest::newRow("scalar") << "42";
    QTest::newRow("unknown event") << R"({"event":"volume_changed","volume":40})";
    QTest::newRow("event without name") << R"({"event":null,"id":"%1"})";
}

void TestPlayerExchange::strayMessagesAreDropped()
{
    QFETCH(QString, message);
    Receiver receiver;
    const int id = m_player->actionBrowse("d:1", &receiver, "browseResultReceived");
    QTRY_COMPARE(m_server->last("core.library.browse").value("id").toString(), QString::number(id));
    const int pending = m_player->pendingRequestCount();
    const int from = m_server->received.size();

    m_server->send(QString(message).replace(QLatin1String("%1"), QString::number(id)).toUtf8());
    QTest::qWait(150);
    QVERIFY(receiver.calls.isEmpty());
    QCOMPARE(m_player->pendingRequestCount(), pending);
    QCOMPARE(m_server->since(from).size(), 0);

    // The real reply still finds its way afterwards.
    m_server->reply(QString::number(id), json("[]"));
    QTRY_COMPARE(receiver.calls.size(), 1);
}

void TestPlayerExchange::destroyedReceiverGetsNothing()
{
    auto *receiver = new Receiver;
    QPointer<Receiver> guard(receiver);
    const int id = m_player->actionBrowse("d:1", receiver, "browseResultReceived");
    QTRY_COMPARE(m_server->last("core.library.browse").value("id").toString(), QString::number(id));
    const int pending = m_player->pendingRequestCount();
    delete receiver;
    QVERIFY(guard.isNull());
    m_server->reply(QString::number(id), json("[]"));
    // The record is consumed without a call into freed memory.
    QTRY_COMPARE(m_player->pendingRequestCount(), pending - 1);
}

void TestPlayerExchange::events()
{
    QSignalSpy state(m_player, &TavirelPlayer::playPauseChanged);
    m_server->event(R"({"event":"playback_state_changed","old_state":"stopped","new_state":"playing"})");
    QTRY_COMPARE(m_player->playPause(), 2);
    m_server->event(R"({"event":"playback_state_changed","new_state":"paused"})");
    QTRY_COMPARE(m_player->playPause(), 1);
    m_server->event(R"({"event":"playback_state_changed","new_state":"stopped"})");
    QTRY_COMPARE(m_player->playPause(), 0);
    QCOMPARE(state.count(), 3);

    int from = m_server->received.size();
    m_server->answers.insert("core.tracklist.get_random", true);
    m_server->answers.insert("core.tracklist.get_repeat", false);
    m_server->event(R"({"event":"options_changed"})");
    QTRY_VERIFY(m_player->shuffle());
    QVERIFY(!m_player->repeat());
    QCOMPARE(m_server->methodsSince(from), (QStringList{"core.tracklist.get_random", "core.tracklist.get_repeat"}));
    m_server->answers.clear();

    struct
    {
        const char *event;
        const char *method;
    } requestEvents[] = {
        {R"({"event":"tracklist_changed"})", "core.tracklist.get_tl_tracks"},
        {R"({"event":"playlist_changed","playlist":{}})", "core.playlists.as_list"},
        {R"({"event":"playlist_deleted","uri":"m3u:x"})", "core.playlists.as_list"},
    };
    for (const auto &e : requestEvents) {
        from = m_server->received.size();
        m_server->event(e.event);
        QTRY_COMPARE(m_server->since(from).size(), 1);
        QCOMPARE(m_server->methodsSince(from), QStringList{e.method});
    }
}

void TestPlayerExchange::currentSongFollowsTrackEvents()
{
    m_player->setCurrentSong(nullptr);
    QSignalSpy songChanged(m_player, &TavirelPlayer::currentSongChanged);
    int from = m_server->received.size();
    m_server->event(R"({"event":"track_playback_started","tl_track":{"tlid":5,"track":{
        "uri":"local:track:a.flac","name":"A","length":61001,
        "album":{"uri":"local:album:1","name":"Record"},"artists":[{"uri":"local:artist:1","name":"Ann"}]}}})");
    QTRY_VERIFY(m_player->currentSong());
    Song *song = m_player->currentSong();
    QCOMPARE(m_player->currentTlid(), 5);
    QCOMPARE(song->name(), QStringLiteral("A"));
    QCOMPARE(song->duration(), 62);
    QCOMPARE(songChanged.count(), 1);
    // The song has no images yet, so they are asked for.
    QTRY_COMPARE(m_server->since(from).size(), 1);
    QCOMPARE(compact(m_server->since(from).first().value("params")), QByteArray(R"({"uris":["local:track:a.flac"]})"));

    // The same track again: only the tlid moves, the object stays.
    m_server->event(R"({"event":"track_playback_paused","tl_track":{"tlid":9,"track":{"uri":"local:track:a.flac","name":"other"}}})");
    QTRY_COMPARE(m_player->currentTlid(), 9);
    QCOMPARE(m_player->currentSong(), song);
    QCOMPARE(song->name(), QStringLiteral("A"));
    QCOMPARE(songChanged.count(), 1);

    // A file keeps its own title: the server sends its tag title too.
    m_server->event(R"({"event":"stream_title_changed","title":"Now on air"})");

    m_player->setPlayPause(2);
    m_server->answers.insert("core.playback.get_time_position", 12001);
    QTRY_COMPARE_WITH_TIMEOUT(song->currTime(), 13, 3000);
    QCOMPARE(song->name(), QStringLiteral("A"));
    m_server->answers.clear();
    m_player->setPlayPause(0);

    // Nothing current: the song is released.
    QPointer<Song> guard(song);
    m_server->event(R"({"event":"track_playback_ended","tl_track":null})");
    QTRY_VERIFY(m_player->currentSong() == nullptr);
    QCOMPARE(songChanged.count(), 2);
    // No queue entry stays marked as playing.
    QCOMPARE(m_player->currentTlid(), 0);
    QTRY_VERIFY(guard.isNull());

    // A stream, without a length, is named by the title it announces.
    m_server->event(R"({"event":"track_playback_started","tl_track":{"tlid":6,"track":{"uri":"http://radio/live","name":"Radio"}}})");
    QTRY_VERIFY(m_player->currentSong());
    m_server->event(R"({"event":"stream_title_changed","title":"Now on air"})");
    QTRY_COMPARE(m_player->currentSong()->name(), QStringLiteral("Now on air"));
}

void TestPlayerExchange::currentSongImages()
{
    m_player->updateTrackInfo(json(R"({"tlid":1,"track":{"uri":"t:1","name":"One",
        "album":{"name":"Record"},"artists":[{"name":"Ann"}]}})"));
    Song *song = m_player->currentSong();
    QVERIFY(song);
    QSignalSpy images(m_player, &TavirelPlayer::currentSongImageChanged);

    // A late answer for a former song must not give this one its cover.
    m_player->updateTrackImages(json(R"({"t:0":[{"uri":"/old.jpg","width":300}]})"));
    QVERIFY(!song->hasImages());
    QCOMPARE(images.count(), 0);

    m_player->updateTrackImages(json(R"({"t:1":[{"uri":"/a.jpg","width":64},{"uri":"/b.jpg","width":640}]})"));
    QCOMPARE(images.count(), 1);
    QCOMPARE(song->largeImgPath(), QStringLiteral("/b.jpg"));
    // A new answer replaces the table rather than adding to it.
    m_player->updateTrackImages(json(R"({"t:1":[{"uri":"/c.jpg","width":300}]})"));
    QCOMPARE(song->images().size(), 1);

    // No images at the server: the album-art fallback is asked, at the
    // loopback endpoint the test points it to.
    QTcpServer art;
    QVERIFY(art.listen(QHostAddress::LocalHost, 0));
    QByteArray request;
    connect(&art, &QTcpServer::newConnection, this, [&] {
        QTcpSocket *s = art.nextPendingConnection();
        connect(s, &QTcpSocket::readyRead, s, [&request, s] {
            request += s->readAll();
            if (request.contains("\r\n\r\n"))
                s->abort();
        });
    });
    qputenv("TAVIREL_LASTFM_URL", QStringLiteral("http://127.0.0.1:%1/2.0/").arg(art.serverPort()).toUtf8());
    m_player->updateTrackInfo(json(R"({"tlid":2,"track":{"uri":"t:2","name":"Two",
        "album":{"name":"Blue Record"},"artists":[{"name":"Ann Lee"}]}})"));
    m_player->updateTrackImages(json("{}"));
    QTRY_VERIFY_WITH_TIMEOUT(request.contains("\r\n\r\n"), 5000);
    QVERIFY2(request.contains("artist=Ann+Lee") && request.contains("album=Blue+Record"), request.constData());
    qputenv("TAVIREL_LASTFM_URL", "http://127.0.0.1:9/2.0/");
    m_player->setCurrentSong(nullptr);
}

void TestPlayerExchange::queueReusesSongsByTlid()
{
    QSignalSpy changed(m_player, &TavirelPlayer::queueChanged);
    int from = m_server->received.size();
    m_player->updateQueue(tlTracks({{1, "a"}, {2, "b"}, {3, "c"}}));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_player->queueTlid(), (QList<int>{1, 2, 3}));
    const QList<Song *> first = m_player->queue();
    QTRY_COMPARE(m_server->since(from).size(), 1);
    QCOMPARE(compact(m_server->since(from).first().value("params")), QByteArray(R"({"uris":["a","b","c"]})"));

    // Images for a and b only; queue songs are not emptied first. The queue
    // view hears of them.
    QSignalSpy covers(m_player, &TavirelPlayer::queueImagesChanged);
    first.at(0)->setImage(30, "/keep.jpg");
    m_player->updateQueueImages(json(R"({"a":[{"uri":"/a.jpg","width":300}],"b":[{"uri":"/b.jpg"}],"c":[]})"));
    QCOMPARE(covers.count(), 1);
    m_player->updateQueueImages(json(R"({"c":[]})"));
    QCOMPARE(covers.count(), 1);
    QCOMPARE(first.at(0)->images().size(), 2);
    QCOMPARE(first.at(1)->images().value(0), QStringLiteral("/b.jpg"));
    QVERIFY(!first.at(2)->hasImages());

    QPointer<Song> removed(first.at(0));
    from = m_server->received.size();
    m_player->updateQueue(json(R"([{"tlid":3,"track":{"uri":"c"}}, "junk", {"tlid":2,"track":{"uri":"b"}},
        {"tlid":4,"track":{"uri":"d"}}, {"tlid":5}])"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(m_player->queueTlid(), (QList<int>{3, 2, 4}));
    QCOMPARE(m_player->queue().at(0), first.at(2));
    QCOMPARE(m_player->queue().at(1), first.at(1));
    QVERIFY(m_player->queue().at(2) != first.at(0));
    // Only songs still without images are asked about.
    QTRY_COMPARE(m_server->since(from).size(), 1);
    QCOMPARE(compact(m_server->since(from).first().value("params")), QByteArray(R"({"uris":["c","d"]})"));
    QTRY_VERIFY(removed.isNull());

    // After a server restart the same tlid can name another track.
    Song *atTwo = m_player->queue().at(1);
    m_player->updateQueue(tlTracks({{2, "z"}}));
    QVERIFY(m_player->queue().first() != atTwo);
    QCOMPARE(m_player->queue().first()->uri(), QStringLiteral("z"));

    // Same tlid twice in one reply: two distinct objects.
    m_player->updateQueue(tlTracks({{2, "z"}, {2, "z"}}));
    QVERIFY(m_player->queue().at(0) != m_player->queue().at(1));

    m_player->updateQueue(QJsonValue(QJsonValue::Undefined));
    QVERIFY(m_player->queue().isEmpty());
    QVERIFY(m_player->queueTlid().isEmpty());
}

void TestPlayerExchange::uriSchemesGiveFilters()
{
    QSignalSpy filters(m_player, &TavirelPlayer::filtersChanged);
    m_player->updateUriSchemes(json(R"(["local","http","spotify","file","zzz"])"));
    QCOMPARE(m_player->filters(), (QStringList{"all", "local", "spotify", "zzz"}));
    QCOMPARE(m_player->filterTitles(), (QStringList{"All services", "Local files", "Spotify", ""}));
    QCOMPARE(filters.count(), 1);
    m_player->updateUriSchemes(json("null"));
    QCOMPARE(m_player->filters().size(), 4);
    QCOMPARE(filters.count(), 1);
}

void TestPlayerExchange::playlistsAndCoverArt()
{
    QSignalSpy listChanged(m_player, &TavirelPlayer::playlistsChanged);
    m_player->updatePlaylists(json(R"([{"uri":"m3u:a","name":"First"},7,{"uri":"m3u:b","name":"B"},
        {"uri":"m3u:a","name":"Second"}])"));
    QCOMPARE(m_player->playlists().size(), 3);
    QCOMPARE(m_player->getPlaylistName("m3u:a"), QStringLiteral("Second"));
    QCOMPARE(m_player->getPlaylistName("m3u:b"), QStringLiteral("B"));
    QCOMPARE(m_player->getPlaylistName("m3u:none"), QString());

    QSignalSpy art(m_player, &TavirelPlayer::playlistsImagesChanged);
    int from = m_server->received.size();
    m_player->actionPlaylistLookup({"m3u:b", "m3u:a"});
    QTRY_COMPARE(m_server->since(from).size(), 2);
    const QList<QJsonObject> lookups = m_server->since(from);
    // A playlist without tracks needs no cover.
    m_server->reply(lookups.at(1).value("id").toString(), json(R"({"uri":"m3u:a","tracks":[]})"));
    m_server->reply(lookups.at(0).value("id").toString(), json(R"({"uri":"m3u:b","tracks":[{"uri":"t:9"},{"uri":"t:10"}]})"));
    QTRY_COMPARE(m_server->since(from).size(), 3);
    const QJsonObject images = m_server->since(from).at(2);
    QCOMPARE(compact(images.value("params")), QByteArray(R"({"uris":["t:9"]})"));
    m_server->reply(images.value("id").toString(), json(R"({"t:9":[{"uri":"/cover.jpg","width":300}]})"));
    QTRY_COMPARE(art.count(), 1);
    // Relative to the server's web address, so that it can be fetched.
    QCOMPARE(m_player->playlists().at(1)->mediumImgPath(),
             QStringLiteral("http://127.0.0.1:%1/cover.jpg").arg(m_server->port()));
    QVERIFY(!m_player->playlists().at(0)->hasImages());

    listChanged.clear();
    m_player->updatePlaylists(json(R"({"not":"a list"})"));
    QCOMPARE(listChanged.count(), 1);
    QVERIFY(m_player->playlists().isEmpty());
    QCOMPARE(m_player->getPlaylistName("m3u:b"), QString());
}

void TestPlayerExchange::createAndEditPlaylists()
{
    // Two quick "save queue as playlist": each is saved, with the queue.
    int from = m_server->received.size();
    m_player->actionCreatePlaylist("Mix", true);
    m_player->actionCreatePlaylist("Two", true);
    QTRY_COMPARE(m_server->since(from).size(), 2);
    m_server->reply(m_server->since(from).at(0).value("id").toString(),
                    json(R"({"__model__":"Playlist","uri":"m3u:Mix.m3u8","name":"Mix"})"));
    m_server->reply(m_server->since(from).at(1).value("id").toString(), json(R"({"uri":"m3u:Two.m3u8","name":"Two"})"));
    QTRY_COMPARE(m_server->since(from).size(), 4);
    QCOMPARE(m_server->methodsSince(from).mid(2), (QStringList{"core.tracklist.get_tracks", "core.tracklist.get_tracks"}));
    m_server->reply(m_server->since(from).at(2).value("id").toString(), json(R"([{"uri":"t:1"},{"uri":"t:2"}])"));
    m_server->reply(m_server->since(from).at(3).value("id").toString(), json(R"([{"uri":"t:3"}])"));
    QTRY_COMPARE(m_server->since(from).size(), 6);
    QCOMPARE(compact(m_server->since(from).at(4).value("params")),
             QByteArray(R"({"playlist":{"__model__":"Playlist","name":"Mix","tracks":[{"uri":"t:1"},{"uri":"t:2"}],"uri":"m3u:Mix.m3u8"}})"));
    QCOMPARE(compact(m_server->since(from).at(5).value("params")),
             QByteArray(R"({"playlist":{"name":"Two","tracks":[{"uri":"t:3"}],"uri":"m3u:Two.m3u8"}})"));

    // A failed create saves nothing.
    from = m_server->received.size();
    m_player->actionCreatePlaylist("Broken", true);
    QTRY_COMPARE(m_server->since(from).size(), 1);
    m_server->reply(m_server->since(from).at(0).value("id").toString(), QJsonValue(QJsonValue::Null));
    QTest::qWait(150);
    QCOMPARE(m_server->since(from).size(), 1);

    // Two edits in flight: each playlist gets its own items.
    Song song;
    song.setUri("t:5");
    song.setName("Five");
    Album album;
    album.setUri("al:1");
    album.setName("Record");
    Song other;
    other.setUri("t:6");
    other.setName("Six");
    from = m_server->received.size();
    m_player->actionEditPlaylistWithUris("m3u:one", {&song, &album});
    m_player->actionEditPlaylistWithUris("m3u:two", {&other});
    QTRY_COMPARE(m_server->since(from).size(), 2);
    m_server->reply(m_server->since(from).at(0).value("id").toString(),
                    json(R"({"uri":"m3u:one","tracks":[{"__model__":"Track","uri":"t:0"}]})"));
    m_server->reply(m_server->since(from).at(1).value("id").toString(), json(R"({"uri":"m3u:two"})"));
    QTRY_COMPARE(m_server->since(from).size(), 4);
    QCOMPARE(compact(m_server->since(from).at(2).value("params")),
             QByteArray(R"({"playlist":{"tracks":[{"__model__":"Track","uri":"t:0"},)"
                        R"({"__model__":"Track","name":"Five","uri":"t:5"},)"
                        R"({"__model__":"Track","name":"Record","uri":"al:1"}],"uri":"m3u:one"}})"));
    QCOMPARE(compact(m_server->since(from).at(3).value("params")),
             QByteArray(R"({"playlist":{"tracks":[{"__model__":"Track","name":"Six","uri":"t:6"}],"uri":"m3u:two"}})"));
}

void TestPlayerExchange::openAndAddPlaylists()
{
    const char *refs = R"([{"__model__":"Ref","type":"track","uri":"t:1"},{"uri":"t:2"}])";
    int from = m_server->received.size();
    m_player->actionOpenPlaylistWithUri("m3u:a");
    QTRY_COMPARE(m_server->since(from).size(), 1);
    m_server->reply(m_server->since(from).at(0).value("id").toString(), json(refs));
    QTRY_COMPARE(m_server->since(from).size(), 5);
    QCOMPARE(m_server->methodsSince(from),
             (QStringList{"core.playlists.get_items", "core.playback.stop", "core.tracklist.clear",
                          "core.playback.get_current_tl_track", "core.tracklist.add"}));
    QCOMPARE(compact(m_server->since(from).at(4).value("params")), QByteArray(R"({"uris":["t:1","t:2"]})"));

    from = m_server->received.size();
    m_player->actionAddPlaylistWithUri("m3u:a");
    QTRY_COMPARE(m_server->since(from).size(), 1);
    m_server->reply(m_server->since(from).at(0).value("id").toString(), json(refs));
    QTRY_COMPARE(m_server->since(from).size(), 2);
    const QJsonObject add = m_server->since(from).at(1);
    QCOMPARE(compact(add.value("params")), QByteArray(R"({"uris":["t:1","t:2"]})"));
    // Added, not played: the reply goes nowhere.
    m_server->reply(add.value("id").toString(), tlTracks({{1, "t:1"}}));
    QTest::qWait(150);
    QCOMPARE(m_server->since(from).size(), 2);

    // A failed get_items sends nothing.
    from = m_server->received.size();
    m_player->actionOpenPlaylistWithUri("m3u:gone");
    QTRY_COMPARE(m_server->since(from).size(), 1);
    m_server->reply(m_server->since(from).at(0).value("id").toString(), QJsonValue(QJsonValue::Null));
    QTest::qWait(150);
    QCOMPARE(m_server->since(from).size(), 1);
}

void TestPlayerExchange::largeTracklistIsAccepted()
{
    // Well beyond the size of a 10,000-track tracklist.
    QJsonArray list;
    const QString padding(700, QLatin1Char('x'));
    for (int i = 0; i < 12000; ++i)
        list.append(QJsonObject{{"tlid", i + 1}, {"track", QJsonObject{{"uri", QStringLiteral("t:%1").arg(i)}, {"name", padding}}}});
    m_player->updateQueue(QJsonArray());
    const int from = m_server->received.size();
    m_server->event(R"({"event":"tracklist_changed"})");
    QTRY_COMPARE(m_server->since(from).size(), 1);
    QSignalSpy changed(m_player, &TavirelPlayer::queueChanged);
    m_server->reply(m_server->since(from).at(0).value("id").toString(), list);
    QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 1, 20000);
    QCOMPARE(m_player->queue().size(), 12000);
    QVERIFY(m_player->isConnected());
}

void TestPlayerExchange::idsStartAtZeroOnEveryStart()
{
    FakeServer server;
    TavirelPlayer player;
    for (int round = 0; round < 2; ++round) {
        const int from = server.received.size();
        QVERIFY(connectTo(player, server));
        QTRY_VERIFY(server.received.size() > from);
        QCOMPARE(server.received.at(from).value("id").toString(), QStringLiteral("0"));
    }
    QCOMPARE(server.connections, 2);
}

void TestPlayerExchange::disabledConnectionOpensNothing()
{
    FakeServer server;
    TavirelPlayer player;
    QVERIFY(connectTo(player, server));
    player.setConnectionEnabled(false);
    player.startConnection();
    QVERIFY(!player.isConnected());
    // Requests made now go nowhere and are not awaited.
    player.actionNext();
    QCOMPARE(player.pendingRequestCount(), 0);
    QTest::qWait(1500);
    QCOMPARE(server.connections, 1);

}

void TestPlayerExchange::startWhileConnectingChangesNothing()
{
    // A peer that accepts TCP but never completes the handshake keeps the
    // socket connecting.
    QTcpServer mute;
    QVERIFY(mute.listen(QHostAddress::LocalHost, 0));
    int accepted = 0;
    connect(&mute, &QTcpServer::newConnection, this, [&] {
        while (mute.nextPendingConnection())
            ++accepted;
    });
    TavirelPlayer player;
    player.setIpAddress(QStringLiteral("127.0.0.1"));
    player.setPort(QString::number(mute.serverPort()));
    player.setConnectionEnabled(true);
    player.startConnection();
    QTRY_COMPARE(accepted, 1);
    player.startConnection();
    player.startConnection();
    QTest::qWait(300);
    QCOMPARE(accepted, 1);
    QVERIFY(!player.isConnected());
}

void TestPlayerExchange::reconnectsAfterServerCloses()
{
    FakeServer server;
    TavirelPlayer player;
    QVERIFY(connectTo(player, server));
    QElapsedTimer clock;
    clock.start();
    server.dropClient();
    QTRY_COMPARE_WITH_TIMEOUT(server.connections, 2, 5000);
    QVERIFY(clock.elapsed() >= 400);
    QTRY_VERIFY(player.isConnected());
    // The new link refreshes everything on its first tick.
    const int from = server.received.size();
    QTRY_VERIFY_WITH_TIMEOUT(server.since(from).size() >= kRefresh.size(), 3000);
    QCOMPARE(server.methodsSince(from).mid(0, kRefresh.size()), kRefresh);
}

void TestPlayerExchange::closeConnectionStopsRetries()
{
    FakeServer server;
    TavirelPlayer player;
    QVERIFY(connectTo(player, server));
    QSignalSpy enabled(&player, &TavirelPlayer::connectionEnabledChanged);
    server.dropClient();
    // Close while a retry is pending.
    QTest::qWait(100);
    player.closeConnection();
    QVERIFY(!player.connectionEnabled());
    QCOMPARE(enabled.count(), 0);
    QTest::qWait(2500);
    QCOMPARE(server.connections, 1);
    QVERIFY(!player.isConnected());

    // It can be opened again.
    player.setConnectionEnabled(true);
    player.startConnection();
    QTRY_VERIFY(player.isConnected());
    QCOMPARE(server.connections, 2);
}

void TestPlayerExchange::silentServerOnlyHoldsRequestsMade()
{
    FakeServer server;
    TavirelPlayer player;
    QVERIFY(connectTo(player, server));
    Receiver receiver;
    for (int i = 0; i < 50; ++i)
        player.actionBrowse(QStringLiteral("d:%1").arg(i), &receiver, "browseResultReceived");
    player.actionNext();
    player.setPlayPause(2);
    QTest::qWait(2300);
    QTRY_COMPARE(player.pendingRequestCount(), server.received.size());
    QVERIFY(server.received.size() >= 51 + kRefresh.size() + 1);

    // However long it stays silent, the table has a bound.
    for (int i = 0; i < TavirelPlayer::MaxPendingRequests + 100; ++i)
        player.actionNext();
    QCOMPARE(player.pendingRequestCount(), TavirelPlayer::MaxPendingRequests);
    // A reconnection forgets what the former link awaited.
    player.startConnection();
    QCOMPARE(player.pendingRequestCount(), 0);
}

void TestPlayerExchange::stalledHandshakeIsRetried()
{
    // Takes the TCP connection, never answers the WebSocket handshake.
    QTcpServer mute;
    QVERIFY(mute.listen(QHostAddress::LocalHost, 0));
    int accepted = 0;
    connect(&mute, &QTcpServer::newConnection, this, [&] {
        while (QTcpSocket *s = mute.nextPendingConnection()) {
            s->setParent(&mute);
            ++accepted;
        }
    });
    TavirelPlayer player;
    player.setHandshakeTimeout(300);
    player.setIpAddress(QStringLiteral("127.0.0.1"));
    player.setPort(QString::number(mute.serverPort()));
    player.setConnectionEnabled(true);
    player.startConnection();
    QTRY_VERIFY_WITH_TIMEOUT(accepted >= 2, 5000);
    QVERIFY(!player.isConnected());
    player.closeConnection();
}

void TestPlayerExchange::cleanupTestCase()
{
    delete m_player;
    delete m_server;
}

QTEST_GUILESS_MAIN(TestPlayerExchange)
#include "tst_playerexchange.moc"
