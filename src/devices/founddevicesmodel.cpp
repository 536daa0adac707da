#include "devices/founddevicesmodel.h"

#include "devices/device.h"

#include <QSet>

int FoundDevicesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

QVariant FoundDevicesModel::data(const QModelIndex& index, int role) const
{
    if (role != DeviceRole || !index.isValid() || index.row() >= m_rows.size())
        return {};
    return QVariant::fromValue(static_cast<QObject*>(m_rows.at(index.row()).data()));
}

QHash<int, QByteArray> FoundDevicesModel::roleNames() const
{
    return { { DeviceRole, QByteArrayLiteral("device") } };
}

QList<Device*> FoundDevicesModel::devices() const
{
    QList<Device*> devices;
    for (const QPointer<Device>& device : m_rows)
        devices << device.data();
    return devices;
}

void FoundDevicesModel::sync(const QList<Device*>& devices)
{
    QHash<QString, Device*> bySerial;
    for (Device* device : devices)
        bySerial.insert(device->serialNumber(), device);

    for (int row = m_rows.size() - 1; row >= 0; --row) {
        const QPointer<Device>& shown = m_rows.at(row);
        if (shown && bySerial.contains(shown->serialNumber()))
            continue;
        beginRemoveRows({}, row, row);
        m_rows.removeAt(row);
        endRemoveRows();
    }
    QSet<QString> listed;
    for (int row = 0; row < m_rows.size(); ++row) {
        Device* fresh = bySerial.value(m_rows.at(row)->serialNumber());
        listed.insert(fresh->serialNumber());
        if (fresh == m_rows.at(row))
            continue;
        m_rows[row] = fresh;
        Q_EMIT dataChanged(index(row), index(row), { DeviceRole });
    }
    for (Device* device : devices) {
        if (listed.contains(device->serialNumber()))
            continue;
        listed.insert(device->serialNumber());
        beginInsertRows({}, m_rows.size(), m_rows.size());
        m_rows.append(device);
        endInsertRows();
    }
}
