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
// A device written as "serial/user/password/address/port[/name]"; "-" is an
// empty serial.
Device* makeDevice(const QString& desc, QObject* parent = nullptr)
{
    const QStringList f = desc.split(QLatin1Char('/'));
    auto* d = new Device(parent);
    d->setSerialNumber(f.value(0) == QLatin1String("-") ? QString() : f.value(0));
    d->setUsername(f.value(1));
    d->setPassword(f.value(2));
    d->setLocalIp(f.value(3, QStringLiteral("10.1.2.3")));
    d->setLocalPort(f.value(4, QStringLiteral("7550")).toInt());
    if (f.size() > 5)
        d->setPropDictionaryValue(QStringLiteral("name"), f.at(5));
    return d;
}

QString describe(const Device& d)
{
    QString desc = QStringList { d.serialNumber().isEmpty() ? QStringLiteral("-") : d.serialNumber(), d.username(),
                                 d.password(), d.localIp(), QString::number(d.localPort()) }
                       .join(QLatin1Char('/'));
    const QString name = d.getPropDictionaryValue(QStringLiteral("name"));
    return name.isEmpty() ? desc : desc + QLatin1Char('/') + name;
}

QString textOf(const QString& desc)
{
    QScopedPointer<Device> d(makeDevice(desc));
    return DeviceStore::objectToText(d.data());
}

QStringList savedDescs()
{
    QStringList descs;
    for (const QString& text : QSettings().value(QLatin1String(DeviceStore::SavedKey)).toStringList()) {
        Device d;
        descs << (DeviceStore::readDevice(&d, text) ? describe(d) : QStringLiteral("unreadable"));
    }
    return descs;
}

QString lastDesc()
{
    Device d;
    return DeviceStore::readLastSelected(&d) ? describe(d) : QString();
}

void seed(const QStringList& descs)
{
    QStringList texts;
    for (const QString& desc : descs)
        texts << textOf(desc);
    QSettings().setValue(QLatin1String(DeviceStore::SavedKey), texts);
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

    void displayName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("expected");
        QTest::newRow("given name first") << "Kitchen" << "SN-1" << "10.0.0.2" << "Kitchen";
        QTest::newRow("blank name: serial") << "  " << "SN-1" << "10.0.0.2" << "SN-1";
        QTest::newRow("address") << "" << "" << "10.0.0.2" << "10.0.0.2";
        QTest::newRow("nothing known") << "" << "" << "" << "Tavirel";
    }
    void displayName()
    {
        QFETCH(QString, name);
        QFETCH(QString, serial);
        QFETCH(QString, address);
        QFETCH(QString, expected);
        Device d;
        d.setSerialNumber(serial);
        d.setLocalIp(address);
        d.setPropDictionary({ { QStringLiteral("name"), name }, { QStringLiteral("model"), QStringLiteral("Rack") } });
        QCOMPARE(d.displayName(), expected);
    }

    void textRoundTrip()
    {
        QScopedPointer<Device> d(makeDevice(QStringLiteral("SN-1/anna/p|w\"é/10.1.2.3/7550/Küche")));
        d->setRemoteIp(QStringLiteral("203.0.113.9"));
        d->setRemotePort(17550);
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

    // Which records denote one saved entry; each comparison of the rule has a
    // row that fails without it.
    void matching_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        QTest::newRow("serials and users equal, password and address differ") << "A/u/p" << "A/u/p2/10.9.9.9" << true;
        QTest::newRow("serials equal, users differ") << "A/u/p" << "A/u2/p" << false;
        QTest::newRow("serials differ") << "A/u/p" << "B/u/p" << false;
        QTest::newRow("one serial missing") << "A/u/p" << "-/u/p" << false;
        QTest::newRow("no serials, all equal") << "-/u/p" << "-/u/p" << true;
        QTest::newRow("no serials, address differs") << "-/u/p/10.0.0.1" << "-/u/p/10.0.0.2" << false;
        QTest::newRow("no serials, port differs") << "-/u/p/10.0.0.1/7550" << "-/u/p/10.0.0.1/7551" << false;
        QTest::newRow("no serials, user differs") << "-/u/p" << "-/v/p" << false;
        QTest::newRow("no serials, password differs") << "-/u/p" << "-/u/q" << true;
    }
    void matching()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
        QScopedPointer<Device> da(makeDevice(a)), db(makeDevice(b));
        QCOMPARE(DeviceStore::sameEntry(da.data(), db.data()), same);
        db->setRemoteIp(QStringLiteral("203.0.113.9"));
        db->setRemotePort(17550);
        QCOMPARE(DeviceStore::sameEntry(da.data(), db.data()), same && !a.startsWith(QLatin1Char('-')));
    }

    // Every write starts from the stored list as it stands.
    void storeOperations_data()
    {
        QTest::addColumn<QStringList>("saved");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("device");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("last");
        const QString h = QStringLiteral("/10.1.2.3/7550");
        QTest::newRow("save twice, stored once") << QStringList { "A/u/p" + h } << "save" << "A/u/p" + h
                                                 << QStringList { "A/u/p" + h } << "A/u/p" + h;
        QTest::newRow("reconnect with a corrected password updates the entry")
            << QStringList { "B/u/p" + h, "A/u/p" + h + "/Kitchen" } << "save" << "A/u/p2/10.1.2.4/7551"
            << QStringList { "B/u/p" + h, "A/u/p2/10.1.2.4/7551/Kitchen" } << "A/u/p2/10.1.2.4/7551";
        QTest::newRow("a second account on the device is an entry of its own")
            << QStringList { "A/u/p" + h } << "save" << "A/v/q" + h
            << QStringList { "A/u/p" + h, "A/v/q" + h } << "A/v/q" + h;
        QTest::newRow("second hand-added device at another address")
            << QStringList { "-/u/p" + h } << "save" << "-/u/p/10.1.2.4/7550"
            << QStringList { "-/u/p" + h, "-/u/p/10.1.2.4/7550" } << "-/u/p/10.1.2.4/7550";
        QTest::newRow("new credentials reach the saved entry")
            << QStringList { "B/u/p" + h, "A/u/p" + h, "-/u/p" + h } << "credentials" << "A/u/p" + h
            << QStringList { "B/u/p" + h, "A/new/pw" + h, "-/u/p" + h } << "A/new/pw" + h;
        QTest::newRow("new credentials, no serial") << QStringList { "-/u/p" + h, "-/u/p/10.1.2.4/7550" }
                                                    << "credentials" << "-/u/p" + h
                                                    << QStringList { "-/new/pw" + h, "-/u/p/10.1.2.4/7550" }
                                                    << "-/new/pw" + h;
        QTest::newRow("renaming one of two hand-added devices")
            << QStringList { "-/u/p" + h, "-/u/p/10.1.2.4/7550" } << "dictionary" << "-/u/p/10.1.2.4/7550/Hall"
            << QStringList { "-/u/p" + h, "-/u/p/10.1.2.4/7550/Hall" } << "-/u/p/10.1.2.4/7550/Hall";
        QTest::newRow("remove the matching entry, not the other account")
            << QStringList { "A/u/p" + h, "B/u/p" + h, "A/v/p" + h } << "remove" << "A/u/y" + h
            << QStringList { "B/u/p" + h, "A/v/p" + h } << QString();
        QTest::newRow("remove from a stale list keeps a device saved since")
            << QStringList { "A/u/p" + h, "B/u/p" + h } << "remove stale" << "C/u/p" + h
            << QStringList { "B/u/p" + h, "C/u/p" + h } << "C/u/p" + h;
    }
    void storeOperations()
    {
        QFETCH(QStringList, saved);
        QFETCH(QString, operation);
        QFETCH(QString, device);
        QFETCH(QStringList, expected);
        QFETCH(QString, last);
        seed(saved);
        QScopedPointer<Device> d(makeDevice(device));
        if (operation == QLatin1String("save")) {
            DeviceStore::saveNewDevice(d.data());
        } else if (operation == QLatin1String("credentials")) {
            DeviceStore::updateCredentials(d.data(), QStringLiteral("new"), QStringLiteral("pw"));
        } else if (operation == QLatin1String("dictionary")) {
            DeviceStore::updatePropDictionary(d.data());
        } else if (operation == QLatin1String("remove")) {
            DeviceStore::removeSavedDevice(d.data());
        } else {
            QObject owner;
            QList<Device*> stale = DeviceStore::loadSavedDevices(&owner);
            DeviceStore::saveNewDevice(d.data());
            DeviceStore::removeSavedDevice(stale, 0);
            QCOMPARE(stale.size(), saved.size() - 1);
        }
        QCOMPARE(savedDescs(), expected);
        QCOMPARE(lastDesc(), last);
    }

    // Stored texts are read back only when they can be used as they stand.
    void readingStoredDevices_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");
        const QString base = textOf(QStringLiteral("A/u/p/10.1.2.3/7550"));
        const auto with = [&base](const char* from, const char* to) {
            return QString(base).replace(QLatin1String(from), QLatin1String(to));
        };
        QTest::newRow("as written") << base << "A/u/p/10.1.2.3/7550";
        QTest::newRow("port 99999") << with(":7550", ":99999") << QString();
        QTest::newRow("port 1e12") << with(":7550", ":1e12") << QString();
        QTest::newRow("port 0") << with(":7550", ":0") << QString();
        QTest::newRow("port as text") << with(":7550", ":\"7550\"") << QString();
        QTest::newRow("fractional port") << with(":7550", ":7550.5") << QString();
        QTest::newRow("remote port 70000") << with("\"remotePort\":0", "\"remotePort\":70000") << QString();
        QTest::newRow("address with space") << with("10.1.2.3", " 10.1.2.3 ") << "A/u/p/10.1.2.3/7550";
        QTest::newRow("address with port") << with("10.1.2.3", "10.1.2.3:7551") << "A/u/p/10.1.2.3/7551";
        QTest::newRow("address with spaces inside") << with("10.1.2.3", "10.1 .2.3") << QString();
        QTest::newRow("not an object") << "[\"x\"]" << QString();
    }
    void readingStoredDevices()
    {
        QFETCH(QString, text);
        QFETCH(QString, read);
        QSettings settings;
        settings.setValue(QLatin1String(DeviceStore::SavedKey), QStringList { text });
        settings.setValue(QLatin1String(DeviceStore::LastSelectedKey), text);
        settings.sync();
        QObject owner;
        const QList<Device*> loaded = DeviceStore::loadSavedDevices(&owner);
        QCOMPARE(loaded.isEmpty() ? QString() : describe(*loaded.first()), read);
        QCOMPARE(lastDesc(), read);
    }

    void typedAddress_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("error");
        const QString badPort = QStringLiteral("The port must be a number from 1 to 65535.");
        const QString badAddress = QStringLiteral("This is not a valid address.");
        QTest::newRow("plain") << "10.0.0.5" << "10.0.0.5" << 7550 << QString();
        QTest::newRow("trailing space") << "tavirel.local " << "tavirel.local" << 7550 << QString();
        QTest::newRow("host and port") << " 10.0.0.5:7551" << "10.0.0.5" << 7551 << QString();
        QTest::newRow("IPv6") << "fe80::1" << "fe80::1" << 7550 << QString();
        QTest::newRow("IPv6 and port") << "[fe80::1]:65535" << "fe80::1" << 65535 << QString();
        QTest::newRow("port 0") << "10.0.0.5:0" << QString() << 0 << badPort;
        QTest::newRow("port 65536") << "10.0.0.5:65536" << QString() << 0 << badPort;
        QTest::newRow("port 99999") << "10.0.0.5:99999" << QString() << 0 << badPort;
        QTest::newRow("port not a number") << "10.0.0.5:75x" << QString() << 0 << badPort;
        QTest::newRow("empty port") << "10.0.0.5:" << QString() << 0 << badPort;
        QTest::newRow("space inside") << "10.0. 0.5" << QString() << 0 << badAddress;
        QTest::newRow("port only") << ":7550" << QString() << 0 << badAddress;
        QTest::newRow("nothing") << "  " << QString() << 0 << "Enter the address of the Tavirel.";
    }
    void typedAddress()
    {
        QFETCH(QString, typed);
        QFETCH(QString, host);
        QFETCH(int, port);
        QFETCH(QString, error);
        const DeviceStore::Address address = DeviceStore::parseAddress(typed, Device::DefaultPort);
        QCOMPARE(address.error, error);
        QCOMPARE(address.host, host);
        QCOMPARE(address.port, port);
    }

    void unreadableEntriesGoOnRewrite()
    {
        QSettings().setValue(QLatin1String(DeviceStore::SavedKey),
                             QStringList { textOf("A/u/p"), QStringLiteral("garbage"), textOf("B/u/p") });
        QObject owner;
        QList<Device*> loaded = DeviceStore::loadSavedDevices(&owner);
        QCOMPARE(loaded.size(), 2);
        QCOMPARE(savedDescs().size(), 3); // loading alone rewrites nothing

        // An index outside the list removes nothing and leaves the store alone.
        DeviceStore::removeSavedDevice(loaded, 2);
        QCOMPARE(savedDescs().size(), 3);
        DeviceStore::removeSavedDevice(loaded, 0);
        QCOMPARE(loaded.size(), 1);
        QCOMPARE(savedDescs(), QStringList { describe(*loaded.first()) });
    }
};

QTEST_GUILESS_MAIN(TestDeviceStore)
#include "tst_devicestore.moc"
