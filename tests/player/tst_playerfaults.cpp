#include "mopidyfixture.h"

#include "player/song.h"
#include "player/tavirelplayer.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QtTest>

namespace {
const QStringList kTracks = {
    "local:track:Aster%20Vale/Northern%20Lights/01%20Polar%20Morning.flac",
    "local:track:Aster%20Vale/Northern%20Lights/02%20Ice%20Harbour.flac",
    "local:track:Aster%20Vale/Northern%20Lights/03%20Long%20Night%20Waltz.flac",
};
const QStringList kOthers = {
    "local:track:Brenna%20Holt/Salt%20and%20Iron/01%20Foundry%20Song.flac",
    "local:track:Brenna%20Holt/Salt%20and%20Iron/02%20Rust%20Belt%20Lullaby.flac",
};

QStringList names(const QList<Song *> &songs)
{
    QStringList out;
    for (const Song *s : songs)
        out.append(s->name());
    return out;
}
}

// The server going away under a connected client.
class TestPlayerFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void recoversAfterServerRestart();
    void closeConnectionStopsRetries();
    void restartWithEmptyQueueClearsCurrentTrack();
    void cleanupTestCase();

private:
    void connectToServer(TavirelPlayer &player)
    {
        player.setIpAddress(m_mopidy.host());
        player.setPort(QString::number(m_mopidy.port()));
        player.setConnectionEnabled(true);
        player.startConnection();
    }

    MopidyFixture m_mopidy;
};

void TestPlayerFaults::initTestCase()
{
    QVERIFY2(m_mopidy.start(), qPrintable(m_mopidy.errorString()));
}

void TestPlayerFaults::recoversAfterServerRestart()
{
    TavirelPlayer player;
    connectToServer(player);
    QTRY_VERIFY(player.isConnected());
    player.actionPlayAdd(kTracks, -1, true);
    QTRY_COMPARE(player.queue().size(), 3);
    QTRY_COMPARE(player.playPause(), 2);

    m_mopidy.kill();
    QTRY_VERIFY(!player.isConnected());
    // Several retries fail while the server is down.
    QTest::qWait(2500);
    QVERIFY(!player.isConnected());

    QVERIFY2(m_mopidy.restart(), qPrintable(m_mopidy.errorString()));
    QElapsedTimer clock;
    clock.start();
    // The fresh server reuses tracklist ids for other tracks.
    QVERIFY(m_mopidy.call("core.tracklist.add", {{"uris", QJsonArray::fromStringList(kOthers)}}).isArray());
    QTRY_VERIFY_WITH_TIMEOUT(player.isConnected(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(names(player.queue()) == (QStringList{"Foundry Song", "Rust Belt Lullaby"}), 5000);
    QTRY_COMPARE(player.playPause(), 0);
    QVERIFY2(clock.elapsed() < 6000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(player.queueTlid() == (QList<int>{1, 2}));

    // Events flow on the new link.
    player.actionPlayTrack(2);
    QTRY_VERIFY(player.currentSong() && player.currentSong()->name() == "Rust Belt Lullaby");
    QTRY_COMPARE(player.playPause(), 2);
    m_mopidy.reset();
}

void TestPlayerFaults::closeConnectionStopsRetries()
{
    TavirelPlayer player;
    connectToServer(player);
    QTRY_VERIFY(player.isConnected());
    QTRY_VERIFY(!player.filters().isEmpty());

    m_mopidy.kill();
    QTRY_VERIFY(player.retrying());
    // Switched off on purpose: no retry is coming, so none is announced.
    player.closeConnection();
    QVERIFY(!player.retrying());
    QVERIFY2(m_mopidy.restart(), qPrintable(m_mopidy.errorString()));
    QVERIFY(m_mopidy.call("core.tracklist.add", {{"uris", QJsonArray::fromStringList(kTracks)}}).isArray());
    QTest::qWait(3000);
    QVERIFY(!player.isConnected());
    QVERIFY(player.queue().isEmpty());

    // Enabled again, it catches up.
    player.setConnectionEnabled(true);
    player.startConnection();
    QTRY_COMPARE_WITH_TIMEOUT(player.queue().size(), 3, 5000);
}

void TestPlayerFaults::restartWithEmptyQueueClearsCurrentTrack()
{
    TavirelPlayer player;
    connectToServer(player);
    QTRY_VERIFY(player.isConnected());
    player.actionPlayAdd(kTracks, -1, true);
    QTRY_VERIFY(player.currentSong() && player.currentTlid() > 0);

    m_mopidy.kill();
    QTRY_VERIFY(!player.isConnected());
    QVERIFY2(m_mopidy.restart(), qPrintable(m_mopidy.errorString()));
    // Nothing plays on the fresh server: no queue entry may stay marked.
    QTRY_VERIFY_WITH_TIMEOUT(player.isConnected(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(player.currentTlid(), 0, 5000);
    QVERIFY(!player.currentSong());
    QVERIFY(player.queue().isEmpty());
}

void TestPlayerFaults::cleanupTestCase()
{
    m_mopidy.stop();
}

QTEST_GUILESS_MAIN(TestPlayerFaults)
#include "tst_playerfaults.moc"
