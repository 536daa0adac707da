#include "app/startup.h"
#include "images/imagedownloader.h"
#include "link/tavirelconnthread.h"
#include "model/source.h"
#include "model/tavirel.h"
#include "mopidyfixture.h"
#include "navigation/browselistview.h"
#include "navigation/browsenavigationcontroller.h"
#include "navigation/navigationdocuments.h"
#include "navigation/playlistnavigationcontroller.h"
#include "navigation/searchrootview.h"
#include "player/album.h"
#include "player/sectionitems.h"
#include "player/song.h"
#include "player/tavirelplayer.h"
#include "settings/tavireltheme.h"
#include "testsupport.h"
#include "views/playerview.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QQuickWindow>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QStandardPaths>
#include <QWebSocket>
#include <QWebSocketServer>
#include <QtTest>
#include <functional>

namespace {
QStringList g_documentWarnings;
QtMessageHandler g_previousHandler = nullptr;
void collectWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.contains(QLatin1String("qrc:/")))
        g_documentWarnings.append(message);
    g_previousHandler(type, context, message);
}

QStringList names(const QList<PlayerItem *> &items)
{
    QStringList out;
    for (const PlayerItem *item : items)
        out << item->name();
    return out;
}

QStringList uris(const QJsonValue &tracksOrRefs)
{
    QStringList out;
    for (const QJsonValue &t : tracksOrRefs.toArray()) {
        const QJsonObject o = t.toObject();
        out << (o.contains("track") ? o.value("track").toObject().value("uri") : o.value("uri")).toString();
    }
    return out;
}

// A device model with one media-player source (index 5) at `port`.
struct TestDevice
{
    TavirelConnThread link;
    Tavirel model;
    explicit TestDevice(quint16 port)
    {
        model.setConnPointer(&link);
        emit link.tavirelCommandReceived(QStringLiteral("x|BROAD|0|y|5@Music@1@127.0.0.1@%1").arg(port).split('|'));
    }
    TavirelPlayer *player() { return model.sourceByIndex(5)->player(); }
};
}

// The library as a user reaches it: the player page's library button, then
// level after level of the sample library served by a real Mopidy.
class TestLibraryMopidy : public QObject
{
    Q_OBJECT
private:
    MopidyFixture m_mopidy;
    TavirelTheme m_theme;
    QQmlEngine *m_engine = nullptr;
    std::unique_ptr<TestDevice> m_device;
    std::unique_ptr<QQuickWindow> m_window;
    QPointer<PlayerView> m_playerView;
    BrowseNavigationController *m_nav = nullptr;
    QPointer<BrowseListView> m_album;

    BrowseListView *top() const { return qobject_cast<BrowseListView *>(m_nav->topView()); }
    // Opens the entry named `name` of the top view and waits for its level.
    BrowseListView *open(const QString &name)
    {
        BrowseListView *view = top();
        const QList<PlayerItem *> items = view->sortedItems();
        for (PlayerItem *item : items) {
            if (item->name() == name) {
                view->requirePushView(item->uri(), item->name());
                break;
            }
        }
        BrowseListView *next = top();
        if (next == view)
            qWarning() << "no entry" << name << "in" << names(items);
        else if (!QTest::qWaitFor([next] { return !next->loading(); }, 10000))
            qWarning() << "level" << name << "did not load";
        return next == view ? nullptr : next;
    }
    // With TAVIREL_SHOTS_DIR set, saves what the window shows for a person to look at.
    void shot(const QString &name)
    {
        const QString dir = qEnvironmentVariable("TAVIREL_SHOTS_DIR");
        if (dir.isEmpty())
            return;
        QTest::qWait(400);
        if (!m_window->grabWindow().save(dir + '/' + name + ".png"))
            qWarning() << "screenshot" << name << "not saved";
    }
    PlayerItem *named(const QString &name) const
    {
        for (PlayerItem *item : top()->sortedItems())
            if (item->name() == name)
                return item;
        return nullptr;
    }
    QJsonValue queue() { return m_mopidy.call("core.tracklist.get_tl_tracks"); }
    QString playing() { return m_mopidy.call("core.playback.get_current_track").toObject().value("uri").toString(); }

private slots:
    void initTestCase()
    {
        g_previousHandler = qInstallMessageHandler(collectWarnings);
        QStandardPaths::setTestModeEnabled(true);
        Startup::registerMetaTypes();
        Startup::registerQmlTypes();
        Startup::createImageServices();
        QVERIFY2(m_mopidy.start(), qPrintable(m_mopidy.errorString()));
        m_device.reset(new TestDevice(m_mopidy.port()));
        QTRY_VERIFY_WITH_TIMEOUT(m_device->player()->isConnected(), 10000);

        m_theme.loadFromFile(TestSupport::sourceDir() + QStringLiteral("/themes/theme0.json"));
        m_engine = new QQmlEngine(this);
        Startup::addImageProvider(m_engine);
        m_engine->rootContext()->setContextProperty(QStringLiteral("currentTheme"), &m_theme);
        Startup::setScreenContext(m_engine->rootContext(), 1.0);
        QQmlComponent component(m_engine, QUrl(QStringLiteral("qrc:/Qml/PlayerView/PlayerView.qml")));
        m_playerView = qobject_cast<PlayerView *>(component.create());
        QVERIFY2(m_playerView, qPrintable(component.errorString()));
        m_window.reset(new QQuickWindow);
        m_window->resize(420, 760);
        m_playerView->setParentItem(m_window->contentItem());
        m_playerView->setSize(QSizeF(420, 760));
        m_window->show();
        m_playerView->setTavirel(&m_device->model);
        m_playerView->setSelectedSource(m_device->model.sourceByIndex(5));
    }
    void cleanupTestCase()
    {
        delete m_playerView;
        m_window.reset();
        QVERIFY2(g_documentWarnings.isEmpty(), qPrintable(g_documentWarnings.join('\n')));
    }

    void libraryButtonOpensRoot()
    {
        QObject *button = m_playerView->findChild<QObject *>(QStringLiteral("libraryButton"));
        QVERIFY(button);
        shot("player");
        QMetaObject::invokeMethod(button, "clicked");
        QQuickItem *popup = m_playerView->musicLibraryPopup();
        QVERIFY(popup && popup->isVisible());
        QCOMPARE(popup->width(), m_playerView->width());
        m_nav = popup->findChild<BrowseNavigationController *>();
        QVERIFY(m_nav);
        QCOMPARE(m_nav->currTavirel(), &m_device->model);
        QCOMPARE(m_nav->currentPlayer(), m_device->player());
        QCOMPARE(m_nav->browsePlayer(), m_device->player());

        // "Search" first and "Playlists" last among the server's folders.
        QTRY_COMPARE(names(top()->sortedItems()), (QStringList { "Search", "Files", "Local media", "Playlists" }));
        QCOMPARE(top()->rowTypes(), QStringList { "directory" });
        QCOMPARE(m_nav->navigationBar()->title(), QStringLiteral("Library"));
        shot("root");
    }

    void artistThenAlbum()
    {
        QVERIFY(open("Local media"));
        QVERIFY(open("Artists"));
        BrowseListView *artist = open("Corin Maddox");
        QVERIFY(artist);
        // The local library lists an artist's albums as folders of tracks:
        // they are shown as the albums themselves.
        QCOMPARE(artist->rowTypes(), QStringList { "album" });
        QVERIFY(artist->sortedItems().first()->uri().startsWith(QStringLiteral("local:album:")));
        QCOMPARE(names(artist->sortedItems()), (QStringList { "Glass Orchard", "Paper Lanterns", "Tin Roof Sessions" }));
        m_album = open("Glass Orchard");
        QVERIFY(m_album);
        QCOMPARE(m_nav->navigationBar()->title(), QStringLiteral("Glass Orchard"));
        QCOMPARE(m_nav->navigationBar()->property("backText").toString(), QStringLiteral("Corin Maddox"));
        QCOMPARE(m_album->rowTypes(), QStringList { "track" });
        QCOMPARE(names(m_album->sortedItems()), (QStringList { "Pear Blossom", "Greenhouse Dawn", "Cold Frame", "Pruning Season" }));

        // The document asks for the rows on screen: details and covers follow.
        auto *last = qobject_cast<Song *>(m_album->sortedItems().last());
        QTRY_COMPARE(last->artistsString(), QStringLiteral("Corin Maddox"));
        QCOMPARE(last->album(), QStringLiteral("Glass Orchard"));
        QCOMPARE(last->duration(), 7);
        // Covers are paths on the player's web server, fetched from there.
        QTRY_VERIFY(last->smallImgPath().startsWith(QStringLiteral("http://127.0.0.1:%1/local/").arg(m_mopidy.port())));
        QTRY_VERIFY(ImageDownloader::instance()->contains(last->smallImgPath()));
        shot("album");
    }

    void playAllNowFromThird()
    {
        QVERIFY(m_album);
        m_nav->popToRootView();
        QVERIFY(open("Local media") && open("Albums"));
        QTest::qWait(1500);
        shot("albums");
        m_album = open("Glass Orchard");
        QVERIFY(m_album);
        m_nav->openMenuWithItem(m_album->sortedItems().at(2));
        shot("menu");
        QMetaObject::invokeMethod(m_nav->moreMenu(), "hide");
        const QStringList album = m_album->urisFrom(m_album->sortedItems().first()->uri());
        PlayerItem *third = m_album->sortedItems().at(2);

        // Playing: inserted right after the playing track and played.
        QVERIFY(m_mopidy.reset());
        const QJsonValue added = m_mopidy.call("core.tracklist.add", { { "uris", QJsonArray { album.at(3), album.at(0) } } });
        m_mopidy.call("core.playback.play", { { "tlid", added.toArray().first().toObject().value("tlid") } });
        QTRY_COMPARE(playing(), album.at(3));
        m_nav->menuActionForItem(QStringLiteral("It_PlayNow_All"), third);
        QTRY_COMPARE(uris(queue()), (QStringList { album.at(3), album.at(2), album.at(3), album.at(0) }));
        QTRY_COMPARE(playing(), album.at(2));

        // Nothing playing: added at the end.
        QVERIFY(m_mopidy.reset());
        m_mopidy.call("core.tracklist.add", { { "uris", QJsonArray { album.at(0) } } });
        m_nav->menuActionForItem(QStringLiteral("It_PlayNow_All"), third);
        QTRY_COMPARE(uris(queue()), (QStringList { album.at(0), album.at(2), album.at(3) }));
        QTRY_COMPARE(playing(), album.at(2));
    }

    void showAlbumAndQueueTheRest()
    {
        QVERIFY(m_album);
        const QStringList album = m_album->urisFrom(m_album->sortedItems().first()->uri());
        auto *second = qobject_cast<Song *>(m_album->sortedItems().at(1));
        QTRY_VERIFY(!second->albumUri().isEmpty());
        m_nav->menuActionForItem(QStringLiteral("It_ShowAlbum"), second);
        BrowseListView *shown = top();
        QVERIFY(shown != m_album);
        QCOMPARE(m_nav->navigationBar()->title(), QStringLiteral("Glass Orchard"));
        QTRY_COMPARE(shown->sortedItems().size(), album.size());

        QVERIFY(m_mopidy.reset());
        m_nav->menuActionForItem(QStringLiteral("It_AddToQueue_All"), shown->sortedItems().at(1));
        QTRY_COMPARE(uris(queue()), album.mid(1));
        QCOMPARE(playing(), QString());
        m_nav->popLastView();
    }

    // Two quick adds of an album, each to its own playlist.
    void addAlbumToPlaylist()
    {
        QVERIFY(m_album);
        const QStringList tracks = m_album->urisFrom(m_album->sortedItems().first()->uri());
        auto create = [this](const QString &name) {
            return m_mopidy.call("core.playlists.create", { { "name", name }, { "uri_scheme", "m3u" } })
                .toObject().value("uri").toString();
        };
        const QString first = create("Orchard");
        const QString second = create("Orchard Too");
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        m_nav->popLastView();
        auto *album = qobject_cast<Album *>(named("Glass Orchard"));
        QVERIFY(album);
        m_nav->menuActionForItemPL(QStringLiteral("It_AddToPlaylist"), album, first);
        m_nav->menuActionForItemPL(QStringLiteral("It_AddToPlaylist"), album, second);
        QTRY_COMPARE(uris(m_mopidy.call("core.playlists.get_items", { { "uri", first } })), tracks);
        QTRY_COMPARE(uris(m_mopidy.call("core.playlists.get_items", { { "uri", second } })), tracks);

        // "New playlist..." names a playlist and adds the album to it.
        m_nav->menuActionForItemNewPL(QStringLiteral("It_AddToPlaylist"), album);
        QQuickItem *dialog = nullptr;
        for (QQuickItem *item : m_nav->findChildren<QQuickItem *>())
            if (item->isVisible() && item->property("headTitle").toString() == QLatin1String("New Playlist"))
                dialog = item;
        QVERIFY(dialog);
        QMetaObject::invokeMethod(dialog, "createPlaylist", Q_ARG(QString, QStringLiteral("Orchard New")));
        QMetaObject::invokeMethod(dialog, "close", Q_ARG(QQuickItem *, dialog));
        auto created = [this] {
            for (const QJsonValue &p : m_mopidy.call("core.playlists.as_list").toArray())
                if (p.toObject().value("name") == QLatin1String("Orchard New"))
                    return p.toObject().value("uri").toString();
            return QString();
        };
        QTRY_VERIFY(!created().isEmpty());
        QTRY_COMPARE(uris(m_mopidy.call("core.playlists.get_items", { { "uri", created() } })), tracks);
    }

    // An artist and an album each play or queue as a whole; the track that
    // plays is marked in its album, whose menu then offers no "Show Album".
    // A menu put away stays away when the window grows.
    void playAllOfArtistAndAlbum()
    {
        m_nav->popToRootView();
        QVERIFY(open("Local media") && open("Artists"));
        PlayerItem *artist = named("Corin Maddox");
        QVERIFY(artist);
        QQuickItem *menu = m_nav->moreMenu();
        m_nav->openMenuWithItem(artist);
        QCOMPARE(menu->property("actions").toStringList(), (QStringList { "It_PlayNow_All", "It_AddToQueue_All" }));
        QMetaObject::invokeMethod(menu, "hide");
        m_playerView->setHeight(900);
        QTRY_COMPARE(menu->y(), menu->height());
        QVERIFY(!menu->property("shown").toBool());
        m_playerView->setHeight(760);

        QVERIFY(m_mopidy.reset());
        m_nav->menuActionForItem(QStringLiteral("It_AddToQueue_All"), artist);
        QTRY_COMPARE(uris(queue()).size(), 11);
        QCOMPARE(playing(), QString());

        QVERIFY(open("Corin Maddox"));
        PlayerItem *orchard = named("Glass Orchard");
        QVERIFY(orchard);
        const QStringList tracks = uris(m_mopidy.call("core.library.browse", { { "uri", orchard->uri() } }));
        QCOMPARE(tracks.size(), 4);
        m_nav->menuActionForItem(QStringLiteral("It_PlayNow_All"), orchard);
        QTRY_COMPARE(uris(queue()).mid(11), tracks);
        QTRY_COMPARE(playing(), tracks.first());

        BrowseListView *album = open("Glass Orchard");
        QVERIFY(album);
        QTRY_COMPARE(album->playingUri(), tracks.first());
        // Rows hang in the item tree only.
        std::function<int(QQuickItem *)> marked = [&marked](QQuickItem *item) {
            int shown = item->objectName() == QLatin1String("playingMark") && item->isVisible() ? 1 : 0;
            for (QQuickItem *child : item->childItems())
                shown += marked(child);
            return shown;
        };
        QTRY_COMPARE(marked(album), 1);
        auto *song = qobject_cast<Song *>(album->sortedItems().at(1));
        QTRY_VERIFY(!song->albumUri().isEmpty());
        m_nav->openMenuWithItem(song);
        QVERIFY(!menu->property("actions").toStringList().contains("It_ShowAlbum"));
        shot("album-playing");
        QMetaObject::invokeMethod(menu, "hide");
        QVERIFY(m_mopidy.reset());
    }

    // Rows of two types or more are grouped under a header per type.
    void sectionsByType()
    {
        auto *mixed = qobject_cast<BrowseListView *>(
            NavigationDocuments::create(m_nav, QStringLiteral("qrc:/Qml/MusicLibrary/BrowseList.qml")));
        QVERIFY(mixed);
        mixed->setParent(m_nav);
        m_nav->pushView(mixed);
        QStringList types;
        BrowseSections::SectionMap sections;
        QJsonArray refs;
        for (const char *type : { "album", "track", "album" })
            refs.append(QJsonObject { { "type", type }, { "uri", QString("x:%1").arg(refs.size()) }, { "name", "n" } });
        BrowseSections::addRefs(refs, &types, &sections, mixed);
        mixed->setRowTypes(types);
        mixed->setSections(sections);
        auto *list = mixed->findChild<QQuickItem *>(QStringLiteral("browseList"));
        QVERIFY(list);
        QCOMPARE(list->property("section").value<QObject *>()->property("property").toString(), QStringLiteral("type"));
        QTRY_COMPARE(list->property("count").toInt(), 3);
        shot("sections");
        m_nav->popLastView();
    }

    void playlistDialogs()
    {
        auto dialog = [this](const QString &title) -> QQuickItem * {
            for (QQuickItem *item : m_nav->findChildren<QQuickItem *>())
                if (item->property("headTitle").toString() == title)
                    return item;
            return nullptr;
        };
        m_nav->secRightButtonClicked();
        QQuickItem *create = dialog("New Playlist");
        QVERIFY(create && create->isVisible());
        QCOMPARE(create->property("okBtnText").toString(), QStringLiteral("Save"));
        QMetaObject::invokeMethod(create, "createPlaylist", Q_ARG(QString, QStringLiteral("Fresh")));
        QTRY_VERIFY(QJsonDocument(m_mopidy.call("core.playlists.as_list").toArray()).toJson().contains("\"Fresh\""));

        PlayerItem playlist;
        playlist.setUri(QStringLiteral("m3u:Fresh.m3u8"));
        m_nav->menuActionForItemPlaylist(QStringLiteral("It_Rename"), &playlist);
        QQuickItem *rename = dialog("Rename");
        QVERIFY(rename);
        QCOMPARE(rename->property("playlistUri").toString(), playlist.uri());
        QSignalSpy commands(&m_device->link, &TavirelConnThread::requireSendCommand);
        QMetaObject::invokeMethod(rename, "renamePlaylist", Q_ARG(QString, playlist.uri()), Q_ARG(QString, QStringLiteral("Stale")));
        QCOMPARE(commands.count(), 1);
        QVERIFY(commands.first().first().toString().contains("Stale"));

        // Closing releases the dialogs.
        QPointer<QQuickItem> gone(create);
        QMetaObject::invokeMethod(create, "close", Q_ARG(QQuickItem *, create));
        QMetaObject::invokeMethod(rename, "close", Q_ARG(QQuickItem *, rename));
        QTRY_VERIFY(!gone && !dialog("Rename"));
    }

    void resultForPoppedViewIgnored()
    {
        m_nav->popToRootView();
        BrowseListView *root = top();
        const int pending = m_nav->pendingViewCount();
        root->requirePushView(root->sortedItems().at(2)->uri(), QStringLiteral("Local media"));
        QPointer<NavigationView> pushed = m_nav->topView();
        QCOMPARE(m_nav->pendingViewCount(), pending + 1);
        m_nav->popLastView();
        QCOMPARE(m_nav->pendingViewCount(), pending);
        QTRY_VERIFY(!pushed);
        QTest::qWait(300);
        QCOMPARE(m_nav->views().size(), 1);
        QCOMPARE(top()->sortedItems().size(), 4);
    }

    // The library's "Search" row, driven through its document: the sample
    // library holds twelve tracks of Emeric Sande.
    void searchByArtist()
    {
        m_nav->popToRootView();
        QVERIFY(open("Search"));
        auto *search = qobject_cast<SearchRootView *>(m_nav->topView());
        QVERIFY(search);
        QVERIFY(search->property("filters").toStringList().contains("local"));
        auto *field = search->findChild<QObject *>(QStringLiteral("searchField"));
        QVERIFY(field);
        QSignalSpy sent(search, &SearchRootView::search);
        auto run = [&](const QString &text, const QString &filter) {
            field->setProperty("text", text);
            search->setProperty("selectedFilter", filter);
            QMetaObject::invokeMethod(search, "runSearch");
        };

        run(QStringLiteral("  "), QString());
        QCOMPARE(sent.count(), 0);
        run(QStringLiteral("Emeric Sande"), QStringLiteral("all"));
        QCOMPARE(sent.count(), 1);
        QCOMPARE(sent.first().at(2).toString(), QString());
        // The local library answers tracks only: one section of twelve, five shown.
        QTRY_COMPARE(search->sortedItems().size(), 5);
        QCOMPARE(search->rowTypes(), QStringList { "track" });
        QCOMPARE(search->sectionCount("track"), 12);
        auto *first = qobject_cast<Song *>(search->sortedItems().first());
        QTRY_COMPARE(first->artistsString(), QStringLiteral("Emeric Sande"));
        // Outside its album a track's menu offers the album.
        m_nav->openMenuWithItem(first);
        QVERIFY(m_nav->moreMenu()->property("actions").toStringList().contains("It_ShowAlbum"));
        QMetaObject::invokeMethod(m_nav->moreMenu(), "hide");
        shot("search");

        search->showSectionDetails(QStringLiteral("track"));
        BrowseListView *all = top();
        QVERIFY(all != search);
        QCOMPARE(m_nav->navigationBar()->title(), QStringLiteral("Tracks"));
        QCOMPARE(all->sortedItems().size(), 12);
        QTRY_VERIFY(!qobject_cast<Song *>(all->sortedItems().last())->album().isEmpty());
        m_nav->popLastView();

        // Another filter searches again at once; a service that does not
        // search narrows it to nothing.
        const int before = sent.count();
        QMetaObject::invokeMethod(search, "chooseFilter", Q_ARG(QVariant, QStringLiteral("m3u")));
        QCOMPARE(sent.count(), before + 1);
        QCOMPARE(sent.last().at(2).toString(), QStringLiteral("m3u"));
        QTRY_COMPARE(search->message(), QStringLiteral("Nothing found"));
        QCOMPARE(search->sortedItems().size(), 0);

        // A blank query empties the page, also of an answer on its way.
        run(QStringLiteral("Emeric Sande"), QStringLiteral("all"));
        run(QStringLiteral("  "), QStringLiteral("all"));
        QTest::qWait(1000);
        QCOMPARE(search->sortedItems().size(), 0);
        QCOMPARE(search->message(), QString());
        m_nav->popToRootView();
    }

    // The player's link drops while a level is on its way, and again right
    // after it came with its rows' lookups: each is asked again on the new link.
    void reconnectMidBrowse()
    {
        m_nav->popToRootView();
        QVERIFY(open("Local media") && open("Albums"));
        PlayerItem *entry = named("Paper Lanterns");
        QVERIFY(entry);
        TavirelPlayer *player = m_device->player();
        top()->requirePushView(entry->uri(), entry->name());
        BrowseListView *album = top();
        player->startConnection();
        QMetaObject::Connection again;
        again = connect(album, &BrowseListView::rowTypesChanged, player, [&] {
            disconnect(again);
            player->startConnection();
        });
        QTRY_VERIFY_WITH_TIMEOUT(!album->sortedItems().isEmpty(), 10000);
        auto *song = qobject_cast<Song *>(album->sortedItems().first());
        QVERIFY(song);
        QTRY_COMPARE_WITH_TIMEOUT(song->artistsString(), QStringLiteral("Corin Maddox"), 10000);
        QVERIFY(!again);
        m_nav->popToRootView();
    }

    // With another source chosen on the player page, the playlists page
    // lists that player's playlists and asks everything of it; a play asked
    // of it stays with it when yet another source is chosen.
    void playlistsPageAsksTheChosenPlayer()
    {
        QWebSocketServer server(QStringLiteral("chosen"), QWebSocketServer::NonSecureMode);
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        QStringList asked;
        QList<QPair<QPointer<QWebSocket>, QJsonObject>> held;
        connect(&server, &QWebSocketServer::newConnection, this, [&] {
            QWebSocket *socket = server.nextPendingConnection();
            socket->setParent(&server);
            connect(socket, &QWebSocket::textMessageReceived, socket, [&, socket](const QString &text) {
                const QJsonObject request = QJsonDocument::fromJson(text.toUtf8()).object();
                const QString method = request.value("method").toString();
                asked << method;
                QJsonObject reply { { "jsonrpc", "2.0" }, { "id", request.value("id") }, { "result", QJsonValue() } };
                if (method == "core.playlists.as_list")
                    reply["result"] = QJsonArray { QJsonObject { { "__model__", "Ref" }, { "type", "playlist" },
                                                                 { "uri", "m3u:Elsewhere.m3u8" }, { "name", "Elsewhere" } } };
                if (method == "core.tracklist.index")
                    held.append({ socket, reply });
                else
                    socket->sendTextMessage(QJsonDocument(reply).toJson(QJsonDocument::Compact));
            });
        });
        TestDevice elsewhere(server.serverPort());
        TavirelPlayer *chosen = elsewhere.player();
        QTRY_COMPARE_WITH_TIMEOUT(chosen->playlists().size(), 1, 10000);

        m_nav->popToRootView();
        TavirelPlayer *mopidy = m_nav->currentPlayer();
        m_nav->setCurrentPlayer(chosen);
        top()->requirePushView(QStringLiteral("playlist:"), QStringLiteral("Playlists"));
        QCOMPARE(m_nav->topView()->property("currPlayer").value<TavirelPlayer *>(), chosen);
        asked.clear();
        m_nav->requireLookup(0, 10);
        m_nav->sendBrowseList(QStringLiteral("m3u:Elsewhere.m3u8"), QStringLiteral("Elsewhere"));
        m_nav->createPlaylist(QStringLiteral("Fresh"));
        QTRY_VERIFY2(asked.contains("core.playlists.lookup") && asked.contains("core.playlists.get_items")
                         && asked.contains("core.playlists.create"),
                     qPrintable(asked.join(' ')));

        QVERIFY(m_mopidy.reset());
        m_nav->sendPlayNow({ QStringLiteral("local:track:elsewhere.ogg") });
        QTRY_COMPARE(held.size(), 1);
        m_nav->setCurrentPlayer(mopidy);
        QCOMPARE(m_nav->views().size(), 1);
        held.first().first->sendTextMessage(QJsonDocument(held.first().second).toJson(QJsonDocument::Compact));
        QTRY_VERIFY(asked.contains("core.tracklist.add"));
        QCOMPARE(uris(queue()), QStringList());
    }

    // The device tells its sources again, as after any change: the pages stay
    // with the same player. Another device on the same model, whose player is
    // another server, takes both stacks back to their roots.
    void sourcesAgainThenAnotherDevice()
    {
        QVERIFY(open("Local media"));
        m_playerView->openPlaylists();
        auto *playlists = m_playerView->playlistsPopup()->findChild<PlaylistNavigationController *>();
        QVERIFY(playlists);
        playlists->pushBrowseList(QStringLiteral("m3u:None.m3u8"), QStringLiteral("None"));
        TavirelPlayer *player = m_device->player();
        const QString sources = QStringLiteral("x|BROAD|0|y|5@Music@1@%1@") + QString::number(m_mopidy.port());
        emit m_device->link.tavirelCommandReceived(sources.arg("127.0.0.1").split('|'));
        QCOMPARE(m_device->player(), player);
        QCOMPARE(m_nav->views().size(), 2);
        QCOMPARE(playlists->views().size(), 2);
        QCOMPARE(playlists->currPlayer(), player);

        TavirelConnThread link;
        m_device->model.setConnPointer(&link);
        emit link.tavirelCommandReceived(sources.arg("localhost").split('|'));
        QCOMPARE(m_nav->views().size(), 1);
        QCOMPARE(playlists->views().size(), 1);
        QCOMPARE(m_nav->browsePlayer()->ipAddress(), QStringLiteral("localhost"));
        QCOMPARE(playlists->currPlayer(), m_nav->browsePlayer());
        QSignalSpy reloaded(top(), &BrowseListView::rowTypesChanged);
        QTRY_VERIFY_WITH_TIMEOUT(reloaded.count() > 0, 10000);
        QCOMPARE(names(top()->sortedItems()), (QStringList { "Search", "Files", "Local media", "Playlists" }));

        m_playerView->playlistsPopup()->setVisible(false);
        m_device->model.setConnPointer(&m_device->link);
        emit m_device->link.tavirelCommandReceived(sources.arg("127.0.0.1").split('|'));
        QTRY_VERIFY_WITH_TIMEOUT(m_device->player()->isConnected(), 10000);
        QCOMPARE(m_nav->currentPlayer(), m_device->player());
    }

    void deviceChangePopsToRoot()
    {
        QVERIFY(open("Local media"));
        TestDevice other(m_mopidy.port());
        m_playerView->setTavirel(&other.model);
        QCOMPARE(m_nav->views().size(), 1);
        QCOMPARE(m_nav->currTavirel(), &other.model);
        QCOMPARE(m_nav->browsePlayer(), other.player());
        m_playerView->setTavirel(&m_device->model);
    }

    // An empty library is asked again after 1 s, then 2 s, ... and only
    // while the root is on screen.
    void emptyRootBacksOff()
    {
        QWebSocketServer server(QStringLiteral("empty"), QWebSocketServer::NonSecureMode);
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        QList<qint64> browses;
        QElapsedTimer clock;
        clock.start();
        connect(&server, &QWebSocketServer::newConnection, this, [&] {
            QWebSocket *socket = server.nextPendingConnection();
            socket->setParent(&server);  // the caller owns it; the server outlives the test's device
            connect(socket, &QWebSocket::textMessageReceived, socket, [&, socket](const QString &text) {
                const QJsonObject request = QJsonDocument::fromJson(text.toUtf8()).object();
                const bool browse = request.value("method") == "core.library.browse";
                if (browse)
                    browses << clock.elapsed();
                QJsonObject reply { { "jsonrpc", "2.0" }, { "id", request.value("id") } };
                reply.insert("result", browse ? QJsonValue(QJsonArray()) : QJsonValue());
                socket->sendTextMessage(QJsonDocument(reply).toJson(QJsonDocument::Compact));
            });
        });
        TestDevice empty(server.serverPort());
        QTRY_VERIFY(empty.player()->isConnected());

        QQmlComponent component(m_engine);
        component.setData("import com.morvane.tavirelint 1.0\nBrowseNavController { width: 300; height: 500 }", QUrl());
        std::unique_ptr<BrowseNavigationController> nav(qobject_cast<BrowseNavigationController *>(component.create()));
        QVERIFY(nav);
        nav->initNavigationBar();
        nav->initRootView();
        nav->setCurrTavirel(&empty.model);
        auto *root = qobject_cast<BrowseListView *>(nav->rootView());
        QTRY_COMPARE(root->message(), QStringLiteral("The library is empty"));
        QCOMPARE(names(root->sortedItems()), (QStringList { "Search", "Playlists" }));
        QTRY_COMPARE(browses.size(), 2);
        QVERIFY2(browses.at(1) - browses.at(0) >= 900, qPrintable(QString::number(browses.at(1) - browses.at(0))));
        QTRY_COMPARE(nav->emptyRootDelay(), 2000);

        root->requirePushView(QStringLiteral("local:directory"), QStringLiteral("Local media"));
        QCOMPARE(nav->emptyRootDelay(), 0);
        QTest::qWait(2300);
        // The pushed level's own browse only: no retry of the covered root.
        QCOMPARE(browses.size(), 3);
        nav->popLastView();
        QCOMPARE(nav->emptyRootDelay(), 4000);
    }
};

QTEST_MAIN(TestLibraryMopidy)
#include "tst_librarymopidy.moc"
