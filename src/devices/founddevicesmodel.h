#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QPointer>

class Device;

// The found devices as rows that change one by one: a device announced again
// updates its own row in place, a new one is appended, so that the rows on
// screen are not rebuilt at every announcement.
class FoundDevicesModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Role { DeviceRole = Qt::UserRole + 1 };

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Takes the list as it now stands; rows are matched by serial number.
    void sync(const QList<Device*>& devices);
    QList<Device*> devices() const;

private:
    QList<QPointer<Device>> m_rows;
};
