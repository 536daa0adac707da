#pragma once

#include "navigation/navigationview.h"

#include <QPointer>

class Device;

// The settings tab's first page: the selected device with its connection
// state, and the rows that lead to the device's settings, the device finder,
// the colour themes and the terms and conditions.
class SettingsRootView : public NavigationView
{
    Q_OBJECT
    Q_PROPERTY(Device* lastSelDevice READ lastSelDevice WRITE setLastSelDevice NOTIFY lastSelDeviceChanged)
    Q_PROPERTY(bool connectionStatus READ connectionStatus NOTIFY connectionStatusChanged)
    // The application's own desktop choices, kept in the user settings.
    Q_PROPERTY(bool closeToTray READ closeToTray WRITE setCloseToTray NOTIFY closeToTrayChanged)
    Q_PROPERTY(bool trackNotifications READ trackNotifications WRITE setTrackNotifications NOTIFY trackNotificationsChanged)
public:
    explicit SettingsRootView(QQuickItem* parent = nullptr);

    Device* lastSelDevice() const { return m_lastSelDevice; }
    void setLastSelDevice(Device* device);
    bool connectionStatus() const { return m_connectionStatus; }
    bool closeToTray() const;
    void setCloseToTray(bool on);
    bool trackNotifications() const;
    void setTrackNotifications(bool on);

Q_SIGNALS:
    void lastSelDeviceChanged();
    void connectionStatusChanged();
    void closeToTrayChanged();
    void trackNotificationsChanged();
    void requirePushSettingsEditor();
    void requirePushDeviceFinder();
    void requirePushTermsAndCond();
    void requirePushThemeSel();
    void requirePushShortcuts();

public Q_SLOTS:
    void showConnectionScreen(bool show);

private:
    QPointer<Device> m_lastSelDevice;
    bool m_connectionStatus = false;
};
