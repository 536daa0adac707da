// Cost of one large library level in the browse list, measured in one run:
//   browse answer: reply text of 10,000 tracks -> the view's rowTypesChanged
//                  with the flat list read, against QJsonDocument::fromJson
//   flat list:     reading it as a list view does (count, then every index),
//                  10,000 entries against 1,000
//   scrolling:     lookups asked while the 10,000 rows pass from top to
//                  bottom, against the rows passed plus one window
#include "benchsupport.h"

#include "model/source.h"
#include "navigation/browselistview.h"
#include "navigation/browsenavigationcontroller.h"
#include "player/browsereference.h"
#include "player/playeritem.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebSocket>
#include <QWebSocketServer>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kTracks = 10000;
constexpr int kRuns = 7;
// Reads of the flat list per timing, so that each timing is well above the
// clock's resolution.
constexpr int kReads = 200;
// Rows a list view shows at once, and the widening on each side.
constexpr int kVisibleRows = 10;
constexpr int kMargin = 10;

QJsonArray trackRefs(int count)
{
    QJsonArray refs;
    for (int i = 0; i < count; ++i) {
        const QString title = QStringLiteral("A Reasonably Long Song Title %1").arg(i);
        refs.append(QJsonObject { { "__model__", "Ref" },
                                  { "type", "track" },
                                  { "uri", QStringLiteral("local:track:Artist%20Number%201/Album%20Title%20Number%20%1/%2.flac")
                                               .arg(i / 12)
                                               .arg(QString(title).replace(' ', "%20")) },
                                  { "name", title } });
    }
    return refs;
}

double fastest(const QVector<double> &v)
{
    return *std::min_element(v.begin(), v.end());
}

void fill(BrowseListView &view, int count)
{
    QStringList types;
    BrowseSections::SectionMap sections;
    BrowseSections::addRefs(trackRefs(count), &types, &sections, &view);
    view.setRowTypes(types);
    view.setSections(sections);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);

    BenchSupport::LibraryRig rig(QStringLiteral("core.library.browse"));
    if (!rig.start())
        return 1;
    BrowseNavigationController &nav = rig.nav;

    const QJsonArray refs = trackRefs(kTracks);
    QVector<double> parse, browse;
    qint64 textBytes = 0;
    for (int run = 0; run < kRuns; ++run) {
        auto *view = new BrowseListView(&nav);
        nav.pushView(view);
        rig.server.clear();
        nav.sendBrowse(view, QStringLiteral("local:directory?type=track"));
        const QString text = rig.replyText(refs);
        textBytes = text.toUtf8().size();

        QElapsedTimer clock;
        clock.start();
        const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8());
        parse.append(clock.nsecsElapsed() / 1e6);
        if (doc.object().value("result").toArray().size() != kTracks)
            return 1;

        int seen = 0;
        QObject::connect(view, &BrowseListView::rowTypesChanged, [&] { seen = BenchSupport::readFlatList(*view); });
        browse.append(rig.deliver(text));
        if (seen != kTracks) {
            std::fprintf(stderr, "flat list not filled (%d)\n", seen);
            return 1;
        }
        nav.popLastView();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Reading the flat list: linear in its length.
    QVector<double> small, large;
    BrowseListView thousand, tenThousand;
    fill(thousand, kTracks / 10);
    fill(tenThousand, kTracks);
    // The fastest of many timings: these are microseconds, easily disturbed.
    for (int run = 0; run < 5 * kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < kReads; ++i)
            BenchSupport::readFlatList(thousand);
        small.append(clock.nsecsElapsed() / 1e6);
        clock.restart();
        for (int i = 0; i < kReads; ++i)
            BenchSupport::readFlatList(tenThousand);
        large.append(clock.nsecsElapsed() / 1e6);
    }

    // Scrolling from top to bottom, a few rows per movement.
    BrowseListView scrolled;
    fill(scrolled, kTracks);
    int asked = 0;
    int firstWindow = 0;
    QObject::connect(&scrolled, &BrowseListView::lookup, [&](BrowseReference *ref) { asked += ref->uris().size(); });
    scrolled.requireLookup(0, kVisibleRows);
    firstWindow = asked;
    for (int top = 3; top + kVisibleRows <= kTracks; top += 3)
        scrolled.requireLookup(top, top + kVisibleRows);
    const int allowed = kTracks + kVisibleRows + 2 * kMargin;

    const double p = BenchSupport::median(parse);
    std::printf("browse reply: %d tracks, %.1f MB\n", kTracks, textBytes / 1e6);
    std::printf("parse only (QJsonDocument::fromJson):   %8.2f ms\n", p);
    std::printf("browse answer (text -> rowTypesChanged, flat list read): %8.2f ms  ratio %.2f (target <= 3)\n",
                BenchSupport::median(browse), BenchSupport::median(browse) / p);
    std::printf("flat list read, 10,000 vs 1,000 entries: %.3f ms vs %.3f ms  ratio %.2f (target <= 10)\n",
                fastest(large) / kReads, fastest(small) / kReads, fastest(large) / fastest(small));
    std::printf("lookups on first show: %d of %d rows\n", firstWindow, kTracks);
    std::printf("lookups scrolling top to bottom: %d for %d rows  ratio %.2f (target <= 1)\n", asked, kTracks,
                double(asked) / allowed);
    return 0;
}
