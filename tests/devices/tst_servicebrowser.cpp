#include "devices/device.h"
#include "devices/servicebrowser.h"
#include "scriptedzeroconf.h"

#include <QSignalSpy>
#include <QTest>

// The browser's rules against scripted announcements. 127.0.0.0/8 is a local
// network on every machine; 203.0.113.0/24 is documentation space, never one.
class TestServiceBrowser : public QObject
{
    Q_OBJECT
    QScopedPointer<ServiceBrowser> m_browser;

    ScriptedZeroConf* startBrowser()
    {
        m_browser.reset(new ServiceBrowser);
        ScriptedZeroConf* zc = ScriptedZeroConf::last;
        m_browser->start();
        if (!QTest::qWaitFor([zc] { return zc->browsing(); }, 5000))
            qFatal("the discovery run did not start");
        return zc;
    }

    // serial=ip:port, sorted
    QStringList listed() const
    {
        QStringList rows;
        for (Device* d : m_browser->devices())
            rows << d->serialNumber() + QLatin1Char('=') + d->localIp() + QLatin1Char(':')
                    + QString::number(d->localPort());
        rows.sort();
        return rows;
    }

private Q_SLOTS:
    void initTestCase()
    {
        ZeroConf::setFactory([] { return new ScriptedZeroConf; });
    }
    void cleanup() { m_browser.reset(); }

    // Each event: "add|update|remove name ip serial port" (serial "-" for none).
    void listingRules_data()
    {
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("serial required") << QStringList { "add A 127.0.0.2 - 7550", "add B 127.0.0.3 S2 7551" }
                                         << QStringList { "S2=127.0.0.3:7551" };
        QTest::newRow("same serial keeps the later")
            << QStringList { "add A 127.0.0.2 S1 7550", "add A2 127.0.0.4 S1 7552" }
            << QStringList { "S1=127.0.0.4:7552" };
        QTest::newRow("outside every local network")
            << QStringList { "add A 203.0.113.9 S1 7550", "add B 127.0.0.3 S2 7550" }
            << QStringList { "S2=127.0.0.3:7550" };
        QTest::newRow("update with a new address")
            << QStringList { "add A 127.0.0.2 S1 7550", "update A 127.0.0.9 S1 7550" }
            << QStringList { "S1=127.0.0.9:7550" };
        QTest::newRow("update that moves outside keeps the old row")
            << QStringList { "add A 127.0.0.2 S1 7550", "update A 203.0.113.9 S1 7550" }
            << QStringList { "S1=127.0.0.2:7550" };
        QTest::newRow("removed stays listed")
            << QStringList { "add A 127.0.0.2 S1 7550", "remove A 127.0.0.2 S1 7550" }
            << QStringList { "S1=127.0.0.2:7550" };
    }
    void listingRules()
    {
        QFETCH(QStringList, events);
        QFETCH(QStringList, expected);
        ScriptedZeroConf* zc = startBrowser();
        for (const QString& event : events) {
            const QStringList f = event.split(QLatin1Char(' '));
            const ZeroConfService s = ScriptedZeroConf::service(
                f[1], f[2], f[3] == QLatin1String("-") ? QByteArray() : f[3].toUtf8(), quint16(f[4].toUInt()));
            if (f[0] == QLatin1String("add"))
                Q_EMIT zc->serviceAdded(s);
            else if (f[0] == QLatin1String("update"))
                Q_EMIT zc->serviceUpdated(s);
            else
                Q_EMIT zc->serviceRemoved(s);
        }
        QCOMPARE(listed(), expected);
    }

    void recordCarriesTheWholeTxtRecord()
    {
        ScriptedZeroConf* zc = startBrowser();
        QSignalSpy discovered(m_browser.data(), &ServiceBrowser::deviceDiscovered);
        ZeroConfService s = ScriptedZeroConf::service(QStringLiteral("Kitchen"), QStringLiteral("127.0.0.5"), "T-1");
        s.txt.insert("fw", "2.5");
        Q_EMIT zc->serviceAdded(s);
        QCOMPARE(discovered.count(), 1);
        Device* d = m_browser->devices().value(0);
        QVERIFY(d);
        QCOMPARE(d->serialNumber(), QStringLiteral("T-1"));
        const QVariantHash expected { { "serial", "T-1" }, { "name", "Kitchen" }, { "model", "Rack" }, { "fw", "2.5" } };
        QCOMPARE(d->propDictionary(), expected);
        QVERIFY(d->username().isEmpty() && d->remoteIp().isEmpty() && d->remotePort() == 0);
    }

    void browseErrorKeepsTheListAndSaysSo()
    {
        ScriptedZeroConf* zc = startBrowser();
        QSignalSpy unavailable(m_browser.data(), &ServiceBrowser::discoveryUnavailable);
        Q_EMIT zc->serviceAdded(ScriptedZeroConf::service(QStringLiteral("A"), QStringLiteral("127.0.0.2"), "S1"));
        Q_EMIT zc->error(ZeroConf::BrowserFailed);
        QCOMPARE(unavailable.count(), 1);
        QCOMPARE(listed(), QStringList { "S1=127.0.0.2:7550" });
    }
};

QTEST_GUILESS_MAIN(TestServiceBrowser)
#include "tst_servicebrowser.moc"
