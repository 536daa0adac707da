#include "app/maintabcontroller.h"
#include "app/startup.h"
#include "devices/device.h"
#include "devices/devicefinderview.h"
#include "devices/devicestore.h"
#include "scriptedzeroconf.h"
#include "settings/settingsview.h"
#include "settings/tavireltheme.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QQmlContext>
#include <QQuickView>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

// The finder page pushed by the settings tab of the application's window.
class TestDeviceFinder : public QObject
{
    Q_OBJECT
    QScopedPointer<QQuickView> m_view;
    TavirelTheme m_theme;
    MainTabController* m_controller = nullptr;

    DeviceFinderView* openFinder()
    {
        m_view.reset(new QQuickView);
        TestSupport::loadMainDocument(m_view.data(), &m_theme);
        m_controller = qobject_cast<MainTabController*>(m_view->rootObject());
        if (!m_controller)
            return nullptr;
        m_view->show();
        QCoreApplication::processEvents();
        auto* settings = m_controller->findChild<SettingsView*>(QStringLiteral("mySettingsView"));
        settings->pushDeviceFinder();
        return settings->findChild<DeviceFinderView*>();
    }
    // Repeated rows are in the item tree only, not among the QObject children.
    static QQuickItem* row(QQuickItem* item, const QString& name)
    {
        for (QQuickItem* child : item->childItems()) {
            if (!child->isVisible())
                continue;
            if (child->objectName() == name)
                return child;
            if (QQuickItem* found = row(child, name))
                return found;
        }
        return nullptr;
    }
    static void saveDevice(const QString& serial, const QString& name)
    {
        Device d;
        d.setSerialNumber(serial);
        d.setLocalIp(QStringLiteral("127.0.0.1"));
        d.setLocalPort(7550);
        d.setUsername(QStringLiteral("admin"));
        d.setPassword(QStringLiteral("admin"));
        d.setPropDictionaryValue(QStringLiteral("name"), name);
        QSettings s;
        s.setValue(QLatin1String(DeviceStore::SavedKey),
                   s.value(QLatin1String(DeviceStore::SavedKey)).toStringList() << DeviceStore::objectToText(&d));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Startup::setIdentity(*QCoreApplication::instance());
        Startup::registerMetaTypes();
        Startup::registerQmlTypes();
        m_theme.loadFromFile(TestSupport::sourceDir() + QStringLiteral("/themes/theme0.json"));
        ZeroConf::setFactory([] { return new ScriptedZeroConf; });
    }
    void init()
    {
        QSettings().clear();
        ScriptedZeroConf::failBrowse = false;
    }
    void cleanup()
    {
        m_view.reset();
        QCoreApplication::processEvents();
    }

    void rowsLeadToTheControllersPopups()
    {
        saveDevice(QStringLiteral("S-1"), QStringLiteral("Kitchen"));
        saveDevice(QStringLiteral("S-2"), QStringLiteral("Hall"));
        DeviceFinderView* finder = openFinder();
        QVERIFY(finder);
        QTRY_VERIFY(ScriptedZeroConf::last && ScriptedZeroConf::last->browsing());
        Q_EMIT ScriptedZeroConf::last->serviceAdded(
            ScriptedZeroConf::service(QStringLiteral("Cellar"), QStringLiteral("127.0.0.7"), "D-1"));

        QTRY_VERIFY(row(finder, QStringLiteral("deviceRow2000")));
        // Rows name a device as its card does and say where it answers.
        QCOMPARE(row(finder, QStringLiteral("deviceRow2000"))->property("textLabel").toString(),
                 QStringLiteral("Cellar"));
        QCOMPARE(row(finder, QStringLiteral("deviceRow2000"))->property("detailTextLabel").toString(),
                 QStringLiteral("127.0.0.7:7550  ·  D-1"));
        QCOMPARE(row(finder, QStringLiteral("deviceRow1"))->property("detailTextLabel").toString(),
                 QStringLiteral("127.0.0.1:7550  ·  S-2  ·  admin"));
        QVERIFY(!row(finder, QStringLiteral("emptyDetectedRow")));

        // The selected device is marked while its link is down.
        auto* settings = m_controller->findChild<SettingsView*>(QStringLiteral("mySettingsView"));
        auto* selected = new Device(settings);
        selected->setSerialNumber(QStringLiteral("S-2"));
        selected->setUsername(QStringLiteral("admin"));
        settings->setLastSelDevice(selected);
        QTRY_VERIFY(row(finder, QStringLiteral("deviceRow1"))->property("selected").toBool());
        QVERIFY(!row(finder, QStringLiteral("deviceRow1"))->property("connectionFlag").toBool());
        QVERIFY(!row(finder, QStringLiteral("deviceRow0"))->property("selected").toBool());

        const struct
        {
            const char* row;
            const char* headTitle;
            const char* bodyMessage;
        } picks[] = {
            { "deviceRow2000", "Tavirel Connection", "Connect to Tavirel with your Tavirel account" },
            { "deviceRow0", "Tavirel Connection", "Confirm connection to the selected Tavirel?" },
            { "addDeviceRow", "Add Tavirel manually", nullptr },
        };
        for (const auto& pick : picks) {
            QVERIFY(QMetaObject::invokeMethod(row(finder, QLatin1String(pick.row)), "clicked"));
            QQuickItem* popup = m_controller->currentDialog();
            QVERIFY2(popup, pick.row);
            QCOMPARE(popup->property("headTitle").toString(), QLatin1String(pick.headTitle));
            if (pick.bodyMessage)
                QCOMPARE(popup->property("bodyMessage").toString(), QLatin1String(pick.bodyMessage));
            m_controller->closeDialog();
        }

        // Removal asks first; the dialog names the entry.
        QVERIFY(QMetaObject::invokeMethod(row(finder, QStringLiteral("deviceRow0")), "removeItem"));
        auto* confirm = finder->findChild<QQuickItem*>(QStringLiteral("removeDeviceDialog"));
        QVERIFY(confirm && confirm->isVisible());
        QCOMPARE(QSettings().value(QLatin1String(DeviceStore::SavedKey)).toStringList().size(), 2);
        QMetaObject::invokeMethod(confirm->findChild<QObject*>(QStringLiteral("okButton")), "clicked");
        QCOMPARE(finder->notice(), QStringLiteral("Kitchen was removed."));
        const QStringList stored = QSettings().value(QLatin1String(DeviceStore::SavedKey)).toStringList();
        QCOMPARE(stored.size(), 1);
        QVERIFY(stored.first().contains(QLatin1String("\"serialNumber\":\"S-2\"")));
        QTRY_VERIFY(!row(finder, QStringLiteral("deviceRow1")));
        QCOMPARE(row(finder, QStringLiteral("deviceRow0"))->property("textLabel").toString(), QStringLiteral("Hall"));
    }

    // A flood of announcements lists a bounded number of rows, quickly, and a
    // device announced again keeps its row.
    void floodIsBoundedAndRowsStay()
    {
        DeviceFinderView* finder = openFinder();
        QVERIFY(finder);
        QTRY_VERIFY(ScriptedZeroConf::last && ScriptedZeroConf::last->browsing());
        ScriptedZeroConf* zeroconf = ScriptedZeroConf::last;
        Q_EMIT zeroconf->serviceAdded(ScriptedZeroConf::service(QStringLiteral("Cellar"), QStringLiteral("127.0.0.7"), "D-1"));
        QTRY_VERIFY(row(finder, QStringLiteral("deviceRow2000")));
        const QPointer<QQuickItem> first = row(finder, QStringLiteral("deviceRow2000"));

        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 600; ++i) {
            Q_EMIT zeroconf->serviceAdded(ScriptedZeroConf::service(QStringLiteral("Flood %1").arg(i),
                                                                    QStringLiteral("127.0.0.8"),
                                                                    "F-" + QByteArray::number(i)));
            if (i % 50 == 0)
                QCoreApplication::processEvents();
        }
        QTRY_COMPARE(finder->detectedDeviceList().size(), int(ServiceBrowser::MaxDevices));
        QTRY_VERIFY(row(finder, QStringLiteral("deviceRow%1").arg(2000 + ServiceBrowser::MaxDevices - 1)));
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(!row(finder, QStringLiteral("deviceRow%1").arg(2000 + ServiceBrowser::MaxDevices)));

        const ZeroConfService renamed = ScriptedZeroConf::service(QStringLiteral("Wine cellar"),
                                                                    QStringLiteral("127.0.0.7"), "D-1");
        Q_EMIT zeroconf->serviceUpdated(renamed);
        QTRY_COMPARE(first ? first->property("textLabel").toString() : QString(), QStringLiteral("Wine cellar"));
        QCOMPARE(row(finder, QStringLiteral("deviceRow2000")), first.data());
    }

    void discoveryThatCannotWorkSaysWhy()
    {
        ScriptedZeroConf::failBrowse = true;
        DeviceFinderView* finder = openFinder();
        QVERIFY(finder);
        QTRY_VERIFY(!finder->discoveryAvailable());
        QQuickItem* empty = row(finder, QStringLiteral("emptyDetectedRow"));
        QVERIFY(empty);
        QVERIFY(empty->property("textLabel").toString().startsWith(
            QLatin1String("Network discovery is not available on this computer")));
        QVERIFY(!finder->findChild<QQuickItem*>(QStringLiteral("discoverySpinner"))->isVisible());
        QVERIFY(row(finder, QStringLiteral("emptySavedRow")));
    }
};

QTEST_MAIN(TestDeviceFinder)
#include "tst_devicefinder.moc"
