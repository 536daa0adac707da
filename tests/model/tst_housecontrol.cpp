#include "devices/device.h"
#include "link/tavirelconnthread.h"
#include "model/housecontrol.h"
#include "model/tavirel.h"
#include "modeltestutil.h"
#include "mopidyfixture.h"
#include "player/tavirelplayer.h"
#include "simprocess.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

using namespace ModelTestUtil;

// The house control on a model linked to the device simulator, whose music
// player is a real Mopidy server: what the simulator receives, and the state
// it ends in.
class TestHouseControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void recallIsMinimalOrderedAndPartial();
    void resumeTakesBackExactlyAllOff();
    void sleepTimerFadesThenRestores();
    void undoOfDragRoutingAndRecall();
    void historyAfterReconnect();

private:
    // The device commands received since `mark` (an index into received).
    QStringList commandsSince(int mark) const;
    int mark() const { return m_sim.received.size(); }
    bool reached(const QStringList& checks, int timeoutMs = 5000);

    MopidyFixture m_mopidy;
    SimProcess m_sim;
    Device m_device;
    TavirelConnThread* m_link = nullptr;
    Tavirel m_model;
    HouseControl m_house;
    QStringList m_start;
};

static const QStringList kStart { "output0.volume=30", "output0.mute=false", "output0.selectedSource=1",
                                  "output1.volume=40", "output1.mute=false", "output1.selectedSource=5",
                                  "output2.volume=20", "output2.mute=true",  "output3.selectedSource=none",
                                  "output3.volume=50", "source5.volume=50" };

void TestHouseControl::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY2(m_mopidy.start(), qPrintable(m_mopidy.errorString()));
    const QString config = TestSupport::sourceDir() + "/tests/data/model/house-device.json";
    QVERIFY2(m_sim.start(0, { "--config", config, "--mopidy-host", m_mopidy.host(), "--mopidy-port",
                              QString::number(m_mopidy.port()), "--keepalive", "2" }),
             qPrintable(m_sim.log));
    QVERIFY2(TestSupport::linkModel(m_model, m_device, m_sim.port(), m_link, 20000), qPrintable(m_sim.log));
    QVERIFY2(reached(kStart), qPrintable(m_sim.log));

    m_house.setModel(&m_model);
    m_house.setDeviceSerial(QStringLiteral("HC-1"));
    m_house.setDragWindow(800);
    m_house.setSettleTime(1500);
    m_house.saveScene(QStringLiteral("start"));
    QVERIFY(m_house.hasScene("start"));
}

void TestHouseControl::init()
{
    m_house.recallScene(QStringLiteral("start"));
    if (m_house.allOffActive())
        m_house.resume();
    QVERIFY2(reached(kStart), qPrintable(m_sim.receivedText().right(2000)));
    // Each case starts without the history of the one before.
    m_house.setDeviceSerial(QString());
    m_house.setDeviceSerial(QStringLiteral("HC-1"));
    QVERIFY(!m_house.canUndo());
}

void TestHouseControl::cleanupTestCase()
{
    m_house.setModel(nullptr);
    if (m_link) {
        m_link->stop();
        m_model.setConnPointer(nullptr);
        delete m_link;
    }
    m_sim.stop();
    m_mopidy.stop();
}

QStringList TestHouseControl::commandsSince(int from) const
{
    QStringList commands;
    for (int i = from; i < m_sim.received.size(); ++i) {
        const QString text = m_sim.received.at(i).section(QLatin1Char('|'), 1);
        if (text.startsWith(QLatin1String("UI_COMMAND|20")))
            commands << text.mid(11);
    }
    return commands;
}

bool TestHouseControl::reached(const QStringList& checks, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    for (;;) {
        bool all = true;
        for (const QString& check : checks)
            all = all && evaluate(m_model, check) == check;
        if (all)
            return true;
        if (t.elapsed() > timeoutMs) {
            for (const QString& check : checks)
                qWarning() << "expected" << check << "found" << evaluate(m_model, check);
            return false;
        }
        QTest::qWait(20);
    }
}

void TestHouseControl::recallIsMinimalOrderedAndPartial()
{
    m_model.actionSetVolumeForOutput(70, 0);
    m_model.actionSetMatrixSetting(1, 3);
    m_model.actionSetVolumeForOutput(10, 1);
    QVERIFY(reached({ "output0.volume=70", "output3.selectedSource=1", "output1.volume=10" }));

    // Only Bath: Kitchen and Den stay as they are.
    int from = mark();
    m_house.recallScene(QStringLiteral("start"), { QStringLiteral("Bath") });
    QVERIFY(reached({ "output1.volume=40" }));
    QTest::qWait(300);
    QCOMPARE(commandsSince(from), QStringList { "2000|100|1|40" });
    QVERIFY(reached({ "output0.volume=70", "output3.selectedSource=1" }));

    // The rest, quieter first.
    from = mark();
    m_house.recallScene(QStringLiteral("start"));
    QVERIFY(reached(kStart));
    QTest::qWait(300);
    QCOMPARE(commandsSince(from), (QStringList { "2000|100|0|30", "2003|100|3@-1" }));

    // A scene from a file that names what this device lacks.
    QTemporaryDir dir;
    const QString path = dir.filePath("scenes.json");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"scenes":[{"name":"Garage party","outputs":[
        {"index":0,"name":"Kitchen","source":8,"volume":35},{"index":9,"name":"Garage","source":1,"volume":80}],
        "sources":[{"index":8,"name":"Turntable","volume":70}]}]})");
    file.close();
    QCOMPARE(m_house.importScenes(QUrl::fromLocalFile(path)), 1);
    from = mark();
    m_house.recallScene(QStringLiteral("Garage party"));
    QVERIFY(reached({ "output0.volume=35", "output0.selectedSource=1" }));
    QVERIFY2(m_house.report().contains("Garage") && m_house.report().contains("Turntable"), qPrintable(m_house.report()));
    QTest::qWait(300);
    QCOMPARE(commandsSince(from), QStringList { "2000|100|0|35" });
    // Kept by serial number, in the settings store, and exported as it came.
    HouseControl other;
    other.setDeviceSerial(QStringLiteral("HC-1"));
    QCOMPARE(other.sceneNames(), (QStringList { "start", "Garage party" }));
    QVERIFY(m_house.exportScenes(QUrl::fromLocalFile(dir.filePath("out.json"))));
    other.setDeviceSerial(QStringLiteral("HC-2"));
    QVERIFY(other.sceneNames().isEmpty());
    QCOMPARE(other.importScenes(QUrl::fromLocalFile(dir.filePath("out.json"))), 2);
    QCOMPARE(other.importScenes(QUrl::fromLocalFile(dir.filePath("missing.json"))), -1);
}

void TestHouseControl::resumeTakesBackExactlyAllOff()
{
    TavirelPlayer* player = m_model.sourceByIndex(5)->player();
    QVERIFY(player);
    QTRY_VERIFY_WITH_TIMEOUT(player->isConnected(), 15000);
    const QJsonArray tracks = m_mopidy.call("core.library.browse", { { "uri", "local:directory?type=track" } }).toArray();
    QVERIFY(!tracks.isEmpty());
    m_mopidy.call("core.tracklist.add", { { "uris", QJsonArray { tracks.at(0).toObject().value("uri") } } });
    m_mopidy.call("core.tracklist.set_repeat", { { "value", true } });
    m_mopidy.call("core.playback.play");
    QTRY_COMPARE_WITH_TIMEOUT(player->playPause(), 2, 15000);

    QSignalSpy active(&m_house, &HouseControl::allOffActiveChanged);
    int from = mark();
    m_house.allOff();
    QCOMPARE(active.count(), 1);
    // Nursery is muted already and Den plays nothing: neither is touched.
    QVERIFY(reached({ "output0.mute=true", "output1.mute=true" }));
    QTRY_COMPARE_WITH_TIMEOUT(m_mopidy.call("core.playback.get_state").toString(), QStringLiteral("paused"), 10000);
    QTest::qWait(300);
    QCOMPARE(commandsSince(from), (QStringList { "2001|100|0|1", "2001|100|1|1" }));
    QVERIFY(m_house.allOffActive());

    // Kitchen is unmuted by hand meanwhile: Resume has only Bath left to do.
    m_model.actionSetMuteForOutput(false, 0);
    QVERIFY(reached({ "output0.mute=false" }));
    QTRY_COMPARE_WITH_TIMEOUT(player->playPause(), 1, 10000);
    from = mark();
    m_house.resume();
    QVERIFY(reached({ "output1.mute=false", "output2.mute=true" }));
    QTRY_COMPARE_WITH_TIMEOUT(m_mopidy.call("core.playback.get_state").toString(), QStringLiteral("playing"), 10000);
    QTest::qWait(300);
    QCOMPARE(commandsSince(from), QStringList { "2001|100|1|0" });
    QVERIFY(!m_house.allOffActive());
    QCOMPARE(active.count(), 2);
    m_mopidy.reset();
}

void TestHouseControl::sleepTimerFadesThenRestores()
{
    m_house.setFadeTiming(1500, 200);
    QSignalSpy remaining(&m_house, &HouseControl::sleepRemainingChanged);
    int from = mark();
    m_house.setSleepTimer(2);
    QCOMPARE(m_house.sleepRemaining(), 2u);
    QTRY_COMPARE_WITH_TIMEOUT(m_house.sleepRemaining(), 0u, 5000);
    QVERIFY(reached({ "output0.mute=true", "output1.mute=true", "output0.volume=30", "output1.volume=40" }));
    QVERIFY(m_house.allOffActive());
    QTest::qWait(300);

    // Kitchen steps down, never up, is muted, then gets its volume back.
    const QStringList commands = commandsSince(from);
    QList<int> kitchen;
    for (const QString& c : commands) {
        if (c.startsWith("2000|100|0|"))
            kitchen << c.section('|', 3).toInt();
    }
    const int muted = commands.indexOf("2001|100|0|1");
    QVERIFY2(muted > 0 && commands.lastIndexOf(QRegularExpression("2000\\|100\\|0\\|.*")) > muted, qPrintable(commands.join(' ')));
    QVERIFY2(kitchen.size() >= 6 && kitchen.last() == 30, qPrintable(commands.join(' ')));
    for (int i = 1; i < kitchen.size() - 1; ++i)
        QVERIFY2(kitchen.at(i) < kitchen.at(i - 1), qPrintable(commands.join(' ')));
    QCOMPARE(kitchen.at(kitchen.size() - 2), 0);
    QVERIFY(remaining.count() >= 2);

    // Cancelled in the middle of the fade: the volumes come back at once.
    m_house.resume();
    QVERIFY(reached({ "output0.mute=false", "output1.mute=false" }));
    m_house.setFadeTiming(10000, 200);
    m_house.setSleepTimerForOutput(10, 0);
    QVERIFY(reached({ "output0.volume=27" }, 3000));
    QCOMPARE(evaluate(m_model, "output1.volume=40"), QStringLiteral("output1.volume=40"));
    from = mark();
    m_house.setSleepTimer(0);
    QCOMPARE(m_house.sleepRemaining(), 0u);
    QVERIFY(reached({ "output0.volume=30", "output0.mute=false" }));
    QTest::qWait(300);
    QCOMPARE(commandsSince(from), QStringList { "2000|100|0|30" });
    m_house.setFadeTiming(HouseControl::DefaultFadeWindowMs, HouseControl::DefaultFadeStepMs);
}

void TestHouseControl::undoOfDragRoutingAndRecall()
{
    for (int volume = 32; volume <= 44; volume += 2) {
        m_model.actionSetVolumeForOutput(volume, 0);
        QTest::qWait(60);
    }
    m_model.actionSetMatrixSetting(5, 3);
    QVERIFY(reached({ "output0.volume=44", "output3.selectedSource=5" }));

    int from = mark();
    m_house.undo();
    QVERIFY(reached({ "output3.selectedSource=none" }));
    m_house.undo();
    QVERIFY(reached({ "output0.volume=30" }));
    QVERIFY(!m_house.canUndo());
    QTest::qWait(300);
    QCOMPARE(commandsSince(from), (QStringList { "2003|100|3@-1", "2000|100|0|30" }));

    from = mark();
    m_house.redo();
    QVERIFY(reached({ "output0.volume=44" }));
    QVERIFY(m_house.canRedo());
    QTest::qWait(300);
    QCOMPARE(commandsSince(from), QStringList { "2000|100|0|44" });

    // A recall is one change, and a change after an undo drops the redo.
    m_model.actionSetMuteForSource(true, 1);
    QVERIFY(reached({ "output0.mute=true" }));
    QVERIFY(!m_house.canRedo());
    m_house.recallScene(QStringLiteral("start"));
    QVERIFY(reached({ "output0.mute=false", "output0.volume=30", "output2.mute=true" }));
    from = mark();
    m_house.undo();
    QVERIFY(reached({ "output0.mute=true", "output0.volume=44", "output2.mute=true" }));
    m_house.undo();
    QVERIFY(reached({ "output0.mute=false" }));
    QTest::qWait(300);
    // Nursery was muted before the source mute and stays so.
    QCOMPARE(commandsSince(from), (QStringList { "2001|100|0|1", "2000|100|0|44", "2001|100|0|0" }));

    // Someone else's change is no change of ours: the next undo is the drag's.
    m_sim.control("send BROAD|3|0|3|55|0|0|0|0|0");
    QVERIFY(reached({ "output3.volume=55" }));
    from = mark();
    m_house.undo();
    QVERIFY(reached({ "output0.volume=30", "output3.volume=55" }));
    QTest::qWait(300);
    QCOMPARE(commandsSince(from), QStringList { "2000|100|0|30" });
    QVERIFY(!m_house.canUndo());
    m_sim.control("send BROAD|3|0|3|50|0|0|0|0|0");
}

void TestHouseControl::historyAfterReconnect()
{
    m_model.actionSetVolumeForOutput(33, 0);
    QVERIFY(reached({ "output0.volume=33" }));
    QVERIFY(m_house.canUndo());

    // The device comes back as it was left: the history stays.
    m_sim.control("close");
    QTRY_VERIFY_WITH_TIMEOUT(!m_model.linkUp(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(m_model.linkUp(), 20000);
    QTest::qWait(2500);
    QVERIFY(m_house.canUndo());

    // It comes back changed: the history goes.
    m_sim.control("close");
    QTRY_VERIFY_WITH_TIMEOUT(!m_model.linkUp(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(m_model.linkUp(), 20000);
    m_sim.control("send BROAD|3|0|0|12|0|0|0|0|0");
    QTRY_VERIFY_WITH_TIMEOUT(!m_house.canUndo(), 5000);
}

QTEST_MAIN(TestHouseControl)
#include "tst_housecontrol.moc"
