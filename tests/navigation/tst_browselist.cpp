#include "navigation/browselistview.h"
#include "navigation/browsesections.h"
#include "navigation/searchrootview.h"
#include "player/album.h"
#include "player/browsereference.h"
#include "player/sectionitems.h"
#include "player/song.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

using BrowseSections::SectionMap;

namespace {
// "directory:3,track:40" -> a browse answer with that many refs per type, in
// that order; uri "<type>:<i>", name "<type> <i>".
QJsonArray refs(const QString &counts)
{
    QJsonArray answer;
    QHash<QString, int> counter;
    for (const QString &group : counts.split(',', Qt::SkipEmptyParts)) {
        const QString type = group.section(':', 0, 0);
        const int n = group.section(':', 1).toInt();
        for (int i = 0; i < n; ++i) {
            const int k = counter[type]++;
            answer.append(QJsonObject { { "type", type },
                                        { "uri", QStringLiteral("%1:%2").arg(type).arg(k) },
                                        { "name", QStringLiteral("%1 %2").arg(type).arg(k) } });
        }
    }
    return answer;
}

// JSON written with single quotes, for readable tables.
QJsonObject json(QByteArray text)
{
    return QJsonDocument::fromJson(text.replace('\'', '"')).object();
}

// "artists:2,tracks:12" -> one search result set with that many models per
// key; uri "<set><key>:<i>", name "<set><key> <i>" where set is a letter.
QJsonObject resultSet(const QString &set, const QString &counts)
{
    QJsonObject result;
    for (const QString &group : counts.split(',', Qt::SkipEmptyParts)) {
        const QString key = group.section(':', 0, 0);
        QJsonArray models;
        for (int i = 0; i < group.section(':', 1).toInt(); ++i)
            models.append(QJsonObject { { "uri", QStringLiteral("%1%2:%3").arg(set, key).arg(i) },
                                        { "name", QStringLiteral("%1%2 %3").arg(set, key).arg(i) } });
        result.insert(key, models);
    }
    return result;
}

// "track:0-14" for the uris "track:0" ... "track:14" of one request.
QString range(const QString &key, const QStringList &uris)
{
    if (uris.isEmpty())
        return QString();
    return QStringLiteral("%1:%2-%3").arg(key, uris.first().section(':', 1), uris.last().section(':', 1));
}
}

class TestBrowseList : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<BrowseReference *>(); }

    void grouping_data()
    {
        QTest::addColumn<QJsonArray>("answer");
        QTest::addColumn<QStringList>("types");
        QTest::addColumn<QStringList>("flat");

        QJsonArray mixed = refs("directory:1,track:2");
        mixed.append(QJsonObject { { "type", "directory" }, { "uri", "directory:9" }, { "name", "directory 9" } });
        QTest::newRow("types in order of first appearance")
            << mixed << QStringList { "directory", "track" }
            << QStringList { "directory 0", "directory 9", "track 0", "track 1" };
        QTest::newRow("no alphabetical sorting")
            << QJsonArray { QJsonObject { { "type", "album" }, { "uri", "b" }, { "name", "Zebra" } },
                            QJsonObject { { "type", "artist" }, { "uri", "a" }, { "name", "Aardvark" } },
                            QJsonObject { { "type", "album" }, { "uri", "c" }, { "name", "Moth" } } }
            << QStringList { "album", "artist" } << QStringList { "Zebra", "Moth", "Aardvark" };
        QTest::newRow("non-objects skipped") << QJsonArray { 1, "x", QJsonValue() } << QStringList() << QStringList();
    }
    // A search answer: sections per result set, shown newest set first, five
    // rows a section; lookups go to the rows shown.
    void searchSections_data()
    {
        QTest::addColumn<QJsonValue>("answer");
        QTest::addColumn<QStringList>("types");
        QTest::addColumn<QString>("flat");
        QTest::addColumn<QString>("lookedUp");

        QTest::newRow("keys in artist, album, track order")
            << QJsonValue(QJsonArray { resultSet("a", "tracks:1,albums:1,artists:1") })
            << QStringList { "artist", "album", "track" } << "atracks 0,aalbums 0,aartists 0"
            << "track:atracks:0-0,album:aalbums:0-0";
        QTest::newRow("two result sets, newest first, cut at five")
            << QJsonValue(QJsonArray { resultSet("a", "artists:1,albums:2,tracks:7"),
                                       resultSet("b", "artists:1,albums:1,tracks:2") })
            << QStringList { "artist", "album", "track", "artist", "album", "track" }
            << "btracks 0,btracks 1,balbums 0,bartists 0,atracks 0,atracks 1,atracks 2,atracks 3,atracks 4,"
               "aalbums 0,aalbums 1,aartists 0"
            << "track:btracks:0-1,album:balbums:0-0,track:atracks:0-4,album:aalbums:0-1";
        QTest::newRow("a set without albums adds no album section")
            << QJsonValue(QJsonArray { resultSet("a", "artists:1,tracks:1") }) << QStringList { "artist", "track" }
            << "atracks 0,aartists 0" << "track:atracks:0-0";
    }
    void searchSections()
    {
        QFETCH(QJsonValue, answer);
        QFETCH(QStringList, types);
        QFETCH(QString, flat);
        QFETCH(QString, lookedUp);
        SearchRootView view;
        QSignalSpy lookups(&view, &BrowseListView::lookup);
        QVERIFY(view.applySearchResult(answer));
        QCOMPARE(view.rowTypes(), types);
        QStringList names;
        view.allSortedItems();
        for (const PlayerItem *item : view.sortedItems())
            names << item->name();
        QCOMPARE(names.join(','), flat);
        // Artists need no details; covers are asked of every row.
        view.requireLookup(0, 10);
        QStringList asked;
        for (const QList<QVariant> &call : lookups) {
            const auto *ref = call.first().value<BrowseReference *>();
            asked << ref->typeKey() + ':' + ref->uris().first() + '-' + ref->uris().last().section(':', 1);
        }
        QCOMPARE(asked.join(','), lookedUp);

        // An answer that is not a list of result sets changes nothing.
        QSignalSpy changed(&view, &BrowseListView::rowTypesChanged);
        QVERIFY(!view.applySearchResult(QJsonObject { { "tracks", QJsonArray() } }));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(view.rowTypes(), types);
    }

    void grouping()
    {
        QFETCH(QJsonArray, answer);
        QStringList types;
        SectionMap sections;
        BrowseListView view;
        BrowseSections::addRefs(answer, &types, &sections, &view);
        QTEST(types, "types");
        view.setRowTypes(types);
        QSignalSpy changed(&view, &BrowseListView::rowTypesChanged);
        view.setSections(sections);
        QCOMPARE(changed.count(), 1);
        QStringList names;
        QQmlListProperty<PlayerItem> list = view.allSortedItems();
        for (int i = 0; i < list.count(&list); ++i)
            names << list.at(&list, i)->name();
        QFETCH(QStringList, flat);
        QCOMPARE(names, flat);
    }

    // The "_All" menu actions take the rest of the item's own section.
    void entriesFrom()
    {
        QStringList types;
        SectionMap sections;
        BrowseListView view;
        BrowseSections::addRefs(refs("directory:2,track:4,album:2"), &types, &sections, &view);
        view.setRowTypes(types);
        view.setSections(sections);
        QCOMPARE(view.urisFrom("track:2"), (QStringList { "track:2", "track:3" }));
        QCOMPARE(view.entriesFrom("album:0").size(), 2);
        QVERIFY(view.urisFrom("directory:0").isEmpty());
        QVERIFY(view.urisFrom("nowhere").isEmpty());
    }

    void lookupWindow_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<QStringList>("lookups");

        QTest::newRow("folders shift the window") << "directory:5,track:40" << 0 << 10 << QStringList { "track:0-14" };
        QTest::newRow("tracks alone") << "track:40" << 0 << 10 << QStringList { "track:0-19" };
        QTest::newRow("widened both ways") << "track:40" << 20 << 30 << QStringList { "track:10-39" };
        QTest::newRow("window inside the folders") << "directory:5,track:40" << 0 << 3 << QStringList();
        QTest::newRow("past the folders") << "directory:5,track:40" << 30 << 40 << QStringList { "track:15-39" };
        QTest::newRow("later sections widened again")
            << "track:10,album:30" << 0 << 5 << QStringList { "track:0-9", "album:0-19" };
        QTest::newRow("artists ask for images only") << "artist:3" << 0 << 10 << QStringList { "images artist:0-2" };
    }
    void lookupWindow()
    {
        QFETCH(QString, content);
        QFETCH(int, start);
        QFETCH(int, end);
        QStringList types;
        SectionMap sections;
        QObject owner;
        BrowseSections::addRefs(refs(content), &types, &sections, &owner);
        QSet<PlayerItem *> askedLookup;
        QSet<PlayerItem *> askedImages;
        QStringList got;
        for (const auto &request : BrowseSections::lookupWindow(types, sections, start, end, &askedLookup, &askedImages)) {
            const QString images = range(request.typeKey, request.images);
            if (request.lookup.isEmpty())
                got << "images " + images;
            else
                got << range(request.typeKey, request.lookup);
            // Entries start without details and without images.
            if (!request.lookup.isEmpty())
                QCOMPARE(images, range(request.typeKey, request.lookup));
        }
        QFETCH(QStringList, lookups);
        QCOMPARE(got, lookups);
        // Rows already asked for are not asked again while scrolling.
        QVERIFY(BrowseSections::lookupWindow(types, sections, start, end, &askedLookup, &askedImages).isEmpty());
    }

    void completeEntriesAskNothing()
    {
        QStringList types;
        SectionMap sections;
        BrowseListView view;
        BrowseSections::addRefs(refs("track:3,album:2"), &types, &sections, &view);
        for (PlayerItem *item : BrowseSections::flatten(types, sections)) {
            item->setImage(64, "http://img/" + item->uri());
            if (auto *song = qobject_cast<Song *>(item)) {
                song->setAlbum("A");
                song->setArtistsString("B");
            } else {
                qobject_cast<Album *>(item)->setArtistsString("B");
            }
        }
        view.setRowTypes(types);
        view.setSections(sections);
        QSignalSpy lookups(&view, &BrowseListView::lookup);
        QSignalSpy images(&view, &BrowseListView::lookupImages);
        view.requireLookup(0, 10);
        QCOMPARE(lookups.count() + images.count(), 0);
    }

    void applyLookup_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("uri");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("local track")
            << "track" << "local:track:1"
            << QByteArray("{'local:track:1':[{'__model__':'Track','uri':'local:track:1','name':'T','length':61001,"
                   "'album':{'uri':'local:album:a','name':'Rec'},'artists':[{'uri':'local:artist:x','name':'X'},{'name':'Y'}]}]}")
            << QStringList { "name=track 0", "album=Rec", "albumUri=local:album:a", "artists=X, Y", "duration=62" };
        QTest::newRow("podcast takes the album comment")
            << "track" << "podcast+http://feed#1"
            << QByteArray("{'podcast+http://feed#1':[{'uri':'podcast+http://feed#1','name':'Ep','duration':1000,"
                   "'album':{'name':'Feed','comment':'Show notes'},'artists':[{'name':'Host'}]}]}")
            << QStringList { "name=track 0", "album=Show notes", "albumUri=", "artists=Host", "duration=1" };
        QTest::newRow("tunein takes the track name")
            << "track" << "tunein:station:s1"
            << QByteArray("{'tunein:station:s1':[{'uri':'tunein:station:s1','name':'Radio One',"
                   "'album':{'name':'Talk'},'artists':[{'name':'Ignored'}]}]}")
            << QStringList { "name=Radio One", "album=Talk", "albumUri=", "artists=", "duration=0" };
        QTest::newRow("empty answer changes nothing")
            << "track" << "local:track:1" << QByteArray("{'local:track:1':[]}")
            << QStringList { "name=track 0", "album=", "albumUri=", "artists=", "duration=0" };
        QTest::newRow("album through its first track")
            << "album" << "local:album:a"
            << QByteArray("{'local:album:a':[{'__model__':'Track','uri':'t','album':{'uri':'local:album:a'},"
                   "'artists':[{'name':'X'}]}]}")
            << QStringList { "name=album 0", "artists=X" };
        QTest::newRow("album answered as an album")
            << "album" << "spotify:album:b"
            << QByteArray("{'spotify:album:b':[{'__model__':'Album','uri':'spotify:album:b','artists':[{'name':'Z'},{'name':'W'}]}]}")
            << QStringList { "name=album 0", "artists=Z, W" };
    }
    void applyLookup()
    {
        QFETCH(QString, key);
        QFETCH(QString, uri);
        QFETCH(QByteArray, answer);
        BrowseListView view;
        QStringList types;
        SectionMap sections;
        BrowseSections::addRefs(QJsonArray { QJsonObject { { "type", key }, { "uri", uri }, { "name", key + " 0" } } },
                                &types, &sections, &view);
        view.setRowTypes(types);
        view.setSections(sections);
        QSignalSpy refresh(&view, &BrowseListView::needRefresh);
        view.applyLookupResult(key, json(answer));
        QCOMPARE(refresh.count(), 1);

        PlayerItem *item = sections.value(key)->items().first();
        QStringList got { "name=" + item->name() };
        if (auto *song = qobject_cast<Song *>(item))
            got << "album=" + song->album() << "albumUri=" + song->albumUri() << "artists=" + song->artistsString()
                << "duration=" + QString::number(song->duration());
        else
            got << "artists=" + qobject_cast<Album *>(item)->artistsString();
        QFETCH(QStringList, expected);
        QCOMPARE(got, expected);

        // Answers for a type the view does not show are dropped.
        view.applyLookupResult("artist", json(answer));
        QCOMPARE(refresh.count(), 1);
    }

    void applyImages()
    {
        BrowseListView view;
        QStringList types;
        SectionMap sections;
        BrowseSections::addRefs(refs("track:3"), &types, &sections, &view);
        view.setRowTypes(types);
        view.setSections(sections);
        const QList<PlayerItem *> &tracks = sections.value("track")->items();
        qobject_cast<Song *>(tracks.at(1))->setAlbum("Known album");
        QSignalSpy refresh(&view, &BrowseListView::needRefresh);

        const QList<PlayerItem *> fallback = BrowseSections::applyImages("track", sections.value("track"),
            json("{'track:0':[{'uri':'http://img/a.jpg','width':300}],'track:1':[],'track:2':[],'other':[]}"));
        QVERIFY(!tracks.at(0)->smallImgPath().isEmpty());
        // Only an entry that knows its album or artists can ask the fallback.
        QCOMPARE(fallback, QList<PlayerItem *> { tracks.at(1) });

        view.applyImagesResult("track", QJsonValue(QJsonArray()));
        QCOMPARE(refresh.count(), 0);
    }
};

QTEST_MAIN(TestBrowseList)
#include "tst_browselist.moc"
