#include "devices/servicebrowser.h"

#include "app/logcategories.h"
#include "devices/device.h"

#include <algorithm>

ServiceBrowser::ServiceBrowser(QObject* parent)
    : QThread(parent)
    , m_zeroconf(ZeroConf::create())
{
    connect(m_zeroconf, &ZeroConf::error, this, &ServiceBrowser::bonjourError);
    connect(m_zeroconf, &ZeroConf::serviceAdded, this, &ServiceBrowser::bonjourServiceAdded);
    connect(m_zeroconf, &ZeroConf::serviceUpdated, this, &ServiceBrowser::bonjourServiceUpdated);
    connect(m_zeroconf, &ZeroConf::serviceRemoved, this, &ServiceBrowser::bonjourServiceRemoved);
}

ServiceBrowser::~ServiceBrowser()
{
    if (isRunning()) {
        quit();
        wait();
    }
    m_zeroconf->disconnect(this);
    m_zeroconf->deleteLater();
    releaseUnclaimed();
}

QList<Device*> ServiceBrowser::devices() const
{
    QList<Device*> devices;
    for (const QPointer<Device>& device : m_found) {
        if (device)
            devices << device;
    }
    return devices;
}

void ServiceBrowser::releaseUnclaimed()
{
    for (const QPointer<Device>& device : qAsConst(m_found)) {
        if (device && !device->parent())
            device->deleteLater();
    }
}

QList<ServiceBrowser::Subnet> ServiceBrowser::subnetsOf(const QList<QNetworkInterface>& interfaces)
{
    QList<Subnet> subnets;
    for (const QNetworkInterface& interface : interfaces) {
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol)
                continue;
            subnets << QHostAddress::parseSubnet(entry.ip().toString() + QLatin1Char('/')
                                                 + QString::number(entry.prefixLength()));
        }
    }
    return subnets;
}

Device* ServiceBrowser::deviceFromService(const ZeroConfService& service)
{
    auto* device = new Device;
    device->setLocalIp(service.ip.toString());
    device->setLocalPort(service.port);
    device->setSerialNumber(QString::fromUtf8(service.txt.value(QByteArrayLiteral("serial"))));
    for (auto it = service.txt.cbegin(); it != service.txt.cend(); ++it)
        device->setPropDictionaryValue(QString::fromUtf8(it.key()), QString::fromUtf8(it.value()));
    return device;
}

void ServiceBrowser::run()
{
    // Gathered here, handed to the owning thread with the run's first event,
    // so that the service slots read them without sharing.
    const QList<Subnet> subnets = subnetsOf(QNetworkInterface::allInterfaces());
    QMetaObject::invokeMethod(this, [this, subnets] { beginRun(subnets); }, Qt::QueuedConnection);
    m_zeroconf->clearServiceTxtRecords();
    m_zeroconf->startBrowser(QLatin1String(ServiceType));
    exec();
    m_zeroconf->stopBrowser();
}

void ServiceBrowser::beginRun(const QList<Subnet>& subnets)
{
    releaseUnclaimed();
    m_found.clear();
    m_fullReported = false;
    m_subnets = subnets;
    const bool onlyLoopback = std::all_of(m_subnets.cbegin(), m_subnets.cend(), [](const Subnet& subnet) {
        return subnet.first.isLoopback();
    });
    if (onlyLoopback) {
        qCDebug(lcDevices) << "discovery: no IPv4 network to browse";
        Q_EMIT discoveryUnavailable();
    }
}

void ServiceBrowser::bonjourError(ZeroConf::Error error)
{
    // The list stays as it is; the finder tells the user that nothing can be
    // found.
    qCDebug(lcDevices) << "discovery: browse error" << error;
    Q_EMIT discoveryUnavailable();
}

void ServiceBrowser::bonjourServiceAdded(const ZeroConfService& service)
{
    if (!service.txt.contains(QByteArrayLiteral("serial"))) {
        qCDebug(lcDevices) << "discovery: ignoring" << service.name << "without a serial number";
        return;
    }
    for (const Subnet& subnet : qAsConst(m_subnets)) {
        if (service.ip.isInSubnet(subnet)) {
            store(deviceFromService(service));
            return;
        }
    }
    qCDebug(lcDevices) << "discovery: ignoring" << service.name << "at" << service.ip.toString()
                       << "outside the local networks";
}

void ServiceBrowser::bonjourServiceUpdated(const ZeroConfService& service)
{
    bonjourServiceAdded(service);
}

void ServiceBrowser::bonjourServiceRemoved(const ZeroConfService&)
{
    // A device that stops announcing itself stays listed until the next run.
}

void ServiceBrowser::store(Device* device)
{
    if (!m_found.contains(device->serialNumber()) && m_found.size() >= MaxDevices) {
        if (!m_fullReported)
            qCDebug(lcDevices) << "discovery: more than" << MaxDevices << "devices; the rest are not listed";
        m_fullReported = true;
        delete device;
        return;
    }
    Device* previous = m_found.value(device->serialNumber());
    if (previous && !previous->parent())
        previous->deleteLater();
    m_found.insert(device->serialNumber(), device);
    Q_EMIT deviceDiscovered();
}
