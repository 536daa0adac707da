#include "app/startup.h"
#include "model/source.h"
#include "model/tavirel.h"
#include "player/song.h"
#include "player/tavirelplayer.h"
#include "settings/tavireltheme.h"
#include "testsupport.h"
#include "views/outputsview.h"
#include "views/playerview.h"
#include "views/sourcesview.h"

#include "app/maintabcontroller.h"
#include "devices/device.h"

#include <QQmlComponent>
#include <QQuickView>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSettings>
#include <QtTest>

// The zone controllers with their documents, fed device messages directly.
class TestZoneViews : public QObject
{
    Q_OBJECT
    QQmlEngine m_engine;
    TavirelTheme m_theme;

    static void deliver(Tavirel* model, const QString& message)
    {
        QMetaObject::invokeMethod(model, "commandReceived", Q_ARG(QStringList, message.split(QLatin1Char('|'))));
    }
    template <typename T>
    T* load(const QString& url)
    {
        QQmlComponent component(&m_engine, QUrl(url));
        auto* object = qobject_cast<T*>(component.create());
        if (!object)
            qWarning() << component.errorString();
        return object;
    }
    static int listLength(QObject* view, const char* property)
    {
        return view->property(property).value<QVariantList>().size()
            + view->property(property).value<QQmlListReference>().count();
    }

private slots:
    void initTestCase()
    {
        Startup::registerQmlTypes();
        Startup::createImageServices();
        m_theme.loadFromFile(TestSupport::sourceDir() + QStringLiteral("/themes/theme0.json"));
        m_engine.rootContext()->setContextProperty(QStringLiteral("currentTheme"), &m_theme);
        Startup::setScreenContext(m_engine.rootContext(), 1.0);
    }

    void sourceToShow_data()
    {
        QTest::addColumn<QList<int>>("players");
        QTest::addColumn<QList<int>>("playing");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("expected");
        QTest::newRow("the choice, though another plays") << QList<int> { 4, 5 } << QList<int> { 4 } << 5 << 4 << 5;
        QTest::newRow("choice not announced: first that plays")
            << QList<int> { 4, 5, 6 } << QList<int> { 5, 6 } << 2 << -1 << 5;
        QTest::newRow("nothing plays: first") << QList<int> { 4, 5 } << QList<int> {} << -1 << -1 << 4;
        QTest::newRow("shown plays: kept") << QList<int> { 4, 5 } << QList<int> { 4, 5 } << -1 << 5 << 5;
        QTest::newRow("shown stopped: one that plays") << QList<int> { 4, 5 } << QList<int> { 5 } << -1 << 4 << 5;
        QTest::newRow("shown stopped, nothing plays: kept") << QList<int> { 4, 5 } << QList<int> {} << -1 << 5 << 5;
        QTest::newRow("shown gone") << QList<int> { 4, 5 } << QList<int> {} << -1 << 7 << 4;
        QTest::newRow("no player source") << QList<int> {} << QList<int> {} << 5 << 5 << -1;
    }
    void sourceToShow()
    {
        QFETCH(QList<int>, players);
        QFETCH(QList<int>, playing);
        QFETCH(int, chosen);
        QFETCH(int, shown);
        QList<PlayerView::PlayerSource> sources;
        for (int index : players)
            sources.append({ index, playing.contains(index) });
        QTEST(PlayerView::sourceToShow(sources, chosen, shown), "expected");
    }

    // A player source moved to another server gets a new client: the page
    // follows the new one, forgets the old one, and keeps its binding when
    // the source comes back without a player.
    void playerPageRebindsToNewPlayer()
    {
        Tavirel model;
        QScopedPointer<PlayerView> view(load<PlayerView>(QStringLiteral("qrc:/Qml/PlayerView/PlayerView.qml")));
        QVERIFY(view);
        view->setTavirel(&model);
        const QString withPlayer = QStringLiteral("x|BROAD|0|y|5@Music@1@127.0.0.1@1");
        deliver(&model, withPlayer);
        view->setSelectedSource(model.sourceByIndex(5));
        TavirelPlayer* first = model.sourceByIndex(5)->player();
        QCOMPARE(view->property("boundPlayer").value<QObject*>(), first);

        deliver(&model, QStringLiteral("x|BROAD|0|y|5@Music@1@127.0.0.1@2"));
        TavirelPlayer* second = model.sourceByIndex(5)->player();
        QVERIFY(second != first);
        QCOMPARE(view->property("boundPlayer").value<QObject*>(), second);

        auto* song = new Song;
        song->setUri(QStringLiteral("local:track:a"));
        second->setCurrentSong(song);
        song->setImage(600, QStringLiteral("http://127.0.0.1:1/new.jpg"));
        emit second->currentSongImageChanged();
        QCOMPARE(view->property("coverUri").toString(), QStringLiteral("http://127.0.0.1:1/new.jpg"));
        emit first->currentSongImageChanged();
        song->setImage(600, QStringLiteral("http://127.0.0.1:1/other.jpg"));
        emit first->currentSongImageChanged();
        QCOMPARE(view->property("coverUri").toString(), QStringLiteral("http://127.0.0.1:1/new.jpg"));

        deliver(&model, QStringLiteral("x|BROAD|0|y|5@Music@0"));
        QCOMPARE(view->property("boundPlayer").value<QObject*>(), second);
    }

    // An automatic pick moves to a source that starts playing, but a shown
    // source that has played is not left when it stops.
    void shownSourceStaysOnceItPlayed()
    {
        QSettings().remove(QLatin1String(PlayerView::ChosenSourceKey));
        Tavirel model;
        QScopedPointer<PlayerView> view(load<PlayerView>(QStringLiteral("qrc:/Qml/PlayerView/PlayerView.qml")));
        QVERIFY(view);
        view->setTavirel(&model);
        deliver(&model, QStringLiteral("x|BROAD|0|y|4@A@1@127.0.0.1@1|5@B@1@127.0.0.1@2"));
        QCOMPARE(view->selectedSource(), model.sourceByIndex(4));
        TavirelPlayer* a = model.sourceByIndex(4)->player();
        TavirelPlayer* b = model.sourceByIndex(5)->player();
        b->setPlayPause(2);
        QCOMPARE(view->selectedSource(), model.sourceByIndex(5));
        b->setPlayPause(0);
        a->setPlayPause(2);
        QCOMPARE(view->selectedSource(), model.sourceByIndex(5));
    }

    void sourcesPageWithoutModelIsEmpty()
    {
        Tavirel model;
        QScopedPointer<SourcesView> view(load<SourcesView>(QStringLiteral("qrc:/Qml/SourcesView/SourcesView.qml")));
        QVERIFY(view);
        view->setTavirel(&model);
        deliver(&model, QStringLiteral("x|BROAD|0|y|1@Line@0|3@Tuner@0"));
        deliver(&model, QStringLiteral("x|BROAD|1|y|2@Bath"));
        QCOMPARE(listLength(view.data(), "sourcesModel"), 2);
        QCOMPARE(listLength(view.data(), "outputsModel"), 1);

        view->setTavirel(nullptr);
        QMetaObject::invokeMethod(view.data(), "loadSources");
        QMetaObject::invokeMethod(view.data(), "loadOutputs");
        QCOMPARE(listLength(view.data(), "sourcesModel"), 0);
        QCOMPARE(listLength(view.data(), "outputsModel"), 0);
        // The old model no longer reaches the page.
        deliver(&model, QStringLiteral("x|BROAD|0|y|1@Line@0"));
        QCOMPARE(listLength(view.data(), "sourcesModel"), 0);
    }

    void routeSummaryAndOutputsView()
    {
        Tavirel model;
        deliver(&model, QStringLiteral("x|BROAD|0|y|5@Music@0"));
        deliver(&model, QStringLiteral("x|BROAD|1|y|7@Kitchen|2@Bath|4@Attic"));
        QQmlComponent component(&m_engine);
        component.setData("import com.morvane.tavirelint 1.0\n"
                          "OutputsView { property int loads: 0; function loadOutputs() { loads++ } }",
                          QUrl());
        QScopedPointer<OutputsView> outputs(qobject_cast<OutputsView*>(component.create()));
        QVERIFY2(outputs, qPrintable(component.errorString()));
        outputs->setTavirel(&model);
        deliver(&model, QStringLiteral("x|BROAD|2|y|7@5|2@5|4"));
        QCOMPARE(outputs->property("loads").toInt(), 1);

        SourcesView sources;
        QCOMPARE(sources.routeSummary(model.sourceByIndex(5)), QStringLiteral("Bath, Kitchen"));
        QCOMPARE(sources.routeSummary(nullptr), QString());
    }

    // Rows of outputs (on a page, in a selector or in the matrix) that exist
    // anywhere under `item`.
    static int outputRows(QQuickItem* item)
    {
        int rows = 0;
        for (const QMetaObject* mo = item->metaObject(); mo; mo = mo->superClass()) {
            if (QByteArray(mo->className()).startsWith("VolumeRow_QMLTYPE")) {
                ++rows;
                break;
            }
        }
        if (item->objectName().startsWith(QLatin1String("matrixRow_"))
            || item->objectName().startsWith(QLatin1String("selectorRow_")))
            ++rows;
        for (QQuickItem* child : item->childItems())
            rows += outputRows(child);
        return rows;
    }

    // A device with 1,000 outputs, all playing one source, in the main
    // document: the pages and the matrix build only the rows on screen.
    void largeDeviceBuildsOnlyShownRows()
    {
        QQuickView window;
        TestSupport::loadMainDocument(&window, &m_theme);
        auto* root = qobject_cast<MainTabController*>(window.rootObject());
        QVERIFY(root);
        Tavirel model;
        root->ensureSourcesView()->setTavirel(&model);
        root->ensurePlayerView()->setTavirel(&model);
        QStringList outputs, routes;
        for (int i = 0; i < 1000; ++i) {
            outputs << QStringLiteral("%1@Zone %2").arg(i).arg(i, 4, 10, QLatin1Char('0'));
            routes << QStringLiteral("%1@5").arg(i);
        }
        deliver(&model, QStringLiteral("x|BROAD|0|y|1@Radio@0|2@Line@0|5@Music@0"));
        deliver(&model, QStringLiteral("x|BROAD|1|y|") + outputs.join(QLatin1Char('|')));
        deliver(&model, QStringLiteral("x|BROAD|2|y|") + routes.join(QLatin1Char('|')));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        root->menuListView()->setProperty("currentIndex", int(MainTabController::SourcesTab));
        QTRY_VERIFY(root->sourcesView()->isVisible());
        QTRY_VERIFY(root->findChild<QQuickItem*>(QStringLiteral("sourcesList")));
        QTest::qWait(50);
        // The portrait page lists sources and outputs: some, not all.
        const int page = outputRows(root->sourcesView());
        QVERIFY2(page > 3 && page < 100, qPrintable(QString::number(page)));

        QMetaObject::invokeMethod(root->sourcesView(), "openMatrix");
        QTest::qWait(400);
        const int matrix = outputRows(root->sourcesView()) - page;
        QVERIFY2(matrix > 0 && matrix < 100, qPrintable(QString::number(matrix)));
        // Closed, it keeps nothing.
        QMetaObject::invokeMethod(root->sourcesView(), "closeAllPopups");
        auto* sheet = root->sourcesView()->findChild<QObject*>(QStringLiteral("matrixSheet"));
        QTRY_VERIFY(sheet && !sheet->property("item").value<QObject*>());

        root->ensurePlayerView()->setSelectedSource(model.sourceByIndex(5));
        root->menuListView()->setProperty("currentIndex", int(MainTabController::PlayerTab));
        QTRY_VERIFY(root->playerView()->isVisible());
        QTest::qWait(50);
        QVERIFY(outputRows(root->playerView()) > 0);
        const int all = outputRows(root);
        QVERIFY2(all < 100, qPrintable(QString::number(all)));
    }

    void urlProblem_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("refused");
        QTest::newRow("stream") << "http://radio.example/live" << false;
        QTest::newRow("padded") << "  https://radio.example/live  " << false;
        QTest::newRow("library uri") << "local:track:a.flac" << false;
        QTest::newRow("no scheme") << "radio.example/live" << true;
        QTest::newRow("host and port") << "radio.example:8000/live" << true;
        QTest::newRow("scheme alone") << "http://" << true;
        QTest::newRow("spaces inside") << "http://radio example/live" << true;
    }
    void urlProblem()
    {
        QFETCH(QString, url);
        QFETCH(bool, refused);
        QCOMPARE(!PlayerView::urlProblem(url).isEmpty(), refused);
    }

    // What the page does without a connection screen, a source or a player:
    // nothing, and without crashing.
    void missingPartsDoNothing()
    {
        PlayerView player;
        SourcesView sources;
        OutputsView outputs;
        player.showConnectionScreen(true);
        sources.setConnectionScreenMessage(QStringLiteral("x"));
        outputs.showConnectionScreen(false);
        player.closeDialog(nullptr);
        player.createPlaylist(QStringLiteral("Mix"));
        player.addUrlToQueue(QStringLiteral("http://radio"));

        QQuickItem screen;
        screen.setVisible(false);
        outputs.setConnectionScreen(&screen);
        outputs.showConnectionScreen(true);
        outputs.setConnectionScreenMessage(QStringLiteral("Connecting"));
        QVERIFY(screen.isVisible());
        QCOMPARE(screen.property("connText").toString(), QStringLiteral("Connecting"));
    }
};

QTEST_MAIN(TestZoneViews)
#include "tst_zoneviews.moc"
