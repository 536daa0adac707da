#include "app/focuskeeper.h"
#include "app/maintabcontroller.h"
#include "app/startup.h"
#include "devices/device.h"
#include "devices/devicestore.h"
#include "focusstops.h"
#include "model/housecontrol.h"
#include "model/source.h"
#include "model/tavirel.h"
#include "mopidyfixture.h"
#include "navigation/browsenavigationcontroller.h"
#include "player/playeritem.h"
#include "player/tavirelplayer.h"
#include "settings/settingsview.h"
#include "settings/tavireltheme.h"
#include "simprocess.h"
#include "views/playerview.h"
#include "views/sourcesview.h"

#include <QJSValue>
#include <QJsonArray>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QSettings>
#include <QtTest>
#include <functional>

using ShowScreen = std::function<void(MainTabController*, PlayerView*)>;
Q_DECLARE_METATYPE(ShowScreen)

// Keys sent to the application's window, connected to the simulator whose
// player source plays on a real Mopidy.
class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void tabs_data();
    void tabs();
    void spacePlaysAndPauses();
    void volumeAndMute();
    void escapeClosesPopup();
    void ctrlLAndCtrlFOpenTheLibrary();
    void framesFollowTheKeyboard();
    void everyStopIsShownAndNamed_data();
    void everyStopIsShownAndNamed();
    void spaceAfterClosingTheSearchPlays();
    void returnRenamesOnce();
    void matrixByKeys();
    void undoRedoAndHouseSheet();

private:
    void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(m_view.get(), Qt::Key(k), modifiers);
    }
    QQuickItem* addUrlDialog() const;
    QQuickItem* libraryShown() const;
    // Closes what is open with Escape and returns to the settings root.
    void backToStart();
    QString playback() { return m_mopidy.call("core.playback.get_state").toString(); }

    MopidyFixture m_mopidy;
    SimProcess m_sim;
    TavirelTheme m_theme;
    // Outlives the window, as in the application.
    HouseControl m_house;
    std::unique_ptr<QQuickView> m_view;
    MainTabController* m_controller = nullptr;
    PlayerView* m_page = nullptr;
};

void TestKeyboard::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    Startup::setIdentity(*QCoreApplication::instance());
    Startup::registerMetaTypes();
    Startup::registerQmlTypes();
    Startup::createImageServices();
    QSettings().clear();
    m_theme.loadFromFile(TestSupport::sourceDir() + QStringLiteral("/themes/theme0.json"));

    QVERIFY2(m_mopidy.start(), qPrintable(m_mopidy.errorString()));
    const QString config = TestSupport::sourceDir() + "/tests/data/model/e2e-device.json";
    QVERIFY2(m_sim.start(0, { "--config", config, "--user", "admin", "--password", "admin", "--mopidy-host",
                              m_mopidy.host(), "--mopidy-port", QString::number(m_mopidy.port()) }),
             qPrintable(m_sim.log));
    QSettings().setValue(QLatin1String(DeviceStore::LastSelectedKey), TestSupport::simulatorDeviceText(m_sim.port()));

    m_view = std::make_unique<QQuickView>();
    m_view->rootContext()->setContextProperty(QStringLiteral("house"), &m_house);
    TestSupport::loadMainDocument(m_view.get(), &m_theme);
    QCOMPARE(m_view->status(), QQuickView::Ready);
    m_view->show();
    m_view->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
    m_controller = qobject_cast<MainTabController*>(m_view->rootObject());
    m_page = m_controller->ensurePlayerView();
    Startup::followDevice(&m_house, m_controller);
    QTRY_VERIFY_WITH_TIMEOUT(m_controller->currentTab() == MainTabController::SourcesTab, 20000);
    QTRY_VERIFY(m_controller->deviceModel()->sourceByIndex(5)
                && m_controller->deviceModel()->sourceByIndex(5)->player());

    QJsonArray uris;
    for (const QJsonValue& ref :
         m_mopidy.call("core.library.browse", { { "uri", "local:directory?type=track" } }).toArray()) {
        uris.append(ref.toObject().value("uri"));
        if (uris.size() == 3)
            break;
    }
    m_mopidy.call("core.tracklist.add", { { "uris", uris } });
    m_mopidy.call("core.tracklist.set_repeat", { { "value", true } });
}

void TestKeyboard::cleanupTestCase()
{
    m_view.reset();
    QCoreApplication::processEvents();
    m_sim.stop();
    m_mopidy.stop();
}

void TestKeyboard::tabs_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("sourceSelected");
    QTest::addColumn<int>("expectedTab");
    QTest::newRow("Ctrl+3 settings") << int(Qt::Key_3) << false << 2;
    QTest::newRow("Ctrl+2 player, there from the start") << int(Qt::Key_2) << false << 1;
    QTest::newRow("Ctrl+1 sources") << int(Qt::Key_1) << false << 0;
    QTest::newRow("Ctrl+2 player") << int(Qt::Key_2) << true << 1;
}

void TestKeyboard::tabs()
{
    QFETCH(int, key);
    QFETCH(bool, sourceSelected);
    QFETCH(int, expectedTab);
    if (sourceSelected && !m_page->selectedSource()) {
        // Choosing a source opens the player page; start from another tab.
        m_controller->openPlayerView(5);
        m_controller->menuListView()->setProperty("currentIndex", 0);
        QTRY_COMPARE(m_controller->currentTab(), 0);
    }
    this->key(key, Qt::ControlModifier);
    QTRY_COMPARE(m_controller->currentTab(), expectedTab);
}

void TestKeyboard::spacePlaysAndPauses()
{
    QVERIFY(m_page->selectedSource());
    TavirelPlayer* player = m_page->selectedSource()->player();
    QTRY_VERIFY_WITH_TIMEOUT(player->isConnected(), 10000);
    key(Qt::Key_Space);
    QTRY_COMPARE_WITH_TIMEOUT(m_mopidy.call("core.playback.get_state").toString(), QStringLiteral("playing"), 10000);
    QTRY_COMPARE(player->playPause(), 2);
    key(Qt::Key_Space);
    QTRY_COMPARE_WITH_TIMEOUT(m_mopidy.call("core.playback.get_state").toString(), QStringLiteral("paused"), 10000);
}

void TestKeyboard::volumeAndMute()
{
    Source* music = m_page->selectedSource();
    const int before = music->volume();
    key(Qt::Key_Up, Qt::ControlModifier);
    // The model moves only when the device reports the new volume.
    QTRY_COMPARE_WITH_TIMEOUT(music->volume(), before + 2, 10000);
    key(Qt::Key_Down, Qt::ControlModifier);
    key(Qt::Key_Down, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(music->volume(), before - 2, 10000);
    // Muting a source mutes the outputs that play it.
    const QList<Output*> outputs = music->linkedOutputList();
    QCOMPARE(outputs.size(), 2);
    auto mutedOutputs = [&outputs] {
        return int(std::count_if(outputs.begin(), outputs.end(), [](Output* o) { return o->mute(); }));
    };
    QCOMPARE(mutedOutputs(), 0);
    key(Qt::Key_M, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(mutedOutputs(), 2, 10000);
    key(Qt::Key_M, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(mutedOutputs(), 0, 10000);
}

QQuickItem* TestKeyboard::addUrlDialog() const
{
    for (QQuickItem* item : m_controller->findChildren<QQuickItem*>()) {
        if (item->isVisible() && item->property("headTitle").toString() == QLatin1String("Add URL"))
            return item;
    }
    return nullptr;
}

// A focus frame shows once the keyboard moved the focus, and goes with a
// click: a clicked button keeps the focus but shows no frame.
void TestKeyboard::framesFollowTheKeyboard()
{
    backToStart();
    key(Qt::Key_1, Qt::ControlModifier);
    QQuickItem* tabBar = m_controller->menuListView();
    QTest::mouseClick(m_view.get(), Qt::LeftButton, Qt::NoModifier,
                      tabBar->mapToScene(QPointF(tabBar->width() / 6, tabBar->height() / 2)).toPoint());
    QVERIFY(!FocusFrames::instance()->shown());
    key(Qt::Key_Tab);
    QVERIFY(FocusFrames::instance()->shown());
    QTest::mouseClick(m_view.get(), Qt::LeftButton, Qt::NoModifier,
                      tabBar->mapToScene(QPointF(tabBar->width() / 6, tabBar->height() / 2)).toPoint());
    QVERIFY(!FocusFrames::instance()->shown());
    backToStart();
}

void TestKeyboard::escapeClosesPopup()
{
    m_page->showAddUrlDialog();
    QQuickItem* dialog = addUrlDialog();
    QVERIFY(dialog);
    // Typing in the dialog's field keeps the space bar and does not close it.
    auto* field = dialog->findChild<QQuickItem*>(QStringLiteral("urlField"));
    QVERIFY(field);
    QQuickItem* input = nullptr;
    for (QQuickItem* child : field->findChildren<QQuickItem*>()) {
        if (child->property("cursorPosition").isValid())
            input = child;
    }
    QVERIFY(input);
    // The field has the keyboard as the dialog opens.
    QTRY_VERIFY(input->hasActiveFocus());
    for (int k : { Qt::Key_A, Qt::Key_Space, Qt::Key_B })
        key(k);
    QCOMPARE(input->property("text").toString(), QStringLiteral("a b"));
    QCOMPARE(m_mopidy.call("core.playback.get_state").toString(), QStringLiteral("paused"));

    QPointer<QQuickItem> guard(dialog);
    key(Qt::Key_Escape);
    QTRY_VERIFY(!guard || !guard->isVisible());
    QVERIFY(!addUrlDialog());

    // Return in the field confirms, as the highlighted button does.
    m_page->showAddUrlDialog();
    QPointer<QQuickItem> confirmed(addUrlDialog());
    QVERIFY(confirmed);
    QSignalSpy added(confirmed.data(), SIGNAL(addUrl(QString)));
    // A URL without its scheme is not taken.
    key(Qt::Key_X);
    key(Qt::Key_Return);
    QCOMPARE(added.count(), 0);
    QVERIFY(!confirmed->property("errorText").toString().isEmpty());
    auto* urlField = confirmed->findChild<QQuickItem*>(QStringLiteral("urlField"));
    QVERIFY(urlField);
    urlField->setProperty("text", QStringLiteral("http://x"));
    key(Qt::Key_Return);
    QCOMPARE(added.count(), 1);
    QCOMPARE(added.first().first().toString(), QStringLiteral("http://x"));
    QTRY_VERIFY(!confirmed || !confirmed->isVisible());
}

void TestKeyboard::ctrlLAndCtrlFOpenTheLibrary()
{
    auto libraryShown = [this] {
        for (QQuickItem* item : m_controller->window()->contentItem()->findChildren<QQuickItem*>()) {
            if (item->objectName() == QLatin1String("musicLibraryPopup") && item->isVisible())
                return item;
        }
        return static_cast<QQuickItem*>(nullptr);
    };
    QVERIFY(!libraryShown());
    key(Qt::Key_L, Qt::ControlModifier);
    QTRY_VERIFY(libraryShown());
    key(Qt::Key_Escape);
    QTRY_VERIFY(!libraryShown());

    // Ctrl+F: the library on its search page, the text field ready for typing.
    key(Qt::Key_F, Qt::ControlModifier);
    QTRY_VERIFY(libraryShown());
    QQuickItem* field = nullptr;
    QTRY_VERIFY((field = libraryShown()->findChild<QQuickItem*>(QStringLiteral("searchField"))) && field->hasActiveFocus());
    key(Qt::Key_Escape);
    QTRY_VERIFY(libraryShown() && !libraryShown()->findChild<QQuickItem*>(QStringLiteral("searchField")));
    key(Qt::Key_Escape);
    QTRY_VERIFY(!libraryShown());
}

QQuickItem* TestKeyboard::libraryShown() const
{
    for (QQuickItem* item : m_controller->window()->contentItem()->findChildren<QQuickItem*>()) {
        if (item->objectName() == QLatin1String("musicLibraryPopup") && item->isVisible())
            return item;
    }
    return nullptr;
}

void TestKeyboard::backToStart()
{
    auto open = [this] {
        return FocusKeeper::topModal(m_view->contentItem()) || FocusKeeper::topWith(m_view->contentItem(), "tabScope");
    };
    for (int i = 0; i < 6 && open(); ++i) {
        key(Qt::Key_Escape);
        QTest::qWait(50);
    }
    if (QQuickItem* library = libraryShown())
        library->setVisible(false);
    if (auto* settings = m_controller->findChild<SettingsView*>(QStringLiteral("mySettingsView")))
        settings->popToRootView();
    QTRY_VERIFY(!open());
}

void TestKeyboard::everyStopIsShownAndNamed_data()
{
    QTest::addColumn<ShowScreen>("show");
    QTest::addColumn<bool>("modal");
    auto settingsTab = [](MainTabController* c) {
        c->menuListView()->setProperty("currentIndex", 2);
        auto* settings = c->findChild<SettingsView*>(QStringLiteral("mySettingsView"));
        QTest::qWaitFor([settings] { return settings->isVisible(); }, 2000);
        return settings;
    };
    QTest::newRow("sources") << ShowScreen([](MainTabController* c, PlayerView*) {
        c->menuListView()->setProperty("currentIndex", 0);
    }) << false;
    QTest::newRow("player") << ShowScreen([](MainTabController* c, PlayerView*) { c->openPlayerView(5); }) << false;
    QTest::newRow("settings") << ShowScreen([settingsTab](MainTabController* c, PlayerView*) { settingsTab(c); })
                              << false;
    QTest::newRow("keyboard shortcuts") << ShowScreen([settingsTab](MainTabController* c, PlayerView*) {
        QMetaObject::invokeMethod(settingsTab(c)->findChild<QObject*>(QStringLiteral("shortcutsRow")), "clicked");
    }) << false;
    QTest::newRow("device finder") << ShowScreen([settingsTab](MainTabController* c, PlayerView*) {
        settingsTab(c)->pushDeviceFinder();
    }) << false;
    QTest::newRow("routing matrix") << ShowScreen([](MainTabController* c, PlayerView*) {
        c->menuListView()->setProperty("currentIndex", 0);
        QMetaObject::invokeMethod(c->ensureSourcesView(), "openMatrix");
        QTest::qWait(400);
    }) << false;
    QTest::newRow("library") << ShowScreen([](MainTabController* c, PlayerView* p) {
        c->openPlayerView(5);
        p->openMusicLibrary();
    }) << false;
    QTest::newRow("add url dialog") << ShowScreen([](MainTabController* c, PlayerView* p) {
        c->openPlayerView(5);
        p->showAddUrlDialog();
    }) << true;
    QTest::newRow("connection dialog") << ShowScreen([settingsTab](MainTabController* c, PlayerView*) {
        auto* device = new Device(c);
        device->setSerialNumber(QStringLiteral("SIM-2"));
        device->setLocalIp(QStringLiteral("127.0.0.1"));
        settingsTab(c);
        c->showDeviceConnDialog(true, device);
    }) << true;
}

// Tab walks each screen round: every stop can be seen and has a name, a
// modal dialog keeps every stop inside itself, and Shift+Tab goes back.
void TestKeyboard::everyStopIsShownAndNamed()
{
    QFETCH(ShowScreen, show);
    QFETCH(bool, modal);
    backToStart();
    // A window short enough that the lists scroll.
    const QSize size = m_view->size();
    m_view->resize(420, 560);
    auto restore = qScopeGuard([this, size] { m_view->resize(size); });
    show(m_controller, m_page);
    // Rows arrive from the device and the player over a moment.
    QTest::qWait(800);
    QQuickItem* dialog = FocusKeeper::topModal(m_view->contentItem());
    QCOMPARE(dialog != nullptr, modal);
    if (dialog)
        QTRY_VERIFY(FocusKeeper::modalAncestor(m_view->activeFocusItem()) == dialog);

    QList<QQuickItem*> stops;
    QStringList problems;
    for (int i = 0; i < 120; ++i) {
        key(Qt::Key_Tab);
        QQuickItem* stop = m_view->activeFocusItem();
        if (stops.contains(stop))
            break;
        stops << stop;
        const QString why = FocusStops::whyUnseen(stop);
        if (!why.isEmpty())
            problems << FocusStops::describe(stop) + QStringLiteral(": ") + why;
        if (dialog && FocusKeeper::modalAncestor(stop) != dialog)
            problems << FocusStops::describe(stop) + QStringLiteral(": outside the dialog");
    }
    QVERIFY2(problems.isEmpty(), qPrintable("\n" + problems.join('\n')));
    QVERIFY(stops.size() >= 2);
    QCOMPARE(m_view->activeFocusItem(), stops.first());
    key(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(m_view->activeFocusItem(), stops.last());
    backToStart();
}

// The search field that had the keys is gone with the library: the space
// bar plays again.
void TestKeyboard::spaceAfterClosingTheSearchPlays()
{
    backToStart();
    m_controller->openPlayerView(5);
    QTRY_VERIFY_WITH_TIMEOUT(m_page->selectedSource()->player()->isConnected(), 10000);
    key(Qt::Key_F, Qt::ControlModifier);
    QQuickItem* field = nullptr;
    QTRY_VERIFY(libraryShown() && (field = libraryShown()->findChild<QQuickItem*>(QStringLiteral("searchField")))
                && field->hasActiveFocus());
    key(Qt::Key_A);
    QQuickItem* close = nullptr;
    for (QQuickItem* item : libraryShown()->findChildren<QQuickItem*>()) {
        if (QString::fromLatin1(item->metaObject()->className()).startsWith("NavigationButton")
            && item->isVisible() && item->property("text").toString() == QLatin1String("Close"))
            close = item;
    }
    QVERIFY(close);
    QTest::mouseClick(m_view.get(), Qt::LeftButton, Qt::NoModifier,
                      close->mapToScene(QPointF(close->width() / 2, close->height() / 2)).toPoint());
    QTRY_VERIFY(!libraryShown());
    const bool wasPlaying = playback() == QLatin1String("playing");
    key(Qt::Key_Space);
    QTRY_COMPARE_WITH_TIMEOUT(playback(), wasPlaying ? QStringLiteral("paused") : QStringLiteral("playing"), 10000);
}

// The rename dialog has the keys with the old name selected; asking again
// does not stack a second one, and Return renames once.
void TestKeyboard::returnRenamesOnce()
{
    backToStart();
    m_controller->openPlayerView(5);
    TavirelPlayer* player = m_page->selectedSource()->player();
    const QString uri = m_mopidy.call("core.playlists.create", { { "name", "Signal Box" } })
                            .toObject().value("uri").toString();
    QVERIFY(!uri.isEmpty());
    player->actionRefreshPlaylists();
    QTRY_COMPARE_WITH_TIMEOUT(player->getPlaylistName(uri), QStringLiteral("Signal Box"), 10000);
    auto named = [this](const QString& name) {
        int n = 0;
        for (const QJsonValue& ref : m_mopidy.call("core.playlists.as_list").toArray())
            n += ref.toObject().value("name").toString() == name;
        return n;
    };
    const int playlists = m_mopidy.call("core.playlists.as_list").toArray().size();

    m_page->openMusicLibrary();
    QTRY_VERIFY(libraryShown());
    auto* nav = libraryShown()->findChild<BrowseNavigationController*>();
    QVERIFY(nav);
    PlayerItem item;
    item.setUri(uri);
    item.setName(QStringLiteral("Signal Box"));
    nav->menuActionForItemPlaylist(QStringLiteral("It_Rename"), &item);
    nav->menuActionForItemPlaylist(QStringLiteral("It_Rename"), &item);
    QList<QQuickItem*> dialogs;
    for (QQuickItem* d : nav->findChildren<QQuickItem*>()) {
        if (d->isVisible() && d->property("headTitle").toString() == QLatin1String("Rename"))
            dialogs << d;
    }
    QCOMPARE(dialogs.size(), 1);
    QQuickItem* input = m_view->activeFocusItem();
    QTRY_VERIFY((input = m_view->activeFocusItem()) && FocusKeeper::modalAncestor(input) == dialogs.first());
    QCOMPARE(input->property("selectedText").toString(), QStringLiteral("Signal Box"));
    for (char c : QByteArray("Goods Yard"))
        QTest::keyClick(m_view.get(), c);
    key(Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(named(QStringLiteral("Goods Yard")), 1, 10000);
    QTRY_COMPARE(named(QStringLiteral("Signal Box")), 0);
    QTest::qWait(300);
    QCOMPARE(m_mopidy.call("core.playlists.as_list").toArray().size(), playlists);
    backToStart();
}

// The routing matrix without a mouse: it opens from its button with the
// keyboard on a cell, the arrows move, Space routes and unroutes on the
// device, and Escape gives the keyboard back to the button.
void TestKeyboard::matrixByKeys()
{
    backToStart();
    key(Qt::Key_1, Qt::ControlModifier);
    SourcesView* sources = m_controller->ensureSourcesView();
    QTRY_VERIFY(sources && sources->isVisible());
    QQuickItem* button = sources->findChild<QQuickItem*>(QStringLiteral("headerMatrixButton"));
    QVERIFY(button);
    button->forceActiveFocus(Qt::TabFocusReason);
    key(Qt::Key_Return);
    auto focused = [this] { return m_view->activeFocusItem(); };
    QTRY_VERIFY(focused()->objectName().startsWith(QLatin1String("cell_")));
    // To the top left cell, then one down and one right.
    for (int i = 0; i < 8; ++i) {
        key(Qt::Key_Up);
        key(Qt::Key_Left);
    }
    QQuickItem* corner = focused();
    key(Qt::Key_Down);
    QQuickItem* below = focused();
    key(Qt::Key_Right);
    QQuickItem* cell = focused();
    QVERIFY(cell->objectName().startsWith(QLatin1String("cell_")));
    QVERIFY(below != corner && cell != below && cell != corner);
    const QStringList outputAndSource = cell->objectName().mid(5).split('_');
    const bool routed = cell->property("routed").toBool();
    const QString on = QStringLiteral("UI_COMMAND|2003|100|%1@%2").arg(outputAndSource.at(0), outputAndSource.at(1));
    const QString off = QStringLiteral("UI_COMMAND|2003|100|%1@-1").arg(outputAndSource.at(0));
    const int ons = m_sim.countReceived(on);
    const int offs = m_sim.countReceived(off);
    key(Qt::Key_Space);
    QTRY_COMPARE_WITH_TIMEOUT(cell->property("routed").toBool(), !routed, 5000);
    key(Qt::Key_Space);
    QTRY_COMPARE_WITH_TIMEOUT(cell->property("routed").toBool(), routed, 5000);
    QCOMPARE(m_sim.countReceived(on), ons + 1);
    QCOMPARE(m_sim.countReceived(off), offs + 1);
    key(Qt::Key_Escape);
    QTRY_COMPARE(focused(), button);
}

void TestKeyboard::undoRedoAndHouseSheet()
{
    backToStart();
    m_controller->openPlayerView(5);
    Source* music = m_page->selectedSource();
    QVERIFY(music);
    const int before = music->volume();
    key(Qt::Key_Up, Qt::ControlModifier);
    key(Qt::Key_Up, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(music->volume(), before + 4, 10000);
    // Two presses in a row are one change, taken back and made again.
    key(Qt::Key_Z, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(music->volume(), before, 10000);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_COMPARE_WITH_TIMEOUT(music->volume(), before + 4, 10000);

    // The House sheet from the sources page: All off takes the focus, and
    // Resume can be reached once it was pressed.
    key(Qt::Key_1, Qt::ControlModifier);
    QTRY_COMPARE(m_controller->currentTab(), int(MainTabController::SourcesTab));
    QQuickItem* houseButton = m_controller->findChild<QQuickItem*>(QStringLiteral("headerHouseButton"));
    QVERIFY(houseButton && houseButton->isVisible());
    QMetaObject::invokeMethod(houseButton, "clicked");
    QQuickItem* allOff = nullptr;
    QTRY_VERIFY((allOff = m_controller->findChild<QQuickItem*>(QStringLiteral("allOffButton"))) && allOff->hasActiveFocus());
    key(Qt::Key_Space);
    const QList<Output*> outputs = music->linkedOutputList();
    QTRY_VERIFY_WITH_TIMEOUT(std::all_of(outputs.begin(), outputs.end(), [](Output* o) { return o->mute(); }), 10000);
    QQuickItem* resume = m_controller->findChild<QQuickItem*>(QStringLiteral("resumeButton"));
    QTRY_VERIFY(resume->isEnabled());
    key(Qt::Key_Tab);
    QVERIFY2(resume->hasActiveFocus(), qPrintable(FocusStops::describe(m_view->activeFocusItem())));
    key(Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(std::none_of(outputs.begin(), outputs.end(), [](Output* o) { return o->mute(); }), 10000);
    key(Qt::Key_Escape);
    QTRY_VERIFY(!m_controller->findChild<QQuickItem*>(QStringLiteral("allOffButton")));
    QTRY_VERIFY(houseButton->hasActiveFocus());
    key(Qt::Key_Z, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(music->volume(), before, 10000);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
