#include "devices/devicefinderview.h"

#include "devices/device.h"
#include "devices/devicestore.h"
#include "devices/servicebrowser.h"

DeviceFinderView::DeviceFinderView(QQuickItem* parent)
    : NavigationView(parent)
    , m_detectedModel(new FoundDevicesModel(this))
    , m_updateTimer(new QTimer(this))
{
    m_updateTimer->setSingleShot(true);
    m_updateTimer->setInterval(UpdateInterval);
    connect(m_updateTimer, &QTimer::timeout, this, &DeviceFinderView::detectedDevicesUpdated);
    startDeviceDiscovery();
}

DeviceFinderView::~DeviceFinderView()
{
    stopDeviceDiscovery();
    m_browser = nullptr;
    // The devices are children of the page and go with it.
    m_detected.clear();
    m_saved.clear();
}

QQmlListProperty<Device> DeviceFinderView::detectedDevices()
{
    return QQmlListProperty<Device>(this, &m_detected);
}

QQmlListProperty<Device> DeviceFinderView::savedDevices()
{
    return QQmlListProperty<Device>(this, &m_saved);
}

void DeviceFinderView::startDeviceDiscovery()
{
    m_updateTimer->stop();
    replaceDetected({});
    Q_EMIT detectedDevicesChanged();
    setDiscoveryAvailable(true);

    auto* browser = new ServiceBrowser;
    m_browser = browser;
    connect(this, &NavigationView::dismissed, browser, &QThread::quit);
    // Only the latest run speaks for the page.
    connect(browser, &ServiceBrowser::deviceDiscovered, this, [this, browser] {
        if (browser == m_browser && !m_updateTimer->isActive())
            m_updateTimer->start();
    });
    connect(browser, &ServiceBrowser::discoveryUnavailable, this, [this, browser] {
        if (browser == m_browser)
            setDiscoveryAvailable(false);
    });
    connect(browser, &QThread::finished, browser, &QObject::deleteLater);
    browser->start(QThread::InheritPriority);
}

void DeviceFinderView::stopDeviceDiscovery()
{
    if (m_browser && m_browser->isRunning())
        m_browser->quit();
}

void DeviceFinderView::detectedDevicesUpdated()
{
    if (!m_browser)
        return;
    replaceDetected(m_browser->devices());
    Q_EMIT detectedDevicesChanged();
}

void DeviceFinderView::replaceDetected(const QList<Device*>& devices)
{
    // The page takes the found devices over, so that its rows outlive the
    // run; a row that is no longer listed goes once the document has let go.
    for (Device* device : devices)
        device->setParent(this);
    m_detectedModel->sync(devices);
    for (Device* device : qAsConst(m_detected)) {
        if (!devices.contains(device))
            device->deleteLater();
    }
    // In the order the rows show them: the first found stays first.
    m_detected = m_detectedModel->devices();
}

void DeviceFinderView::loadSavedDevices()
{
    for (Device* device : qAsConst(m_saved))
        device->deleteLater();
    m_saved = DeviceStore::loadSavedDevices(this);
}

void DeviceFinderView::removeSavedDevAtIndex(int index)
{
    Device* removed = index >= 0 && index < m_saved.size() ? m_saved.at(index) : nullptr;
    DeviceStore::removeSavedDevice(m_saved, index);
    if (removed) {
        // The link may be running with the removed account: the controller
        // decides that before the record goes.
        setNotice(tr("%1 was removed.").arg(displayName(removed)));
        Q_EMIT savedDeviceRemoved(this, removed);
        removed->deleteLater();
    }
    Q_EMIT savedDevicesChanged();
}

void DeviceFinderView::setNotice(const QString& notice)
{
    m_notice = notice;
    Q_EMIT noticeChanged();
}

QString DeviceFinderView::displayName(const Device* device)
{
    return device->displayName();
}

void DeviceFinderView::setDiscoveryAvailable(bool available)
{
    if (m_discoveryAvailable == available)
        return;
    m_discoveryAvailable = available;
    Q_EMIT discoveryAvailableChanged();
}
