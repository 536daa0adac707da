#pragma once

#include "devices/founddevicesmodel.h"
#include "devices/servicebrowser.h"
#include "navigation/navigationview.h"

#include <QList>
#include <QPointer>
#include <QQmlListProperty>
#include <QTimer>

class Device;

// The settings page on which the user picks the device to control: the
// devices found on the network beside the saved ones. Picking a row or the
// add row is passed upward by the two request signals, which the document
// emits.
class DeviceFinderView : public NavigationView
{
    Q_OBJECT
    Q_PROPERTY(QQmlListProperty<Device> detectedDevices READ detectedDevices NOTIFY detectedDevicesChanged)
    Q_PROPERTY(QQmlListProperty<Device> savedDevices READ savedDevices NOTIFY savedDevicesChanged)
    Q_PROPERTY(bool discoveryAvailable READ discoveryAvailable NOTIFY discoveryAvailableChanged)
    // What the last removal did, shown above the lists until the next one.
    Q_PROPERTY(QString notice READ notice WRITE setNotice NOTIFY noticeChanged)
    // The detected devices as rows that change one at a time.
    Q_PROPERTY(QAbstractItemModel* detectedModel READ detectedModel CONSTANT)
public:
    explicit DeviceFinderView(QQuickItem* parent = nullptr);
    ~DeviceFinderView() override;

    QQmlListProperty<Device> detectedDevices();
    QQmlListProperty<Device> savedDevices();
    // False once the run found it cannot discover anything (no mDNS daemon,
    // no IPv4 network); a new run starts out true.
    bool discoveryAvailable() const { return m_discoveryAvailable; }
    QString notice() const { return m_notice; }
    void setNotice(const QString& notice);

    QList<Device*> detectedDeviceList() const { return m_detected; }
    QAbstractItemModel* detectedModel() const { return m_detectedModel; }
    QList<Device*> savedDeviceList() const { return m_saved; }
    ServiceBrowser* serviceBrowser() const { return m_browser; }

    // The name a person knows the device by: its own name, else its serial
    // number, else its address.
    static QString displayName(const Device* device);

    Q_INVOKABLE void loadSavedDevices();
    Q_INVOKABLE void removeSavedDevAtIndex(int index);
    Q_INVOKABLE void startDeviceDiscovery();
    Q_INVOKABLE void stopDeviceDiscovery();

Q_SIGNALS:
    void detectedDevicesChanged();
    void savedDevicesChanged();
    void showAddPopup(DeviceFinderView* page);
    void connectToDevice(bool alreadySaved, Device* device);
    void discoveryAvailableChanged();
    void noticeChanged();
    // A saved entry was removed from the store; the record stays valid until
    // control returns to the event loop.
    void savedDeviceRemoved(DeviceFinderView* page, Device* removed);

public Q_SLOTS:
    void detectedDevicesUpdated();

private:
    void setDiscoveryAvailable(bool available);
    void replaceDetected(const QList<Device*>& devices);

    QList<Device*> m_saved;
    FoundDevicesModel* m_detectedModel = nullptr;
    // Announcements come in bursts: the list follows at most every
    // UpdateInterval milliseconds.
    static constexpr int UpdateInterval = 150;
    QTimer* m_updateTimer = nullptr;
    QList<Device*> m_detected;
    QPointer<ServiceBrowser> m_browser;
    bool m_discoveryAvailable = true;
    QString m_notice;
};
