#include "app/maintabcontroller.h"
#include "app/startup.h"
#include "devices/device.h"
#include "devices/devicefinderview.h"
#include "devices/devicestore.h"
#include "link/tavirelconnthread.h"
#include "model/source.h"
#include "model/tavirel.h"
#include "settings/settingsview.h"
#include "settings/tavireltheme.h"
#include "simprocess.h"
#include "testsupport.h"
#include "views/playerview.h"
#include "views/sourcesview.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QJSValue>
#include <QPointer>
#include <QProcess>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickView>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {
// The device simulator on a port of its own, accepting admin/admin. A test
// that needs it fails when it cannot start.
#define START_SIMULATOR(sim, ...)                                                                                 \
    SimProcess sim;                                                                                               \
    QVERIFY2(sim.start(0, QStringList { "--user", "admin", "--password", "admin", "--keepalive", "1" }             \
                              + QStringList { __VA_ARGS__ }),                                                     \
             qPrintable(sim.log))

QString deviceText(quint16 port, const QString& user, const QString& password)
{
    return TestSupport::simulatorDeviceText(port, user, password);
}
}

// The root document with its controller, loaded as the application loads it.
class TestMainTabController : public QObject
{
    Q_OBJECT
private:
    QScopedPointer<QQuickView> m_view;
    TavirelTheme m_theme;

    MainTabController* openWindow()
    {
        m_view.reset(new QQuickView);
        TestSupport::loadMainDocument(m_view.data(), &m_theme);
        if (m_view->status() != QQuickView::Ready)
            return nullptr;
        m_view->show();
        auto* controller = qobject_cast<MainTabController*>(m_view->rootObject());
        // Start-up runs queued after the document completes.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        return controller;
    }

    static QString field(QQuickItem* popup, const char* name)
    {
        return popup->findChild<QObject*>(QLatin1String(name))->property("text").toString();
    }
    static void setField(QQuickItem* popup, const char* name, const QString& text)
    {
        popup->findChild<QObject*>(QLatin1String(name))->setProperty("text", text);
    }
    // Presses a button of a document the way a click or the keyboard does.
    static void press(QQuickItem* item, const char* button)
    {
        QObject* b = item->findChild<QObject*>(QLatin1String(button));
        QVERIFY2(b, button);
        QMetaObject::invokeMethod(b, "clicked");
    }

    static int tabIndex(MainTabController* c) { return c->menuListView()->property("currentIndex").toInt(); }
    static bool tabEnabled(MainTabController* c, int tab)
    {
        QJSValue result;
        QObject* model = c->findChild<QObject*>(QStringLiteral("tabModel"));
        if (!model || !QMetaObject::invokeMethod(model, "get", Q_RETURN_ARG(QJSValue, result), Q_ARG(int, tab)))
            qFatal("tab model not reachable");
        return result.property(QStringLiteral("enabledTab")).toBool();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Startup::setIdentity(*QCoreApplication::instance());
        Startup::registerMetaTypes();
        Startup::registerQmlTypes();
        Startup::createImageServices();
        m_theme.loadFromFile(TestSupport::sourceDir() + QStringLiteral("/themes/theme0.json"));
    }
    void init() { QSettings().clear(); }
    void cleanup()
    {
        m_view.reset();
        QCoreApplication::processEvents();
    }

    void firstStartWithEmptySettings()
    {
        MainTabController* c = openWindow();
        QVERIFY(c);
        QCOMPARE(c->currentTab(), int(MainTabController::SettingsTab));
        QCOMPARE(tabIndex(c), 2);
        QVERIFY(!c->deviceModel());
        QVERIFY(!c->linkThread());
        QVERIFY(!tabEnabled(c, 0));
        QVERIFY(!tabEnabled(c, 1));
        QVERIFY(tabEnabled(c, 2));
        auto* settings = c->findChild<SettingsView*>(QStringLiteral("mySettingsView"));
        QVERIFY(settings && settings->isVisible());
        QVERIFY(!settings->lastSelDevice());

        // Choosing the tab already shown changes nothing; a player view for -1 neither.
        c->menuListViewIndexChanged();
        QCOMPARE(c->currentTab(), 2);
        c->openPlayerView(-1);
        QCOMPARE(tabIndex(c), 2);
    }

    void unreadableLastSelectedDevice()
    {
        QSettings().setValue(QLatin1String(DeviceStore::LastSelectedKey), QStringLiteral("[1]"));
        MainTabController* c = openWindow();
        QVERIFY(c);
        QVERIFY(!c->deviceModel());
        QVERIFY(!c->linkThread());
        QCOMPARE(c->currentTab(), 2);
    }

    void startsWithLastSelectedDeviceAndSwitchesOnce()
    {
        START_SIMULATOR(sim);
        QSettings().setValue(QLatin1String(DeviceStore::LastSelectedKey),
                             deviceText(sim.port(), QStringLiteral("admin"), QStringLiteral("admin")));
        MainTabController* c = openWindow();
        QVERIFY(c);
        QVERIFY(c->deviceModel());
        QVERIFY(c->linkThread());
        QTRY_COMPARE(c->linkThread()->port(), int(sim.port()));
        QTRY_COMPARE_WITH_TIMEOUT(tabIndex(c), 0, 15000);
        QTRY_COMPARE(c->currentTab(), 0);
        QVERIFY(tabEnabled(c, 0));
        // The device's state reached the model and the sources view.
        QTRY_VERIFY_WITH_TIMEOUT(!c->deviceModel()->sourceList().isEmpty(), 10000);
        auto* sourcesDoc = c->findChild<QQuickItem*>(QStringLiteral("mySourcesView"));
        // In portrait one list holds the sources, the outputs' title and the outputs.
        auto* rows = sourcesDoc->findChild<QQuickItem*>(QStringLiteral("sourcesList"));
        QVERIFY(rows);
        QVERIFY(!c->deviceModel()->outputList().isEmpty());
        QTRY_COMPARE(rows->property("count").toInt(),
                     c->deviceModel()->sourceList().size() + 1 + c->deviceModel()->outputList().size());

        // The user goes back to settings; a later connection does not pull them away.
        c->menuListView()->setProperty("currentIndex", 2);
        QTRY_COMPARE(c->currentTab(), 2);
        c->connectionEstablished();
        QCOMPARE(tabIndex(c), 2);

        // Opening a player source selects it in the player tab.
        Source* player = nullptr;
        for (Source* s : c->deviceModel()->sourceList())
            if (s->player())
                player = s;
        QVERIFY(player);
        c->openPlayerView(player->index());
        QTRY_COMPARE(c->currentTab(), 1);
        auto* playerView = c->findChild<PlayerView*>(QStringLiteral("myPlayerView"));
        QCOMPARE(playerView->selectedSource(), player);
        QVERIFY(tabEnabled(c, 1));

        // The player's dialogs come from their documents and go away when cancelled.
        for (const char* show : { "showSavePlaylistDialog", "showAddUrlDialog" }) {
            QVERIFY(QMetaObject::invokeMethod(playerView, show));
            QPointer<QQuickItem> dialog;
            for (QQuickItem* item : playerView->findChildren<QQuickItem*>(QString(), Qt::FindDirectChildrenOnly))
                if (item->property("headTitle").isValid())
                    dialog = item;
            QVERIFY2(dialog, show);
            QVERIFY(dialog->isVisible());
            QMetaObject::invokeMethod(dialog, "rejected");
            QTRY_VERIFY2(!dialog, show);
        }
    }

    void explicitConnectSwitchesAgainAndSavesOnlyNewDevices()
    {
        START_SIMULATOR(sim);
        MainTabController* c = openWindow();
        QVERIFY(c);
        Device saved;
        DeviceStore::textToObject(&saved, deviceText(sim.port(), QStringLiteral("admin"), QStringLiteral("admin")));

        c->connectToDevice(true, &saved);
        QVERIFY(QSettings().value(QLatin1String(DeviceStore::SavedKey)).toStringList().isEmpty());
        QVERIFY(!QSettings().value(QLatin1String(DeviceStore::LastSelectedKey)).toString().isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(tabIndex(c), 0, 15000);

        c->menuListView()->setProperty("currentIndex", 2);
        QTRY_COMPARE(c->currentTab(), 2);
        c->connectToDevice(false, &saved);
        c->connectToDevice(false, &saved); // a found device is saved once
        QCOMPARE(QSettings().value(QLatin1String(DeviceStore::SavedKey)).toStringList().size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(tabIndex(c), 0, 15000);
    }

    void confirmPopupConnectsThroughTheDocument()
    {
        START_SIMULATOR(sim);
        MainTabController* c = openWindow();
        QVERIFY(c);
        auto* found = new Device;
        DeviceStore::textToObject(found, deviceText(sim.port(), QString(), QString()));
        c->showDeviceConnDialog(false, found);
        // The finder replaces its record when the device is announced again.
        delete found;
        QQuickItem* popup = c->currentDialog();
        QVERIFY(popup);
        QCOMPARE(popup->property("headTitle").toString(), QStringLiteral("Tavirel Connection"));
        QCOMPARE(popup->property("bodyMessage").toString(),
                 QStringLiteral("Connect to Tavirel with your Tavirel account"));
        popup->findChild<QObject*>(QStringLiteral("usernameField"))->setProperty("text", "admin");
        popup->findChild<QObject*>(QStringLiteral("passwordField"))->setProperty("text", "admin");
        QMetaObject::invokeMethod(popup, "accepted");
        QTRY_VERIFY(!c->currentDialog());
        QCOMPARE(QSettings().value(QLatin1String(DeviceStore::SavedKey)).toStringList().size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(tabIndex(c), 0, 15000);
    }

    // Refused, cancelled, retried: the corrected password reaches the saved
    // entry once the device accepts it.
    void refusalCancelRetryKeepsNewCredentials()
    {
        SimProcess refusing;
        QVERIFY2(refusing.start(0, { "--refuse" }), qPrintable(refusing.log));
        const quint16 port = refusing.port();
        const QString wrong = deviceText(port, QStringLiteral("admin"), QStringLiteral("wrong"));
        QSettings().setValue(QLatin1String(DeviceStore::SavedKey), QStringList { wrong });
        QSettings().setValue(QLatin1String(DeviceStore::LastSelectedKey), wrong);
        MainTabController* c = openWindow();
        QVERIFY(c);
        QTRY_VERIFY_WITH_TIMEOUT(c->currentDialog(), 15000);
        QCOMPARE(c->currentDialog()->property("headTitle").toString(), QStringLiteral("Authentication required"));
        QCOMPARE(field(c->currentDialog(), "usernameField"), QStringLiteral("admin"));
        QVERIFY(!c->linkThread()); // stopped until new credentials come

        press(c->currentDialog(), "cancelButton");
        QTRY_VERIFY(!c->currentDialog());
        QVERIFY(c->authenticationFailed());
        auto* bar = c->findChild<QQuickItem*>(QStringLiteral("authenticationFailedBar"));
        QVERIFY(bar && bar->isVisible());
        // A page first opened now shows what the others would have shown.
        auto* screen = c->ensureSourcesView()->findChild<QQuickItem*>(QStringLiteral("connectionScreen"));
        QCOMPARE(screen->property("connText").toString(), QStringLiteral("Authentication failed."));
        QVERIFY(screen->property("retryVisible").toBool());

        // The device accepts the right credentials from now on.
        refusing.stop();
        SimProcess sim;
        QVERIFY2(sim.start(port, { "--user", "admin", "--password", "admin" }), qPrintable(sim.log));
        press(bar, "retryButton");
        QQuickItem* popup = c->currentDialog();
        QVERIFY(popup);
        setField(popup, "passwordField", QStringLiteral("ad|min"));
        QMetaObject::invokeMethod(popup, "accepted");
        QVERIFY(!popup->property("errorText").toString().isEmpty()); // "|" cannot travel in the handshake
        QCOMPARE(c->currentDialog(), popup);
        setField(popup, "passwordField", QStringLiteral("admin"));
        QMetaObject::invokeMethod(popup, "accepted");
        QTRY_VERIFY(!c->currentDialog());
        QVERIFY(c->linkThread());
        QVERIFY(!c->authenticationFailed());
        QTRY_COMPARE_WITH_TIMEOUT(tabIndex(c), 0, 15000);
        Device last, saved;
        // The entry is written on the first code 500, which may come just after the switch.
        QTRY_COMPARE(QSettings().value(QLatin1String(DeviceStore::SavedKey)).toStringList().size(), 1);
        QVERIFY(DeviceStore::readLastSelected(&last));
        QCOMPARE(last.password(), QStringLiteral("admin"));
        const QStringList savedTexts = QSettings().value(QLatin1String(DeviceStore::SavedKey)).toStringList();
        QVERIFY(DeviceStore::textToObject(&saved, savedTexts.first()));
        QCOMPARE(saved.password(), QStringLiteral("admin"));
    }

    // A popup opened over another closes by its own Cancel, and so does the
    // one below.
    void stackedPopupsCloseByTheirOwnButtons()
    {
        MainTabController* c = openWindow();
        QVERIFY(c);
        c->showAddDeviceDialog(nullptr);
        QPointer<QQuickItem> add = c->currentDialog();
        QVERIFY(add);
        c->showAuthenticationDialog();
        QPointer<QQuickItem> auth = c->currentDialog();
        QVERIFY(auth && auth != add);
        QCOMPARE(c->openDialogs().size(), 2);

        press(auth, "cancelButton");
        QTRY_VERIFY(!auth);
        QCOMPARE(c->currentDialog(), add.data());
        press(add, "cancelButton");
        QTRY_VERIFY(!add);
        QVERIFY(c->openDialogs().isEmpty());
    }

    void addDeviceByHandAtFirstStart()
    {
        MainTabController* c = openWindow();
        QVERIFY(c);
        QVERIFY(!c->deviceModel());
        c->showAddDeviceDialog(nullptr);
        QQuickItem* popup = c->currentDialog();
        QVERIFY(popup);
        QCOMPARE(popup->property("headTitle").toString(), QStringLiteral("Add Tavirel manually"));

        // A port that would wrap is refused in the form; nothing is saved.
        setField(popup, "ipField", QStringLiteral("127.0.0.1:99999"));
        setField(popup, "serialField", QStringLiteral("SN-9"));
        QMetaObject::invokeMethod(popup, "accepted");
        QCOMPARE(popup->property("errorText").toString(), QStringLiteral("The port must be a number from 1 to 65535."));
        QCOMPARE(c->currentDialog(), popup);
        QVERIFY(!c->deviceModel());
        QVERIFY(QSettings().value(QLatin1String(DeviceStore::SavedKey)).toStringList().isEmpty());

        setField(popup, "ipField", QStringLiteral(" 127.0.0.1:7551 "));
        QVERIFY(popup->property("errorText").toString().isEmpty()); // typing clears the message
        QMetaObject::invokeMethod(popup, "accepted");
        QTRY_VERIFY(!c->currentDialog());
        QVERIFY(c->deviceModel());
        QVERIFY(c->linkThread());
        QTRY_COMPARE(c->linkThread()->host(), QStringLiteral("127.0.0.1"));
        QTRY_COMPARE(c->linkThread()->port(), 7551);
        const QStringList saved = QSettings().value(QLatin1String(DeviceStore::SavedKey)).toStringList();
        QCOMPARE(saved.size(), 1);
        Device stored;
        QVERIFY(DeviceStore::textToObject(&stored, saved.first()));
        QCOMPARE(stored.serialNumber(), QStringLiteral("SN-9"));
        QCOMPARE(stored.localIp(), QStringLiteral("127.0.0.1"));
        QCOMPARE(stored.localPort(), 7551);
        QCOMPARE(c->findChild<SettingsView*>(QStringLiteral("mySettingsView"))->lastSelDevice()->serialNumber(),
                 QStringLiteral("SN-9"));
    }

    // Removing the device in use asks first, then stops its link and forgets
    // it with its password; the finder says so.
    void removingTheDeviceInUse()
    {
        START_SIMULATOR(sim);
        MainTabController* c = openWindow();
        QVERIFY(c);
        Device other, used;
        DeviceStore::textToObject(&other, deviceText(sim.port(), QStringLiteral("guest"), QStringLiteral("guest")));
        DeviceStore::saveNewDevice(&other);
        DeviceStore::textToObject(&used, deviceText(sim.port(), QStringLiteral("admin"), QStringLiteral("admin")));
        c->connectToDevice(false, &used);
        QTRY_COMPARE_WITH_TIMEOUT(tabIndex(c), 0, 15000);
        c->menuListView()->setProperty("currentIndex", 2);
        QTRY_COMPARE(c->currentTab(), 2);
        auto* settings = c->findChild<SettingsView*>(QStringLiteral("mySettingsView"));
        settings->pushDeviceFinder();
        auto* finder = qobject_cast<DeviceFinderView*>(settings->topView());
        QVERIFY(finder);
        QCOMPARE(finder->savedDeviceList().size(), 2); // one entry per account

        auto* dialog = finder->findChild<QQuickItem*>(QStringLiteral("removeDeviceDialog"));
        QVERIFY(dialog && !dialog->isVisible());
        QMetaObject::invokeMethod(finder, "askRemoval", Q_ARG(QVariant, 1),
                                  Q_ARG(QVariant, QVariant::fromValue(finder->savedDeviceList().at(1))));
        QVERIFY(dialog->isVisible());
        press(dialog, "cancelButton");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(QSettings().value(QLatin1String(DeviceStore::SavedKey)).toStringList().size(), 2);
        QVERIFY(c->linkThread());

        QMetaObject::invokeMethod(finder, "askRemoval", Q_ARG(QVariant, 1),
                                  Q_ARG(QVariant, QVariant::fromValue(finder->savedDeviceList().at(1))));
        press(dialog, "okButton");
        QVERIFY(!c->linkThread());
        QVERIFY(!QSettings().contains(QLatin1String(DeviceStore::LastSelectedKey)));
        QVERIFY(!settings->lastSelDevice());
        QVERIFY(!tabEnabled(c, 0));
        QVERIFY(finder->notice().contains(QLatin1String("removed and disconnected")));
        const QStringList left = QSettings().value(QLatin1String(DeviceStore::SavedKey)).toStringList();
        QCOMPARE(left.size(), 1);
        QVERIFY(left.first().contains(QLatin1String("\"username\":\"guest\"")));
        // Becoming active again does not bring the removed device back.
        c->applicationStateChanged(Qt::ApplicationActive);
        QVERIFY(!c->linkThread());
    }

    // The player page shows a source from the start, and the one the user
    // chose again after a reconnection and after a restart.
    void playerPageRestoresTheChosenSource()
    {
        START_SIMULATOR(sim);
        QSettings().setValue(QLatin1String(DeviceStore::LastSelectedKey),
                             deviceText(sim.port(), QStringLiteral("admin"), QStringLiteral("admin")));
        auto shown = [this] {
            auto* view = qobject_cast<MainTabController*>(m_view->rootObject())->ensurePlayerView();
            return view->selectedSource() ? view->selectedSource()->index() : -1;
        };
        MainTabController* c = openWindow();
        QVERIFY(c);
        // Nothing chosen and nothing playing: the first player source.
        QTRY_COMPARE_WITH_TIMEOUT(shown(), 4, 15000);
        QVERIFY(tabEnabled(c, 1));
        c->openPlayerView(5);
        QCOMPARE(shown(), 5);

        c->applicationStateChanged(Qt::ApplicationInactive);
        QCOMPARE(shown(), -1);
        c->applicationStateChanged(Qt::ApplicationActive);
        QTRY_COMPARE_WITH_TIMEOUT(shown(), 5, 15000);
        QVERIFY(tabEnabled(c, 1));

        c = openWindow();
        QVERIFY(c);
        QTRY_COMPARE_WITH_TIMEOUT(shown(), 5, 15000);
        QVERIFY(tabEnabled(c, 1));
    }

    void applicationStateDrivesTheLink()
    {
        START_SIMULATOR(sim);
        QSettings().setValue(QLatin1String(DeviceStore::LastSelectedKey),
                             deviceText(sim.port(), QStringLiteral("admin"), QStringLiteral("admin")));
        MainTabController* c = openWindow();
        QVERIFY(c && c->linkThread());
        c->applicationStateChanged(Qt::ApplicationInactive);
        QVERIFY(!c->linkThread());
        c->applicationStateChanged(Qt::ApplicationHidden);
        QVERIFY(!c->linkThread());
        c->applicationStateChanged(Qt::ApplicationActive);
        QVERIFY(c->linkThread());
        c->didEnterBackground();
        QVERIFY(!c->linkThread());
        c->didEnterForeground();
        QVERIFY(c->linkThread());
    }

    // The device goes away under a live page: within a second the page says
    // so and its controls stop; then the reason, the finder and a retry.
    void lostDeviceIsShownAtOnceWithAWayOut()
    {
        START_SIMULATOR(sim);
        const quint16 port = sim.port();
        QSettings().setValue(QLatin1String(DeviceStore::LastSelectedKey),
                             deviceText(port, QStringLiteral("admin"), QStringLiteral("admin")));
        MainTabController* c = openWindow();
        QVERIFY(c);
        QTRY_COMPARE_WITH_TIMEOUT(tabIndex(c), 0, 15000);
        auto* sourcesDoc = c->findChild<QQuickItem*>(QStringLiteral("mySourcesView"));
        auto* screen = sourcesDoc->findChild<QQuickItem*>(QStringLiteral("connectionScreen"));
        auto* rows = sourcesDoc->findChild<QQuickItem*>(QStringLiteral("sourcesList"));
        QTRY_VERIFY(rows->property("count").toInt() > 0 && !screen->isVisible());
        QVERIFY(rows->isEnabled());
        const QString address = QStringLiteral("127.0.0.1:%1").arg(port);

        QElapsedTimer clock;
        clock.start();
        sim.kill();
        QTRY_VERIFY_WITH_TIMEOUT(screen->isVisible(), 1000);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        const QString lost = screen->property("connText").toString();
        QVERIFY2(lost.startsWith(QStringLiteral("Connection to ")) && lost.contains(address)
                     && lost.endsWith(QStringLiteral(") lost — reconnecting…")),
                 qPrintable(lost));
        QVERIFY(!c->deviceModel()->linkUp());
        QVERIFY(!rows->isEnabled());

        // Reopening is refused: the reason, when the next attempt comes, a retry.
        QTRY_VERIFY_WITH_TIMEOUT(screen->property("retryVisible").toBool(), 2000);
        QVERIFY2(screen->property("connText").toString().contains(address + ") refused the connection."),
                 qPrintable(screen->property("connText").toString()));
        QVERIFY(screen->property("connText").toString().contains(QStringLiteral("Next attempt in ")));

        press(screen, "chooseDeviceButton");
        QTRY_COMPARE(c->currentTab(), 2);
        auto* settings = c->findChild<SettingsView*>(QStringLiteral("mySettingsView"));
        QVERIFY(qobject_cast<DeviceFinderView*>(settings->topView()));
        auto* bar = c->findChild<QQuickItem*>(QStringLiteral("authenticationFailedBar"));
        QTRY_VERIFY(bar->isVisible());
        QVERIFY(bar->property("message").toString().contains(QStringLiteral("refused the connection.")));

        SimProcess back;
        QVERIFY2(back.start(port, { "--user", "admin", "--password", "admin" }), qPrintable(back.log));
        press(bar, "retryButton");
        QTRY_VERIFY_WITH_TIMEOUT(c->deviceModel()->linkUp(), 10000);
        QVERIFY(!screen->isVisible());
        QVERIFY(!bar->isVisible());
        QVERIFY(rows->isEnabled());
    }
};

QTEST_MAIN(TestMainTabController)
#include "tst_maintabcontroller.moc"
