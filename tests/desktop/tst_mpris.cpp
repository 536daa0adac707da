#include "desktop/mprisservice.h"
#include "desktop/mprisvalues.h"
#include "devices/device.h"
#include "link/tavirelconnthread.h"
#include "model/source.h"
#include "model/tavirel.h"
#include "mopidyfixture.h"
#include "player/tavirelplayer.h"
#include "simprocess.h"
#include "views/playerview.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QImage>
#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QtTest>

namespace {
const QString kService = QStringLiteral("org.mpris.MediaPlayer2.tavirel");
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
}

// Records the player interface's PropertiesChanged and Seeked signals as a
// desktop panel on the session bus would see them.
class BusListener : public QObject
{
    Q_OBJECT
public:
    QList<QVariantMap> changes;
    QList<qlonglong> seeks;

    // The last value of `property` announced since clear(), or invalid.
    QVariant lastChange(const QString& property) const
    {
        for (int i = changes.size() - 1; i >= 0; --i) {
            if (changes.at(i).contains(property))
                return changes.at(i).value(property);
        }
        return {};
    }
    void clear()
    {
        changes.clear();
        seeks.clear();
    }

public slots:
    void propertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList&)
    {
        if (interface == kPlayer)
            changes.append(changed);
    }
    void seeked(qlonglong position) { seeks.append(position); }
};

// The media player service on a private session bus (the test runs under
// dbus-run-session), over a real Mopidy reached through the device simulator
// and the model, following the player page's selected source.
class TestMpris : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void artUrls_data();
    void artUrls();
    void publishesPlayingTrack();
    void playPauseFromTheBus();
    void nextAnnouncesNewTrack();
    void setPositionSeeks();
    void volumeIsTheSourceVolume();
    void followsSelectedSource();
    void noBusLeavesAppAlone();

private:
    QVariant property(const QString& name);
    QDBusMessage call(const QString& method, const QVariantList& args = {});
    QString mopidyState() { return m_mopidy.call("core.playback.get_state").toString(); }
    int mopidyTlid() { return m_mopidy.call("core.playback.get_current_tl_track").toObject().value("tlid").toInt(-1); }

    MopidyFixture m_mopidy;
    SimProcess m_sim;
    Device m_device;
    TavirelConnThread* m_link = nullptr;
    Tavirel m_model;
    PlayerView m_page;
    MprisService* m_service = nullptr;
    BusListener m_listener;
    QDBusInterface* m_bus = nullptr;
};

QVariant TestMpris::property(const QString& name)
{
    QDBusInterface props(kService, kPath, "org.freedesktop.DBus.Properties");
    const QDBusReply<QDBusVariant> reply = props.call("Get", kPlayer, name);
    return reply.isValid() ? reply.value().variant() : QVariant();
}

QDBusMessage TestMpris::call(const QString& method, const QVariantList& args)
{
    return m_bus->callWithArgumentList(QDBus::Block, method, args);
}

void TestMpris::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run under dbus-run-session");
    const QString configPath = TestSupport::sourceDir() + "/tests/data/model/e2e-device.json";
    QVERIFY2(m_mopidy.start(), qPrintable(m_mopidy.errorString()));
    QVERIFY2(m_sim.start(0, { "--config", configPath, "--mopidy-host", m_mopidy.host(), "--mopidy-port",
                              QString::number(m_mopidy.port()) }),
             qPrintable(m_sim.log));
    TestSupport::linkModel(m_model, m_device, m_sim.port(), m_link);
    QTRY_VERIFY_WITH_TIMEOUT(m_model.sourceByIndex(5) && m_model.sourceByIndex(5)->player(), 20000);

    m_service = new MprisService(this);
    m_service->followPlayerView(&m_page);
    m_page.setTavirel(&m_model);
    m_page.setSelectedSource(m_model.sourceByIndex(5));
    QVERIFY(m_service->publish(QDBusConnection::sessionBus()));
    QCOMPARE(m_service->serviceName(), kService);
    QVERIFY(QDBusConnection::sessionBus().connect(kService, kPath, "org.freedesktop.DBus.Properties",
                                                  "PropertiesChanged", &m_listener,
                                                  SLOT(propertiesChanged(QString, QVariantMap, QStringList))));
    QVERIFY(QDBusConnection::sessionBus().connect(kService, kPath, kPlayer, "Seeked", &m_listener,
                                                  SLOT(seeked(qlonglong))));
    m_bus = new QDBusInterface(kService, kPath, kPlayer, QDBusConnection::sessionBus(), this);
    QVERIFY(m_bus->isValid());

    // Three tracks that have covers, so that every case sees art.
    const QStringList uris = m_mopidy.tracksWithCovers(3);
    QCOMPARE(uris.size(), 3);
    m_mopidy.call("core.tracklist.add", { { "uris", QJsonArray::fromStringList(uris) } });
    // Repeat keeps the short sample tracks from running out during the cases.
    m_mopidy.call("core.tracklist.set_repeat", { { "value", true } });
}

void TestMpris::cleanupTestCase()
{
    delete m_service;
    if (m_link) {
        m_link->stop();
        m_model.setConnPointer(nullptr);
        delete m_link;
    }
    m_sim.stop();
    m_mopidy.stop();
}

void TestMpris::artUrls_data()
{
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("expected");
    QTest::newRow("server path") << "/local/ab12.jpeg" << "10.0.0.7" << "6680" << "http://10.0.0.7:6680/local/ab12.jpeg";
    QTest::newRow("ipv6 host") << "/local/a.png" << "fe80::1" << "6680" << "http://[fe80::1]:6680/local/a.png";
    QTest::newRow("spaces escaped") << "/local/a b.png" << "h" << "6680" << "http://h:6680/local/a%20b.png";
    QTest::newRow("web image kept") << "https://img.example/c.jpg" << "h" << "6680" << "https://img.example/c.jpg";
    QTest::newRow("no image") << "" << "h" << "6680" << "";
    QTest::newRow("resource picture") << "qrc:/TavirelImgs/Images/defaultcoverart.svg" << "h" << "6680" << "";
    QTest::newRow("relative name") << "cover.jpg" << "h" << "6680" << "";
    QTest::newRow("other host by path") << "//evil.example/x.jpg" << "h" << "6680" << "";
    QTest::newRow("bad port") << "/local/a.png" << "h" << "99999" << "";
    QTest::newRow("no host") << "/local/a.png" << "" << "6680" << "";
    QTest::newRow("file named by the server") << "file:///home/user/.ssh/id_rsa" << "h" << "6680" << "";
}

void TestMpris::artUrls()
{
    QFETCH(QString, image);
    QFETCH(QString, host);
    QFETCH(QString, port);
    QFETCH(QString, expected);
    QCOMPARE(MprisValues::fetchableArtUrl(image, host, port), expected);
}

void TestMpris::publishesPlayingTrack()
{
    m_listener.clear();
    QCOMPARE(property("PlaybackStatus").toString(), QStringLiteral("Stopped"));
    m_mopidy.call("core.playback.play");
    QTRY_COMPARE_WITH_TIMEOUT(property("PlaybackStatus").toString(), QStringLiteral("Playing"), 10000);
    QTRY_COMPARE(m_listener.lastChange("PlaybackStatus").toString(), QStringLiteral("Playing"));
    m_mopidy.call("core.playback.pause");
    QTRY_COMPARE_WITH_TIMEOUT(property("PlaybackStatus").toString(), QStringLiteral("Paused"), 10000);

    const QJsonObject tl = m_mopidy.call("core.playback.get_current_tl_track").toObject();
    const QJsonObject track = tl.value("track").toObject();
    QVariantMap meta;
    QTRY_VERIFY_WITH_TIMEOUT((meta = qdbus_cast<QVariantMap>(property("Metadata"))).contains("mpris:artUrl"), 10000);
    QCOMPARE(meta.value("mpris:trackid").value<QDBusObjectPath>().path(),
             MprisValues::trackPath(tl.value("tlid").toInt()));
    QCOMPARE(meta.value("xesam:title").toString(), track.value("name").toString());
    QCOMPARE(meta.value("xesam:album").toString(), track.value("album").toObject().value("name").toString());
    QCOMPARE(meta.value("xesam:artist").toStringList(),
             QStringList { track.value("artists").toArray().first().toObject().value("name").toString() });
    QVERIFY(qAbs(meta.value("mpris:length").toLongLong() - qint64(track.value("length").toDouble()) * 1000) <= 1000000);
    QCOMPARE(meta.value("xesam:url").toString(), track.value("uri").toString());
    QVERIFY(property("CanPause").toBool() && property("CanSeek").toBool() && property("CanGoNext").toBool());

    // The panel must be able to fetch the cover by itself.
    QNetworkAccessManager net;
    std::unique_ptr<QNetworkReply> reply(net.get(QNetworkRequest(QUrl(meta.value("mpris:artUrl").toString()))));
    QTRY_VERIFY_WITH_TIMEOUT(reply->isFinished(), 10000);
    QCOMPARE(reply->error(), QNetworkReply::NoError);
    QVERIFY(!QImage::fromData(reply->readAll()).isNull());
}

void TestMpris::playPauseFromTheBus()
{
    const QString dbusSend = QStandardPaths::findExecutable("dbus-send");
    QVERIFY2(!dbusSend.isEmpty(), "dbus-send is missing (package dbus-bin)");
    QCOMPARE(mopidyState(), QStringLiteral("paused"));
    m_listener.clear();
    // From another process, as a media key daemon sends it; the event loop
    // must keep running to answer it.
    QProcess client;
    client.start(dbusSend, { "--session", "--print-reply", "--dest=" + kService, kPath, kPlayer + ".PlayPause" });
    QTRY_COMPARE_WITH_TIMEOUT(client.state(), QProcess::NotRunning, 10000);
    QCOMPARE(client.exitCode(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(mopidyState(), QStringLiteral("playing"), 10000);
    QTRY_COMPARE(m_listener.lastChange("PlaybackStatus").toString(), QStringLiteral("Playing"));
    QCOMPARE(call("PlayPause").type(), QDBusMessage::ReplyMessage);
    QTRY_COMPARE_WITH_TIMEOUT(mopidyState(), QStringLiteral("paused"), 10000);
    QTRY_COMPARE(m_listener.lastChange("PlaybackStatus").toString(), QStringLiteral("Paused"));
}

void TestMpris::nextAnnouncesNewTrack()
{
    const int before = mopidyTlid();
    m_listener.clear();
    call("Next");
    QTRY_VERIFY_WITH_TIMEOUT(mopidyTlid() != before, 10000);
    const QString expected = MprisValues::trackPath(mopidyTlid());
    QTRY_COMPARE_WITH_TIMEOUT(
        qdbus_cast<QVariantMap>(m_listener.lastChange("Metadata")).value("mpris:trackid").value<QDBusObjectPath>().path(),
        expected, 10000);
}

void TestMpris::setPositionSeeks()
{
    m_mopidy.call("core.playback.pause");
    QTRY_COMPARE(property("PlaybackStatus").toString(), QStringLiteral("Paused"));
    const QDBusObjectPath current(MprisValues::trackPath(mopidyTlid()));
    m_listener.clear();
    // A position for a track that is no longer current changes nothing.
    call("SetPosition", { QVariant::fromValue(QDBusObjectPath(MprisValues::trackPath(9999))), qlonglong(4000000) });
    call("SetPosition", { QVariant::fromValue(current), qlonglong(3000000) });
    QTRY_VERIFY_WITH_TIMEOUT(qAbs(m_mopidy.call("core.playback.get_time_position").toInt() - 3000) < 300, 10000);
    QCOMPARE(m_listener.seeks, QList<qlonglong> { 3000000 });
    QTRY_COMPARE(property("Position").toLongLong(), qlonglong(3000000));
}

void TestMpris::volumeIsTheSourceVolume()
{
    Source* music = m_model.sourceByIndex(5);
    m_listener.clear();
    QDBusInterface props(kService, kPath, "org.freedesktop.DBus.Properties");
    const QDBusMessage set = props.call("Set", kPlayer, "Volume", QVariant::fromValue(QDBusVariant(0.3)));
    QCOMPARE(set.type(), QDBusMessage::ReplyMessage);
    // Only the device's own report moves the model, so this proves it went there.
    QTRY_COMPARE_WITH_TIMEOUT(music->volume(), 30, 10000);
    QTRY_COMPARE(m_listener.lastChange("Volume").toDouble(), 0.3);
    QCOMPARE(property("Volume").toDouble(), 0.3);
    // Out of range asks for the nearest end, never wraps to silence.
    for (const double asked : {1e12, qInf()}) {
        props.call("Set", kPlayer, "Volume", QVariant::fromValue(QDBusVariant(asked)));
        QTRY_COMPARE_WITH_TIMEOUT(music->volume(), 100, 10000);
        props.call("Set", kPlayer, "Volume", QVariant::fromValue(QDBusVariant(0.3)));
        QTRY_COMPARE_WITH_TIMEOUT(music->volume(), 30, 10000);
    }
    props.call("Set", kPlayer, "Volume", QVariant::fromValue(QDBusVariant(-1e12)));
    QTRY_COMPARE_WITH_TIMEOUT(music->volume(), 0, 10000);
    props.call("Set", kPlayer, "Volume", QVariant::fromValue(QDBusVariant(0.3)));
    QTRY_COMPARE_WITH_TIMEOUT(music->volume(), 30, 10000);
}

void TestMpris::followsSelectedSource()
{
    m_listener.clear();
    m_page.setSelectedSource(m_model.sourceByIndex(1));
    QTRY_COMPARE(m_listener.lastChange("PlaybackStatus").toString(), QStringLiteral("Stopped"));
    QVERIFY(qdbus_cast<QVariantMap>(property("Metadata")).isEmpty());
    QCOMPARE(property("CanPlay").toBool(), false);
    QCOMPARE(property("Volume").toDouble(), 0.7);
    call("PlayPause");
    QTest::qWait(300);
    QCOMPARE(mopidyState(), QStringLiteral("paused"));

    m_page.setSelectedSource(m_model.sourceByIndex(5));
    QTRY_COMPARE(property("PlaybackStatus").toString(), QStringLiteral("Paused"));
    QVERIFY(!qdbus_cast<QVariantMap>(property("Metadata")).isEmpty());
}

void TestMpris::noBusLeavesAppAlone()
{
    const QDBusConnection none = QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                               QStringLiteral("tst-no-bus"));
    MprisService service;
    QTest::ignoreMessage(QtInfoMsg, QRegularExpression("no session bus"));
    QVERIFY(!service.publish(none));
    QVERIFY(!service.isPublished());
    QDBusConnection::disconnectFromBus(QStringLiteral("tst-no-bus"));
}

QTEST_MAIN(TestMpris)
#include "tst_mpris.moc"
