#include "mopidyfixture.h"
#include "testsupport.h"

#include "images/asyncimageprovider.h"
#include "images/imagedownloader.h"
#include "player/album.h"
#include "player/song.h"
#include "player/tavirelplayer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTcpSocket>
#include <QUrl>
#include <QtTest>

namespace {

// Tracks of the sample library, as the local library names them.
QString localTrack(const QString &artist, const QString &album, int number, const QString &title)
{
    const QString path = artist + QLatin1Char('/') + album + QLatin1Char('/')
                         + QStringLiteral("%1 ").arg(number, 2, 10, QLatin1Char('0')) + title + QStringLiteral(".flac");
    return QStringLiteral("local:track:") + QString::fromLatin1(QUrl::toPercentEncoding(path, "/"));
}

const QStringList kNorthern = {
    localTrack("Aster Vale", "Northern Lights", 1, "Polar Morning"),
    localTrack("Aster Vale", "Northern Lights", 2, "Ice Harbour"),
    localTrack("Aster Vale", "Northern Lights", 3, "Long Night Waltz"),
};
const QStringList kSalt = {
    localTrack("Brenna Holt", "Salt and Iron", 1, "Foundry Song"),
    localTrack("Brenna Holt", "Salt and Iron", 2, "Rust Belt Lullaby"),
    localTrack("Brenna Holt", "Salt and Iron", 3, "Anvil Rain"),
};
const QString kLantern = localTrack("Aster Vale", "Quiet Hours", 1, "Lantern Room");

QStringList names(const QList<Song *> &songs)
{
    QStringList out;
    for (const Song *s : songs)
        out.append(s->name());
    return out;
}

// Stands in for a library controller: records every result it is handed.
class Receiver : public QObject
{
    Q_OBJECT
public:
    Q_INVOKABLE void browseRootResultReceived(int id, const QJsonValue &v) { results.insert(id, v); }
    Q_INVOKABLE void browseResultReceived(int id, const QJsonValue &v) { results.insert(id, v); }
    Q_INVOKABLE void browseLookupReceived(int id, const QJsonValue &v) { results.insert(id, v); }
    Q_INVOKABLE void browseImagesReceived(int id, const QJsonValue &v) { results.insert(id, v); }
    Q_INVOKABLE void searchResultReceived(int id, const QJsonValue &v) { results.insert(id, v); }
    Q_INVOKABLE void albumBrowseReceived(const QJsonValue &v) { single.append(v); }
    Q_INVOKABLE void browsePlayAfterIndex(int id, const QJsonValue &v)
    {
        results.insert(id, v);
        player->actionPlayAdd(insert, v.isDouble() ? v.toInt() + 1 : -1, false);
    }
    QHash<int, QJsonValue> results;
    QList<QJsonValue> single;
    TavirelPlayer *player = nullptr;
    QStringList insert;
};

QStringList trackNames(const QJsonValue &searchResult)
{
    QStringList out;
    for (const QJsonValue &r : searchResult.toArray())
        for (const QJsonValue &t : r.toObject().value("tracks").toArray())
            out.append(t.toObject().value("name").toString());
    return out;
}

} // namespace

class TestPlayerMopidy : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fullRefreshFillsState();
    void init();
    void playbackFollowsServer();
    void titleFollowsTracksBackToBack();
    void repeatAndShuffle_data();
    void repeatAndShuffle();
    void previousGoesBackEarlyRestartsLater();
    void streamIsStoppedNotPaused();
    void queueEditing();
    void browseRootAndDirectory();
    void lookupAndImages();
    void search_data();
    void search();
    void playlistsFromQueue();
    void playlistEventsRefreshList();
    void cleanupTestCase();

private:
    PlayerItem *playlistNamed(const QString &name) const;
    int playlistLength(const QString &uri);

    MopidyFixture m_mopidy;
    TavirelPlayer *m_player = nullptr;
};

void TestPlayerMopidy::initTestCase()
{
    QVERIFY2(m_mopidy.start(), qPrintable(m_mopidy.errorString()));
    // A playlist that exists before the client connects.
    QVERIFY(m_mopidy.call("core.playlists.create", {{"name", "Preloaded"}, {"uri_scheme", "m3u"}}).isObject());

    m_player = new TavirelPlayer;
    m_player->setIpAddress(m_mopidy.host());
    m_player->setPort(QString::number(m_mopidy.port()));
    m_player->setConnectionEnabled(true);
    m_player->startConnection();
    QTRY_VERIFY_WITH_TIMEOUT(!m_player->filters().isEmpty(), 10000);
}

void TestPlayerMopidy::fullRefreshFillsState()
{
    // The server offers file, http, https, local, m3u and rtsp.
    QCOMPARE(m_player->filters(), (QStringList{"all", "local", "m3u"}));
    QCOMPARE(m_player->filterTitles(), (QStringList{"All services", "Local files", "Local playlists"}));
    QTRY_VERIFY(playlistNamed("Preloaded"));
    QVERIFY(!m_player->getPlaylistName(playlistNamed("Preloaded")->uri()).isEmpty());
    QCOMPARE(m_player->playPause(), 0);
    QVERIFY(m_player->queue().isEmpty());
}

void TestPlayerMopidy::init()
{
    QVERIFY2(m_mopidy.reset(), qPrintable(m_mopidy.errorString()));
    QTRY_VERIFY(m_player->queue().isEmpty());
    QTRY_COMPARE(m_player->playPause(), 0);
    QTRY_VERIFY(!m_player->repeat() && !m_player->shuffle());
}

void TestPlayerMopidy::playbackFollowsServer()
{
    QSignalSpy images(m_player, &TavirelPlayer::currentSongImageChanged);
    m_player->actionPlayAdd(kNorthern, -1, true);
    QTRY_COMPARE(m_player->playPause(), 2);
    QTRY_VERIFY(m_player->currentSong() && m_player->currentSong()->name() == "Polar Morning");
    QTRY_COMPARE(m_player->queue().size(), 3);
    QCOMPARE(names(m_player->queue()), (QStringList{"Polar Morning", "Ice Harbour", "Long Night Waltz"}));
    QCOMPARE(m_player->currentTlid(), m_player->queueTlid().first());
    Song *song = m_player->currentSong();
    QCOMPARE(song->album(), QStringLiteral("Northern Lights"));
    QCOMPARE(song->artistsString(), QStringLiteral("Aster Vale"));
    QCOMPARE(song->duration(), 7);
    // The album cover of the local library.
    QTRY_VERIFY(song->hasImages());
    QVERIFY(images.count() >= 1);
    // The server names it relative to its web address; the client resolves it,
    // and it arrives at the image provider as a picture.
    const QString cover = song->mediumImgPath();
    QVERIFY2(cover.startsWith(QStringLiteral("http://%1:%2/local/").arg(m_mopidy.host()).arg(m_mopidy.port())),
             qPrintable(cover));
    ImageDownloader downloader;
    QObject requester;
    downloader.requestImage(cover, &requester);
    QTRY_VERIFY_WITH_TIMEOUT(downloader.contains(cover), 10000);
    QSize size;
    QVERIFY(!AsyncImageProvider(&downloader).requestImage(cover, &size, QSize()).isNull());
    QVERIFY(size.width() > 0);

    m_player->actionPause();
    QTRY_COMPARE(m_player->playPause(), 1);
    QCOMPARE(m_mopidy.call("core.playback.get_state").toString(), QStringLiteral("paused"));
    m_player->actionPlay();
    QTRY_COMPARE(m_player->playPause(), 2);

    m_player->actionNext();
    QTRY_COMPARE(m_player->currentSong()->name(), QStringLiteral("Ice Harbour"));
    QCOMPARE(m_player->currentTlid(), m_player->queueTlid().at(1));
    m_player->actionPrevious();
    QTRY_COMPARE(m_player->currentSong()->name(), QStringLiteral("Polar Morning"));
    QCOMPARE(m_player->currentTlid(), m_player->queueTlid().at(0));

    // The position is polled while playing.
    QTRY_VERIFY_WITH_TIMEOUT(m_player->currentSong()->currTime() >= 1, 4000);

    m_player->actionPlayTrack(m_player->queueTlid().at(2));
    QTRY_COMPARE(m_player->currentSong()->name(), QStringLiteral("Long Night Waltz"));
}

void TestPlayerMopidy::titleFollowsTracksBackToBack()
{
    // Tracks named otherwise than the tags of their files, as many backends
    // name them: the server reports each file's tag title as a stream title
    // once the track has started.
    QJsonArray tracks;
    QStringList titles;
    for (const QString &uri : kNorthern) {
        titles << QStringLiteral("Take %1").arg(titles.size() + 1);
        tracks.append(QJsonObject{{"__model__", "Track"}, {"uri", uri}, {"name", titles.last()}, {"length", 7000}});
    }
    QStringList wrong;
    connect(m_player, &TavirelPlayer::currentSongChanged, this, [&] {
        Song *song = m_player->currentSong();
        if (!song)
            return;
        const QString own = titles.value(kNorthern.indexOf(song->uri()));
        auto check = [&wrong, song, own] {
            if (song->name() != own)
                wrong << own + " showed " + song->name();
        };
        check();
        connect(song, &PlayerItem::nameChanged, this, check);
    });
    QCOMPARE(m_mopidy.call("core.tracklist.add", {{"tracks", tracks}}).toArray().size(), 3);
    m_mopidy.call("core.playback.play");
    QTRY_VERIFY(m_player->currentSong() && m_player->currentSong()->uri() == kNorthern.at(0));
    // Each track runs out into the next, as an album played through.
    for (int next = 1; next < kNorthern.size(); ++next) {
        QTest::qWait(1000);
        m_mopidy.call("core.playback.seek", {{"time_position", 6000}});
        QTRY_VERIFY_WITH_TIMEOUT(m_player->currentSong() && m_player->currentSong()->uri() == kNorthern.at(next),
                                 10000);
    }
    QTest::qWait(1000);
    disconnect(m_player, &TavirelPlayer::currentSongChanged, this, nullptr);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
}

void TestPlayerMopidy::repeatAndShuffle_data()
{
    QTest::addColumn<QList<int>>("modalities");
    QTest::newRow("cycle") << QList<int>{1, 2, 3, 0};
    QTest::newRow("out of range resets") << QList<int>{3, 7};
}

void TestPlayerMopidy::repeatAndShuffle()
{
    QFETCH(QList<int>, modalities);
    for (int m : modalities) {
        const bool repeat = m == 1 || m == 3;
        const bool random = m == 2 || m == 3;
        m_player->actionRepeatShuffle(m);
        QTRY_VERIFY2(m_player->repeat() == repeat && m_player->shuffle() == random, qPrintable(QString::number(m)));
        QCOMPARE(m_mopidy.call("core.tracklist.get_repeat").toBool(), repeat);
        QCOMPARE(m_mopidy.call("core.tracklist.get_random").toBool(), random);
    }
}

void TestPlayerMopidy::previousGoesBackEarlyRestartsLater()
{
    // With repeat the server's own previous would restart the track instead.
    m_player->actionRepeatShuffle(1);
    QTRY_VERIFY(m_player->repeat());
    m_player->actionPlayAdd(kNorthern, -1, true);
    QTRY_COMPARE(m_player->queue().size(), 3);
    const QList<int> tlids = m_player->queueTlid();
    auto serverTlid = [this] {
        return m_mopidy.call("core.playback.get_current_tl_track").toObject().value("tlid").toInt();
    };
    auto serverPosition = [this] { return m_mopidy.call("core.playback.get_time_position").toInt(); };

    m_player->actionPlayTrack(tlids.at(1));
    QTRY_COMPARE(m_player->currentTlid(), tlids.at(1));
    m_player->actionPrevious();
    QTRY_COMPARE(serverTlid(), tlids.at(0));
    QTRY_COMPARE(m_player->currentTlid(), tlids.at(0));

    QTRY_VERIFY_WITH_TIMEOUT(serverPosition() >= 3300, 6000);
    m_player->actionPrevious();
    QTRY_VERIFY_WITH_TIMEOUT(serverPosition() < 2000, 3000);
    QCOMPARE(serverTlid(), tlids.at(0));
}

void TestPlayerMopidy::streamIsStoppedNotPaused()
{
    // The sample files served over HTTP make a stream for the server.
    const quint16 port = TestSupport::freeLoopbackPort();
    QProcess http;
    http.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    http.start("python3", {"-m", "http.server", QString::number(port), "--bind", "127.0.0.1", "--directory",
                           m_mopidy.dir() + "/media"});
    QVERIFY2(http.waitForStarted(), "python3 is needed to serve a stream");
    QTRY_VERIFY([&] {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        return probe.waitForConnected(200);
    }());

    const QString stream = QStringLiteral("http://127.0.0.1:%1/Aster%20Vale/Quiet%20Hours/01%20Lantern%20Room.flac").arg(port);
    m_player->actionResetQueueWithUris({stream});
    QTRY_VERIFY_WITH_TIMEOUT(m_player->currentSong() && m_player->currentSong()->uri() == stream, 10000);
    QTRY_COMPARE(m_player->playPause(), 2);
    m_player->actionPause();
    QTRY_COMPARE(m_player->playPause(), 0);
    QCOMPARE(m_mopidy.call("core.playback.get_state").toString(), QStringLiteral("stopped"));

    http.terminate();
    http.waitForFinished(3000);
}

void TestPlayerMopidy::queueEditing()
{
    m_player->actionPlayAdd(kSalt, -1, true);
    QTRY_COMPARE(m_player->queue().size(), 3);
    QTRY_VERIFY(m_player->currentSong() && m_player->currentSong()->name() == "Foundry Song");
    const QList<Song *> before = m_player->queue();
    QList<QPointer<Song>> kept;
    for (Song *s : before)
        kept.append(s);

    // Insert after the current track.
    Receiver receiver;
    receiver.player = m_player;
    receiver.insert = QStringList{kLantern};
    m_player->actionPlayIndex(&receiver, "browsePlayAfterIndex");
    QTRY_COMPARE(m_player->queue().size(), 4);
    QCOMPARE(names(m_player->queue()),
             (QStringList{"Foundry Song", "Lantern Room", "Rust Belt Lullaby", "Anvil Rain"}));
    // The songs that stayed are the same objects.
    QCOMPARE(m_player->queue().at(0), before.at(0));
    QCOMPARE(m_player->queue().at(2), before.at(1));
    QCOMPARE(m_player->queue().at(3), before.at(2));

    QList<int> serverTlids;
    for (const QJsonValue &tl : m_mopidy.call("core.tracklist.get_tl_tracks").toArray())
        serverTlids.append(tl.toObject().value("tlid").toInt());
    QCOMPARE(m_player->queueTlid(), serverTlids);

    const int removedTlid = m_player->queueTlid().at(1);
    m_player->actionRemoveTrackFromQueue(1);
    QTRY_COMPARE(m_player->queue().size(), 3);
    QVERIFY(!m_player->queueTlid().contains(removedTlid));
    QCOMPARE(names(m_player->queue()), (QStringList{"Foundry Song", "Rust Belt Lullaby", "Anvil Rain"}));
    QCOMPARE(m_player->queue(), before);

    m_player->actionClearQueue();
    QTRY_VERIFY(m_player->queue().isEmpty());
    QVERIFY(m_player->queueTlid().isEmpty());
    QTRY_COMPARE(m_player->playPause(), 0);
    QTRY_VERIFY(m_player->currentSong() == nullptr);
    // Released once the views had their chance to let go.
    QTRY_VERIFY(std::all_of(kept.begin(), kept.end(), [](const QPointer<Song> &s) { return s.isNull(); }));
}

void TestPlayerMopidy::browseRootAndDirectory()
{
    Receiver receiver;
    const int root = m_player->actionBrowse(QString(), &receiver, "browseRootResultReceived");
    QTRY_VERIFY(receiver.results.contains(root));
    QStringList uris;
    for (const QJsonValue &ref : receiver.results.value(root).toArray())
        uris.append(ref.toObject().value("uri").toString());
    QVERIFY2(uris.contains("local:directory"), qPrintable(uris.join(',')));

    const int albums = m_player->actionBrowse("local:directory?type=album", &receiver, "browseResultReceived");
    QTRY_VERIFY(receiver.results.contains(albums));
    QStringList titles;
    for (const QJsonValue &ref : receiver.results.value(albums).toArray()) {
        QCOMPARE(ref.toObject().value("type").toString(), QStringLiteral("album"));
        titles.append(ref.toObject().value("name").toString());
    }
    for (const char *album : {"Northern Lights", "Quiet Hours", "Salt and Iron"})
        QVERIFY2(titles.contains(album), qPrintable(titles.join(',')));
}

void TestPlayerMopidy::lookupAndImages()
{
    Receiver receiver;
    const int lookup = m_player->actionLookup({kSalt.at(2)}, &receiver, "browseLookupReceived");
    const int images = m_player->actionLookupImages({kSalt.at(2), kLantern}, &receiver, "browseImagesReceived");
    m_player->actionLookup({kLantern}, &receiver, "albumBrowseReceived");
    QTRY_VERIFY(receiver.results.contains(lookup) && receiver.results.contains(images));
    QTRY_COMPARE(receiver.single.size(), 1);

    const QJsonArray tracks = receiver.results.value(lookup).toObject().value(kSalt.at(2)).toArray();
    QCOMPARE(tracks.size(), 1);
    QCOMPARE(tracks.first().toObject().value("name").toString(), QStringLiteral("Anvil Rain"));
    QCOMPARE(receiver.single.first().toObject().value(kLantern).toArray().first().toObject().value("name").toString(),
             QStringLiteral("Lantern Room"));

    const QJsonObject byUri = receiver.results.value(images).toObject();
    QCOMPARE(byUri.size(), 2);
    const QJsonObject cover = byUri.value(kSalt.at(2)).toArray().first().toObject();
    QCOMPARE(cover.value("width").toInt(), 300);
    QVERIFY(cover.value("uri").toString().startsWith(QStringLiteral("http://%1:%2/local/").arg(m_mopidy.host()).arg(m_mopidy.port())));
    // Different albums, different covers.
    QVERIFY(byUri.value(kLantern).toArray().first().toObject().value("uri") != cover.value("uri"));
}

void TestPlayerMopidy::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("local") << "Anvil" << "local" << QStringList{"Anvil Rain"};
    QTest::newRow("everywhere") << "Harbour" << "" << QStringList{"Ice Harbour"};
    QTest::newRow("by artist") << "Brenna" << "local" << QStringList{"Anvil Rain", "Foundry Song", "Rust Belt Lullaby"};
    QTest::newRow("nothing") << "Zeppelin" << "local" << QStringList{};
    QTest::newRow("playlists only") << "Anvil" << "m3u" << QStringList{};
}

void TestPlayerMopidy::search()
{
    QFETCH(QString, text);
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    Receiver receiver;
    const int id = m_player->actionSearch(text, filter, &receiver, "searchResultReceived");
    QTRY_VERIFY(receiver.results.contains(id));
    const QJsonValue result = receiver.results.value(id);
    QVERIFY2(result.isArray(), "the server rejected the search");
    QStringList found = trackNames(result);
    found.sort();
    QCOMPARE(found, expected);
}

PlayerItem *TestPlayerMopidy::playlistNamed(const QString &name) const
{
    for (PlayerItem *item : m_player->playlists())
        if (item->name() == name)
            return item;
    return nullptr;
}

int TestPlayerMopidy::playlistLength(const QString &uri)
{
    const QJsonValue playlist = m_mopidy.call("core.playlists.lookup", {{"uri", uri}});
    return playlist.isObject() ? playlist.toObject().value("tracks").toArray().size() : -1;
}

void TestPlayerMopidy::playlistsFromQueue()
{
    m_player->actionPlayAdd(kNorthern, -1, false);
    QTRY_COMPARE(m_player->queue().size(), 3);

    m_player->actionCreatePlaylist("Road Trip", true);
    m_player->actionCreatePlaylist("Blank", false);
    // The list follows from the server's playlist events.
    QTRY_VERIFY(playlistNamed("Road Trip") && playlistNamed("Blank"));
    const QString trip = playlistNamed("Road Trip")->uri();
    QTRY_COMPARE(playlistLength(trip), 3);
    QCOMPARE(m_player->getPlaylistName(trip), QStringLiteral("Road Trip"));
    QCOMPARE(playlistLength(playlistNamed("Blank")->uri()), 0);

    // Append a track and a whole album.
    QString albumUri;
    for (const QJsonValue &ref : m_mopidy.call("core.library.browse", {{"uri", "local:directory?type=album"}}).toArray())
        if (ref.toObject().value("name") == QLatin1String("Salt and Iron"))
            albumUri = ref.toObject().value("uri").toString();
    QVERIFY(!albumUri.isEmpty());
    Song song;
    song.setUri(kLantern);
    song.setName("Lantern Room");
    Album album;
    album.setUri(albumUri);
    album.setName("Salt and Iron");
    m_player->actionEditPlaylistWithUris(trip, {&song, &album});
    QTRY_COMPARE(playlistLength(trip), 5);

    // Cover art of the playlist comes from its first track.
    QSignalSpy art(m_player, &TavirelPlayer::playlistsImagesChanged);
    m_player->actionPlaylistLookup({trip, playlistNamed("Blank")->uri()});
    QTRY_COMPARE(art.count(), 1);
    QTRY_VERIFY(playlistNamed("Road Trip")->hasImages());

    // Open: replaces the queue and plays; the album stands for its tracks.
    m_player->actionOpenPlaylistWithUri(trip);
    QTRY_COMPARE(m_player->queue().size(), 7);
    QTRY_COMPARE(m_player->playPause(), 2);
    QTRY_VERIFY(m_player->currentSong() && m_player->currentSong()->name() == "Polar Morning");
    QCOMPARE(names(m_player->queue()).mid(3),
             (QStringList{"Lantern Room", "Foundry Song", "Rust Belt Lullaby", "Anvil Rain"}));

    // Add: appends and keeps playing what played.
    const int current = m_player->currentTlid();
    m_player->actionAddPlaylistWithUri(trip);
    QTRY_COMPARE(m_player->queue().size(), 14);
    QCOMPARE(m_player->currentTlid(), current);
    QCOMPARE(m_player->playPause(), 2);
}

void TestPlayerMopidy::playlistEventsRefreshList()
{
    QSignalSpy changed(m_player, &TavirelPlayer::playlistsChanged);
    const QJsonObject made = m_mopidy.call("core.playlists.create", {{"name", "Made Elsewhere"}, {"uri_scheme", "m3u"}}).toObject();
    QVERIFY(!made.isEmpty());
    QTRY_VERIFY(playlistNamed("Made Elsewhere"));
    QVERIFY(changed.count() >= 1);

    m_mopidy.call("core.playlists.delete", {{"uri", made.value("uri")}});
    QTRY_VERIFY(!playlistNamed("Made Elsewhere"));
    QCOMPARE(m_player->getPlaylistName(made.value("uri").toString()), QString());
}

void TestPlayerMopidy::cleanupTestCase()
{
    delete m_player;
    m_mopidy.stop();
}

QTEST_GUILESS_MAIN(TestPlayerMopidy)
#include "tst_playermopidy.moc"
