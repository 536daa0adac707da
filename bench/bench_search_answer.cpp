// Cost of a large search answer on the search page, measured in one run:
// reply text of 3 result sets x (200 artists, 1,000 albums, 5,000 tracks),
// as the server writes its models, from the player's receipt of the text to
// the page's rowTypesChanged with the shown rows read, against
// QJsonDocument::fromJson of the same text.
#include "benchsupport.h"

#include "navigation/browsenavigationcontroller.h"
#include "navigation/searchrootview.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace {

constexpr int kSets = 3;
constexpr int kArtists = 200;
constexpr int kAlbums = 1000;
constexpr int kTracks = 5000;
constexpr int kRuns = 7;

QJsonObject artist(int set, int i)
{
    return { { "__model__", "Artist" },
             { "uri", QStringLiteral("s%1:artist:%2").arg(set).arg(i) },
             { "name", QStringLiteral("Artist Number %1").arg(i) } };
}

QJsonObject album(int set, int i)
{
    return { { "__model__", "Album" },
             { "uri", QStringLiteral("s%1:album:%2").arg(set).arg(i) },
             { "name", QStringLiteral("An Album Called Number %1").arg(i) },
             { "artists", QJsonArray { artist(set, i % kArtists) } },
             { "num_tracks", 12 },
             { "date", "2019" } };
}

QJsonObject track(int set, int i)
{
    return { { "__model__", "Track" },
             { "uri", QStringLiteral("s%1:track:%2").arg(set).arg(i) },
             { "name", QStringLiteral("A Reasonably Long Song Title %1").arg(i) },
             { "artists", QJsonArray { artist(set, i % kArtists) } },
             { "album", album(set, i % kAlbums) },
             { "track_no", i % 12 + 1 },
             { "length", 200000 + i },
             { "date", "2019" } };
}

QJsonArray answer()
{
    QJsonArray sets;
    for (int s = 0; s < kSets; ++s) {
        QJsonArray artists, albums, tracks;
        for (int i = 0; i < kArtists; ++i)
            artists.append(artist(s, i));
        for (int i = 0; i < kAlbums; ++i)
            albums.append(album(s, i));
        for (int i = 0; i < kTracks; ++i)
            tracks.append(track(s, i));
        sets.append(QJsonObject { { "__model__", "SearchResult" },
                                  { "uri", QStringLiteral("s%1:search").arg(s) },
                                  { "artists", artists },
                                  { "albums", albums },
                                  { "tracks", tracks } });
    }
    return sets;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);

    BenchSupport::LibraryRig rig(QStringLiteral("core.library.search"));
    if (!rig.start())
        return 1;
    BrowseNavigationController &nav = rig.nav;

    const QJsonArray sets = answer();
    QVector<double> parse, search;
    qint64 textBytes = 0;
    for (int run = 0; run < kRuns; ++run) {
        auto *view = new SearchRootView(&nav);
        nav.pushView(view);
        rig.server.clear();
        nav.sendSearch(view, QStringLiteral("number"), QString());
        const QString text = rig.replyText(sets);
        textBytes = text.toUtf8().size();

        QElapsedTimer clock;
        clock.start();
        const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8());
        parse.append(clock.nsecsElapsed() / 1e6);
        if (doc.object().value("result").toArray().size() != kSets)
            return 1;

        // What the page shows is read as the list view reads it.
        int shown = 0;
        QObject::connect(view, &BrowseListView::rowTypesChanged, [&] { shown = BenchSupport::readFlatList(*view); });
        search.append(rig.deliver(text));
        if (shown != kSets * 3 * SearchRootView::SectionPreview) {
            std::fprintf(stderr, "search page not filled (%d rows)\n", shown);
            return 1;
        }
        nav.popLastView();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    const double p = BenchSupport::median(parse);
    std::printf("search reply: %d result sets of %d artists, %d albums, %d tracks, %.1f MB\n", kSets, kArtists,
                kAlbums, kTracks, textBytes / 1e6);
    std::printf("parse only (QJsonDocument::fromJson): %8.2f ms\n", p);
    std::printf("search answer (text -> rowTypesChanged, shown rows read): %8.2f ms ... ratio %.2f (target <= 3)\n",
                BenchSupport::median(search), BenchSupport::median(search) / p);
    return 0;
}
