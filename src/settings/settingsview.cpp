#include "settings/settingsview.h"

#include "devices/device.h"

SettingsView::SettingsView(QQuickItem* parent)
    : QQuickItem(parent)
{
    connect(this, &SettingsView::showConnectionScreen, this, &SettingsView::onShowConnectionScreen);
}

void SettingsView::setLastSelDevice(Device* d)
{
    m_lastSelDevice = d;
    Q_EMIT lastSelDeviceChanged();
}

void SettingsView::returnToRootView()
{
    Q_EMIT rootViewRequested();
}

void SettingsView::requestAddDevice()
{
    Q_EMIT showAddPopup(nullptr);
}

void SettingsView::deviceSettingsUrlsUpdated(const QString& getUrl, const QString& postUrl)
{
    m_getUrl = getUrl;
    m_postUrl = postUrl;
    Q_EMIT settingsUrlsChanged();
}

void SettingsView::onShowConnectionScreen(bool show)
{
    m_connected = !show;
    Q_EMIT connectedChanged();
}
