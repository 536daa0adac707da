#include "app/maintabcontroller.h"
#include "app/startup.h"
#include "devices/device.h"
#include "devices/devicestore.h"
#include "focusstops.h"
#include "model/source.h"
#include "model/tavirel.h"
#include "mopidyfixture.h"
#include "settings/tavireltheme.h"
#include "simprocess.h"
#include "views/playerview.h"

#include <QAccessible>
#include <QJsonArray>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QSettings>
#include <QtTest>
#include <functional>

namespace {
using FocusStops::describe;
using FocusStops::ignored;
using FocusStops::spokenName;

// Every shown item that takes the keyboard focus or the mouse and has no
// name to speak. A mouse area may lend itself the name of the item it covers.
void findUnnamed(QQuickItem* item, QStringList& unnamed)
{
    if (!item->isVisible() || item->opacity() <= 0.0 || ignored(item))
        return;
    const bool clickable = (item->inherits("QQuickMouseArea") && item->isEnabled()
                            && item->acceptedMouseButtons() != Qt::NoButton)
        || item->inherits("QQuickAbstractButton");
    if ((clickable || item->activeFocusOnTab()) && spokenName(item).isEmpty()
        && !(item->inherits("QQuickMouseArea") && item->parentItem() && !spokenName(item->parentItem()).isEmpty()))
        unnamed << describe(item);
    for (QQuickItem* child : item->childItems())
        findUnnamed(child, unnamed);
}
}

using ShowScreen = std::function<void(MainTabController*, PlayerView*)>;
Q_DECLARE_METATYPE(ShowScreen)

// Each screen of the connected application, walked for controls that a
// screen reader could not name.
class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyControlHasAName_data();
    void everyControlHasAName();

private:
    MopidyFixture m_mopidy;
    SimProcess m_sim;
    TavirelTheme m_theme;
    std::unique_ptr<QQuickView> m_view;
    MainTabController* m_controller = nullptr;
    PlayerView* m_page = nullptr;
};

void TestAccessibility::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    Startup::setIdentity(*QCoreApplication::instance());
    Startup::registerMetaTypes();
    Startup::registerQmlTypes();
    Startup::createImageServices();
    QSettings().clear();
    m_theme.loadFromFile(TestSupport::sourceDir() + QStringLiteral("/themes/theme0.json"));

    QVERIFY2(m_mopidy.start(), qPrintable(m_mopidy.errorString()));
    QJsonArray uris;
    for (const QJsonValue& ref :
         m_mopidy.call("core.library.browse", { { "uri", "local:directory?type=track" } }).toArray()) {
        uris.append(ref.toObject().value("uri"));
        if (uris.size() == 3)
            break;
    }
    m_mopidy.call("core.tracklist.add", { { "uris", uris } });
    m_mopidy.call("core.playback.play");
    m_mopidy.call("core.playback.pause");

    const QString config = TestSupport::sourceDir() + "/tests/data/model/e2e-device.json";
    QVERIFY2(m_sim.start(0, { "--config", config, "--user", "admin", "--password", "admin", "--mopidy-host",
                              m_mopidy.host(), "--mopidy-port", QString::number(m_mopidy.port()) }),
             qPrintable(m_sim.log));
    QSettings().setValue(QLatin1String(DeviceStore::LastSelectedKey), TestSupport::simulatorDeviceText(m_sim.port()));

    m_view = std::make_unique<QQuickView>();
    TestSupport::loadMainDocument(m_view.get(), &m_theme);
    QCOMPARE(m_view->status(), QQuickView::Ready);
    m_view->show();
    m_controller = qobject_cast<MainTabController*>(m_view->rootObject());
    m_page = m_controller->ensurePlayerView();
    QTRY_VERIFY_WITH_TIMEOUT(m_controller->currentTab() == MainTabController::SourcesTab, 20000);
    QTRY_VERIFY(m_controller->deviceModel()->sourceByIndex(5)
                && m_controller->deviceModel()->sourceByIndex(5)->player());
}

void TestAccessibility::cleanupTestCase()
{
    m_view.reset();
    QCoreApplication::processEvents();
    m_sim.stop();
    m_mopidy.stop();
}

void TestAccessibility::everyControlHasAName_data()
{
    QTest::addColumn<ShowScreen>("show");
    QTest::newRow("sources") << ShowScreen([](MainTabController* c, PlayerView*) {
        c->menuListView()->setProperty("currentIndex", 0);
    });
    QTest::newRow("player") << ShowScreen([](MainTabController* c, PlayerView*) { c->openPlayerView(5); });
    QTest::newRow("settings") << ShowScreen([](MainTabController* c, PlayerView*) {
        c->menuListView()->setProperty("currentIndex", 2);
    });
    QTest::newRow("add url dialog") << ShowScreen([](MainTabController* c, PlayerView* p) {
        c->openPlayerView(5);
        p->showAddUrlDialog();
    });
}

void TestAccessibility::everyControlHasAName()
{
    QFETCH(ShowScreen, show);
    show(m_controller, m_page);
    // Rows and covers arrive from the device and the player over a moment.
    QTest::qWait(1500);
    QStringList unnamed;
    findUnnamed(m_view->contentItem(), unnamed);
    unnamed.removeDuplicates();
    QVERIFY2(unnamed.isEmpty(), qPrintable("\n" + unnamed.join('\n')));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
