#include "devices/device.h"
#include "link/tavirelconnthread.h"
#include "model/tavirel.h"
#include "mopidyfixture.h"
#include "player/tavirelplayer.h"
#include "modeltestutil.h"
#include "simprocess.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <algorithm>
#include <functional>

using namespace ModelTestUtil;
using Action = std::function<void(Tavirel*)>;
Q_DECLARE_METATYPE(Action)

// The model against the device simulator over the real control link, with
// the simulator's player sources pointing at a real Mopidy server.
class TestModelE2e : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void listsMatchConfiguration();
    void actionsComeBack_data();
    void actionsComeBack();
    void rejectedTextNeverReachesDevice();
    void playerConnects();
    void renamePlaylist();

private:
    QJsonObject m_config;
    MopidyFixture m_mopidy;
    SimProcess m_sim;
    Device m_device;
    TavirelConnThread* m_link = nullptr;
    Tavirel m_model;
};

void TestModelE2e::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    const QString configPath = TestSupport::sourceDir() + "/tests/data/model/e2e-device.json";
    QFile file(configPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    m_config = QJsonDocument::fromJson(file.readAll()).object();
    QVERIFY(!m_config.isEmpty());

    QVERIFY2(m_mopidy.start(), qPrintable(m_mopidy.errorString()));
    QVERIFY2(m_sim.start(0, { "--config", configPath, "--mopidy-host", m_mopidy.host(), "--mopidy-port",
                           QString::number(m_mopidy.port()), "--keepalive", "2" }),
             qPrintable(m_sim.log));

    QVERIFY2(TestSupport::linkModel(m_model, m_device, m_sim.port(), m_link, 20000), qPrintable(m_sim.log));
}

void TestModelE2e::cleanupTestCase()
{
    if (m_link) {
        m_link->stop();
        m_model.setConnPointer(nullptr);
        delete m_link;
    }
    m_sim.stop();
    m_mopidy.stop();
}

void TestModelE2e::listsMatchConfiguration()
{
    // Sources in the device's order; outputs sorted by name, case-sensitively.
    QStringList sources;
    for (const QJsonValue& v : m_config.value("sources").toArray()) {
        const QJsonObject s = v.toObject();
        sources << QStringLiteral("%1:%2%3").arg(s.value("index").toInt()).arg(s.value("name").toString(),
                                                                                s.value("player").toBool() ? "[p]" : "");
        QCOMPARE(evaluate(m_model, QStringLiteral("source%1.volume=%2").arg(s.value("index").toInt()).arg(s.value("volume").toInt(50))),
                 QStringLiteral("source%1.volume=%2").arg(s.value("index").toInt()).arg(s.value("volume").toInt(50)));
        const QString mute = QStringLiteral("source%1.mute=%2").arg(s.value("index").toInt()).arg(s.value("mute").toBool() ? "true" : "false");
        QCOMPARE(evaluate(m_model, mute), mute);
    }
    QCOMPARE(describeSources(m_model), sources.join(','));

    QList<QJsonObject> outputs;
    for (const QJsonValue& v : m_config.value("outputs").toArray())
        outputs << v.toObject();
    std::stable_sort(outputs.begin(), outputs.end(), [](const QJsonObject& a, const QJsonObject& b) {
        return a.value("name").toString() < b.value("name").toString();
    });
    QStringList expected;
    for (const QJsonObject& o : outputs) {
        const int index = o.value("index").toInt();
        const int source = o.value("source").toInt(-1);
        expected << QStringLiteral("%1:%2>%3").arg(index).arg(o.value("name").toString(),
                                                               source < 0 ? "-" : QString::number(source));
        const QStringList checks {
            QStringLiteral("output%1.volume=%2").arg(index).arg(o.value("volume").toInt()),
            QStringLiteral("output%1.mute=%2").arg(index).arg(o.value("mute").toBool() ? "true" : "false"),
            QStringLiteral("output%1.bass=%2").arg(index).arg(o.value("bass").toInt()),
            QStringLiteral("output%1.middle=%2").arg(index).arg(o.value("middle").toInt()),
            QStringLiteral("output%1.treble=%2").arg(index).arg(o.value("treble").toInt()),
            QStringLiteral("output%1.loudness=%2").arg(index).arg(o.value("loudness").toInt()),
        };
        for (const QString& check : checks)
            QCOMPARE(evaluate(m_model, check), check);
    }
    QCOMPARE(describeOutputs(m_model), expected.join(','));
    QCOMPARE(evaluate(m_model, "source5.linkedOutputs=1,3"), QStringLiteral("source5.linkedOutputs=1,3"));

    QStringList entries;
    for (const QJsonValue& v : m_config.value("playlistEntries").toArray()) {
        const QJsonObject e = v.toObject();
        entries << QStringLiteral("%1:%2:%3").arg(e.value("id").toInt()).arg(e.value("name").toString(),
                                                                           e.value("playlist").toString());
    }
    QCOMPARE(describeEntries(m_model), entries.join(','));
}

void TestModelE2e::actionsComeBack_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<QStringList>("checks");

    QTest::newRow("output volume") << Action([](Tavirel* m) { m->actionSetVolumeForOutput(63, 3); })
                                   << QStringList { "output3.volume=63" };
    QTest::newRow("output mute") << Action([](Tavirel* m) { m->actionSetMuteForOutput(true, 0); })
                                 << QStringList { "output0.mute=true" };
    QTest::newRow("equaliser") << Action([](Tavirel* m) { m->actionSetEqualizerForOutput("3|5|-5|10|-10"); })
                               << QStringList { "output3.bass=5", "output3.middle=-5", "output3.treble=10",
                                                "output3.loudness=-10", "output3.volume=63" };
    QTest::newRow("routing") << Action([](Tavirel* m) { m->actionSetMatrixSetting(3, 0); })
                             << QStringList { "output0.selectedSource=3", "source1.linkedOutputs=",
                                              "source3.linkedOutputs=0" };
    QTest::newRow("detach") << Action([](Tavirel* m) { m->actionSetMatrixSetting(-1, 1); })
                            << QStringList { "output1.selectedSource=none", "source5.linkedOutputs=3" };
    QTest::newRow("source volume") << Action([](Tavirel* m) { m->actionSetVolumeForSource(12, 1); })
                                   << QStringList { "source1.volume=12" };
    QTest::newRow("source mute over its outputs")
        << Action([](Tavirel* m) {
               m->actionSetMatrixSetting(5, 2);
               m->actionSetMuteForOutput(false, 2);
           })
        << QStringList { "output2.selectedSource=5", "output2.mute=false" };
    QTest::newRow("source mute") << Action([](Tavirel* m) { m->actionSetMuteForSource(true, 5); })
                                 << QStringList { "output2.mute=true", "output3.mute=true", "output0.mute=true",
                                                  "output1.mute=false" };
}

void TestModelE2e::actionsComeBack()
{
    QFETCH(Action, action);
    QFETCH(QStringList, checks);
    action(&m_model);
    for (const QString& check : checks)
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(m_model, check), check, 5000);
}

void TestModelE2e::rejectedTextNeverReachesDevice()
{
    // A "|" inside the URI would have made the device read "3" as a new field.
    m_model.actionAssociatePlaylist(1, "m3u:a|3");
    m_model.actionAssociatePlaylist(2, "m3u:Evening.m3u");
    QTRY_COMPARE_WITH_TIMEOUT(describeEntries(m_model), QStringLiteral("1:Morning:,2:Evening:m3u:Evening.m3u"), 5000);
    QVERIFY2(m_sim.receivedText().contains("UI_COMMAND|2012|100|m3u:Evening.m3u|2"), qPrintable(m_sim.receivedText()));
    QVERIFY2(!m_sim.receivedText().contains("m3u:a"), qPrintable(m_sim.receivedText()));
}

void TestModelE2e::playerConnects()
{
    TavirelPlayer* player = m_model.getPlayerForBrowse();
    QVERIFY(player);
    QCOMPARE(player->sourceRef(), 5);
    QCOMPARE(player->ipAddress(), m_mopidy.host());
    QCOMPARE(player->port(), QString::number(m_mopidy.port()));
    // The first full refresh after opening asks for the URI schemes.
    QTRY_VERIFY_WITH_TIMEOUT(!player->filters().isEmpty(), 15000);
    QVERIFY(player->filters().contains("local") || player->filters().contains("file"));
}

static QStringList playlistNames(const TavirelPlayer* player)
{
    QStringList names;
    for (const PlayerItem* item : player->playlists())
        names << item->name();
    return names;
}

void TestModelE2e::renamePlaylist()
{
    TavirelPlayer* player = m_model.getPlayerForBrowse();
    QVERIFY(player);
    const QJsonObject created =
        m_mopidy.call("core.playlists.create", { { "name", "Road Trip" }, { "uri_scheme", "m3u" } }).toObject();
    const QString uri = created.value("uri").toString();
    QVERIFY2(!uri.isEmpty(), qPrintable(m_mopidy.errorString()));
    QTRY_VERIFY_WITH_TIMEOUT(playlistNames(player).contains("Road Trip"), 15000);

    m_model.actionRenamePlaylist(uri, QStringLiteral("Night Drive"));
    QTRY_VERIFY2_WITH_TIMEOUT(playlistNames(player).contains("Night Drive"), qPrintable(m_sim.log), 15000);
    QVERIFY(!playlistNames(player).contains("Road Trip"));

    QStringList onServer;
    for (const QJsonValue& v : m_mopidy.call("core.playlists.as_list").toArray())
        onServer << v.toObject().value("name").toString();
    QVERIFY(onServer.contains("Night Drive"));
    QVERIFY(!onServer.contains("Road Trip"));
}

QTEST_MAIN(TestModelE2e)
#include "tst_modele2e.moc"
