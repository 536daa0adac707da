#pragma once

#include "devices/zeroconf.h"

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QNetworkInterface>
#include <QPair>
#include <QPointer>
#include <QThread>

class Device;

// One discovery run: browses for the devices that announce themselves on the
// local network and keeps them by serial number. The run (subnets, start and
// stop of the browse) executes on the thread; the service slots and every
// field run on the thread that owns the object.
//
// A found device without a parent belongs to the browser, which releases it
// when it is replaced or the browser goes; whoever lists it (the device
// finder) takes it over by giving it a parent.
class ServiceBrowser : public QThread
{
    Q_OBJECT
public:
    using Subnet = QPair<QHostAddress, int>;
    static constexpr const char* ServiceType = "_tavirel._tcp";
    // A network flooded with announcements lists no more than this.
    static constexpr int MaxDevices = 256;

    explicit ServiceBrowser(QObject* parent = nullptr);
    ~ServiceBrowser() override;

    // In no particular order.
    QList<Device*> devices() const;

    // The IPv4 networks of the given interfaces, in their order.
    static QList<Subnet> subnetsOf(const QList<QNetworkInterface>& interfaces);
    // A device record from an announcement with a "serial" TXT key.
    static Device* deviceFromService(const ZeroConfService& service);

Q_SIGNALS:
    void deviceDiscovered();
    // The run cannot find anything: no mDNS daemon to ask, or no IPv4
    // network besides the loopback.
    void discoveryUnavailable();

public Q_SLOTS:
    void bonjourError(ZeroConf::Error error);
    void bonjourServiceAdded(const ZeroConfService& service);
    void bonjourServiceUpdated(const ZeroConfService& service);
    void bonjourServiceRemoved(const ZeroConfService& service);

protected:
    void run() override;

private:
    void beginRun(const QList<Subnet>& subnets);
    void store(Device* device);
    void releaseUnclaimed();

    ZeroConf* m_zeroconf = nullptr;
    QList<Subnet> m_subnets;
    // Guarded: a device taken over by the finder may go before the browser.
    QHash<QString, QPointer<Device>> m_found;
    bool m_fullReported = false;
};
