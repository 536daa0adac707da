#include "app/maintabcontroller.h"
#include "app/startup.h"
#include "avahinamespace.h"
#include "devices/avahizeroconf.h"
#include "devices/device.h"
#include "devices/devicefinderview.h"
#include "devices/servicebrowser.h"
#include "settings/settingsview.h"
#include "settings/tavireltheme.h"
#include "testsupport.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QElapsedTimer>
#include <QQmlContext>
#include <QQuickView>
#include <QStandardPaths>

#include <QRegularExpression>
#include <QSet>
#include <QTest>

// Discovery against a real Avahi daemon in a network namespace of its own:
// the simulator's announcement and services published with avahi-publish-*.
// A namespace that cannot be made fails the test.
class TestZeroConfNamespace : public QObject
{
    Q_OBJECT
    AvahiNamespace m_ns;
    QScopedPointer<ServiceBrowser> m_browser;
    // A second, plain browse that shows what the daemon reported, so that a
    // missing row means "ignored" and not "not yet resolved".
    QScopedPointer<AvahiZeroConf> m_watch;
    QStringList m_seen;
    QStringList m_removed;
    QProcess* m_sim = nullptr;
    quint16 m_simPort = 0;

    QProcess* publish(const QStringList& args)
    {
        if (args.first() == QLatin1String("-a"))
            return m_ns.start(QStringLiteral("avahi-publish-address"), args.mid(1));
        return m_ns.start(QStringLiteral("avahi-publish-service"), args);
    }
    Device* listed(const QString& serial) const
    {
        for (Device* d : m_browser->devices())
            if (d->serialNumber() == serial)
                return d;
        return nullptr;
    }

    static QQuickItem* rowWithText(QQuickItem* item, const QString& text)
    {
        for (QQuickItem* child : item->childItems()) {
            if (child->isVisible() && child->property("textLabel").toString() == text)
                return child;
            if (QQuickItem* found = rowWithText(child, text))
                return found;
        }
        return nullptr;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Startup::setIdentity(*QCoreApplication::instance());
        Startup::registerMetaTypes();
        Startup::registerQmlTypes();
        const QString error = m_ns.setUp();
        if (!error.isEmpty())
            QFAIL(qPrintable(QStringLiteral("cannot make the test network: ") + error));

        m_watch.reset(new AvahiZeroConf);
        connect(m_watch.data(), &ZeroConf::serviceAdded, this, [this](const ZeroConfService& s) { m_seen << s.name; });
        connect(m_watch.data(), &ZeroConf::serviceUpdated, this, [this](const ZeroConfService& s) { m_seen << s.name; });
        connect(m_watch.data(), &ZeroConf::serviceRemoved, this, [this](const ZeroConfService& s) { m_removed << s.name; });
        m_watch->startBrowser(QLatin1String(ServiceBrowser::ServiceType));

        m_browser.reset(new ServiceBrowser);
        m_browser->start();
    }
    void cleanupTestCase()
    {
        m_browser.reset();
        m_watch.reset();
        m_ns.tearDown();
    }

    void announcedDevicesAreListedByTheRules()
    {
        m_sim = m_ns.start(TestSupport::deviceSimPath(),
                           { "--port", "0", "--announce", "Kitchen", "--serial", "SIM-7", "--model", "Rack" });
        QString simLog;
        QVERIFY(QTest::qWaitFor([&] {
            simLog += QString::fromLocal8Bit(m_sim->readAll());
            return simLog.contains(QLatin1String("announced as"));
        }, 15000));
        const QRegularExpression port(QStringLiteral("listening on [^:\\s]+:(\\d+)"));
        m_simPort = quint16(port.match(simLog).captured(1).toUInt());

        publish({ "NoSerial", "_tavirel._tcp", "7550", "name=Nobody" });
        publish({ "Twin A", "_tavirel._tcp", "7551", "serial=TWIN", "name=Twin" });
        publish({ "Twin B", "_tavirel._tcp", "7552", "serial=TWIN", "name=Twin" });
        publish({ "-a", "-R", "far-away.local", "203.0.113.9" });
        publish({ "-H", "far-away.local", "Far", "_tavirel._tcp", "7550", "serial=FAR" });

        const QSet<QString> all { "Kitchen", "NoSerial", "Twin A", "Twin B", "Far" };
        QTRY_VERIFY2_WITH_TIMEOUT(QSet<QString>(m_seen.cbegin(), m_seen.cend()) == all, qPrintable(m_seen.join(", ")),
                                  20000);
        QTRY_VERIFY(listed(QStringLiteral("SIM-7")) && listed(QStringLiteral("TWIN")));

        QCOMPARE(m_browser->devices().size(), 2);
        Device* sim = listed(QStringLiteral("SIM-7"));
        QCOMPARE(sim->getPropDictionaryValue(QStringLiteral("name")), QStringLiteral("Kitchen"));
        QCOMPARE(sim->getPropDictionaryValue(QStringLiteral("model")), QStringLiteral("Rack"));
        QCOMPARE(sim->localIp(), QString::fromLatin1(AvahiNamespace::Address));
        QCOMPARE(sim->localPort(), int(m_simPort));
    }

    void withdrawnStaysAndANewAddressReplaces()
    {
        QVERIFY(m_sim);
        m_ns.stop(m_sim);
        QTRY_VERIFY_WITH_TIMEOUT(m_removed.contains(QStringLiteral("Kitchen")), 15000);
        QVERIFY(listed(QStringLiteral("SIM-7")));

        // The device comes back at another address of the same network.
        publish({ "-a", "-R", "kitchen-moved.local", "198.18.77.20" });
        publish({ "-H", "kitchen-moved.local", "Kitchen", "_tavirel._tcp", "7560", "serial=SIM-7", "name=Kitchen" });
        QTRY_COMPARE_WITH_TIMEOUT(listed(QStringLiteral("SIM-7")) ? listed(QStringLiteral("SIM-7"))->localIp()
                                                                  : QString(),
                                  QStringLiteral("198.18.77.20"), 20000);
        QCOMPARE(listed(QStringLiteral("SIM-7"))->localPort(), 7560);
        QCOMPARE(m_browser->devices().size(), 2);
    }

    // The user path: the finder lists an announced device, the user picks it,
    // gives its credentials and lands on its sources.
    void finderConnectsToAnAnnouncedDevice()
    {
        QProcess* sim = m_ns.start(TestSupport::deviceSimPath(),
                                   { "--port", "0", "--announce", "Cellar", "--serial", "SIM-9", "--user", "admin",
                                     "--password", "secret" });
        QVERIFY(sim->waitForStarted());
        TavirelTheme theme;
        theme.loadFromFile(TestSupport::sourceDir() + QStringLiteral("/themes/theme0.json"));
        QQuickView view;
        Startup::addImageProvider(view.engine());
        view.rootContext()->setContextProperty(QStringLiteral("currentTheme"), &theme);
        Startup::setScreenContext(view.rootContext(), 1.0);
        view.setResizeMode(QQuickView::SizeRootObjectToView);
        view.resize(500, 800);
        view.setSource(QUrl(QStringLiteral("qrc:/main.qml")));
        auto* controller = qobject_cast<MainTabController*>(view.rootObject());
        QVERIFY(controller);
        view.show();
        QCoreApplication::processEvents();
        auto* settings = controller->findChild<SettingsView*>(QStringLiteral("mySettingsView"));
        settings->pushDeviceFinder();
        auto* finder = settings->findChild<DeviceFinderView*>();
        QVERIFY(finder);

        QQuickItem* row = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((row = rowWithText(finder, QStringLiteral("Cellar"))), 20000);
        // Where it answers, then which one it is.
        const QString detail = row->property("detailTextLabel").toString();
        QVERIFY2(detail.startsWith(QString::fromLatin1(AvahiNamespace::Address) + QLatin1Char(':'))
                     && detail.endsWith(QStringLiteral("  ·  SIM-9")),
                 qPrintable(detail));
        QVERIFY(QMetaObject::invokeMethod(row, "clicked"));
        QQuickItem* popup = controller->currentDialog();
        QVERIFY(popup);
        popup->findChild<QObject*>(QStringLiteral("usernameField"))->setProperty("text", "admin");
        popup->findChild<QObject*>(QStringLiteral("passwordField"))->setProperty("text", "secret");
        QMetaObject::invokeMethod(popup, "accepted");
        QTRY_COMPARE_WITH_TIMEOUT(controller->currentTab(), int(MainTabController::SourcesTab), 20000);
        QCOMPARE(settings->lastSelDevice()->localIp(), QString::fromLatin1(AvahiNamespace::Address));
    }

    // A host flooding the network with announcements: the app follows a
    // bounded number of them and lists a bounded number of rows, in bounded
    // time. Last, since it leaves the browsers full.
    void announcementFloodIsBounded()
    {
        QDBusConnection bus = QDBusConnection::connectToBus(
            m_ns.environment().value(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS")), QStringLiteral("flood"));
        QVERIFY2(bus.isConnected(), qPrintable(bus.lastError().message()));
        qDBusRegisterMetaType<QByteArrayList>();
        QDBusInterface server(QStringLiteral("org.freedesktop.Avahi"), QStringLiteral("/"),
                              QStringLiteral("org.freedesktop.Avahi.Server"), bus);
        // The daemon takes a few dozen entries per group.
        const int total = 400;
        for (int group = 0; group < total / 25; ++group) {
            const QDBusReply<QDBusObjectPath> path = server.call(QStringLiteral("EntryGroupNew"));
            QVERIFY2(path.isValid(), qPrintable(path.error().message()));
            QDBusInterface entries(QStringLiteral("org.freedesktop.Avahi"), path.value().path(),
                                   QStringLiteral("org.freedesktop.Avahi.EntryGroup"), bus);
            for (int i = group * 25; i < (group + 1) * 25; ++i) {
                const QList<QByteArray> txt { "serial=FLOOD-" + QByteArray::number(i) };
                const QDBusMessage added = entries.call(
                    QStringLiteral("AddService"), -1, 0, 0u, QStringLiteral("Flood %1").arg(i),
                    QStringLiteral("_tavirel._tcp"), QString(), QString(), QVariant::fromValue(quint16(7000 + i % 500)), QVariant::fromValue(txt));
                QVERIFY2(added.type() == QDBusMessage::ReplyMessage, qPrintable(added.errorMessage()));
            }
            QCOMPARE(entries.call(QStringLiteral("Commit")).type(), QDBusMessage::ReplyMessage);
        }
        QElapsedTimer timer;
        timer.start();
        const auto floodSeen = [this] {
            int seen = 0;
            for (const QString& name : QSet<QString>(m_seen.cbegin(), m_seen.cend()))
                seen += name.startsWith(QLatin1String("Flood ")) ? 1 : 0;
            return seen;
        };
        // Every followed announcement resolves, and then nothing more comes.
        QTRY_VERIFY_WITH_TIMEOUT(m_browser->devices().size() > 200, 30000);
        int settled = -1;
        while (settled != floodSeen() && timer.elapsed() < 40000) {
            settled = floodSeen();
            QTest::qWait(1500);
        }
        QVERIFY2(timer.elapsed() < 40000, "the flood did not settle");
        QVERIFY2(floodSeen() <= 256, qPrintable(QString::number(floodSeen())));
        QVERIFY(m_browser->devices().size() <= ServiceBrowser::MaxDevices);
        QDBusConnection::disconnectFromBus(QStringLiteral("flood"));
    }
};

QTEST_MAIN(TestZeroConfNamespace)
#include "tst_zeroconfnamespace.moc"
