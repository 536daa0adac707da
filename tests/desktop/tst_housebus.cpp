#include "desktop/houseservice.h"
#include "devices/device.h"
#include "link/tavirelconnthread.h"
#include "model/housecontrol.h"
#include "model/tavirel.h"
#include "simprocess.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QProcess>
#include <QtTest>

// The house control on a private session bus (dbus-run-session), driving
// the device simulator: the interface that scripts call, and the command
// line that hands --scene and --all-off to the running copy.
class TestHouseBus : public QObject
{
    Q_OBJECT

signals:
    void propertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList& invalidated);

private slots:
    void initTestCase();
    void cleanupTestCase();
    void interface();
    void commandLine();

private:
    // A call from another connection, as a script makes it; the answer is
    // awaited with the event loop running, since this process serves it.
    QDBusMessage call(const QString& method, const QVariantList& args = {},
                      const QString& interface = QLatin1String(HouseService::Interface));
    QStringList commandsSince(int from) const;
    // Runs the application with arguments; its exit code, standard error in `err`.
    int runApp(const QStringList& args, QString* err);

    SimProcess m_sim;
    Device m_device;
    TavirelConnThread* m_link = nullptr;
    Tavirel m_model;
    HouseControl m_house;
    HouseService* m_service = nullptr;
    QDBusConnection m_client { QString() };
};

void TestHouseBus::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY2(m_sim.start(0, { "--config", TestSupport::sourceDir() + "/tests/data/model/house-device.json" }),
             qPrintable(m_sim.log));
    QVERIFY2(TestSupport::linkModel(m_model, m_device, m_sim.port(), m_link, 20000), qPrintable(m_sim.log));
    QTRY_VERIFY_WITH_TIMEOUT(m_model.outputByIndex(3) && m_model.outputByIndex(3)->volume() == 50, 5000);

    m_house.setModel(&m_model);
    m_house.setDeviceSerial(QStringLiteral("BUS-1"));
    m_service = new HouseService(&m_house, this);
    QVERIFY(m_service->publish(QDBusConnection::sessionBus()));
    m_client = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("script"));
    QVERIFY(m_client.isConnected());
}

void TestHouseBus::cleanupTestCase()
{
    delete m_service;
    m_house.setModel(nullptr);
    if (m_link) {
        m_link->stop();
        m_model.setConnPointer(nullptr);
        delete m_link;
    }
    m_sim.stop();
}

QDBusMessage TestHouseBus::call(const QString& method, const QVariantList& args, const QString& interface)
{
    QDBusMessage message = QDBusMessage::createMethodCall(QLatin1String(HouseService::ServiceName),
                                                          QLatin1String(HouseService::ObjectPath), interface, method);
    message.setArguments(args);
    QDBusPendingCall pending = m_client.asyncCall(message, 10000);
    QElapsedTimer t;
    t.start();
    while (!pending.isFinished() && t.elapsed() < 12000)
        QTest::qWait(10);
    return pending.reply();
}

QStringList TestHouseBus::commandsSince(int from) const
{
    QStringList commands;
    for (int i = from; i < m_sim.received.size(); ++i) {
        const QString text = m_sim.received.at(i).section(QLatin1Char('|'), 1);
        if (text.startsWith(QLatin1String("UI_COMMAND|20")))
            commands << text.mid(11);
    }
    return commands;
}

int TestHouseBus::runApp(const QStringList& args, QString* err)
{
    QProcess app;
    app.start(qEnvironmentVariable("TAVIREL_APP"), args);
    if (!app.waitForStarted(10000))
        return -1;
    QElapsedTimer t;
    t.start();
    while (app.state() != QProcess::NotRunning && t.elapsed() < 20000)
        QTest::qWait(20);
    *err = QString::fromLocal8Bit(app.readAllStandardError());
    return app.state() == QProcess::NotRunning && app.exitStatus() == QProcess::NormalExit ? app.exitCode() : -1;
}

void TestHouseBus::interface()
{
    QCOMPARE(call("SaveScene", { QStringLiteral("Evening") }).type(), QDBusMessage::ReplyMessage);
    const QDBusMessage scenes = call("Scenes");
    QCOMPARE(scenes.arguments().value(0).toStringList(), QStringList { "Evening" });

    // A bad name is an error that says what is wrong, and the service lives on.
    struct Bad {
        const char* method;
        QVariantList args;
        const char* says;
    };
    const QList<Bad> bad {
        { "RecallScene", { QStringLiteral("Nope"), QStringList() }, "Nope" },
        { "RecallScene", { QStringLiteral("Evening"), QStringList { "Attic" } }, "Attic" },
        { "DeleteScene", { QStringLiteral("Nope") }, "Nope" },
        { "SaveScene", { QStringLiteral("two\nlines") }, "scene name" },
        { "SaveScene", { QStringLiteral(" ") }, "scene name" },
    };
    for (const Bad& b : bad) {
        const QDBusMessage answer = call(b.method, b.args);
        QCOMPARE(answer.type(), QDBusMessage::ErrorMessage);
        QCOMPARE(answer.errorName(), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
        QVERIFY2(answer.errorMessage().contains(b.says), qPrintable(answer.errorMessage()));
    }

    int from = m_sim.received.size();
    QCOMPARE(call("AllOff").type(), QDBusMessage::ReplyMessage);
    QTRY_VERIFY_WITH_TIMEOUT(m_model.outputByIndex(1)->mute(), 5000);
    QCOMPARE(commandsSince(from), (QStringList { "2001|100|0|1", "2001|100|1|1" }));
    QCOMPARE(call("Undo").type(), QDBusMessage::ReplyMessage);
    QTRY_VERIFY_WITH_TIMEOUT(!m_model.outputByIndex(1)->mute(), 5000);
    QCOMPARE(call("Redo").type(), QDBusMessage::ReplyMessage);
    QTRY_VERIFY_WITH_TIMEOUT(m_model.outputByIndex(1)->mute(), 5000);
    QCOMPARE(call("Resume").type(), QDBusMessage::ReplyMessage);
    QTRY_VERIFY_WITH_TIMEOUT(!m_model.outputByIndex(0)->mute() && !m_model.outputByIndex(1)->mute(), 5000);

    // A partial recall by output name.
    m_model.actionSetVolumeForOutput(70, 0);
    m_model.actionSetVolumeForOutput(70, 1);
    QTRY_VERIFY_WITH_TIMEOUT(m_model.outputByIndex(0)->volume() == 70 && m_model.outputByIndex(1)->volume() == 70, 5000);
    from = m_sim.received.size();
    QCOMPARE(call("RecallScene", { QStringLiteral("Evening"), QStringList { "Bath" } }).type(),
             QDBusMessage::ReplyMessage);
    QTRY_COMPARE_WITH_TIMEOUT(m_model.outputByIndex(1)->volume(), 40, 5000);
    QCOMPARE(commandsSince(from), QStringList { "2000|100|1|40" });

    // The countdown is a property, announced as it changes.
    QSignalSpy changed(this, SIGNAL(propertiesChanged(QString, QVariantMap, QStringList)));
    QVERIFY(m_client.connect(QString(), QLatin1String(HouseService::ObjectPath),
                             QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"),
                             this, SIGNAL(propertiesChanged(QString, QVariantMap, QStringList))));
    QCOMPARE(call("SetSleepTimer", { QVariant::fromValue(600u) }).type(), QDBusMessage::ReplyMessage);
    QTRY_VERIFY_WITH_TIMEOUT(!changed.isEmpty(), 5000);
    QCOMPARE(changed.constLast().at(0).toString(), QLatin1String(HouseService::Interface));
    QCOMPARE(changed.constLast().at(1).toMap().value("SleepRemaining").toUInt(), 600u);
    const QDBusMessage got = call("Get", { QLatin1String(HouseService::Interface), QStringLiteral("SleepRemaining") },
                                  QStringLiteral("org.freedesktop.DBus.Properties"));
    QCOMPARE(got.arguments().value(0).value<QDBusVariant>().variant().toUInt(), 600u);
    QCOMPARE(call("SetSleepTimer", { QVariant::fromValue(0u) }).type(), QDBusMessage::ReplyMessage);
    QTRY_COMPARE_WITH_TIMEOUT(changed.constLast().at(1).toMap().value("SleepRemaining").toUInt(), 0u, 5000);

    QCOMPARE(call("DeleteScene", { QStringLiteral("Evening") }).type(), QDBusMessage::ReplyMessage);
    QVERIFY(m_house.sceneNames().isEmpty());
}

void TestHouseBus::commandLine()
{
    QVERIFY(!qEnvironmentVariableIsEmpty("TAVIREL_APP"));
    m_house.saveScene(QStringLiteral("Morning"));
    m_model.actionSetVolumeForOutput(66, 3);
    QTRY_COMPARE_WITH_TIMEOUT(m_model.outputByIndex(3)->volume(), 66, 5000);

    QString err;
    QCOMPARE(runApp({ "--scene", "Morning" }, &err), 0);
    QTRY_COMPARE_WITH_TIMEOUT(m_model.outputByIndex(3)->volume(), 50, 5000);
    QCOMPARE(runApp({ "--scene", "Night" }, &err), 1);
    QVERIFY2(err.contains("Night"), qPrintable(err));
    QCOMPARE(runApp({ "--all-off" }, &err), 0);
    QTRY_VERIFY_WITH_TIMEOUT(m_model.outputByIndex(0)->mute(), 5000);

    // Nobody holds the name: the command line says so.
    delete m_service;
    m_service = nullptr;
    QCOMPARE(runApp({ "--all-off" }, &err), 1);
    QVERIFY2(err.contains("not running"), qPrintable(err));
}

QTEST_MAIN(TestHouseBus)
#include "tst_housebus.moc"
