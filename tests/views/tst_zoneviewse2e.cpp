#include "app/maintabcontroller.h"
#include "app/startup.h"
#include "desktop/mprisservice.h"
#include "devices/device.h"
#include "devices/devicestore.h"
#include "model/output.h"
#include "model/playlistentry.h"
#include "model/source.h"
#include "model/tavirel.h"
#include "mopidyfixture.h"
#include "navigation/browselistview.h"
#include "navigation/playlistnavigationcontroller.h"
#include "player/song.h"
#include "player/tavirelplayer.h"
#include "settings/tavireltheme.h"
#include "simprocess.h"
#include "views/playerview.h"
#include "views/sourcesview.h"

#include <QJsonArray>
#include <QQmlContext>
#include <QQuickView>
#include <QSettings>
#include <QtTest>

// The zone screens as the application opens them, on the device simulator
// whose player source uses a real Mopidy: each user action goes out as a
// command or request and comes back as state that changes the screen.
class TestZoneViewsE2e : public QObject
{
    Q_OBJECT
    MopidyFixture m_mopidy;
    SimProcess m_sim;
    TavirelTheme m_theme;
    QScopedPointer<QQuickView> m_view;
    MainTabController* m_root = nullptr;

    Tavirel* model() const { return m_root->deviceModel(); }
    // Delegates of views hang in the item tree only, not in the object tree.
    static QQuickItem* findItem(QQuickItem* root, const QString& name)
    {
        if (!root)
            return nullptr;
        for (QQuickItem* child : root->childItems()) {
            if (child->objectName() == name)
                return child;
            if (QQuickItem* found = findItem(child, name))
                return found;
        }
        return nullptr;
    }
    template <typename T = QQuickItem>
    T* item(const QString& name) const { return qobject_cast<T*>(findItem(m_root, name)); }

    void click(QQuickItem* target)
    {
        QVERIFY(target);
        const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
        QTest::mouseClick(m_view.data(), Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    }
    // Drags a slider's knob from its current place to `ratio` of the track.
    void dragSlider(QQuickItem* slider, double ratio, bool vertical)
    {
        QVERIFY(slider);
        QQuickItem* knob = findItem(slider, QStringLiteral("knob"));
        const QPointF from = knob->mapToScene(QPointF(knob->width() / 2, knob->height() / 2));
        const double k = slider->property("knobSize").toDouble();
        const QPointF to = vertical
            ? slider->mapToScene(QPointF(slider->width() / 2, k / 2 + (1 - ratio) * (slider->height() - k)))
            : slider->mapToScene(QPointF(k / 2 + ratio * (slider->width() - k), slider->height() / 2));
        QTest::mousePress(m_view.data(), Qt::LeftButton, Qt::NoModifier, from.toPoint());
        for (int i = 1; i <= 10; ++i) {
            const QPointF p = from + (to - from) * (i / 10.0);
            QTest::mouseMove(m_view.data(), p.toPoint());
            QTest::qWait(20);
        }
        QTest::mouseRelease(m_view.data(), Qt::LeftButton, Qt::NoModifier, to.toPoint());
    }
    void openSheet(QQuickItem* view, const char* function, QObject* arg = nullptr)
    {
        if (arg)
            QMetaObject::invokeMethod(view, function, Q_ARG(QVariant, QVariant::fromValue(arg)));
        else
            QMetaObject::invokeMethod(view, function);
        QTest::qWait(400); // the slide-in
    }
    void closeSheets(QQuickItem* view)
    {
        QMetaObject::invokeMethod(view, "closeAllPopups");
        QTest::qWait(400);
    }
    QJsonArray mopidyQueue() { return m_mopidy.call(QStringLiteral("core.tracklist.get_tl_tracks")).toArray(); }
    QQuickItem* queueRow(int i) const
    {
        QQuickItem* sheet = item(QStringLiteral("queueView"));
        return findItem(sheet, QStringLiteral("queueRow_%1").arg(i));
    }
    void showPlayerWithTracks(int count)
    {
        QVERIFY(m_mopidy.reset());
        QStringList uris;
        for (const QJsonValue& ref :
             m_mopidy.call(QStringLiteral("core.library.browse"), { { "uri", "local:directory?type=track" } }).toArray())
            uris << ref.toObject().value("uri").toString();
        QVERIFY(uris.size() >= count);
        m_mopidy.call(QStringLiteral("core.tracklist.add"), { { "uris", QJsonArray::fromStringList(uris.mid(0, count)) } });
        QQuickItem* openButton = findItem(item(QStringLiteral("sourceRow_5")), QStringLiteral("openButton"));
        click(openButton);
        auto* player = item<PlayerView>(QStringLiteral("myPlayerView"));
        QTRY_VERIFY(player->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(player->selectedSource() && player->selectedSource()->player()
                                     && player->selectedSource()->player()->queue().size() == count,
                                 15000);
    }

    QStringList mopidyPlaylists()
    {
        QStringList names;
        for (const QJsonValue& ref : m_mopidy.call(QStringLiteral("core.playlists.as_list")).toArray())
            names << ref.toObject().value("name").toString();
        return names;
    }
    static PlayerItem* playlistNamed(TavirelPlayer* player, const QString& name)
    {
        for (PlayerItem* playlist : player->playlists())
            if (playlist->name() == name)
                return playlist;
        return nullptr;
    }
    // The first item under `root`, in the item tree, whose `property` is `value`.
    static QQuickItem* findByProperty(QQuickItem* root, const char* property, const QString& value)
    {
        for (QQuickItem* child : root ? root->childItems() : QList<QQuickItem*>()) {
            if (child->isVisible() && child->property(property).toString() == value)
                return child;
            if (QQuickItem* found = findByProperty(child, property, value))
                return found;
        }
        return nullptr;
    }
    // The dialog of that title, its name field filled, confirmed.
    void confirmDialog(const QString& title, const QString& name = QString())
    {
        QQuickItem* dialog = findByProperty(m_root, "headTitle", title);
        QVERIFY2(dialog, qPrintable(title));
        if (!name.isNull())
            findItem(dialog, QStringLiteral("nameField"))->setProperty("text", name);
        QMetaObject::invokeMethod(dialog, "accepted");
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Startup::setIdentity(*QCoreApplication::instance());
        Startup::registerMetaTypes();
        Startup::registerQmlTypes();
        Startup::createImageServices();
        m_theme.loadFromFile(TestSupport::sourceDir() + QStringLiteral("/themes/theme0.json"));
        QVERIFY2(m_mopidy.start(), qPrintable(m_mopidy.errorString()));
        const QString config = TestSupport::sourceDir() + "/tests/data/model/e2e-device.json";
        QVERIFY2(m_sim.start(0, { "--config", config, "--user", "admin", "--password", "admin", "--mopidy-host",
                                  m_mopidy.host(), "--mopidy-port", QString::number(m_mopidy.port()) }),
                 qPrintable(m_sim.log));
        QSettings().setValue(QLatin1String(DeviceStore::LastSelectedKey), TestSupport::simulatorDeviceText(m_sim.port()));

        m_view.reset(new QQuickView);
        TestSupport::loadMainDocument(m_view.data(), &m_theme);
        QCOMPARE(m_view->status(), QQuickView::Ready);
        m_view->show();
        m_root = qobject_cast<MainTabController*>(m_view->rootObject());
        QVERIFY(m_root);
        QTRY_VERIFY_WITH_TIMEOUT(item(QStringLiteral("sourceRow_5")) && model()->outputByIndex(3)
                                     && model()->outputByIndex(3)->selectedSource(),
                                 20000);
        QTRY_VERIFY(!item(QStringLiteral("connectionScreen"))->isVisible());
    }
    void cleanupTestCase()
    {
        m_view.reset();
        m_sim.stop();
        m_mopidy.stop();
    }

    void matrixTapAndClear()
    {
        auto* sources = item(QStringLiteral("mySourcesView"));
        openSheet(sources, "openMatrix");
        QQuickItem* cell = item(QStringLiteral("cell_2_1"));
        click(cell);
        QTRY_VERIFY_WITH_TIMEOUT(m_sim.countReceived(QStringLiteral("UI_COMMAND|2003|100|2@1")) == 1, 5000);
        QTRY_VERIFY(cell->property("routed").toBool());
        QCOMPARE(item(QStringLiteral("outputRow_2"))->property("subtitle").toString(), QStringLiteral("Plays Line"));

        click(item(QStringLiteral("clearRow_2")));
        QTRY_VERIFY_WITH_TIMEOUT(m_sim.countReceived(QStringLiteral("UI_COMMAND|2003|100|2@-1")) == 1, 5000);
        QTRY_VERIFY(!cell->property("routed").toBool());
        closeSheets(sources);
    }

    void selectorTickAndUntick()
    {
        auto* sources = item(QStringLiteral("mySourcesView"));
        openSheet(sources, "openSelector", model()->sourceByIndex(5));
        QQuickItem* row = item(QStringLiteral("selectorRow_0"));
        QVERIFY(!row->property("ticked").toBool());
        click(row);
        QTRY_VERIFY_WITH_TIMEOUT(m_sim.countReceived(QStringLiteral("UI_COMMAND|2003|100|0@5")) == 1, 5000);
        QTRY_VERIFY(row->property("ticked").toBool());
        QTRY_VERIFY(item(QStringLiteral("sourceRow_5"))->property("caption").toString().contains("Terrace"));
        click(row);
        QTRY_VERIFY_WITH_TIMEOUT(m_sim.countReceived(QStringLiteral("UI_COMMAND|2003|100|0@-1")) == 1, 5000);
        QTRY_VERIFY(!row->property("ticked").toBool());
        closeSheets(sources);
    }

    void equalizerSendsOnRelease()
    {
        auto* sources = item(QStringLiteral("mySourcesView"));
        Output* den = model()->outputByIndex(3);
        openSheet(sources, "openEqualizer", den);
        QQuickItem* bass = item(QStringLiteral("eqSlider0"));
        QCOMPARE(bass->property("knobValue").toInt(), -4);
        dragSlider(bass, 0.75, true);
        const int set = bass->property("knobValue").toInt();
        QVERIFY2(set > 5, qPrintable(QString::number(set)));
        const QString expected = QStringLiteral("UI_COMMAND|2002|100|3|%1|2|6|1").arg(set);
        QTRY_VERIFY2_WITH_TIMEOUT(m_sim.countReceived(expected) == 1, qPrintable(m_sim.receivedText()), 5000);
        QCOMPARE(m_sim.countReceived(QStringLiteral("UI_COMMAND|2002|")), 1);
        QTRY_COMPARE(den->bass(), set);
        QCOMPARE(bass->property("knobValue").toInt(), set);
        closeSheets(sources);
    }

    void sourceMuteFollowsItsOutputs()
    {
        QQuickItem* mute = findItem(item(QStringLiteral("sourceRow_5")), QStringLiteral("muteButton"));
        QVERIFY(!mute->property("checked").toBool());
        click(mute);
        QTRY_VERIFY_WITH_TIMEOUT(m_sim.countReceived(QStringLiteral("UI_COMMAND|2001|100|1|1")) == 1
                                     && m_sim.countReceived(QStringLiteral("UI_COMMAND|2001|100|3|1")) == 1,
                                 5000);
        QQuickItem* denMute = findItem(item(QStringLiteral("outputRow_3")), QStringLiteral("muteButton"));
        QTRY_VERIFY(denMute->property("checked").toBool());
        // All its outputs are muted: so is the source, and the next tap unmutes them.
        QTRY_VERIFY(mute->property("checked").toBool());
        click(mute);
        QTRY_VERIFY_WITH_TIMEOUT(m_sim.countReceived(QStringLiteral("UI_COMMAND|2001|100|1|0")) == 1
                                     && m_sim.countReceived(QStringLiteral("UI_COMMAND|2001|100|3|0")) == 1,
                                 5000);
        QTRY_VERIFY(!mute->property("checked").toBool());
        // A source that plays nowhere has nothing to mute.
        QVERIFY(!findItem(item(QStringLiteral("sourceRow_3")), QStringLiteral("muteButton"))->isEnabled());
    }

    // A player's row has one button more than a line input's; their sliders
    // are as long all the same, so that the values line up.
    void sourceSlidersLineUp()
    {
        QVERIFY(findItem(item(QStringLiteral("sourceRow_5")), QStringLiteral("openButton"))->isVisible());
        QVERIFY(!findItem(item(QStringLiteral("sourceRow_3")), QStringLiteral("openButton"))->isVisible());
        QQuickItem* player = findItem(item(QStringLiteral("sourceRow_5")), QStringLiteral("volumeSlider"));
        QQuickItem* line = findItem(item(QStringLiteral("sourceRow_3")), QStringLiteral("volumeSlider"));
        QCOMPARE(line->width(), player->width());
        QCOMPARE(line->mapToScene(QPointF()).x(), player->mapToScene(QPointF()).x());
    }

    // Scrolled by the user, the queue stays put when the track changes;
    // "Show current track" brings the playing row back into view.
    void queueKeepsTheUsersScroll()
    {
        showPlayerWithTracks(20);
        auto* player = item(QStringLiteral("myPlayerView"));
        QMetaObject::invokeMethod(item(QStringLiteral("queueButton")), "clicked");
        QQuickItem* queue = item(QStringLiteral("queueView"));
        QQuickItem* list = findItem(queue, QStringLiteral("queueList"));
        QTRY_VERIFY(list && queueRow(0));
        const qreal rowHeight = queueRow(0)->height();
        QMetaObject::invokeMethod(list, "flick", Q_ARG(qreal, 0), Q_ARG(qreal, -6000));
        QTRY_VERIFY(!list->property("moving").toBool());
        const qreal scrolled = list->property("contentY").toReal();
        // The second row, soon playing, is out of view above.
        QVERIFY(scrolled > 2 * rowHeight);
        QQuickItem* showCurrent = findItem(queue, QStringLiteral("showCurrentButton"));
        QVERIFY(showCurrent);

        const QJsonArray tracks = mopidyQueue();
        m_mopidy.call(QStringLiteral("core.playback.play"), { { "tlid", tracks.at(1).toObject().value("tlid") } });
        QTRY_VERIFY_WITH_TIMEOUT(showCurrent->isVisible(), 5000);
        QTest::qWait(300);
        QCOMPARE(list->property("contentY").toReal(), scrolled);

        QMetaObject::invokeMethod(showCurrent, "clicked");
        QTRY_VERIFY(queueRow(1) && queueRow(1)->property("selected").toBool());
        QVERIFY(list->property("contentY").toReal() <= queueRow(1)->y());
        QVERIFY(!showCurrent->isVisible());
        m_mopidy.call(QStringLiteral("core.playback.stop"));
        closeSheets(player);
    }

    void queuePlaysRemovesAndClears()
    {
        showPlayerWithTracks(3);
        auto* player = item(QStringLiteral("myPlayerView"));
        // The controls' own actions: synthetic mouse clicks on the player page
        // are lost in the test's offscreen window, while real clicks in the
        // window work (checked under Xvfb).
        QMetaObject::invokeMethod(item(QStringLiteral("queueButton")), "clicked");
        QTRY_VERIFY(queueRow(2));
        const QJsonArray before = mopidyQueue();

        QMetaObject::invokeMethod(queueRow(1), "clicked");
        const int secondTlid = before.at(1).toObject().value("tlid").toInt();
        QTRY_COMPARE_WITH_TIMEOUT(
            m_mopidy.call(QStringLiteral("core.playback.get_current_tl_track")).toObject().value("tlid").toInt(),
            secondTlid, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(queueRow(1)->property("selected").toBool(), 5000);

        QMetaObject::invokeMethod(findItem(queueRow(0), QStringLiteral("removeButton")), "clicked");
        QTRY_COMPARE_WITH_TIMEOUT(mopidyQueue().size(), 2, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!queueRow(2), 5000);

        QMetaObject::invokeMethod(findItem(item(QStringLiteral("queueView")), QStringLiteral("clearQueueButton")), "clicked");
        QTRY_COMPARE_WITH_TIMEOUT(mopidyQueue().size(), 0, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!queueRow(0), 5000);
        closeSheets(player);
    }

    // The player page's Playlists: create, rename, assign to a device slot,
    // open, play, queue and delete, each through the screens, the simulator
    // and Mopidy.
    void playlistsFromThePlayerPage()
    {
        showPlayerWithTracks(1);
        auto* page = item<PlayerView>(QStringLiteral("myPlayerView"));
        QMetaObject::invokeMethod(item(QStringLiteral("playlistsButton")), "clicked");
        QVERIFY(page->playlistsPopup() && page->playlistsPopup()->isVisible());
        auto* nav = page->playlistsPopup()->findChild<PlaylistNavigationController*>();
        QVERIFY(nav);
        TavirelPlayer* player = page->selectedSource()->player();
        QCOMPARE(nav->currPlayer(), player);
        QVERIFY(nav->navigationBar()->property("secRightVisible").toBool());
        QTRY_VERIFY_WITH_TIMEOUT(playlistNamed(player, "Road Trip") && playlistNamed(player, "Quiet Evening"), 10000);
        QQuickItem* menu = nav->moreMenuPl();
        QVERIFY(menu);
        auto choose = [&](const QString& playlist, const QString& action) {
            PlayerItem* item = playlistNamed(player, playlist);
            QVERIFY2(item, qPrintable(playlist));
            QMetaObject::invokeMethod(page->playlistsPopup(), "showMoreMenu", Q_ARG(QVariant, QVariant::fromValue(item)));
            QVERIFY(menu->property("actions").toStringList().contains(action));
            QMetaObject::invokeMethod(menu, "choose", Q_ARG(QVariant, action));
        };

        nav->secRightButtonClicked();
        confirmDialog(QStringLiteral("New Playlist"), QStringLiteral("Picnic"));
        QTRY_VERIFY_WITH_TIMEOUT(playlistNamed(player, "Picnic"), 10000);

        choose(QStringLiteral("Picnic"), QStringLiteral("It_Rename"));
        // The present name is offered for editing.
        QCOMPARE(findItem(findByProperty(m_root, "headTitle", "Rename"), QStringLiteral("nameField"))->property("text").toString(),
                 QStringLiteral("Picnic"));
        confirmDialog(QStringLiteral("Rename"), QStringLiteral("Picnic Day"));
        QTRY_VERIFY_WITH_TIMEOUT(m_sim.countReceived(QStringLiteral("UI_COMMAND|2010|100|m3u:Picnic.m3u8|Picnic Day")) == 1, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(mopidyPlaylists().contains("Picnic Day") && !mopidyPlaylists().contains("Picnic"), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(playlistNamed(player, "Picnic Day") && !playlistNamed(player, "Picnic"), 10000);
        const QString uri = playlistNamed(player, "Picnic Day")->uri();

        // Assigned to the device's "Evening" slot, whose name the row then shows.
        choose(QStringLiteral("Picnic Day"), QStringLiteral("It_Associate"));
        QQuickItem* evening = nullptr;
        QTRY_VERIFY(evening = findByProperty(nav->topView(), "textLabel", "Evening"));
        QCOMPARE(evening->property("detailTextLabel").toString(), QStringLiteral("No playlist"));
        QMetaObject::invokeMethod(evening, "clicked");
        QTRY_COMPARE(nav->topView(), nav->rootView());
        QTRY_VERIFY_WITH_TIMEOUT(model()->playlistEntryList().size() == 2
                                     && model()->playlistEntryList().at(1)->playlistRef() == uri, 5000);
        QQuickItem* row = findByProperty(nav->rootView(), "textLabel", "Picnic Day");
        QVERIFY(row);
        QTRY_COMPARE(row->property("detailTextLabel").toString(), QStringLiteral("Tavirel preset: Evening"));

        // A playlist's tracks, then playing it and queueing another.
        QMetaObject::invokeMethod(nav->rootView(), "requireBrowseForUri", Q_ARG(QString, playlistNamed(player, "Road Trip")->uri()),
                                  Q_ARG(QString, QStringLiteral("Road Trip")));
        auto* tracks = qobject_cast<BrowseListView*>(nav->topView());
        QVERIFY(tracks);
        QTRY_COMPARE_WITH_TIMEOUT(tracks->sortedItems().size(), 4, 5000);
        nav->popLastView();
        QVERIFY(m_mopidy.reset());
        choose(QStringLiteral("Road Trip"), QStringLiteral("It_PlayNow"));
        QTRY_COMPARE_WITH_TIMEOUT(mopidyQueue().size(), 4, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(m_mopidy.call(QStringLiteral("core.playback.get_state")).toString(), QStringLiteral("playing"), 5000);
        choose(QStringLiteral("Quiet Evening"), QStringLiteral("It_AddToQueue"));
        QTRY_COMPARE_WITH_TIMEOUT(mopidyQueue().size(), 7, 5000);

        choose(QStringLiteral("Picnic Day"), QStringLiteral("It_Delete"));
        QVERIFY(findByProperty(m_root, "headTitle", "Delete")->property("bodyMessage").toString().contains("\"Picnic Day\""));
        confirmDialog(QStringLiteral("Delete"));
        QTRY_VERIFY_WITH_TIMEOUT(!mopidyPlaylists().contains("Picnic Day"), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!playlistNamed(player, "Picnic Day"), 10000);

        // A streaming service's playlist is neither renamed nor deleted here.
        PlayerItem streamed;
        streamed.setUri(QStringLiteral("spotify:playlist:1"));
        menu->setProperty("selectedItem", QVariant::fromValue(&streamed));
        QCOMPARE(menu->property("actions").toStringList(),
                 (QStringList { "It_PlayNow", "It_AddToQueue", "It_Associate" }));
        menu->setProperty("selectedItem", QVariant());

        // What the device's messages cannot carry is not sent; the user is told.
        PlayerItem odd;
        odd.setUri(QStringLiteral("m3u:a@b.m3u8"));
        nav->menuActionForItemPlaylist(QStringLiteral("It_Associate"), &odd);
        QCOMPARE(nav->topView(), nav->rootView());
        QCOMPARE(nav->rootView()->property("notice").toString(),
                 QStringLiteral("This playlist's name cannot be stored on the Tavirel"));
        nav->renamePlaylist(playlistNamed(player, "Road Trip")->uri(), QStringLiteral("Rock | Pop"));
        QVERIFY(nav->rootView()->property("notice").toString().contains("\"|\""));
        nav->close();
    }

    // Repeat and shuffle are two toggles, each leaving the other as it is.
    void repeatAndShuffleToggles()
    {
        showPlayerWithTracks(1);
        QQuickItem* repeat = item(QStringLiteral("repeatButton"));
        QQuickItem* shuffle = item(QStringLiteral("shuffleButton"));
        QVERIFY(repeat && shuffle);
        auto server = [this](const char* method) { return m_mopidy.call(QLatin1String(method)).toBool(); };
        const struct {
            QQuickItem* button;
            bool repeat;
            bool shuffle;
        } steps[] = { { repeat, true, false }, { shuffle, true, true }, { repeat, false, true }, { shuffle, false, false } };
        for (const auto& step : steps) {
            QMetaObject::invokeMethod(step.button, "clicked");
            QTRY_VERIFY_WITH_TIMEOUT(server("core.tracklist.get_repeat") == step.repeat
                                         && server("core.tracklist.get_random") == step.shuffle, 5000);
            QTRY_COMPARE(repeat->property("checked").toBool(), step.repeat);
            QTRY_COMPARE(shuffle->property("checked").toBool(), step.shuffle);
        }
    }

    void seekMovesThePosition()
    {
        showPlayerWithTracks(1);
        m_mopidy.call(QStringLiteral("core.playback.play"));
        QTRY_VERIFY_WITH_TIMEOUT(m_mopidy.call(QStringLiteral("core.playback.get_state")).toString() == "playing", 5000);
        m_mopidy.call(QStringLiteral("core.playback.pause"));
        Song* song = nullptr;
        auto* view = item<PlayerView>(QStringLiteral("myPlayerView"));
        QTRY_VERIFY_WITH_TIMEOUT((song = view->selectedSource()->player()->currentSong()) && song->duration() > 2, 10000);

        // The slider's own drag handling (the mouse path is the slider rules' test).
        QQuickItem* progress = item(QStringLiteral("progressSlider"));
        const double wanted = 0.6 * progress->property("maximumValue").toDouble();
        QMetaObject::invokeMethod(progress, "userMoved", Q_ARG(QVariant, wanted), Q_ARG(QVariant, 0.0));
        QMetaObject::invokeMethod(progress, "userReleased", Q_ARG(QVariant, 50.0));
        const int target = progress->property("knobValue").toInt();
        QVERIFY(target > 0);
        QTRY_VERIFY_WITH_TIMEOUT(
            qAbs(m_mopidy.call(QStringLiteral("core.playback.get_time_position")).toInt() - target * 1000) < 600, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(song->currTime(), target, 5000);
    }

    // The music server dies while a track plays: the page, the source's card
    // and the desktop media interface say so at once, and all come back.
    void serverDownIsShownUntilItReturns()
    {
        showPlayerWithTracks(2);
        auto* page = item<PlayerView>(QStringLiteral("myPlayerView"));
        TavirelPlayer* player = page->selectedSource()->player();
        MprisService media;
        media.followPlayerView(page);
        m_mopidy.call(QStringLiteral("core.playback.play"));
        QTRY_COMPARE_WITH_TIMEOUT(media.playbackStatus(), QStringLiteral("Playing"), 5000);
        QQuickItem* message = item(QStringLiteral("playerServerMessage"));
        QQuickItem* transport = item(QStringLiteral("transportRow"));
        QQuickItem* card = item(QStringLiteral("sourceRow_5"));
        QVERIFY(message && transport && card);
        QVERIFY(!message->isVisible());
        QVERIFY(transport->isEnabled());
        QQuickItem* playPause = item(QStringLiteral("playPauseButton"));
        QCOMPARE(playPause->property("accessibleName").toString(), QStringLiteral("Pause"));

        const QString down = QStringLiteral("Music server not reachable — retrying");
        m_mopidy.kill();
        QTRY_VERIFY_WITH_TIMEOUT(message->isVisible(), 2000);
        QCOMPARE(message->property("text").toString(), down);
        QCOMPARE(card->property("subtitle").toString(), down);
        QVERIFY(!transport->isEnabled());
        QCOMPARE(playPause->property("accessibleName").toString(), QStringLiteral("Play"));
        QVERIFY(!item(QStringLiteral("progressSlider"))->isEnabled());
        QCOMPARE(media.playbackStatus(), QStringLiteral("Stopped"));
        QVERIFY(!media.canPlay());
        // Failed retries leave it so, without flicker in between.
        QSignalSpy changes(player, &TavirelPlayer::reachableChanged);
        QTest::qWait(2500);
        QCOMPARE(changes.count(), 0);

        QVERIFY2(m_mopidy.restart(), qPrintable(m_mopidy.errorString()));
        m_mopidy.call(QStringLiteral("core.tracklist.add"),
                      { { "uris", QJsonArray { player->queue().at(1)->uri() } } });
        QTRY_VERIFY_WITH_TIMEOUT(!message->isVisible(), 5000);
        QVERIFY(transport->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(player->queue().size(), 1, 5000);
        QTRY_COMPARE(card->property("subtitle").toString(), QStringLiteral("Nothing playing"));
        QTRY_VERIFY(media.canPlay());
        QCOMPARE(media.playbackStatus(), QStringLiteral("Stopped"));
    }

    // Nothing of the user's is lost without asking: a name already taken is
    // replaced only once confirmed, and a cleared queue and a deleted
    // playlist come back from the notice's undo, as Mopidy then holds them.
    void replaceAndUndo()
    {
        auto playlistUris = [this](const QString& name) {
            QStringList uris;
            for (const QJsonValue& ref : m_mopidy.call(QStringLiteral("core.playlists.as_list")).toArray()) {
                if (ref.toObject().value("name").toString() != name)
                    continue;
                const QJsonValue pl = m_mopidy.call(QStringLiteral("core.playlists.lookup"), { { "uri", ref.toObject().value("uri") } });
                for (const QJsonValue& track : pl.toObject().value("tracks").toArray())
                    uris << track.toObject().value("uri").toString();
            }
            return uris;
        };
        auto queueUris = [this] {
            QStringList uris;
            for (const QJsonValue& tl : mopidyQueue())
                uris << tl.toObject().value("track").toObject().value("uri").toString();
            return uris;
        };
        showPlayerWithTracks(3);
        auto* page = item<PlayerView>(QStringLiteral("myPlayerView"));
        TavirelPlayer* player = page->selectedSource()->player();
        auto* notices = m_root->findChild<QObject*>(QStringLiteral("notices"));
        QVERIFY(notices);
        const QStringList roadTrip = playlistUris(QStringLiteral("Road Trip"));
        QCOMPARE(roadTrip.size(), 4);
        QTRY_VERIFY_WITH_TIMEOUT(playlistNamed(player, "Road Trip") && playlistNamed(player, "Quiet Evening"), 10000);

        // Saving the queue under a taken name: asked first, then replaced.
        page->showSavePlaylistDialog();
        confirmDialog(QStringLiteral("Save"), QStringLiteral("Quiet Evening"));
        QTRY_VERIFY(findByProperty(m_root, "headTitle", "Replace"));
        QTest::qWait(300);
        QVERIFY(playlistUris(QStringLiteral("Quiet Evening")) != queueUris());
        confirmDialog(QStringLiteral("Replace"));
        QTRY_COMPARE_WITH_TIMEOUT(playlistUris(QStringLiteral("Quiet Evening")), queueUris(), 10000);

        // Renaming onto a taken name: nothing goes to the device until confirmed.
        QMetaObject::invokeMethod(item(QStringLiteral("playlistsButton")), "clicked");
        auto* nav = page->playlistsPopup()->findChild<PlaylistNavigationController*>();
        QVERIFY(nav);
        nav->renamePlaylist(playlistNamed(player, "Quiet Evening")->uri(), QStringLiteral("Road Trip"));
        QTRY_VERIFY(findByProperty(m_root, "headTitle", "Replace"));
        const QString rename = QStringLiteral("UI_COMMAND|2010|100|%1|Road Trip").arg(playlistNamed(player, "Quiet Evening")->uri());
        QTest::qWait(300);
        QCOMPARE(m_sim.countReceived(rename), 0);
        QMetaObject::invokeMethod(findByProperty(m_root, "headTitle", "Replace"), "rejected");
        QTest::qWait(300);
        QCOMPARE(m_sim.countReceived(rename), 0);

        // Deleting, then undoing: the playlist is back with its tracks in order.
        nav->deletePlaylist(playlistNamed(player, "Road Trip")->uri());
        QTRY_VERIFY_WITH_TIMEOUT(!mopidyPlaylists().contains("Road Trip"), 10000);
        QTRY_VERIFY(notices->property("actionText").toString() == QStringLiteral("Undo"));
        QMetaObject::invokeMethod(notices, "act");
        QTRY_COMPARE_WITH_TIMEOUT(playlistUris(QStringLiteral("Road Trip")), roadTrip, 10000);
        nav->close();

        // Clearing the queue, then undoing: same tracks, same order, same current track, paused.
        const QJsonArray before = mopidyQueue();
        m_mopidy.call(QStringLiteral("core.playback.play"), { { "tlid", before.at(1).toObject().value("tlid") } });
        QTRY_VERIFY_WITH_TIMEOUT(m_mopidy.call(QStringLiteral("core.playback.get_state")).toString() == "playing", 5000);
        m_mopidy.call(QStringLiteral("core.playback.pause"));
        QTRY_COMPARE_WITH_TIMEOUT(player->currentTlid(), before.at(1).toObject().value("tlid").toInt(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(player->playPause(), 1, 5000);
        const QStringList queued = queueUris();
        page->clearQueue();
        QTRY_COMPARE_WITH_TIMEOUT(mopidyQueue().size(), 0, 5000);
        QCOMPARE(notices->property("text").toString(), QStringLiteral("Queue cleared"));
        QMetaObject::invokeMethod(notices, "act");
        QTRY_COMPARE_WITH_TIMEOUT(queueUris(), queued, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(m_mopidy.call(QStringLiteral("core.tracklist.index")).toInt(), 1, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(m_mopidy.call(QStringLiteral("core.playback.get_state")).toString(), QStringLiteral("paused"), 5000);
        // Taken back once only.
        QMetaObject::invokeMethod(notices, "act");
        QTest::qWait(300);
        QCOMPARE(mopidyQueue().size(), 3);
    }

    // The add-URL dialog's outcomes, as the window's notice tells them and
    // as Mopidy's queue shows them.
    void addUrlTellsWhatHappened()
    {
        showPlayerWithTracks(1);
        auto* page = item<PlayerView>(QStringLiteral("myPlayerView"));
        auto* notices = m_root->findChild<QObject*>(QStringLiteral("notices"));
        QVERIFY(notices);
        const QString track = mopidyQueue().at(0).toObject().value("track").toObject().value("uri").toString();
        const struct {
            QString url;
            QString text;
            bool error;
            int queued;
        } rows[] = {
            { track, QStringLiteral("URL added to the queue"), false, 2 },
            { QStringLiteral("radio.example/stream"), QStringLiteral("Not added: a URL starts with its scheme, for example http://"), true, 2 },
            { QStringLiteral("nosuchscheme:track:1"), QStringLiteral("Track is not playable"), true, 2 },
            { QStringLiteral("http://127.0.0.1:9/live.mp3"), QStringLiteral("URL added to the queue"), false, 3 },
        };
        for (const auto& row : rows) {
            page->addUrlToQueue(row.url);
            QTRY_COMPARE_WITH_TIMEOUT(notices->property("text").toString(), row.text, 5000);
            QCOMPARE(notices->property("isError").toBool(), row.error);
            QTRY_COMPARE_WITH_TIMEOUT(mopidyQueue().size(), row.queued, 5000);
        }
        QTRY_VERIFY(findItem(m_root, QStringLiteral("windowNotice"))->isVisible());
        // A stream the server knows no title of goes by its URL.
        QMetaObject::invokeMethod(item(QStringLiteral("queueButton")), "clicked");
        QTRY_VERIFY(queueRow(2));
        QStringList labels;
        for (int i = 0; i < 3; ++i)
            labels << queueRow(i)->property("textLabel").toString();
        QVERIFY2(labels.contains(QStringLiteral("http://127.0.0.1:9/live.mp3")), qPrintable(labels.join(", ")));
        closeSheets(item(QStringLiteral("myPlayerView")));
    }
};

QTEST_MAIN(TestZoneViewsE2e)
#include "tst_zoneviewse2e.moc"
