#include "devices/devicestore.h"

#include "app/logcategories.h"
#include "devices/device.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaProperty>
#include <QSettings>

namespace DeviceStore {

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

QList<Device*> loadSavedDevices(QObject* parent)
{
    QList<Device*> devices;
    QSettings settings;
    if (settings.contains(QLatin1String(SavedKey))) {
        const QStringList texts = settings.value(QLatin1String(SavedKey)).toStringList();
        for (const QString& text : texts) {
            auto* device = new Device(parent);
            if (textToObject(device, text)) {
                devices.append(device);
            } else {
                qCDebug(lcDevices) << "skipping a saved device that is not a JSON object";
                delete device;
            }
        }
    }
    settings.sync();
    return devices;
}

void saveNewDevice(const Device* device)
{
    QSettings settings;
    QStringList saved = settings.value(QLatin1String(SavedKey)).toStringList();
    const QString text = objectToText(device);
    saved.append(text);
    settings.setValue(QLatin1String(SavedKey), saved);
    settings.setValue(QLatin1String(LastSelectedKey), text);
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
    device->setUsername(username);
    device->setPassword(password);
    selectDevice(device);
}

bool sameEntry(const Device* a, const Device* b)
{
    return a->serialNumber() == b->serialNumber() && a->username() == b->username()
        && a->password() == b->password();
}

void updatePropDictionary(const Device* device)
{
    QSettings settings;
    settings.setValue(QLatin1String(LastSelectedKey), objectToText(device));
    const QStringList texts = settings.value(QLatin1String(SavedKey)).toStringList();
    QStringList rewritten;
    for (const QString& text : texts) {
        Device parsed;
        if (!textToObject(&parsed, text)) {
            qCDebug(lcDevices) << "dropping a saved device that is not a JSON object";
            continue;
        }
        if (sameEntry(&parsed, device))
            parsed.setPropDictionary(device->propDictionary());
        rewritten.append(objectToText(&parsed));
    }
    settings.setValue(QLatin1String(SavedKey), rewritten);
    settings.sync();
}

void removeSavedDevice(QList<Device*>& devices, int index)
{
    if (index >= 0 && index < devices.size())
        devices.removeAt(index); // the caller still owns the record (and may be showing it)
    QStringList texts;
    for (const Device* device : qAsConst(devices))
        texts.append(objectToText(device));
    QSettings settings;
    settings.setValue(QLatin1String(SavedKey), texts);
    settings.sync();
}

bool readLastSelected(Device* device)
{
    QSettings settings;
    if (!settings.contains(QLatin1String(LastSelectedKey)))
        return false;
    return textToObject(device, settings.value(QLatin1String(LastSelectedKey)).toString());
}
}
