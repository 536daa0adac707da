// Cost of a tracklist refresh in the player client against the cost of just
// parsing the reply. Prints ratios measured in this run:
//   new queue:   reply text -> queueChanged with 10,000 unknown tracks
//   known queue: the same reply again, every tlid already in the queue
// each divided by QJsonDocument::fromJson of the same text.
#include "benchsupport.h"
#include "player/song.h"
#include "player/tavirelplayer.h"

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

QString md5Like(int seed)
{
    return QString::number(quint64(seed) * 2654435761u + 0x9e3779b97f4a7c15ull, 16).rightJustified(32, QLatin1Char('0'));
}

QJsonArray tracklist()
{
    QJsonArray list;
    for (int i = 0; i < kTracks; ++i) {
        const int artistNo = i / 120;
        const int albumNo = i / 12;
        const QString artist = QStringLiteral("Artist Number %1").arg(artistNo);
        const QString album = QStringLiteral("Album Title Number %1").arg(albumNo);
        const QString title = QStringLiteral("A Reasonably Long Song Title %1").arg(i);
        const QJsonObject artistObj{{"__model__", "Artist"},
                                    {"uri", "local:artist:md5:" + md5Like(artistNo)},
                                    {"name", artist}};
        const QJsonObject albumObj{{"__model__", "Album"},
                                   {"uri", "local:album:md5:" + md5Like(100000 + albumNo)},
                                   {"name", album},
                                   {"num_tracks", 12},
                                   {"num_discs", 1},
                                   {"date", "2019-05-17"}};
        const QJsonObject track{
            {"__model__", "Track"},
            {"uri", QStringLiteral("local:track:%1/%2/%3%20%4.flac")
                        .arg(QString(artist).replace(' ', "%20"), QString(album).replace(' ', "%20"))
                        .arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                        .arg(QString(title).replace(' ', "%20"))},
            {"name", title},
            {"artists", QJsonArray{artistObj}},
            {"album", albumObj},
            {"genre", "Alternative Rock"},
            {"track_no", i % 12 + 1},
            {"disc_no", 1},
            {"date", "2019-05-17"},
            {"length", 180000 + (i * 7919) % 120000},
            {"bitrate", 1411},
            {"last_modified", 1796737660826.0 + i}};
        list.append(QJsonObject{{"__model__", "TlTrack"}, {"tlid", i + 1}, {"track", track}});
    }
    return list;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);

    BenchSupport::RequestRecorder server(QStringLiteral("core.tracklist.get_tl_tracks"));
    if (!server.listen()) {
        std::fprintf(stderr, "cannot listen on loopback\n");
        return 1;
    }

    TavirelPlayer player;
    player.setIpAddress(QStringLiteral("127.0.0.1"));
    player.setPort(QString::number(server.port()));
    player.setConnectionEnabled(true);
    player.startConnection();
    QElapsedTimer wait;
    wait.start();
    while (!player.isConnected() && wait.elapsed() < 5000)
        app.processEvents(QEventLoop::AllEvents, 50);
    if (!player.isConnected()) {
        std::fprintf(stderr, "player did not connect\n");
        return 1;
    }

    const QJsonArray list = tracklist();
    // Ask for the tracklist (as a tracklist_changed event does) and build the
    // reply to that request id.
    auto requestQueue = [&]() -> QString {
        server.clear();
        QMetaObject::invokeMethod(&player, "socketMessageReceived", Qt::DirectConnection,
                                  Q_ARG(QString, QStringLiteral(R"({"event":"tracklist_changed"})")));
        const QJsonObject reply{{"jsonrpc", "2.0"}, {"id", server.waitForId()}, {"result", list}};
        return QString::fromUtf8(QJsonDocument(reply).toJson(QJsonDocument::Compact));
    };

    QElapsedTimer clock;
    qint64 queueReadyAt = 0;
    QObject::connect(&player, &TavirelPlayer::queueChanged, [&] { queueReadyAt = clock.nsecsElapsed(); });

    QJsonObject images;
    QVector<double> parse, fresh, known;
    qint64 textBytes = 0;
    for (int run = 0; run < kRuns; ++run) {
        // Empty queue, old songs really gone.
        player.updateQueue(QJsonArray());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QString text = requestQueue();
        textBytes = text.toUtf8().size();
        clock.restart();
        const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8());
        parse.append(clock.nsecsElapsed() / 1e6);
        if (doc.object().value("result").toArray().size() != kTracks)
            return 1;

        clock.restart();
        QMetaObject::invokeMethod(&player, "socketMessageReceived", Qt::DirectConnection, Q_ARG(QString, text));
        fresh.append(queueReadyAt / 1e6);
        if (player.queue().size() != kTracks) {
            std::fprintf(stderr, "queue not filled\n");
            return 1;
        }

        // The server's answer to the image request, so that the known queue
        // asks for nothing more.
        if (images.isEmpty())
            for (const Song *s : player.queue())
                images.insert(s->uri(), QJsonArray{QJsonObject{{"uri", "/local/" + s->uri().right(20) + ".jpeg"},
                                                               {"width", 300}}});
        player.updateQueueImages(images);

        const QList<Song *> before = player.queue();
        text = requestQueue();
        clock.restart();
        QMetaObject::invokeMethod(&player, "socketMessageReceived", Qt::DirectConnection, Q_ARG(QString, text));
        known.append(queueReadyAt / 1e6);
        if (player.queue() != before) {
            std::fprintf(stderr, "songs were not reused\n");
            return 1;
        }
        app.processEvents();
    }

    const double p = BenchSupport::median(parse);
    std::printf("tracklist reply: %d tracks, %.1f MB\n", kTracks, textBytes / 1e6);
    std::printf("parse only (QJsonDocument::fromJson): %8.2f ms\n", p);
    std::printf("new queue   (text -> queueChanged):   %8.2f ms  ratio %.2fx  (target <= 3.0x)\n", BenchSupport::median(fresh),
                BenchSupport::median(fresh) / p);
    std::printf("known queue (text -> queueChanged):   %8.2f ms  ratio %.2fx  (target <= 1.5x)\n", BenchSupport::median(known),
                BenchSupport::median(known) / p);
    return 0;
}
