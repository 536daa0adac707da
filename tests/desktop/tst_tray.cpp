#include "app/startup.h"
#include "desktop/desktopsettings.h"
#include "desktop/playerfocus.h"
#include "desktop/statusnotifieritem.h"
#include "desktop/tracknotifier.h"
#include "desktop/traycontroller.h"
#include "desktop/traymenu.h"
#include "desktop/traydbustypes.h"
#include "devices/device.h"
#include "devices/devicestore.h"
#include "link/tavirelconnthread.h"
#include "model/housecontrol.h"
#include "model/source.h"
#include "model/tavirel.h"
#include "mopidyfixture.h"
#include "player/song.h"
#include "player/tavirelplayer.h"
#include "settings/tavireltheme.h"
#include "simprocess.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QJsonArray>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QWindow>
#include <QtTest>

QQuickItem* findItem(QQuickItem* root, const QString& name)
{
    if (root->objectName() == name)
        return root;
    for (QQuickItem* child : root->childItems()) {
        if (QQuickItem* found = findItem(child, name))
            return found;
    }
    return nullptr;
}

// The panel's watcher service, on a connection of its own so that it can
// go away and come back as a restarted panel does.
class FakeWatcher : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
public:
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("watcher"));
    QStringList registered;

    bool start()
    {
        return bus.registerObject(StatusNotifierItem::WatcherPath, this, QDBusConnection::ExportAllContents)
            && bus.registerService(StatusNotifierItem::WatcherService);
    }
    bool stop() { return bus.unregisterService(StatusNotifierItem::WatcherService); }
    bool hostRegistered() const { return true; }
    int protocolVersion() const { return 0; }

public slots:
    void RegisterStatusNotifierItem(const QString& service) { registered << service; }
    void RegisterStatusNotifierHost(const QString&) {}
};

// A desktop notification server that records what it is asked to show.
class FakeNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Shown {
        uint replacesId;
        QString summary;
        QString body;
        QSize image;
    };
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("notifications"));
    QList<Shown> shown;
    uint nextId = 40;

    bool start()
    {
        return bus.registerObject(TrackNotifier::Path, this, QDBusConnection::ExportAllSlots)
            && bus.registerService(TrackNotifier::Service);
    }

public slots:
    uint Notify(const QString&, uint replacesId, const QString&, const QString& summary, const QString& body,
                const QStringList&, const QVariantMap& hints, int)
    {
        QSize image;
        if (hints.contains("image-data")) {
            const QDBusArgument arg = hints.value("image-data").value<QDBusArgument>();
            int w = 0, h = 0;
            arg.beginStructure();
            arg >> w >> h;
            arg.endStructure();
            image = QSize(w, h);
        }
        shown.append({ replacesId, summary, body, image });
        return replacesId ? replacesId : ++nextId;
    }
};

// The panel item, its menu, the mixer and the notifications on a private
// session bus (the test runs under dbus-run-session), over the device
// simulator and a real Mopidy.
class TestTray : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void scrolledVolume_data();
    void scrolledVolume();
    void popupPosition_data();
    void popupPosition();
    void registersAgainWhenWatcherRestarts();
    void closingKeepsAppInPanel();
    void menuHoldsTheEntries();
    void activateShowsMixer();
    void scrollSetsOutputVolumes();
    void trackChangeNotifiesAndReplaces();

private:
    QDBusMessage callItem(const QString& path, const QString& interface, const QString& method,
                          const QVariantList& args = {});
    TrayMenuLayout menuLayout();
    QString mopidyState() { return m_mopidy.call("core.playback.get_state").toString(); }

    MopidyFixture m_mopidy;
    SimProcess m_sim;
    Device m_device;
    TavirelConnThread* m_link = nullptr;
    Tavirel m_model;
    HouseControl m_house;
    TavirelTheme m_theme;
    QQmlEngine* m_engine = nullptr;
    TrayController* m_tray = nullptr;
    FakeWatcher m_watcher;
    FakeNotifications m_notifications;
};

QDBusMessage TestTray::callItem(const QString& path, const QString& interface, const QString& method,
                                const QVariantList& args)
{
    QDBusMessage call = QDBusMessage::createMethodCall(m_tray->item()->serviceName(), path, interface, method);
    call.setArguments(args);
    // From the panel's side of the bus, as a desktop would call.
    return m_watcher.bus.call(call, QDBus::BlockWithGui, 10000);
}

// The top-level entry labelled label, or one with id 0.
TrayMenuLayout entryNamed(const TrayMenuLayout& root, const QString& label)
{
    for (const QVariant& child : root.children) {
        const TrayMenuLayout entry = child.value<TrayMenuLayout>();
        if (entry.properties.value("label").toString() == label)
            return entry;
    }
    return {};
}

TrayMenuLayout TestTray::menuLayout()
{
    const QDBusMessage reply = callItem(TrayMenu::ObjectPath, "com.canonical.dbusmenu", "GetLayout",
                                        { 0, -1, QStringList() });
    TrayMenuLayout layout;
    if (reply.type() == QDBusMessage::ReplyMessage && reply.arguments().size() == 2)
        reply.arguments().at(1).value<QDBusArgument>() >> layout;
    return layout;
}

void TestTray::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run under dbus-run-session");
    TrayDBusTypes::registerTypes();
    QVERIFY(m_watcher.bus.isConnected());
    QVERIFY(m_notifications.start());
    const QString configPath = TestSupport::sourceDir() + "/tests/data/model/e2e-device.json";
    QVERIFY2(m_mopidy.start(), qPrintable(m_mopidy.errorString()));
    QVERIFY2(m_sim.start(0, { "--config", configPath, "--mopidy-host", m_mopidy.host(), "--mopidy-port",
                              QString::number(m_mopidy.port()) }),
             qPrintable(m_sim.log));
    TestSupport::linkModel(m_model, m_device, m_sim.port(), m_link);
    QTRY_VERIFY_WITH_TIMEOUT(m_model.sourceByIndex(5) && m_model.sourceByIndex(5)->player()
                                 && m_model.sourceByIndex(5)->player()->isConnected(),
                             20000);

    Startup::registerQmlTypes();
    m_engine = new QQmlEngine(this);
    Startup::addImageProvider(m_engine);
    Startup::publishTheme(m_engine->rootContext(), &m_theme);
    Startup::setScreenContext(m_engine->rootContext(), 1.0);

    // Two saved devices for the menu's device switcher.
    for (const QString& name : { QStringLiteral("Kitchen"), QStringLiteral("Studio") }) {
        Device saved;
        saved.setSerialNumber(name.toUpper());
        saved.setLocalIp(QStringLiteral("127.0.0.1"));
        saved.setLocalPort(Device::DefaultPort);
        saved.setUsername(QStringLiteral("admin"));
        saved.setPassword(QStringLiteral("admin"));
        saved.setPropDictionaryValue(QStringLiteral("name"), name);
        DeviceStore::saveNewDevice(&saved);
    }

    m_tray = new TrayController(this);
    m_tray->setEngine(m_engine);
    m_tray->focus()->setDeviceModel(&m_model);
    m_house.setModel(&m_model);
    m_tray->setHouse(&m_house);
    QCOMPARE(m_tray->playerSource(), m_model.sourceByIndex(5));

    const QStringList uris = m_mopidy.tracksWithCovers(3);
    QCOMPARE(uris.size(), 3);
    m_mopidy.call("core.tracklist.add", { { "uris", QJsonArray::fromStringList(uris) } });
    m_mopidy.call("core.tracklist.set_repeat", { { "value", true } });
}

void TestTray::cleanupTestCase()
{
    delete m_tray;
    if (m_link) {
        m_link->stop();
        m_model.setConnPointer(nullptr);
        delete m_link;
    }
    m_sim.stop();
    m_mopidy.stop();
}

void TestTray::scrolledVolume_data()
{
    QTest::addColumn<int>("volume");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("expected");
    QTest::newRow("one notch up") << 40 << 120 << 45;
    QTest::newRow("one notch down") << 40 << -120 << 35;
    QTest::newRow("two notches") << 40 << 240 << 50;
    QTest::newRow("panel sending one per notch") << 40 << 1 << 45;
    QTest::newRow("touchpad fraction down") << 40 << -15 << 35;
    QTest::newRow("stops at the top") << 98 << 120 << 100;
    QTest::newRow("stops at silence") << 3 << -360 << 0;
    QTest::newRow("huge delta") << 50 << std::numeric_limits<int>::max() << 100;
    QTest::newRow("huge negative delta") << 50 << std::numeric_limits<int>::min() << 0;
}

void TestTray::scrolledVolume()
{
    QFETCH(int, volume);
    QFETCH(int, delta);
    QFETCH(int, expected);
    QCOMPARE(TrayController::scrolledVolume(volume, delta), expected);
}

void TestTray::popupPosition_data()
{
    QTest::addColumn<QPoint>("anchor");
    QTest::addColumn<QPoint>("expected");
    // A 1000 x 800 work area at the origin and a 300 x 400 mixer.
    QTest::newRow("panel at the bottom") << QPoint(500, 790) << QPoint(350, 382);
    QTest::newRow("panel at the top") << QPoint(500, 10) << QPoint(350, 18);
    QTest::newRow("kept inside on the right") << QPoint(990, 790) << QPoint(700, 382);
    QTest::newRow("kept inside on the left") << QPoint(5, 10) << QPoint(0, 18);
    QTest::newRow("no point from the panel") << QPoint(0, 0) << QPoint(692, 392);
    QTest::newRow("point off the screen") << QPoint(5000, 5000) << QPoint(692, 392);
}

void TestTray::popupPosition()
{
    QFETCH(QPoint, anchor);
    QFETCH(QPoint, expected);
    QCOMPARE(TrayController::popupPosition(anchor, QSize(300, 400), QRect(0, 0, 1000, 800)), expected);
}

void TestTray::registersAgainWhenWatcherRestarts()
{
    // No panel yet: the item is exported but the window stays the way in.
    QVERIFY(m_tray->publish(QDBusConnection::sessionBus()));
    QTest::qWait(200);
    QVERIFY(!m_tray->item()->isShown());

    QVERIFY(m_watcher.start());
    QTRY_COMPARE(m_watcher.registered, QStringList { m_tray->item()->serviceName() });
    QTRY_VERIFY(m_tray->item()->isShown());

    QVERIFY(m_watcher.stop());
    QTRY_VERIFY(!m_tray->item()->isShown());
    QVERIFY(m_watcher.bus.registerService(StatusNotifierItem::WatcherService));
    QTRY_COMPARE(m_watcher.registered.size(), 2);
    QCOMPARE(m_watcher.registered.last(), m_tray->item()->serviceName());
    QTRY_VERIFY(m_tray->item()->isShown());

    // What the panel reads to draw the item.
    QDBusMessage get = QDBusMessage::createMethodCall(m_tray->item()->serviceName(), StatusNotifierItem::ObjectPath,
                                                      "org.freedesktop.DBus.Properties", "Get");
    get << QStringLiteral("org.kde.StatusNotifierItem") << QStringLiteral("IconPixmap");
    const QDBusMessage icon = m_watcher.bus.call(get, QDBus::BlockWithGui);
    QVERIFY2(icon.type() == QDBusMessage::ReplyMessage, qPrintable(icon.errorMessage()));
    TrayIconPixmapList pixmaps;
    icon.arguments().at(0).value<QDBusVariant>().variant().value<QDBusArgument>() >> pixmaps;
    QVERIFY(!pixmaps.isEmpty());
    QCOMPARE(pixmaps.first().bytes.size(), pixmaps.first().width * pixmaps.first().height * 4);
}

void TestTray::closingKeepsAppInPanel()
{
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QVERIFY(m_tray->item()->isShown());
    QWindow window;
    m_tray->watchWindow(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    DesktopSettings::set(DesktopSettings::CloseToTrayKey, true);
    QVERIFY(!window.close());
    QVERIFY(!window.isVisible());

    // Off, as by default, closing closes.
    window.show();
    DesktopSettings::set(DesktopSettings::CloseToTrayKey, false);
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
    m_tray->watchWindow(nullptr);
}

void TestTray::menuHoldsTheEntries()
{
    const TrayMenuLayout root = menuLayout();
    QStringList labels;
    for (const QVariant& child : root.children)
        labels << child.value<TrayMenuLayout>().properties.value("label").toString();
    QCOMPARE(labels, QStringList({ "Play", "Next track", "", "All off", "Sleep timer", "Scenes", "", "Switch device", "",
                                   "Show window", "Quit" }));
    QStringList devices;
    for (const QVariant& device : entryNamed(root, "Switch device").children)
        devices << device.value<TrayMenuLayout>().properties.value("label").toString();
    QCOMPARE(devices, QStringList({ "Kitchen", "Studio" }));
    const int showId = entryNamed(root, "Show window").id;
    QVERIFY(showId > 0);

    QSignalSpy shown(m_tray, &TrayController::showWindowRequested);
    callItem(TrayMenu::ObjectPath, "com.canonical.dbusmenu", "Event",
             { showId, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), 0u });
    QTRY_COMPARE(shown.count(), 1);
    // An id of a layout that is gone does nothing.
    callItem(TrayMenu::ObjectPath, "com.canonical.dbusmenu", "Event",
             { 99999, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), 0u });
    QTest::qWait(100);
    QCOMPARE(shown.count(), 1);

    // All off from the menu reaches the device, and the entry turns to Resume.
    Output* bath = m_model.outputByIndex(1);
    QVERIFY(!bath->mute());
    callItem(TrayMenu::ObjectPath, "com.canonical.dbusmenu", "Event",
             { entryNamed(root, "All off").id, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), 0u });
    QTRY_VERIFY_WITH_TIMEOUT(bath->mute(), 10000);
    TrayMenuLayout resume;
    QTRY_VERIFY((resume = entryNamed(menuLayout(), "Resume")).id > 0);
    callItem(TrayMenu::ObjectPath, "com.canonical.dbusmenu", "Event",
             { resume.id, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), 0u });
    QTRY_VERIFY_WITH_TIMEOUT(!bath->mute(), 10000);

    // Middle click plays, and the menu then offers to pause.
    QCOMPARE(mopidyState(), QStringLiteral("stopped"));
    callItem(StatusNotifierItem::ObjectPath, "org.kde.StatusNotifierItem", "SecondaryActivate", { 0, 0 });
    QTRY_COMPARE_WITH_TIMEOUT(mopidyState(), QStringLiteral("playing"), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(menuLayout().children.value(0).value<TrayMenuLayout>().properties.value("label").toString(),
                              QStringLiteral("Pause"), 10000);
}

void TestTray::activateShowsMixer()
{
    QVERIFY(!m_tray->mixer());
    callItem(StatusNotifierItem::ObjectPath, "org.kde.StatusNotifierItem", "Activate", { 0, 0 });
    QTRY_VERIFY(m_tray->mixer() && m_tray->mixer()->isVisible());
    QQuickWindow* mixer = m_tray->mixer();
    // Every output, and the player source with its track.
    for (Output* output : m_model.outputList()) {
        QQuickItem* row = findItem(mixer->contentItem(), "outputRow" + QString::number(output->index()));
        QVERIFY2(row, qPrintable(output->name()));
        QCOMPARE(row->property("volume").toInt(), output->volume());
    }
    QQuickItem* player = findItem(mixer->contentItem(), "playerRow5");
    QVERIFY(player);
    QVERIFY(player->height() > 0);
    QVERIFY(!findItem(mixer->contentItem(), "playerRow1")->isVisible());
    Song* song = m_model.sourceByIndex(5)->player()->currentSong();
    QVERIFY(song);
    QTRY_VERIFY(findItem(player, "trackText")->property("text").toString().startsWith(song->name()));

    QTRY_VERIFY(mixer->isActive());
    QTest::keyClick(mixer, Qt::Key_Escape);
    QTRY_VERIFY(!mixer->isVisible());
}

void TestTray::scrollSetsOutputVolumes()
{
    Output* bath = m_model.outputByIndex(1);
    Output* den = m_model.outputByIndex(3);
    const int bathBefore = bath->volume();
    const int denBefore = den->volume();
    const int terraceBefore = m_model.outputByIndex(0)->volume();
    // Two quick notches are two steps, though the device has not answered the first.
    callItem(StatusNotifierItem::ObjectPath, "org.kde.StatusNotifierItem", "Scroll", { 120, QStringLiteral("vertical") });
    callItem(StatusNotifierItem::ObjectPath, "org.kde.StatusNotifierItem", "Scroll", { 120, QStringLiteral("vertical") });
    // Only the device's own report moves the model.
    QTRY_COMPARE_WITH_TIMEOUT(bath->volume(), bathBefore + 10, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(den->volume(), denBefore + 10, 10000);
    QVERIFY2(m_sim.countReceived(QStringLiteral("UI_COMMAND|2000|100|1|%1").arg(bathBefore + 10)) == 1,
             qPrintable(m_sim.receivedText()));
    callItem(StatusNotifierItem::ObjectPath, "org.kde.StatusNotifierItem", "Scroll", { 120, QStringLiteral("horizontal") });
    QTest::qWait(300);
    QCOMPARE(bath->volume(), bathBefore + 10);
    QCOMPARE(m_model.outputByIndex(0)->volume(), terraceBefore);
}

void TestTray::trackChangeNotifiesAndReplaces()
{
    TrackNotifier notifier(m_tray->focus());
    QTRY_COMPARE_WITH_TIMEOUT(mopidyState(), QStringLiteral("playing"), 10000);
    m_mopidy.call("core.playback.next");
    QTRY_COMPARE(m_notifications.shown.size(), 0);
    QTest::qWait(1000);
    // Off by default.
    QCOMPARE(m_notifications.shown.size(), 0);

    DesktopSettings::set(DesktopSettings::TrackNotificationsKey, true);
    m_mopidy.call("core.playback.next");
    QTRY_COMPARE_WITH_TIMEOUT(m_notifications.shown.size(), 1, 10000);
    const QJsonObject track = m_mopidy.call("core.playback.get_current_track").toObject();
    const FakeNotifications::Shown first = m_notifications.shown.first();
    QCOMPARE(first.replacesId, 0u);
    QCOMPARE(first.summary, track.value("name").toString());
    QCOMPARE(first.body, track.value("artists").toArray().first().toObject().value("name").toString().toHtmlEscaped());
    QVERIFY(!first.image.isEmpty());
    QTRY_COMPARE(notifier.lastId(), m_notifications.nextId);
    // Refreshes of the same track say nothing more.
    QTest::qWait(1500);
    QCOMPARE(m_notifications.shown.size(), 1);

    m_mopidy.call("core.playback.next");
    QTRY_COMPARE_WITH_TIMEOUT(m_notifications.shown.size(), 2, 10000);
    QCOMPARE(m_notifications.shown.at(1).replacesId, notifier.lastId());
    DesktopSettings::set(DesktopSettings::TrackNotificationsKey, false);
}

QTEST_MAIN(TestTray)
#include "tst_tray.moc"
