#pragma once

#include <QJsonObject>
#include <QPointer>
#include <QQuickItem>

#include "devices/devicefinderview.h"

class Device;

// The settings tab. It keeps the selected device record, the device's
// settings addresses, and passes the device finder's requests upward.
class SettingsView : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(Device* lastSelDevice READ lastSelDevice WRITE setLastSelDevice NOTIFY lastSelDeviceChanged)
    Q_PROPERTY(bool connected READ connected NOTIFY connectedChanged)
    Q_PROPERTY(QString settingsGetUrl READ settingsGetUrl NOTIFY settingsUrlsChanged)
public:
    explicit SettingsView(QQuickItem* parent = nullptr);

    Device* lastSelDevice() const { return m_lastSelDevice; }
    void setLastSelDevice(Device* d);
    bool connected() const { return m_connected; }
    QString settingsGetUrl() const { return m_getUrl; }
    QString settingsPostUrl() const { return m_postUrl; }

    // Returns the tab's page stack to its first page.
    Q_INVOKABLE void returnToRootView();
    // Asks for the add-device popup (the finder's add button).
    Q_INVOKABLE void requestAddDevice();

Q_SIGNALS:
    void lastSelDeviceChanged();
    void showAddPopup(DeviceFinderView* finder);
    void connectToDevice(bool alreadySaved, Device* device);
    void showConnectionScreen(bool show);
    void connectedChanged();
    void settingsUrlsChanged();
    void rootViewRequested();

public Q_SLOTS:
    void deviceSettingsUrlsUpdated(const QString& getUrl, const QString& postUrl);

private:
    void onShowConnectionScreen(bool show);

    QPointer<Device> m_lastSelDevice;
    QString m_getUrl;
    QString m_postUrl;
    bool m_connected = false;
};
