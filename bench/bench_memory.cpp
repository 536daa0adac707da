// Resident memory of the music library, measured in one run:
//   covers: a level of 1,000 albums scrolled from top to bottom until every
//           cover has been downloaded and shown, against the first 50 shown;
//   popup:  the library popup opened and closed 200 times, against 10 times.
// Each reading follows the deferred deletions and malloc_trim(0), so that
// only memory still held is counted.
#include "benchsupport.h"

#include "../tests/images/localhttpserver.h"
#include "navigation/browselistview.h"
#include "navigation/browsenavigationcontroller.h"
#include "views/documentitem.h"

#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QSet>
#include <QWebSocket>
#include <QWebSocketServer>
#include <cstdio>
#include <functional>
#include <malloc.h>

namespace {

constexpr int kAlbums = 1000;
constexpr int kFirstCovers = 50;
constexpr int kFirstOpens = 10;
constexpr int kOpens = 200;
const char* const PopupDocument = "qrc:/Qml/MusicLibrary/MusicLibraryPopup.qml";

QString albumUri(int i)
{
    return QStringLiteral("local:album:%1").arg(i);
}

QByteArray coverPath(int i)
{
    return QByteArrayLiteral("/cover/") + QByteArray::number(i) + ".png";
}

// A music server with one level of albums, each with an artist and a cover on
// the image server. Requests it does not know get a null result.
class LibraryServer
{
public:
    explicit LibraryServer(const LocalHttpServer& covers)
        : m_covers(covers)
    {
        for (int i = 0; i < kAlbums; ++i)
            m_refs.append(QJsonObject { { "__model__", "Ref" }, { "type", "album" }, { "uri", albumUri(i) },
                { "name", QStringLiteral("Album Title Number %1").arg(i) } });
        QObject::connect(&m_server, &QWebSocketServer::newConnection, [this] { accept(); });
    }

    bool listen() { return m_server.listen(QHostAddress::LocalHost, 0); }
    quint16 port() const { return m_server.serverPort(); }

private:
    void accept()
    {
        while (QWebSocket* socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QWebSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QWebSocket::textMessageReceived, socket,
                [this, socket](const QString& text) { socket->sendTextMessage(answer(text)); });
        }
    }

    QJsonObject cover(int i) const
    {
        return QJsonObject { { "__model__", "Image" },
            { "uri", m_covers.url(QString::fromLatin1(coverPath(i))) }, { "width", 300 }, { "height", 300 } };
    }

    // One track of the album, which names the album's artist.
    static QJsonObject track(int i)
    {
        const QJsonObject artist { { "__model__", "Artist" },
            { "name", QStringLiteral("Artist %1").arg(i / 10) } };
        return QJsonObject { { "__model__", "Track" }, { "uri", QStringLiteral("local:track:%1").arg(i) },
            { "name", QStringLiteral("Song %1").arg(i) },
            { "album", QJsonObject { { "__model__", "Album" }, { "uri", albumUri(i) } } },
            { "artists", QJsonArray { artist } } };
    }

    QJsonValue perUri(const QJsonArray& uris, bool images) const
    {
        QJsonObject answer;
        for (const QJsonValue& value : uris) {
            const int i = value.toString().section(':', 2).toInt();
            answer.insert(value.toString(), QJsonArray { images ? cover(i) : track(i) });
        }
        return answer;
    }

    QString answer(const QString& text) const
    {
        const QJsonObject request = QJsonDocument::fromJson(text.toUtf8()).object();
        const QString method = request.value("method").toString();
        const QJsonArray uris = request.value("params").toObject().value("uris").toArray();
        QJsonValue result;
        if (method == QLatin1String("core.library.browse"))
            result = m_refs;
        else if (method == QLatin1String("core.library.lookup"))
            result = perUri(uris, false);
        else if (method == QLatin1String("core.library.get_images"))
            result = perUri(uris, true);
        const QJsonObject reply { { "jsonrpc", "2.0" }, { "id", request.value("id") }, { "result", result } };
        return QString::fromUtf8(QJsonDocument(reply).toJson(QJsonDocument::Compact));
    }

    const LocalHttpServer& m_covers;
    QWebSocketServer m_server { QStringLiteral("bench"), QWebSocketServer::NonSecureMode };
    QJsonArray m_refs;
};

// VmRSS in kB, after what is waiting to be freed has been freed.
long residentKb(QQuickView& view)
{
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer idle;
        idle.start();
        while (idle.elapsed() < 200)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        BenchSupport::waitForFrame(view);
    }
    malloc_trim(0);
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

bool waitUntil(const std::function<bool()>& done, int ms = 5000)
{
    QElapsedTimer wait;
    wait.start();
    while (!done() && wait.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// Creates the popup as the player page does and points it at the device; the
// root view has its rows once the browse answer has arrived.
QQuickItem* openLibrary(QQuickItem* page, Tavirel& model, TavirelPlayer* player)
{
    QQuickItem* popup = DocumentItem::create(page, QLatin1String(PopupDocument), page);
    auto* library = popup ? popup->findChild<BrowseNavigationController*>() : nullptr;
    if (!library)
        return nullptr;
    library->setCurrentPlayer(player);
    library->setCurrTavirel(&model);
    auto* root = qobject_cast<BrowseListView*>(library->rootView());
    // Search and Playlists come before the albums.
    if (!root || !waitUntil([root] { return root->sortedItems().size() == kAlbums + 2; })) {
        delete popup;
        return nullptr;
    }
    return popup;
}

void closeLibrary(QQuickItem* popup)
{
    popup->setVisible(false);
    popup->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Whether every album row inside the list's viewport shows its cover; the
// covers shown are added to `shown`.
bool coversShown(QQuickItem* list, QSet<QString>* shown)
{
    const qreal top = list->property("contentY").toReal();
    const qreal bottom = top + list->height();
    auto* content = list->property("contentItem").value<QQuickItem*>();
    bool all = true;
    for (QQuickItem* row : content->childItems()) {
        auto* cell = row->property("item").value<QQuickItem*>();
        if (!cell || !cell->property("isAlbum").toBool() || row->y() + row->height() <= top
            || row->y() >= bottom)
            continue;
        bool ready = false;
        for (QQuickItem* child : cell->childItems()) {
            const QString source = child->property("source").toString();
            if (child->inherits("QQuickImage") && source.startsWith(QLatin1String("image://async/"))
                && child->property("status").toInt() == 1) {
                shown->insert(source);
                ready = true;
            }
        }
        all = all && ready;
    }
    return all;
}

// Scrolls page by page, as far as needed, until `wanted` distinct covers have
// been shown; false when a page's covers do not come or the list ends first.
bool showCovers(QQuickView& view, QQuickItem* root, QQuickItem* list, QSet<QString>* shown, int wanted)
{
    // An album row at scale factor 1.
    const qreal rowHeight = 75;
    for (;;) {
        if (!waitUntil([&] { return coversShown(list, shown); }) || !BenchSupport::waitForFrame(view))
            return false;
        if (shown->size() >= wanted)
            return true;
        const qreal y = list->property("contentY").toReal();
        const qreal end = list->property("contentHeight").toReal() - list->height();
        if (y >= end)
            return false;
        const qreal step = qMin(list->height(), (wanted - shown->size()) * rowHeight);
        list->setProperty("contentY", qMin(end, y + step));
        // What the end of a flick asks for.
        QMetaObject::invokeMethod(root, "lookupVisibleRows");
    }
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);

    LocalHttpServer covers;
    for (int i = 0; i < kAlbums; ++i) {
        HttpResponse cover;
        cover.contentType = "image/png";
        cover.body = pngBytes(300, 300, QColor(i % 256, (i / 256) * 60, 160));
        covers.setRoute(coverPath(i), cover);
    }
    LibraryServer server(covers);
    if (!covers.listen() || !server.listen()) {
        std::fprintf(stderr, "cannot listen on loopback\n");
        return 1;
    }
    TavirelConnThread link;
    Tavirel model;
    TavirelPlayer* player = BenchSupport::connectBrowsePlayer(link, model, server.port());
    if (!player) {
        std::fprintf(stderr, "player did not connect\n");
        return 1;
    }

    QQuickView view;
    TavirelTheme theme;
    BenchSupport::prepareView(view, theme, QSize(500, 800));
    QQmlComponent pageDocument(view.engine());
    pageDocument.setData("import QtQuick 2.15\nItem { anchors.fill: parent }", QUrl());
    QScopedPointer<QQuickItem> page(qobject_cast<QQuickItem*>(pageDocument.create()));
    if (!page)
        return 1;
    page->setParentItem(view.contentItem());
    view.show();

    // Covers. The first 50 are shown once before the first reading, so that
    // fonts, documents and the download path are already in place.
    QQuickItem* popup = openLibrary(page.data(), model, player);
    if (!popup) {
        std::fprintf(stderr, "library did not open\n");
        return 1;
    }
    auto* root = popup->findChild<BrowseNavigationController*>()->rootView();
    auto* list = root->findChild<QQuickItem*>(QStringLiteral("browseList"));
    QSet<QString> shown;
    bool ok = showCovers(view, root, list, &shown, kFirstCovers);
    list->setProperty("contentY", 0);
    ok = ok && showCovers(view, root, list, &shown, kFirstCovers);
    const long coversFirst = residentKb(view);
    ok = ok && showCovers(view, root, list, &shown, kAlbums);
    const long coversAll = residentKb(view);
    if (!ok) {
        std::fprintf(stderr, "covers not shown (%d of %d)\n", int(shown.size()), kAlbums);
        return 1;
    }
    closeLibrary(popup);

    // Opening and closing the popup.
    long opensFirst = 0;
    for (int i = 1; i <= kOpens; ++i) {
        popup = openLibrary(page.data(), model, player);
        if (!popup || !BenchSupport::waitForFrame(view)) {
            std::fprintf(stderr, "library did not open (%d)\n", i);
            return 1;
        }
        closeLibrary(popup);
        if (i == kFirstOpens)
            opensFirst = residentKb(view);
    }
    const long opensAll = residentKb(view);

    // The readings themselves, for whoever looks into a ratio.
    std::fprintf(stderr, "covers: %ld kB vs %ld kB; opens: %ld kB vs %ld kB\n", coversAll, coversFirst,
        opensAll, opensFirst);
    std::printf("resident memory after %d covers vs %d ... ratio %.2f (target <= 1.2)\n", kAlbums,
        kFirstCovers, double(coversAll) / coversFirst);
    std::printf("resident memory after %d library opens vs %d ... ratio %.2f (target <= 1.1)\n", kOpens,
        kFirstOpens, double(opensAll) / opensFirst);
    return 0;
}
