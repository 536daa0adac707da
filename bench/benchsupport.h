#pragma once
// What several benchmarks set up alike: a device whose browse player is a
// loopback server, and a Qt Quick window with the application's context.
#include "app/startup.h"
#include "link/tavirelconnthread.h"
#include "model/tavirel.h"
#include "navigation/browselistview.h"
#include "navigation/browsenavigationcontroller.h"
#include "player/tavirelplayer.h"
#include "settings/tavireltheme.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlContext>
#include <QQuickView>
#include <QTimer>
#include <QVector>
#include <QWebSocket>
#include <QWebSocketServer>
#include <algorithm>
#include <cstdio>

namespace BenchSupport {

inline double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

// A loopback player server that answers nothing and remembers the id of the
// last request of one method: the client sends its requests (and records
// the pending one) as in use, and the benchmark hands it the reply text
// directly, leaving the transport out.
class RequestRecorder
{
public:
    explicit RequestRecorder(const QString& method)
        : m_server(QStringLiteral("bench"), QWebSocketServer::NonSecureMode)
        , m_method(method)
    {
        QObject::connect(&m_server, &QWebSocketServer::newConnection, [this] {
            QWebSocket* socket = m_server.nextPendingConnection();
            QObject::connect(socket, &QWebSocket::textMessageReceived, [this](const QString& text) {
                const QJsonObject request = QJsonDocument::fromJson(text.toUtf8()).object();
                if (request.value(QLatin1String("method")).toString() == m_method)
                    m_id = request.value(QLatin1String("id")).toString();
            });
        });
    }
    bool listen() { return m_server.listen(QHostAddress::LocalHost, 0); }
    quint16 port() const { return m_server.serverPort(); }
    // Forgets the last id; call before the request is made.
    void clear() { m_id.clear(); }
    // The id of the request made since clear(), waiting up to 5 s for it;
    // empty when none came.
    QString waitForId()
    {
        QElapsedTimer wait;
        wait.start();
        while (m_id.isEmpty() && wait.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return m_id;
    }

private:
    QWebSocketServer m_server;
    QString m_method;
    QString m_id;
};

// Announces a device with one source whose player listens on
// 127.0.0.1:`port`; returns that player once connected, null after 5 s.
inline TavirelPlayer* connectBrowsePlayer(TavirelConnThread& link, Tavirel& model, quint16 port)
{
    model.setConnPointer(&link);
    emit link.tavirelCommandReceived(
        QStringLiteral("x|BROAD|0|y|5@Music@1@127.0.0.1@%1").arg(port).split('|'));
    TavirelPlayer* player = model.getPlayerForBrowse();
    QElapsedTimer wait;
    wait.start();
    while ((!player || !player->isConnected()) && wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return player && player->isConnected() ? player : nullptr;
}

// Reads a list's rows the way a list view does; returns the entries seen.
inline int readFlatList(BrowseListView& view)
{
    QQmlListProperty<PlayerItem> list = view.allSortedItems();
    const int n = list.count(&list);
    int seen = 0;
    for (int i = 0; i < n; ++i)
        seen += list.at(&list, i) ? 1 : 0;
    return seen;
}

// A library stack whose browse player talks to a RequestRecorder for
// `method`: what the answer benchmarks share.
struct LibraryRig
{
    explicit LibraryRig(const QString& method) : server(method) {}
    // False, with a line on stderr, when the player does not connect.
    bool start()
    {
        if (!server.listen()) {
            std::fprintf(stderr, "cannot listen on loopback\n");
            return false;
        }
        player = connectBrowsePlayer(link, model, server.port());
        if (!player) {
            std::fprintf(stderr, "player did not connect\n");
            return false;
        }
        nav.setRootView(new BrowseListView(&nav));
        nav.setCurrTavirel(&model);
        return true;
    }
    // The server's reply to the request made since server.clear(), as text.
    QString replyText(const QJsonValue& result)
    {
        const QJsonObject reply { { "jsonrpc", "2.0" }, { "id", server.waitForId() }, { "result", result } };
        return QString::fromUtf8(QJsonDocument(reply).toJson(QJsonDocument::Compact));
    }
    // Hands the text to the player's message handler, leaving the transport
    // out; the milliseconds until it returned.
    double deliver(const QString& text)
    {
        QElapsedTimer clock;
        clock.start();
        QMetaObject::invokeMethod(player, "socketMessageReceived", Qt::DirectConnection, Q_ARG(QString, text));
        return clock.nsecsElapsed() / 1e6;
    }

    RequestRecorder server;
    TavirelConnThread link;
    Tavirel model;
    TavirelPlayer* player = nullptr;
    BrowseNavigationController nav;
};

// The application's types, theme, screen sizes and image provider.
inline void prepareView(QQuickView& view, TavirelTheme& theme, const QSize& size)
{
    Startup::registerQmlTypes();
    theme.loadFromFile(Startup::dataFilePath(QLatin1String(Startup::ThemeFile)));
    Startup::addImageProvider(view.engine());
    view.rootContext()->setContextProperty(QStringLiteral("currentTheme"), &theme);
    Startup::setScreenContext(view.rootContext(), 1.0);
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.resize(size);
}

inline bool waitForFrame(QQuickView& view)
{
    QEventLoop loop;
    QObject::connect(&view, &QQuickWindow::frameSwapped, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
    view.update();
    return loop.exec() == 0;
}

}
