#include "devices/device.h"

Device::Device(QObject* parent)
    : QObject(parent)
{
}

void Device::setSerialNumber(const QString& v)
{
    m_serialNumber = v;
    Q_EMIT serialNumberChanged();
}

void Device::setLocalIp(const QString& v)
{
    m_localIp = v;
    Q_EMIT localIpChanged();
}

void Device::setLocalPort(int v)
{
    m_localPort = v;
    Q_EMIT localPortChanged();
}

void Device::setRemoteIp(const QString& v)
{
    m_remoteIp = v;
    Q_EMIT remoteIpChanged();
}

void Device::setRemotePort(int v)
{
    m_remotePort = v;
    Q_EMIT remotePortChanged();
}

void Device::setUsername(const QString& v)
{
    m_username = v;
    Q_EMIT usernameChanged();
}

void Device::setPassword(const QString& v)
{
    m_password = v;
    Q_EMIT passwordChanged();
}

void Device::setPropDictionary(const QVariantHash& v)
{
    m_propDictionary = v;
    Q_EMIT propDictionaryChanged();
}

QString Device::getPropDictionaryValue(const QString& key) const
{
    const auto it = m_propDictionary.constFind(key);
    return it == m_propDictionary.constEnd() ? QString(QLatin1String("")) : it.value().toString();
}

QString Device::displayName() const
{
    for (const QString& candidate : { getPropDictionaryValue(QStringLiteral("name")), m_serialNumber, m_localIp }) {
        if (!candidate.trimmed().isEmpty())
            return candidate.trimmed();
    }
    return tr("Tavirel");
}

void Device::setPropDictionaryValue(const QString& key, const QString& value)
{
    m_propDictionary.insert(key, value);
}
