#include "images/backupimagedownloader.h"
#include "localhttpserver.h"
#include "player/album.h"
#include "player/song.h"
#include <QJsonArray>
#include <QLoggingCategory>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>
#include <memory>

namespace {
// Form decoding as the web service does it: "+" is a space.
QHash<QString, QString> queryValues(const QByteArray &target)
{
    QHash<QString, QString> values;
    const int q = target.indexOf('?');
    if (q < 0)
        return values;
    for (const QByteArray &pair : target.mid(q + 1).split('&')) {
        const int eq = pair.indexOf('=');
        QByteArray value = pair.mid(eq + 1);
        value.replace('+', ' ');
        values.insert(QString::fromUtf8(pair.left(eq)), QString::fromUtf8(QByteArray::fromPercentEncoding(value)));
    }
    return values;
}

QByteArray albumInfo(const QString &tag)
{
    // Built rather than written out: "#" at the start of a literal line upsets moc.
    const QString textKey = QStringLiteral("#text");
    auto image = [&](const QString &suffix, const QString &size) {
        return QJsonObject{{textKey, suffix.isEmpty() ? QString() : "http://art/" + tag + suffix}, {"size", size}};
    };
    const QJsonArray images{image("-s.png", "small"),     image("-m.png", "medium"),  image("-l.png", "large"),
                            image("-xl.png", "extralarge"), image("-mega.png", "mega"), image("-other.png", ""),
                            image("", "huge")};
    const QJsonObject album{{"name", tag}, {"image", images}};
    return QJsonDocument(QJsonObject{{"album", album}}).toJson(QJsonDocument::Compact);
}

HttpResponse jsonResponse(const QByteArray &body)
{
    HttpResponse r;
    r.contentType = "application/json";
    r.body = body;
    return r;
}

Song *newSong(const QString &artists, const QString &album)
{
    auto *song = new Song;
    song->setArtistsString(artists);
    song->setAlbum(album);
    return song;
}
}

class TestBackupImageDownloader : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void queryValuesTravelIntact_data();
    void queryValuesTravelIntact();
    void searchTerms_data();
    void searchTerms();
    void sizeNamesGiveWidths();
    void repliesThatAreIgnored_data();
    void repliesThatAreIgnored();
    void batchAnnouncedOnceAfterLastReply();
    void itemsSharingARequestAllGetImages();
    void destroyedItemDoesNotStopTheBatch();
    void newBatchAbandonsTheRunningOne();
    void failedAlbumIsNotAskedAgainAndTheKeyStaysOutOfTheLog();

private:
    std::unique_ptr<LocalHttpServer> m_server;
    std::function<HttpResponse(const QByteArray &)> m_reply;
};

void TestBackupImageDownloader::init()
{
    m_server = std::make_unique<LocalHttpServer>();
    QVERIFY(m_server->listen());
    m_server->handler = [this](const QByteArray &target) {
        return m_reply ? m_reply(target) : jsonResponse(albumInfo(QStringLiteral("x")));
    };
    m_reply = nullptr;
    BackupImageDownloader::forgetFailures();
    qputenv("TAVIREL_LASTFM_URL", m_server->url("/2.0/").toUtf8());
    qputenv("TAVIREL_LASTFM_KEY", "feedfacefeedfacefeedfacefeedface");
}

void TestBackupImageDownloader::cleanup()
{
    m_server.reset();
    qunsetenv("TAVIREL_LASTFM_URL");
    qunsetenv("TAVIREL_LASTFM_KEY");
}

void TestBackupImageDownloader::queryValuesTravelIntact_data()
{
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("album");

    QTest::newRow("two words each") << "Pink Floyd" << "Dark Side";
    QTest::newRow("ampersand") << "Simon & Garfunkel" << "Bookends";
    QTest::newRow("quotes and brackets") << R"(The "Quoted" <Band>)" << "It's Here";
    QTest::newRow("plus, equals, hash, slash") << "Mumford + Sons" << "a=b #1 AC/DC?";
    QTest::newRow("non-ASCII") << "Sigur Rós" << "Ágætis byrjun";
    QTest::newRow("empty") << "" << "";
}

void TestBackupImageDownloader::queryValuesTravelIntact()
{
    QFETCH(QString, artist);
    QFETCH(QString, album);

    std::unique_ptr<Song> song(newSong(artist, album));
    BackupImageDownloader fallback;
    QSignalSpy done(&fallback, &BackupImageDownloader::imagesDownloaded);
    fallback.download({song.get()});
    QTRY_COMPARE(done.count(), 1);

    QCOMPARE(m_server->targets().size(), 1);
    const QByteArray target = m_server->targets().first();
    QVERIFY2(target.startsWith("/2.0/?artist="), target.constData());
    const QHash<QString, QString> values = queryValues(target);
    QCOMPARE(values.value("artist"), artist);
    QCOMPARE(values.value("album"), album);
    QCOMPARE(values.value("method"), QStringLiteral("album.getInfo"));
    QCOMPARE(values.value("api_key"), QStringLiteral("feedfacefeedfacefeedfacefeedface"));
    QCOMPARE(values.value("format"), QStringLiteral("json"));
    QCOMPARE(values.size(), 5);
    if (artist.contains(' '))
        QVERIFY2(target.contains(QUrl::toPercentEncoding(artist.section(' ', 0, 0)) + '+'), target.constData());
}

void TestBackupImageDownloader::searchTerms_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("album");

    QTest::newRow("track") << "track" << "Artist A, Artist B" << "Album of track";
    QTest::newRow("album") << "album" << "Album Artist" << "Album name";
    QTest::newRow("directory") << "directory" << "" << "";
}

void TestBackupImageDownloader::searchTerms()
{
    QFETCH(QString, type);
    QFETCH(QString, artist);
    QFETCH(QString, album);

    std::unique_ptr<PlayerItem> item;
    if (type == QLatin1String("track")) {
        item.reset(newSong(QStringLiteral("Artist A, Artist B"), QStringLiteral("Album of track")));
        item->setName(QStringLiteral("Track name"));
    } else if (type == QLatin1String("album")) {
        auto *a = new Album;
        a->setArtistsString(QStringLiteral("Album Artist"));
        a->setName(QStringLiteral("Album name"));
        item.reset(a);
    } else {
        item = std::make_unique<PlayerItem>();
        item->setType(type);
        item->setName(QStringLiteral("Some directory"));
    }
    QString gotArtist, gotAlbum;
    BackupImageDownloader::searchTerms(item.get(), &gotArtist, &gotAlbum);
    QCOMPARE(gotArtist, artist);
    QCOMPARE(gotAlbum, album);
}

void TestBackupImageDownloader::sizeNamesGiveWidths()
{
    std::unique_ptr<Song> song(newSong(QStringLiteral("A"), QStringLiteral("B")));
    song->setImage(65, QStringLiteral("old-65"));
    song->setImage(640, QStringLiteral("kept-640"));
    BackupImageDownloader fallback;
    QSignalSpy done(&fallback, &BackupImageDownloader::imagesDownloaded);
    fallback.download({song.get()});
    QTRY_COMPARE(done.count(), 1);

    const PlayerItem::ImageTable expected{
        {30, "http://art/x-s.png"},    {65, "http://art/x-m.png"},     {128, "http://art/x-other.png"},
        {180, "http://art/x-l.png"},   {300, "http://art/x-xl.png"},   {350, "http://art/x-mega.png"},
        {640, "kept-640"},
    };
    QCOMPARE(song->images(), expected);
    QCOMPARE(song->smallImgPath(), QStringLiteral("http://art/x-other.png"));
    QCOMPARE(song->mediumImgPath(), QStringLiteral("http://art/x-mega.png"));
}

void TestBackupImageDownloader::repliesThatAreIgnored_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");

    QJsonObject error = QJsonDocument::fromJson(albumInfo(QStringLiteral("bad"))).object();
    error.insert("error", 6);
    error.insert("message", "Album not found");
    QTest::newRow("error reply") << 200 << QJsonDocument(error).toJson();
    QTest::newRow("no album") << 200 << QByteArray(R"({"results": {}})");
    QTest::newRow("not JSON") << 200 << QByteArray("<html>oops</html>");
    QTest::newRow("JSON array") << 200 << QByteArray("[1, 2]");
    QTest::newRow("album not an object") << 200 << QByteArray(R"({"album": "x"})");
    QTest::newRow("server error") << 500 << albumInfo(QStringLiteral("bad"));
}

void TestBackupImageDownloader::repliesThatAreIgnored()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);

    m_reply = [status, body](const QByteArray &) {
        HttpResponse r = jsonResponse(body);
        r.status = status;
        return r;
    };
    std::unique_ptr<Song> song(newSong(QStringLiteral("A"), QStringLiteral("B")));
    song->setImage(300, QStringLiteral("before"));
    BackupImageDownloader fallback;
    QSignalSpy done(&fallback, &BackupImageDownloader::imagesDownloaded);
    fallback.download({song.get()});
    QTRY_COMPARE(done.count(), 1);
    QCOMPARE(song->images(), (PlayerItem::ImageTable{{300, "before"}}));
}

void TestBackupImageDownloader::batchAnnouncedOnceAfterLastReply()
{
    m_reply = [](const QByteArray &target) {
        HttpResponse r = jsonResponse(albumInfo(queryValues(target).value("album")));
        r.hold = target.contains("Second");
        return r;
    };
    std::unique_ptr<Song> first(newSong(QStringLiteral("A"), QStringLiteral("First")));
    std::unique_ptr<Song> second(newSong(QStringLiteral("A"), QStringLiteral("Second")));
    BackupImageDownloader fallback;
    QSignalSpy done(&fallback, &BackupImageDownloader::imagesDownloaded);
    QThread *announcedIn = nullptr;
    bool bothFilled = false;
    connect(&fallback, &BackupImageDownloader::imagesDownloaded, this, [&] {
        announcedIn = QThread::currentThread();
        bothFilled = first->hasImages() && second->hasImages();
    });

    fallback.download({first.get(), second.get()});
    QTRY_VERIFY(first->hasImages());
    QTRY_COMPARE(m_server->totalHits(), 2);
    QTest::qWait(100);
    QCOMPARE(done.count(), 0);
    QVERIFY(!second->hasImages());

    m_server->release("/2.0/");
    QTRY_COMPARE(done.count(), 1);
    QVERIFY(bothFilled);
    QCOMPARE(announcedIn, QThread::currentThread());
    QCOMPARE(second->largeImgPath(), QStringLiteral("http://art/Second-mega.png"));
    QTRY_VERIFY(!fallback.isRunning());
    QTest::qWait(50);
    QCOMPARE(done.count(), 1);
}

void TestBackupImageDownloader::itemsSharingARequestAllGetImages()
{
    std::unique_ptr<Song> a(newSong(QStringLiteral("Band"), QStringLiteral("Record")));
    std::unique_ptr<Song> b(newSong(QStringLiteral("Band"), QStringLiteral("Record")));
    BackupImageDownloader fallback;
    QSignalSpy done(&fallback, &BackupImageDownloader::imagesDownloaded);
    fallback.download({a.get(), b.get()});
    QTRY_COMPARE(done.count(), 1);
    QCOMPARE(m_server->totalHits(), 1);
    QVERIFY(a->hasImages());
    QCOMPARE(b->images(), a->images());
}

void TestBackupImageDownloader::destroyedItemDoesNotStopTheBatch()
{
    m_reply = [](const QByteArray &) {
        HttpResponse r = jsonResponse(albumInfo(QStringLiteral("x")));
        r.hold = true;
        return r;
    };
    auto *gone = newSong(QStringLiteral("A"), QStringLiteral("Gone"));
    std::unique_ptr<Song> kept(newSong(QStringLiteral("A"), QStringLiteral("Kept")));
    BackupImageDownloader fallback;
    QSignalSpy done(&fallback, &BackupImageDownloader::imagesDownloaded);
    fallback.download({gone, kept.get()});
    QTRY_COMPARE(m_server->totalHits(), 2);
    delete gone;
    m_server->release("/2.0/");
    QTRY_COMPARE(done.count(), 1);
    QVERIFY(kept->hasImages());
}

void TestBackupImageDownloader::newBatchAbandonsTheRunningOne()
{
    m_reply = [](const QByteArray &target) {
        HttpResponse r = jsonResponse(albumInfo(queryValues(target).value("album")));
        r.hold = target.contains("Slow");
        return r;
    };
    std::unique_ptr<Song> slow(newSong(QStringLiteral("A"), QStringLiteral("Slow")));
    std::unique_ptr<Song> fast(newSong(QStringLiteral("A"), QStringLiteral("Fast")));
    BackupImageDownloader fallback;
    QSignalSpy done(&fallback, &BackupImageDownloader::imagesDownloaded);
    fallback.download({slow.get()});
    QTRY_COMPARE(m_server->totalHits(), 1);
    fallback.download({fast.get()});
    QTRY_COMPARE(done.count(), 1);
    QVERIFY(fast->hasImages());
    m_server->release("/2.0/");
    QTest::qWait(100);
    QCOMPARE(done.count(), 1);
    QVERIFY(!slow->hasImages());
}

namespace {
QStringList g_logged;
void collect(QtMsgType, const QMessageLogContext &, const QString &message)
{
    g_logged << message;
}
}

void TestBackupImageDownloader::failedAlbumIsNotAskedAgainAndTheKeyStaysOutOfTheLog()
{
    m_reply = [](const QByteArray &) {
        HttpResponse r = jsonResponse(R"({"error": 6, "message": "Album not found"})");
        r.status = 404;
        return r;
    };
    QLoggingCategory::setFilterRules(QStringLiteral("tavirel.images.debug=true"));
    g_logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    std::unique_ptr<Song> first(newSong(QStringLiteral("Corin Vale"), QStringLiteral("Night Trains")));
    std::unique_ptr<Song> again(newSong(QStringLiteral("corin vale"), QStringLiteral("Night Trains")));
    for (Song *song : {first.get(), again.get()}) {
        // A fetcher of its own each time, as every player and page has.
        BackupImageDownloader fallback;
        QSignalSpy done(&fallback, &BackupImageDownloader::imagesDownloaded);
        fallback.download({song});
        QTRY_COMPARE(done.count(), 1);
    }
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    QCOMPARE(m_server->totalHits(), 1);
    QVERIFY(!g_logged.isEmpty());
    for (const QString &line : qAsConst(g_logged)) {
        QVERIFY2(!line.contains(QLatin1String("feedface")), qPrintable(line));
        QVERIFY2(line.contains(QLatin1String("Night Trains")), qPrintable(line));
    }
}

QTEST_GUILESS_MAIN(TestBackupImageDownloader)
#include "tst_backupimagedownloader.moc"
