#include "settings/settingsrootview.h"

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
