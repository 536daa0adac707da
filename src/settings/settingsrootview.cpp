#include "settings/settingsrootview.h"

#include "desktop/desktopsettings.h"
#include "devices/device.h"

SettingsRootView::SettingsRootView(QQuickItem* parent)
    : NavigationView(parent)
{
}

void SettingsRootView::setLastSelDevice(Device* device)
{
    m_lastSelDevice = device;
    Q_EMIT lastSelDeviceChanged();
}

void SettingsRootView::showConnectionScreen(bool show)
{
    m_connectionStatus = !show;
    Q_EMIT connectionStatusChanged();
}

bool SettingsRootView::closeToTray() const
{
    return DesktopSettings::closeToTray();
}

void SettingsRootView::setCloseToTray(bool on)
{
    DesktopSettings::set(DesktopSettings::CloseToTrayKey, on);
    Q_EMIT closeToTrayChanged();
}

bool SettingsRootView::trackNotifications() const
{
    return DesktopSettings::trackNotifications();
}

void SettingsRootView::setTrackNotifications(bool on)
{
    DesktopSettings::set(DesktopSettings::TrackNotificationsKey, on);
    Q_EMIT trackNotificationsChanged();
}
