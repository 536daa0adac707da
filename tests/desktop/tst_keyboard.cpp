#include "app/maintabcontroller.h"
#include "app/startup.h"
#include "devices/device.h"
#include "devices/devicestore.h"
#include "model/housecontrol.h"
#include "model/source.h"
#include "model/tavirel.h"
#include "mopidyfixture.h"
#include "player/tavirelplayer.h"
#include "settings/tavireltheme.h"
#include "simprocess.h"
#include "views/playerview.h"

#include <QJSValue>
#include <QJsonArray>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QSettings>
#include <QtTest>

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
    void undoRedoAndHouseSheet();

private:
    void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(m_view.get(), Qt::Key(k), modifiers);
    }
    QQuickItem* addUrlDialog() const;

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
    m_page = m_controller->findChild<PlayerView*>(QStringLiteral("myPlayerView"));
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
        if (item->isVisible() && item->property("headTitle").toString() == QLatin1String("Add Url"))
            return item;
    }
    return nullptr;
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
    for (int k : { Qt::Key_X, Qt::Key_Return })
        key(k);
    QCOMPARE(added.count(), 1);
    QCOMPARE(added.first().first().toString(), QStringLiteral("x"));
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

void TestKeyboard::undoRedoAndHouseSheet()
{
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
    QVERIFY(resume->hasActiveFocus());
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
