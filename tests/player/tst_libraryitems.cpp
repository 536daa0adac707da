#include "player/album.h"
#include "player/browsereference.h"
#include "player/itemparsing.h"
#include "player/playeritem.h"
#include "player/sectionitems.h"
#include "player/song.h"
#include <QJsonDocument>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

using Widths = QList<int>;

namespace {
QJsonObject json(const char *text)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray(text), &error);
    if (error.error != QJsonParseError::NoError)
        qFatal("bad test JSON: %s", qPrintable(error.errorString()));
    return doc.object();
}

QString imageUrl(int width)
{
    return QStringLiteral("http://img/%1.jpg").arg(width);
}
}

class TestLibraryItems : public QObject
{
    Q_OBJECT

private slots:
    void imageChoice_data();
    void imageChoice();
    void imagesFromMopidyList();
    void trackToSong_data();
    void trackToSong();
    void trackDuration_data();
    void trackDuration();
    void everyWriteEmits_data();
    void everyWriteEmits();
    void refToItem_data();
    void refToItem();
    void listedRef_data();
    void listedRef();
    void playlistToItem();
    void sectionKeepsUrisAndItemsInStep();
    void referenceForgetsDestroyedView();
};

void TestLibraryItems::imageChoice_data()
{
    QTest::addColumn<Widths>("widths");
    // 0 means the empty string.
    QTest::addColumn<int>("small");
    QTest::addColumn<int>("medium");
    QTest::addColumn<int>("large");

    QTest::newRow("no images") << Widths{} << 0 << 0 << 0;
    QTest::newRow("only 64") << Widths{64} << 64 << 64 << 64;
    QTest::newRow("100 300 640") << Widths{100, 300, 640} << 100 << 300 << 640;
    QTest::newRow("91 and 90") << Widths{91, 90} << 91 << 91 << 91;
    QTest::newRow("90 and 60 fall back to the first") << Widths{90, 60} << 60 << 90 << 90;
    QTest::newRow("300 and 599") << Widths{300, 599} << 300 << 599 << 599;
    QTest::newRow("600 alone") << Widths{600} << 600 << 600 << 600;
    QTest::newRow("499 alone") << Widths{499} << 499 << 499 << 499;
    QTest::newRow("500 alone") << Widths{500} << 500 << 500 << 500;
    QTest::newRow("medium picks the largest in range") << Widths{120, 350, 450, 800} << 120 << 450 << 800;
    QTest::newRow("100000 is too wide for small") << Widths{100000, 95} << 95 << 100000 << 100000;
    QTest::newRow("only 100000") << Widths{100000} << 100000 << 100000 << 100000;
    QTest::newRow("width 0 from a missing width") << Widths{0, 1000} << 1000 << 1000 << 1000;
    QTest::newRow("fallback table") << Widths{30, 65, 128, 180, 300, 350} << 128 << 350 << 350;
}

void TestLibraryItems::imageChoice()
{
    QFETCH(Widths, widths);
    QFETCH(int, small);
    QFETCH(int, medium);
    QFETCH(int, large);

    PlayerItem item;
    for (int w : widths)
        item.setImage(w, imageUrl(w));
    auto expected = [&widths](int w) { return widths.isEmpty() ? QString() : imageUrl(w); };
    QCOMPARE(item.smallImgPath(), expected(small));
    QCOMPARE(item.mediumImgPath(), expected(medium));
    QCOMPARE(item.largeImgPath(), expected(large));
    // QML reads them as properties.
    QCOMPARE(item.property("smallImgPath").toString(), expected(small));
}

void TestLibraryItems::imagesFromMopidyList()
{
    Song song;
    song.setImage(300, QStringLiteral("old-300"));
    song.setImage(64, QStringLiteral("old-64"));
    const QJsonArray images = json(R"({"a": [
        {"__model__": "Image", "uri": "new-300", "width": 300, "height": 300},
        {"__model__": "Image", "uri": "no-width"},
        "not an object",
        {"__model__": "Image", "uri": "new-640", "width": 640}
    ]})").value("a").toArray();

    song.addImages(images);

    const PlayerItem::ImageTable expected{
        {0, QStringLiteral("no-width")},
        {64, QStringLiteral("old-64")},
        {300, QStringLiteral("new-300")},
        {640, QStringLiteral("new-640")},
    };
    QCOMPARE(song.images(), expected);
    QCOMPARE(song.largeImgPath(), QStringLiteral("new-640"));

    song.clearImages();
    QVERIFY(!song.hasImages());
    QCOMPARE(song.mediumImgPath(), QString());
}

void TestLibraryItems::trackToSong_data()
{
    QTest::addColumn<QByteArray>("track");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("albumUri");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QStringList>("artistsUri");
    QTest::addColumn<QStringList>("artists");
    QTest::addColumn<QString>("artistsString");

    QTest::newRow("plain") << QByteArray(R"({"__model__": "Track", "uri": "local:track:a.flac", "name": "Song A",
        "length": 1000, "album": {"uri": "local:album:x", "name": "Album X", "comment": "ignored"},
        "artists": [{"uri": "local:artist:1", "name": "One"}, {"uri": "local:artist:2", "name": "Two"}]})")
                           << "Song A" << "local:album:x" << "Album X"
                           << QStringList{"local:artist:1", "local:artist:2"} << QStringList{"One", "Two"}
                           << "One, Two";
    QTest::newRow("second artist without uri") << QByteArray(R"({"uri": "local:track:b", "name": "B",
        "album": {"uri": "local:album:y", "name": "Y"},
        "artists": [{"uri": "local:artist:1", "name": "One"}, {"name": "Guest"}]})")
                                               << "B" << "local:album:y" << "Y"
                                               << QStringList{"local:artist:1"} << QStringList{"One", "Guest"}
                                               << "One, Guest";
    QTest::newRow("artist without name") << QByteArray(R"({"uri": "local:track:c", "name": "C",
        "album": {"name": "Z"}, "artists": [{"uri": "local:artist:9"}]})")
                                         << "C" << "" << "Z" << QStringList{"local:artist:9"} << QStringList{}
                                         << "";
    QTest::newRow("podcast takes comment and album artists")
        << QByteArray(R"({"uri": "podcast+http://feed/ep1", "name": "Episode 1",
        "album": {"uri": "podcast+http://feed", "name": "The Show", "comment": "All about things",
                  "artists": [{"name": "Host"}, {"uri": "x:no-name"}, {"name": "Co-host"}]},
        "artists": [{"uri": "x:track-artist", "name": "Not used"}]})")
        << "Episode 1" << "" << "All about things" << QStringList{} << QStringList{"Host", "Co-host"}
        << "Host, Co-host";
    QTest::newRow("podcast prefix is case-sensitive")
        << QByteArray(R"({"uri": "Podcast+http://feed/ep1", "name": "E",
        "album": {"uri": "a", "name": "Show", "comment": "c"}, "artists": [{"uri": "u", "name": "N"}]})")
        << "E" << "a" << "Show" << QStringList{"u"} << QStringList{"N"} << "N";
    QTest::newRow("radio stream") << QByteArray(R"({"uri": "tunein:station:s123", "name": "Radio One",
        "album": {"uri": "tunein:x", "name": "Morning Show"},
        "artists": [{"uri": "tunein:artist", "name": "DJ"}]})")
                                  << "Radio One" << "" << "Morning Show" << QStringList{} << QStringList{} << "";
    QTest::newRow("missing keys read as empty") << QByteArray(R"({"uri": "local:track:d"})")
                                                << "" << "" << "" << QStringList{} << QStringList{} << "";
    QTest::newRow("wrong types read as empty") << QByteArray(R"({"uri": "local:track:e", "name": 5,
        "album": "not an object", "artists": {"name": "not an array"}})")
                                               << "" << "" << "" << QStringList{} << QStringList{} << "";
}

void TestLibraryItems::trackToSong()
{
    QFETCH(QByteArray, track);
    QFETCH(QString, name);
    QFETCH(QString, albumUri);
    QFETCH(QString, album);
    QFETCH(QStringList, artistsUri);
    QFETCH(QStringList, artists);
    QFETCH(QString, artistsString);

    const QJsonObject object = json(track.constData());
    std::unique_ptr<Song> song(ItemParsing::songFromTrack(object, false));
    QCOMPARE(song->uri(), object.value("uri").toString());
    QCOMPARE(song->type(), QStringLiteral("track"));
    QCOMPARE(song->name(), name);
    QCOMPARE(song->albumUri(), albumUri);
    QCOMPARE(song->album(), album);
    QCOMPARE(song->artistsUri(), artistsUri);
    QCOMPARE(song->artists(), artists);
    QCOMPARE(song->artistsString(), artistsString);
    QCOMPARE(song->duration(), 0);
    QVERIFY(!song->parent());
}

void TestLibraryItems::trackDuration_data()
{
    QTest::addColumn<QByteArray>("length");
    QTest::addColumn<int>("seconds");

    QTest::newRow("exact second") << QByteArray("1000") << 1;
    QTest::newRow("rounded up") << QByteArray("1001") << 2;
    QTest::newRow("just under") << QByteArray("999") << 1;
    QTest::newRow("long track") << QByteArray("3723456") << 3724;
    QTest::newRow("null length of a stream") << QByteArray("null") << 0;
    QTest::newRow("zero") << QByteArray("0") << 0;
    QTest::newRow("negative") << QByteArray("-5000") << 0;
}

void TestLibraryItems::trackDuration()
{
    QFETCH(QByteArray, length);
    QFETCH(int, seconds);

    const QByteArray text = R"({"uri": "local:track:a", "name": "A", "length": )" + length + "}";
    const QJsonObject track = json(text.constData());
    std::unique_ptr<Song> current(ItemParsing::songFromTrack(track, true));
    QCOMPARE(current->duration(), seconds);
    // Queue songs keep 0 whatever the length.
    std::unique_ptr<Song> queued(ItemParsing::songFromTrack(track, false));
    QCOMPARE(queued->duration(), 0);
    QCOMPARE(ItemParsing::secondsFromMs(qint64(length.toLongLong())), seconds);
}

void TestLibraryItems::everyWriteEmits_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");

    const QVariant text(QStringLiteral("same"));
    const QVariant list(QStringList{QStringLiteral("a"), QStringLiteral("b")});
    for (const char *p : {"uri", "name", "type"})
        QTest::newRow(qPrintable(QStringLiteral("PlayerItem ") + p)) << "PlayerItem" << QByteArray(p) << text;
    for (const char *p : {"albumUri", "album", "artistsString", "name"})
        QTest::newRow(qPrintable(QStringLiteral("Song ") + p)) << "Song" << QByteArray(p) << text;
    for (const char *p : {"artistsUri", "artists"})
        QTest::newRow(qPrintable(QStringLiteral("Song ") + p)) << "Song" << QByteArray(p) << list;
    for (const char *p : {"duration", "currTime"})
        QTest::newRow(qPrintable(QStringLiteral("Song ") + p)) << "Song" << QByteArray(p) << QVariant(42);
    QTest::newRow("Album artistsUri") << "Album" << QByteArray("artistsUri") << list;
    QTest::newRow("Album artists") << "Album" << QByteArray("artists") << list;
    QTest::newRow("Album artistsString") << "Album" << QByteArray("artistsString") << text;
}

void TestLibraryItems::everyWriteEmits()
{
    QFETCH(QString, className);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);

    std::unique_ptr<PlayerItem> item;
    if (className == QLatin1String("Song"))
        item = std::make_unique<Song>();
    else if (className == QLatin1String("Album"))
        item = std::make_unique<Album>();
    else
        item = std::make_unique<PlayerItem>();

    const QMetaObject *meta = item->metaObject();
    const QMetaProperty mp = meta->property(meta->indexOfProperty(property.constData()));
    QVERIFY(mp.isValid() && mp.isWritable() && mp.hasNotifySignal());
    QCOMPARE(QByteArray(mp.notifySignal().name()), property + "Changed");

    QSignalSpy spy(item.get(), mp.notifySignal());
    QVERIFY(item->setProperty(property.constData(), value));
    QVERIFY(item->setProperty(property.constData(), value));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(item->property(property.constData()), value);
}

void TestLibraryItems::refToItem_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("className");

    QTest::newRow("track") << "track" << "Song";
    QTest::newRow("album") << "album" << "Album";
    QTest::newRow("artist") << "artist" << "PlayerItem";
    QTest::newRow("directory") << "directory" << "PlayerItem";
    QTest::newRow("playlist") << "playlist" << "PlayerItem";
    QTest::newRow("unknown") << "radio" << "PlayerItem";
}

void TestLibraryItems::refToItem()
{
    QFETCH(QString, type);
    QFETCH(QString, className);

    QJsonObject ref{{"__model__", "Ref"}, {"type", type}, {"uri", "local:" + type + ":1"}, {"name", "Name 1"}};
    std::unique_ptr<PlayerItem> item(ItemParsing::itemFromRef(ref));
    QCOMPARE(QString::fromLatin1(item->metaObject()->className()), className);
    QCOMPARE(item->type(), type);
    QCOMPARE(item->uri(), "local:" + type + ":1");
    QCOMPARE(item->name(), QStringLiteral("Name 1"));
    QVERIFY(!item->hasImages());
}

void TestLibraryItems::listedRef_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QString>("listedType");
    QTest::addColumn<QString>("listedUri");

    const QString tracks = "local:directory?type=track&album=local:album:md5:91&artist=local:artist:md5:1b";
    QTest::newRow("an artist's album") << "directory" << tracks << "album" << "local:album:md5:91";
    QTest::newRow("encoded album") << "directory" << "local:directory?type=track&album=local%3Aalbum%3A7"
                                   << "album" << "local:album:7";
    QTest::newRow("folder of albums") << "directory" << "local:directory?type=album" << "directory"
                                      << "local:directory?type=album";
    QTest::newRow("album of no uri") << "directory" << "local:directory?type=track&album=Blue" << "directory"
                                     << "local:directory?type=track&album=Blue";
    QTest::newRow("not a folder") << "track" << tracks << "track" << tracks;
}

void TestLibraryItems::listedRef()
{
    QFETCH(QString, type);
    QFETCH(QString, uri);
    QFETCH(QString, listedType);
    QFETCH(QString, listedUri);
    const QJsonObject listed = ItemParsing::listedRef({{"type", type}, {"uri", uri}, {"name", "Glass Orchard"}});
    QCOMPARE(listed.value("type").toString(), listedType);
    QCOMPARE(listed.value("uri").toString(), listedUri);
    QCOMPARE(listed.value("name").toString(), QStringLiteral("Glass Orchard"));
}

void TestLibraryItems::playlistToItem()
{
    const QJsonObject playlist = json(R"({"__model__": "Playlist", "uri": "m3u:Mix.m3u8", "name": "Mix",
        "tracks": [{"uri": "local:track:a"}]})");
    std::unique_ptr<PlayerItem> item(ItemParsing::itemFromPlaylist(playlist));
    QCOMPARE(QString::fromLatin1(item->metaObject()->className()), QStringLiteral("PlayerItem"));
    QCOMPARE(item->uri(), QStringLiteral("m3u:Mix.m3u8"));
    QCOMPARE(item->name(), QStringLiteral("Mix"));
    QCOMPARE(item->type(), QString());
}

void TestLibraryItems::sectionKeepsUrisAndItemsInStep()
{
    SectionItems section;
    Song a;
    Album b;
    section.append(QStringLiteral("u:a"), &a);
    section.append(QStringLiteral("u:b"), &b);
    QCOMPARE(section.count(), 2);
    QCOMPARE(section.uris(), (QStringList{"u:a", "u:b"}));
    QCOMPARE(section.items().at(1), &b);
    QCOMPARE(section.indexOfUri(QStringLiteral("u:b")), 1);
    QCOMPARE(section.itemForUri(QStringLiteral("u:a")), &a);
    QCOMPARE(section.itemForUri(QStringLiteral("u:none")), nullptr);
    section.clear();
    QCOMPARE(section.count(), 0);
    QCOMPARE(section.indexOfUri(QStringLiteral("u:a")), -1);
}

void TestLibraryItems::referenceForgetsDestroyedView()
{
    BrowseReference ref;
    QCOMPARE(ref.view(), nullptr);
    QCOMPARE(ref.typeKey(), QString());
    auto *view = new QObject;
    ref.setView(view);
    ref.setTypeKey(QStringLiteral("track"));
    ref.setUris({QStringLiteral("u:1"), QStringLiteral("u:2")});
    QCOMPARE(ref.view(), view);
    delete view;
    // A lookup answered after its view is gone must not reach it.
    QCOMPARE(ref.view(), nullptr);
    QCOMPARE(ref.uris().size(), 2);
}

QTEST_GUILESS_MAIN(TestLibraryItems)
#include "tst_libraryitems.moc"
