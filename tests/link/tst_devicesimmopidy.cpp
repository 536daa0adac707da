// Playlist rename and deletion through the simulator on a real Mopidy server.
#include "devicesimtestutil.h"
#include "linktestutil.h"
#include "mopidyfixture.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QSettings>

class TestDeviceSimMopidy : public QObject
{
    Q_OBJECT

    MopidyFixture m_mopidy;
    SimProcess m_sim;
    quint16 m_port = 0;

    QStringList playlistNames()
    {
        QStringList names;
        for (const QJsonValue &v : m_mopidy.call(QStringLiteral("core.playlists.as_list")).toArray())
            names << v.toObject().value(QLatin1String("name")).toString();
        return names;
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Orvith"));
        QCoreApplication::setApplicationName(QStringLiteral("Tavirel"));
        QSettings().setValue(QStringLiteral("uniqueID"), QStringLiteral("devicesim-mopidy-test"));
        QVERIFY2(m_mopidy.start(), qPrintable(m_mopidy.errorString()));
        m_port = TestSupport::freeLoopbackPort();
        QVERIFY(m_sim.start(m_port, { "--keepalive", "0", "--mopidy-host", m_mopidy.host(), "--mopidy-port",
                                      QString::number(m_mopidy.port()) }));
    }

    void renameThenDelete()
    {
        const QJsonObject created = m_mopidy
                                        .call(QStringLiteral("core.playlists.create"),
                                              { { "name", "Road Trip" }, { "uri_scheme", "m3u" } })
                                        .toObject();
        const QString uri = created.value(QLatin1String("uri")).toString();
        QVERIFY2(!uri.isEmpty(), qPrintable(m_mopidy.errorString()));

        LinkClient client(m_port);
        QVERIFY(client.connect());
        client.command(QStringLiteral("2012|100|%1|2").arg(uri));
        QVERIFY(client.waitFor(QStringLiteral("25|0|1@Morning@|2@Evening@%1|3@Party@").arg(uri)));

        client.command(QStringLiteral("2010|100|%1|Night Drive").arg(uri));
        QVERIFY2(client.waitFor(QStringLiteral("26|0"), 15000), qPrintable(m_sim.log + m_mopidy.logTail()));
        QVERIFY(playlistNames().contains(QStringLiteral("Night Drive")));
        QVERIFY(!playlistNames().contains(QStringLiteral("Road Trip")));
        // The playlist entry follows the new URI that Mopidy gave the playlist.
        const QString entries = client.lastWithCode(QStringLiteral("25"));
        QVERIFY2(entries.contains(QLatin1String("2@Evening@m3u:")) && !entries.contains(uri), qPrintable(entries));
        const QString newUri = entries.section(QLatin1Char('|'), 3, 3).section(QLatin1Char('@'), 2);

        client.broadcasts.clear();
        client.command(QStringLiteral("2011|100|%1").arg(newUri));
        QVERIFY2(client.waitFor(QStringLiteral("26|0"), 15000), qPrintable(m_sim.log));
        QVERIFY(!playlistNames().contains(QStringLiteral("Night Drive")));
        QCOMPARE(client.lastWithCode(QStringLiteral("25")), QStringLiteral("25|0|1@Morning@|2@Evening@|3@Party@"));
    }

    void unknownPlaylistIsReportedNotBroadcast()
    {
        LinkClient client(m_port);
        QVERIFY(client.connect());
        client.broadcasts.clear();
        client.command(QStringLiteral("2010|100|m3u:Nothing%20Here.m3u|Other"));
        QTRY_VERIFY_WITH_TIMEOUT(m_sim.log.contains(QLatin1String("no such playlist")), 15000);
        QVERIFY(!client.bodies().contains(QStringLiteral("26|0")));
    }
};

QTEST_GUILESS_MAIN(TestDeviceSimMopidy)
#include "tst_devicesimmopidy.moc"
