// The queue view with 10,000 tracks, measured in one run:
//   first frame: tracklist reply text -> the queue view's first frame with
//                rows, against QJsonDocument::fromJson of the same text;
//   scrolling:   95th percentile frame time while the queue scrolls from top
//                to bottom, against a plain ListView of 10,000 text rows.
// Run it with a display (xvfb-run -a).
#include "benchsupport.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

using BenchSupport::waitForFrame;

constexpr int kTracks = 10000;
constexpr int kRuns = 5;

QByteArray replyText()
{
    QJsonArray list;
    for (int i = 0; i < kTracks; ++i) {
        const QString artist = QStringLiteral("Artist Number %1").arg(i / 120);
        const QString album = QStringLiteral("Album Title Number %1").arg(i / 12);
        const QJsonObject track {
            { "__model__", "Track" },
            { "uri", QStringLiteral("local:track:Artist%20%1/Album%20%2/%3.flac").arg(i / 120).arg(i / 12).arg(i) },
            { "name", QStringLiteral("A Reasonably Long Song Title %1").arg(i) },
            { "artists", QJsonArray { QJsonObject { { "__model__", "Artist" }, { "name", artist } } } },
            { "album", QJsonObject { { "__model__", "Album" }, { "name", album } } },
            { "length", 180000 + (i * 7919) % 120000 },
        };
        list.append(QJsonObject { { "__model__", "TlTrack" }, { "tlid", i + 1 }, { "track", track } });
    }
    return QJsonDocument(QJsonObject { { "jsonrpc", "2.0" }, { "id", 7 }, { "result", list } })
        .toJson(QJsonDocument::Compact);
}

double percentile(QVector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v.at(std::min<int>(v.size() - 1, int(p * v.size())));
}

// Frame times while the list's contentY runs from top to bottom.
QVector<double> scrollFrames(QQuickView& view, QQuickItem* list)
{
    QVector<double> frames;
    list->setProperty("contentY", 0);
    waitForFrame(view);
    const double end = list->property("contentHeight").toDouble() - list->height();
    const double step = end / 400;
    QElapsedTimer t;
    for (double y = step; y <= end + 1; y += step) {
        t.start();
        list->setProperty("contentY", y);
        if (!waitForFrame(view))
            break;
        frames.append(t.nsecsElapsed() / 1e6);
    }
    return frames;
}

QQuickItem* findList(QQuickItem* root, const QString& name)
{
    for (QQuickItem* child : root->childItems()) {
        if (child->objectName() == name)
            return child;
        if (QQuickItem* found = findList(child, name))
            return found;
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TavirelTheme theme;
    QQuickView view;
    BenchSupport::prepareView(view, theme, QSize(500, 800));
    view.setSource(QUrl(QStringLiteral("qrc:/Qml/QueueView.qml")));
    if (view.status() != QQuickView::Ready) {
        std::fprintf(stderr, "queue view did not load\n");
        return 1;
    }
    view.show();
    TavirelPlayer player;
    view.rootObject()->setProperty("currentPlayer", QVariant::fromValue<QObject*>(&player));
    QQuickItem* list = findList(view.rootObject(), QStringLiteral("queueList"));
    waitForFrame(view);

    const QByteArray text = replyText();
    QVector<double> parse, firstFrame;
    for (int run = 0; run < kRuns; ++run) {
        player.updateQueue(QJsonArray());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        waitForFrame(view);

        QElapsedTimer clock;
        clock.start();
        const QJsonDocument parsed = QJsonDocument::fromJson(text);
        parse.append(clock.nsecsElapsed() / 1e6);

        clock.restart();
        const QJsonDocument doc = QJsonDocument::fromJson(text);
        player.updateQueue(doc.object().value(QLatin1String("result")));
        if (!waitForFrame(view) || list->property("count").toInt() != kTracks) {
            std::fprintf(stderr, "queue rows not shown\n");
            return 1;
        }
        firstFrame.append(clock.nsecsElapsed() / 1e6);
    }
    const QVector<double> queueScroll = scrollFrames(view, list);

    view.rootObject()->setVisible(false);
    QQmlComponent plain(view.engine());
    plain.setData("import QtQuick 2.15\n"
                  "ListView { objectName: 'plainList'; anchors.fill: parent; clip: true; model: 10000\n"
                  "  delegate: Text { width: ListView.view.width; height: 56; text: 'Row ' + index } }",
                  QUrl());
    QScopedPointer<QQuickItem> plainList(qobject_cast<QQuickItem*>(plain.create()));
    if (!plainList) {
        std::fprintf(stderr, "%s\n", qPrintable(plain.errorString()));
        return 1;
    }
    plainList->setParentItem(view.contentItem());
    plainList->setSize(QSizeF(500, 800));
    const QVector<double> plainScroll = scrollFrames(view, plainList.data());

    const double p = percentile(parse, 0.5);
    const double f = percentile(firstFrame, 0.5);
    std::printf("queue of %d tracks, reply %.1f MB\n", kTracks, text.size() / 1e6);
    std::printf("reply to first frame with rows %.1f ms vs fromJson %.1f ms ... ratio %.2f (target <= 4)\n", f, p,
                f / p);
    const double q95 = percentile(queueScroll, 0.95);
    const double l95 = percentile(plainScroll, 0.95);
    std::printf("scroll p95 frame queue %.2f ms vs plain list %.2f ms (%d frames) ... ratio %.2f (target <= 2)\n", q95,
                l95, int(queueScroll.size()), q95 / l95);
    return 0;
}
