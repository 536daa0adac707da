#include "devices/devicestore.h"

#include "app/logcategories.h"
#include "devices/device.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QSettings>

#include <algorithm>
#include <memory>
#include <vector>

namespace DeviceStore {

namespace {
using Records = std::vector<std::unique_ptr<Device>>;

// Texts are marked where they stand so that the catalogue tools find them.
QString translated(const char* text)
{
    return QCoreApplication::translate("DeviceStore", text);
}

bool portInRange(int port)
{
    return port >= 1 && port <= 65535;
}

// A stored port must be a whole JSON number that fits a port; anything else
// would be converted to some other port without a word.
bool storedPortReadable(const QJsonObject& json, const QString& key)
{
    if (!json.contains(key))
        return true;
    const QJsonValue value = json.value(key);
    if (!value.isDouble())
        return false;
    const double port = value.toDouble();
    return port >= 0 && port <= 65535 && port == double(int(port));
}

// Trims the address and splits a port typed into it; false when what is left
// cannot be used.
bool normalizeAddress(Device* device, bool local)
{
    const QString ip = local ? device->localIp() : device->remoteIp();
    const int port = local ? device->localPort() : device->remotePort();
    if (ip.trimmed().isEmpty()) {
        if (!ip.isEmpty())
            local ? device->setLocalIp(QString()) : device->setRemoteIp(QString());
        return true;
    }
    const Address address = parseAddress(ip, port);
    if (!address.error.isEmpty())
        return false;
    if (local) {
        device->setLocalIp(address.host);
        device->setLocalPort(address.port);
    } else {
        device->setRemoteIp(address.host);
        device->setRemotePort(address.port);
    }
    return true;
}

Records readSaved(QSettings& settings)
{
    Records records;
    const QStringList texts = settings.value(QLatin1String(SavedKey)).toStringList();
    for (const QString& text : texts) {
        auto device = std::make_unique<Device>();
        if (readDevice(device.get(), text))
            records.push_back(std::move(device));
        else
            qCDebug(lcDevices) << "dropping an unreadable saved device";
    }
    return records;
}

void writeSaved(QSettings& settings, const Records& records)
{
    QStringList texts;
    for (const auto& device : records)
        texts.append(objectToText(device.get()));
    settings.setValue(QLatin1String(SavedKey), texts);
}
}

QString objectToText(const QObject* obj)
{
    QJsonObject json;
    const QMetaObject* meta = obj->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty prop = meta->property(i);
        json.insert(QString::fromLatin1(prop.name()), QJsonValue::fromVariant(prop.read(obj)));
    }
    return QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact));
}

bool textToObject(QObject* obj, const QString& text)
{
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8());
    if (!doc.isObject())
        return false;
    const QJsonObject json = doc.object();
    for (auto it = json.constBegin(); it != json.constEnd(); ++it)
        obj->setProperty(it.key().toLatin1().constData(), it.value().toVariant());
    return true;
}

bool readDevice(Device* device, const QString& text)
{
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8());
    if (!doc.isObject())
        return false;
    const QJsonObject json = doc.object();
    for (const char* key : { "localPort", "remotePort" }) {
        if (!storedPortReadable(json, QLatin1String(key))) {
            qCDebug(lcDevices) << "device text with an unusable" << key << json.value(QLatin1String(key));
            return false;
        }
    }
    textToObject(device, text);
    if (!normalizeAddress(device, true) || !normalizeAddress(device, false)) {
        qCDebug(lcDevices) << "device text with an unusable address" << device->localIp() << device->localPort()
                           << device->remoteIp() << device->remotePort();
        return false;
    }
    return true;
}

Address parseAddress(const QString& typed, int defaultPort)
{
    Address result;
    const QString text = typed.trimmed();
    if (text.isEmpty()) {
        result.error = translated(QT_TRANSLATE_NOOP("DeviceStore", "Enter the address of the Tavirel."));
        return result;
    }
    QString host = text;
    QString portText;
    bool portGiven = false;
    if (text.startsWith(QLatin1Char('['))) {
        const int close = text.indexOf(QLatin1Char(']'));
        const QString rest = close < 0 ? QString() : text.mid(close + 1);
        if (close < 0 || (!rest.isEmpty() && !rest.startsWith(QLatin1Char(':')))) {
            result.error = translated(QT_TRANSLATE_NOOP("DeviceStore", "This is not a valid address."));
            return result;
        }
        host = text.mid(1, close - 1);
        portGiven = !rest.isEmpty();
        portText = rest.mid(1);
    } else if (text.count(QLatin1Char(':')) == 1) {
        // More than one colon is an IPv6 address without a port.
        host = text.section(QLatin1Char(':'), 0, 0);
        portText = text.section(QLatin1Char(':'), 1);
        portGiven = true;
    }
    static const QRegularExpression badHostChars(QStringLiteral("[\\s/\\\\?#@\\[\\]|]"));
    if (host.isEmpty() || host.contains(badHostChars)) {
        result.error = translated(QT_TRANSLATE_NOOP("DeviceStore", "This is not a valid address."));
        return result;
    }
    int port = defaultPort;
    if (portGiven) {
        static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
        port = digits.match(portText).hasMatch() ? portText.toInt() : 0;
    }
    if (!portInRange(port)) {
        result.error = translated(QT_TRANSLATE_NOOP("DeviceStore", "The port must be a number from 1 to 65535."));
        return result;
    }
    result.host = host;
    result.port = port;
    return result;
}

QString credentialsProblem(const QString& username, const QString& password)
{
    // The handshake separates its fields with "|".
    if (username.contains(QLatin1Char('|')) || password.contains(QLatin1Char('|')))
        return translated(QT_TRANSLATE_NOOP("DeviceStore", "User name and password cannot contain \"|\"."));
    return QString();
}

QList<Device*> loadSavedDevices(QObject* parent)
{
    QList<Device*> devices;
    QSettings settings;
    const QStringList texts = settings.value(QLatin1String(SavedKey)).toStringList();
    for (const QString& text : texts) {
        auto* device = new Device(parent);
        if (readDevice(device, text)) {
            devices.append(device);
        } else {
            qCDebug(lcDevices) << "skipping an unreadable saved device";
            delete device;
        }
    }
    return devices;
}

void saveNewDevice(const Device* device)
{
    QSettings settings;
    Records records = readSaved(settings);
    auto match = records.end();
    for (auto it = records.begin(); it != records.end();) {
        if (!sameEntry(it->get(), device)) {
            ++it;
        } else if (match == records.end()) {
            match = it++;
        } else {
            it = records.erase(it); // an older duplicate of the same entry
        }
    }
    if (match == records.end()) {
        records.push_back(std::make_unique<Device>());
        match = records.end() - 1;
    }
    // What the device said about itself stays unless it is said anew.
    QVariantHash dictionary = (*match)->propDictionary();
    const QVariantHash fresh = device->propDictionary();
    for (auto it = fresh.constBegin(); it != fresh.constEnd(); ++it)
        dictionary.insert(it.key(), it.value());
    textToObject(match->get(), objectToText(device));
    (*match)->setPropDictionary(dictionary);
    writeSaved(settings, records);
    settings.setValue(QLatin1String(LastSelectedKey), objectToText(device));
    settings.sync();
}

void selectDevice(const Device* device)
{
    QSettings settings;
    settings.setValue(QLatin1String(LastSelectedKey), objectToText(device));
    settings.sync();
}

void updateCredentials(Device* device, const QString& username, const QString& password)
{
    Device before;
    textToObject(&before, objectToText(device));
    device->setUsername(username);
    device->setPassword(password);
    QSettings settings;
    Records records = readSaved(settings);
    for (const auto& record : records) {
        if (sameEntry(record.get(), &before)) {
            record->setUsername(username);
            record->setPassword(password);
        }
    }
    writeSaved(settings, records);
    settings.setValue(QLatin1String(LastSelectedKey), objectToText(device));
    settings.sync();
}

bool sameEntry(const Device* a, const Device* b)
{
    // One entry per account on a device: two users of one device keep their
    // own entries, and a corrected password replaces its own.
    if (a->username() != b->username())
        return false;
    if (!a->serialNumber().isEmpty() && !b->serialNumber().isEmpty())
        return a->serialNumber() == b->serialNumber();
    // Devices added by hand often have no serial number: two of them are one
    // entry only when they are reached at the same place.
    return a->serialNumber() == b->serialNumber() && a->localIp() == b->localIp() && a->localPort() == b->localPort()
        && a->remoteIp() == b->remoteIp() && a->remotePort() == b->remotePort();
}

void updatePropDictionary(const Device* device)
{
    QSettings settings;
    settings.setValue(QLatin1String(LastSelectedKey), objectToText(device));
    Records records = readSaved(settings);
    for (const auto& record : records) {
        if (sameEntry(record.get(), device))
            record->setPropDictionary(device->propDictionary());
    }
    writeSaved(settings, records);
    settings.sync();
}

void removeSavedDevice(const Device* device)
{
    QSettings settings;
    Records records = readSaved(settings);
    records.erase(std::remove_if(records.begin(), records.end(),
                                 [device](const auto& record) { return sameEntry(record.get(), device); }),
                  records.end());
    writeSaved(settings, records);
    settings.sync();
}

void removeSavedDevice(QList<Device*>& devices, int index)
{
    if (index < 0 || index >= devices.size()) {
        qCDebug(lcDevices) << "no saved device at" << index;
        return;
    }
    // The caller still owns the record (and may be showing it).
    removeSavedDevice(devices.takeAt(index));
}

bool readLastSelected(Device* device)
{
    QSettings settings;
    if (!settings.contains(QLatin1String(LastSelectedKey)))
        return false;
    return readDevice(device, settings.value(QLatin1String(LastSelectedKey)).toString());
}

void forgetLastSelected()
{
    QSettings settings;
    settings.remove(QLatin1String(LastSelectedKey));
    settings.sync();
}
}
