// The device settings belong to the device they were read from: two
// simulators, one of whose settings service answers only when the test says
// so, in the real window.
#include "app/maintabcontroller.h"
#include "app/startup.h"
#include "devices/device.h"
#include "devices/devicestore.h"
#include "settings/settingseditorview.h"
#include "settings/settingsview.h"
#include "settings/tavireltheme.h"
#include "simprocess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QQuickView>
#include <QSettings>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryFile>
#include <QTest>

namespace {
// A settings service that holds every request until answer() or fail().
class HeldSettingsService : public QTcpServer
{
public:
    HeldSettingsService()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    if (socket->property("counted").toBool())
                        return;
                    socket->setProperty("counted", true);
                    (socket->peek(4).startsWith("POST") ? posts : requests) += 1;
                    m_waiting << socket;
                });
            }
        });
    }
    QString url(const char* path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path); }
    void answer(const QJsonObject& settings) { reply("200 OK", QJsonDocument(settings).toJson(QJsonDocument::Compact)); }
    void fail() { reply("500 Internal Server Error", {}); }

    int requests = 0;
    int posts = 0;

private:
    void reply(const QByteArray& status, const QByteArray& body)
    {
        for (QTcpSocket* socket : qExchange(m_waiting, {})) {
            socket->write("HTTP/1.1 " + status + "\r\nContent-Type: application/json\r\nConnection: close\r\n"
                          "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
            socket->disconnectFromHost();
        }
    }

    QList<QTcpSocket*> m_waiting;
};

Device* simDevice(QObject* parent, const char* serial, quint16 port)
{
    auto* d = new Device(parent);
    d->setSerialNumber(QLatin1String(serial));
    d->setLocalIp(QStringLiteral("127.0.0.1"));
    d->setLocalPort(port);
    d->setUsername(QStringLiteral("admin"));
    d->setPassword(QStringLiteral("admin"));
    return d;
}

const QJsonObject AlphaSettings { { "this_tavirel", QJsonObject { { "name", "Alpha" } } }, { "outputs", QJsonArray() } };
}

class TestSettingsDevices : public QObject
{
    Q_OBJECT
    SimProcess m_simA; // its settings are the held service's
    SimProcess m_simB; // serves its own settings
    HeldSettingsService m_held;
    QTemporaryFile m_configA;
    QScopedPointer<QQuickView> m_view;
    TavirelTheme m_theme;
    MainTabController* m_main = nullptr;
    SettingsView* m_tab = nullptr;
    Device* m_deviceA = nullptr;
    Device* m_deviceB = nullptr;

    QString shownName() const
    {
        return m_tab->settings().value("this_tavirel").toObject().value("name").toString();
    }
    int storedOnB() const { return m_simB.log.count(QLatin1String("200, stored")); }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
        Startup::setIdentity(*QCoreApplication::instance());
        Startup::registerMetaTypes();
        Startup::registerQmlTypes();
        Startup::createImageServices();
        m_theme.loadFromFile(TestSupport::sourceDir() + QStringLiteral("/themes/theme0.json"));
        QVERIFY(m_held.listen(QHostAddress::LocalHost));
        QVERIFY(m_configA.open());
        m_configA.write(QJsonDocument(QJsonObject { { "settingsGetUrl", m_held.url("/get") },
                                                    { "settingsPostUrl", m_held.url("/set") } })
                            .toJson());
        m_configA.flush();
        QVERIFY2(m_simA.start(0, { "--config", m_configA.fileName() }), qPrintable(m_simA.log));
        QVERIFY2(m_simB.start(0, { "--user", "admin", "--password", "admin" }), qPrintable(m_simB.log));
        m_deviceA = simDevice(this, "SIM-A", m_simA.port());
        m_deviceB = simDevice(this, "SIM-B", m_simB.port());
    }
    void cleanupTestCase()
    {
        m_view.reset();
        m_simA.stop();
        m_simB.stop();
    }

    // B's saved password is refused; the one typed in the popup joins the
    // link, and the settings are read with it.
    void newCredentialsReachTheDownload()
    {
        Device wrong;
        DeviceStore::textToObject(&wrong, DeviceStore::objectToText(m_deviceB));
        wrong.setPassword(QStringLiteral("wrong"));
        DeviceStore::saveNewDevice(&wrong);
        m_view.reset(new QQuickView);
        TestSupport::loadMainDocument(m_view.data(), &m_theme);
        QCOMPARE(m_view->status(), QQuickView::Ready);
        m_view->show();
        m_main = qobject_cast<MainTabController*>(m_view->rootObject());
        QVERIFY(m_main);
        m_tab = m_main->findChild<SettingsView*>(QStringLiteral("mySettingsView"));
        QVERIFY(m_tab);
        QTRY_VERIFY_WITH_TIMEOUT(m_main->currentDialog(), 15000);
        QQuickItem* popup = m_main->currentDialog();
        popup->findChild<QObject*>(QStringLiteral("passwordField"))->setProperty("text", QStringLiteral("admin"));
        QMetaObject::invokeMethod(popup, "accepted");
        QTRY_VERIFY_WITH_TIMEOUT(!m_tab->settings().isEmpty(), 15000);
        QVERIFY(!shownName().isEmpty());
    }

    // Switching to A, whose settings have not come: the editor does not
    // open on B's, nothing is saved anywhere, and a failed download offers a
    // retry that brings A's own settings into the editor.
    void switchToADeviceWhoseDownloadFails()
    {
        const QJsonObject settingsOfB = m_tab->settings();
        const int storedBefore = storedOnB();
        m_main->connectToDevice(true, m_deviceA);
        QTRY_COMPARE_WITH_TIMEOUT(m_held.requests, 1, 15000);
        m_tab->pushSettingsEditor();
        NavigationView* page = m_tab->topView();
        QVERIFY(!qobject_cast<SettingsEditorView*>(page));
        QVERIFY(page->property("loading").toBool());
        m_tab->uploadSettings(QVariant(), settingsOfB);

        m_held.fail();
        QTRY_VERIFY(!page->property("loading").toBool());
        QVERIFY(page->property("canRetry").toBool());
        QVERIFY(!page->property("reason").toString().isEmpty());
        QVERIFY(m_tab->settings().isEmpty());
        QCOMPARE(m_held.posts, 0);
        QCOMPARE(storedOnB(), storedBefore);

        QMetaObject::invokeMethod(page, "requireRetry");
        QTRY_COMPARE(m_held.requests, 2);
        m_held.answer(AlphaSettings);
        QTRY_VERIFY(qobject_cast<SettingsEditorView*>(m_tab->topView()));
        QCOMPARE(shownName(), QStringLiteral("Alpha"));
        m_tab->popToRootView();
    }

    // A's answer comes after the switch to B: B's settings and record stay B's.
    void lateAnswerFromThePreviousDevice()
    {
        const int asked = m_held.requests;
        m_main->connectToDevice(true, m_deviceA);
        QTRY_COMPARE_WITH_TIMEOUT(m_held.requests, asked + 1, 15000);
        m_main->connectToDevice(true, m_deviceB);
        QTRY_VERIFY_WITH_TIMEOUT(!m_tab->settings().isEmpty(), 15000);
        const QString nameOfB = shownName();
        QVERIFY(nameOfB != QLatin1String("Alpha"));
        m_held.answer(AlphaSettings);
        QTest::qWait(500);
        QCOMPARE(shownName(), nameOfB);
        QCOMPARE(m_tab->lastSelDevice()->getPropDictionaryValue("name"), nameOfB);
    }
};

QTEST_MAIN(TestSettingsDevices)
#include "tst_settingsdevices.moc"
