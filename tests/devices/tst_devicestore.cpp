#include "app/startup.h"
#include "devices/device.h"
#include "devices/devicestore.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {
Device* makeDevice(const QString& serial, const QString& user, const QString& pass, QObject* parent = nullptr)
{
    auto* d = new Device(parent);
    d->setSerialNumber(serial);
    d->setLocalIp(QStringLiteral("10.1.2.3"));
    d->setLocalPort(7550);
    d->setUsername(user);
    d->setPassword(pass);
    return d;
}

QStringList savedTexts()
{
    return QSettings().value(QLatin1String(DeviceStore::SavedKey)).toStringList();
}
}

class TestDeviceStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Startup::setIdentity(*QCoreApplication::instance());
    }
    void init() { QSettings().clear(); }

    void newDeviceDefaultsAndSetters()
    {
        Device d;
        QCOMPARE(d.localPort(), 0);
        QCOMPARE(d.remotePort(), 0);
        QVERIFY(d.serialNumber().isEmpty() && d.propDictionary().isEmpty());
        // Setters notify even when nothing changes.
        QSignalSpy spy(&d, &Device::usernameChanged);
        d.setUsername(QString());
        d.setUsername(QString());
        QCOMPARE(spy.count(), 2);
        QSignalSpy dictSpy(&d, &Device::propDictionaryChanged);
        d.setPropDictionaryValue(QStringLiteral("model"), QStringLiteral("TV-4"));
        QCOMPARE(dictSpy.count(), 0);
        QCOMPARE(d.getPropDictionaryValue(QStringLiteral("model")), QStringLiteral("TV-4"));
        QVERIFY(d.getPropDictionaryValue(QStringLiteral("name")).isEmpty());
        QVERIFY(!d.getPropDictionaryValue(QStringLiteral("name")).isNull());
    }

    void textRoundTrip()
    {
        QScopedPointer<Device> d(makeDevice(QStringLiteral("SN-1"), QStringLiteral("anna"), QStringLiteral("p|w\"é")));
        d->setRemoteIp(QStringLiteral("203.0.113.9"));
        d->setRemotePort(17550);
        d->setPropDictionaryValue(QStringLiteral("name"), QStringLiteral("Küche"));
        const QString text = DeviceStore::objectToText(d.data());

        // Compact, sorted, exactly the declared keys plus objectName.
        QVERIFY(!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1String(": ")));
        QVERIFY(text.startsWith(QLatin1String("{\"localIp\":")));
        const QJsonObject obj = QJsonDocument::fromJson(text.toUtf8()).object();
        QCOMPARE(obj.keys(),
                 (QStringList { "localIp", "localPort", "objectName", "password", "propDictionary", "remoteIp",
                                "remotePort", "serialNumber", "username" }));
        QVERIFY(obj.value(QStringLiteral("localPort")).isDouble());
        QVERIFY(obj.value(QStringLiteral("propDictionary")).isObject());
        QCOMPARE(obj.value(QStringLiteral("password")).toString(), QStringLiteral("p|w\"é"));

        Device back;
        QVERIFY(DeviceStore::textToObject(&back, text));
        QCOMPARE(DeviceStore::objectToText(&back), text);
        QCOMPARE(back.getPropDictionaryValue(QStringLiteral("name")), QStringLiteral("Küche"));
        QCOMPARE(back.remotePort(), 17550);

        Device untouched;
        for (const char* bad : { "[1,2]", "not json", "", "\"text\"" })
            QVERIFY(!DeviceStore::textToObject(&untouched, QString::fromLatin1(bad)));
        QVERIFY(untouched.serialNumber().isEmpty());
    }

    void saveSelectAndLoad()
    {
        QScopedPointer<Device> a(makeDevice(QStringLiteral("A"), QStringLiteral("u"), QStringLiteral("p")));
        DeviceStore::saveNewDevice(a.data());
        DeviceStore::saveNewDevice(a.data()); // duplicates are kept
        QCOMPARE(savedTexts().size(), 2);

        QScopedPointer<Device> b(makeDevice(QStringLiteral("B"), QStringLiteral("u"), QStringLiteral("p")));
        DeviceStore::selectDevice(b.data());
        QCOMPARE(savedTexts().size(), 2);
        Device last;
        QVERIFY(DeviceStore::readLastSelected(&last));
        QCOMPARE(last.serialNumber(), QStringLiteral("B"));

        QObject owner;
        const QList<Device*> loaded = DeviceStore::loadSavedDevices(&owner);
        QCOMPARE(loaded.size(), 2);
        QCOMPARE(loaded.at(1)->serialNumber(), QStringLiteral("A"));
        QCOMPARE(loaded.at(1)->parent(), &owner);
    }

    void lastSelectedAbsentOrBroken()
    {
        Device d;
        QVERIFY(!DeviceStore::readLastSelected(&d));
        QSettings().setValue(QLatin1String(DeviceStore::LastSelectedKey), QStringLiteral("[\"x\"]"));
        QVERIFY(!DeviceStore::readLastSelected(&d));
    }

    void brokenEntriesSkippedThenDroppedOnRewrite()
    {
        QScopedPointer<Device> a(makeDevice(QStringLiteral("A"), QStringLiteral("u"), QStringLiteral("p")));
        QScopedPointer<Device> b(makeDevice(QStringLiteral("B"), QStringLiteral("u"), QStringLiteral("p")));
        QSettings().setValue(QLatin1String(DeviceStore::SavedKey),
                             QStringList { DeviceStore::objectToText(a.data()), QStringLiteral("garbage"),
                                           DeviceStore::objectToText(b.data()) });
        QObject owner;
        QList<Device*> loaded = DeviceStore::loadSavedDevices(&owner);
        QCOMPARE(loaded.size(), 2);
        QCOMPARE(savedTexts().size(), 3); // loading alone rewrites nothing

        DeviceStore::removeSavedDevice(loaded, 0);
        QCOMPARE(loaded.size(), 1);
        QCOMPARE(savedTexts(), QStringList { DeviceStore::objectToText(b.data()) });
    }

    void removeOutOfRangeStillRewrites_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("minus one") << -1;
        QTest::newRow("size") << 2;
    }
    void removeOutOfRangeStillRewrites()
    {
        QFETCH(int, index);
        QScopedPointer<Device> a(makeDevice(QStringLiteral("A"), QStringLiteral("u"), QStringLiteral("p")));
        QSettings().setValue(QLatin1String(DeviceStore::SavedKey),
                             QStringList { DeviceStore::objectToText(a.data()), QStringLiteral("{broken"),
                                           DeviceStore::objectToText(a.data()) });
        QObject owner;
        QList<Device*> loaded = DeviceStore::loadSavedDevices(&owner);
        DeviceStore::removeSavedDevice(loaded, index);
        QCOMPARE(loaded.size(), 2);
        QCOMPARE(savedTexts().size(), 2);
    }

    void credentialsUpdateLeavesSavedEntry()
    {
        QScopedPointer<Device> a(makeDevice(QStringLiteral("A"), QStringLiteral("old"), QStringLiteral("oldpw")));
        DeviceStore::saveNewDevice(a.data());
        DeviceStore::updateCredentials(a.data(), QStringLiteral("new"), QStringLiteral("newpw"));
        QCOMPARE(a->username(), QStringLiteral("new"));
        Device last;
        QVERIFY(DeviceStore::readLastSelected(&last));
        QCOMPARE(last.password(), QStringLiteral("newpw"));
        Device saved;
        QVERIFY(DeviceStore::textToObject(&saved, savedTexts().value(0)));
        QCOMPARE(saved.password(), QStringLiteral("oldpw"));

        // The saved entry no longer matches, so a dictionary update leaves it alone.
        a->setPropDictionaryValue(QStringLiteral("name"), QStringLiteral("Hall"));
        DeviceStore::updatePropDictionary(a.data());
        QVERIFY(DeviceStore::textToObject(&saved, savedTexts().value(0)));
        QVERIFY(saved.getPropDictionaryValue(QStringLiteral("name")).isEmpty());
    }

    void propDictionaryUpdatesMatchingEntriesOnly()
    {
        QScopedPointer<Device> a(makeDevice(QStringLiteral("A"), QStringLiteral("u"), QStringLiteral("p")));
        QScopedPointer<Device> other(makeDevice(QStringLiteral("A"), QStringLiteral("U"), QStringLiteral("p")));
        QSettings().setValue(QLatin1String(DeviceStore::SavedKey),
                             QStringList { DeviceStore::objectToText(a.data()), QStringLiteral("7"),
                                           DeviceStore::objectToText(other.data()),
                                           DeviceStore::objectToText(a.data()) });
        a->setPropDictionaryValue(QStringLiteral("name"), QStringLiteral("Studio"));
        a->setPropDictionaryValue(QStringLiteral("model"), QStringLiteral("M4"));
        DeviceStore::updatePropDictionary(a.data());

        const QStringList texts = savedTexts();
        QCOMPARE(texts.size(), 3);
        QStringList names;
        for (const QString& text : texts) {
            Device d;
            QVERIFY(DeviceStore::textToObject(&d, text));
            names << d.getPropDictionaryValue(QStringLiteral("name"));
        }
        QCOMPARE(names, (QStringList { "Studio", "", "Studio" }));
        Device last;
        QVERIFY(DeviceStore::readLastSelected(&last));
        QCOMPARE(last.getPropDictionaryValue(QStringLiteral("model")), QStringLiteral("M4"));
    }
};

QTEST_GUILESS_MAIN(TestDeviceStore)
#include "tst_devicestore.moc"
