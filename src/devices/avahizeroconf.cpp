#include "devices/avahizeroconf.h"

#include "app/logcategories.h"

#include <avahi-client/client.h>
#include <avahi-client/lookup.h>
#include <avahi-client/publish.h>
#include <avahi-common/alternative.h>
#include <avahi-common/error.h>
#include <avahi-common/malloc.h>
#include <avahi-common/thread-watch.h>

#include <algorithm>

struct AvahiCallbacks
{
    static void client(AvahiClient* client, AvahiClientState state, void* userdata)
    {
        auto* self = static_cast<AvahiZeroConf*>(userdata);
        switch (state) {
        case AVAHI_CLIENT_S_RUNNING:
            if (self->m_publishWanted && !self->m_group)
                self->publishWith(client);
            break;
        case AVAHI_CLIENT_FAILURE:
            qCDebug(lcDevices) << "zeroconf: lost the Avahi daemon:" << avahi_strerror(avahi_client_errno(client));
            self->deliverError(self->m_browser ? ZeroConf::BrowserFailed : ZeroConf::ServiceRegistrationFailed);
            break;
        case AVAHI_CLIENT_S_COLLISION:
        case AVAHI_CLIENT_S_REGISTERING:
            // The daemon renames its host; our announcement is registered again.
            if (self->m_group)
                avahi_entry_group_reset(self->m_group);
            break;
        case AVAHI_CLIENT_CONNECTING:
            break;
        }
    }

    static void browse(AvahiServiceBrowser*, AvahiIfIndex interface, AvahiProtocol protocol,
                       AvahiBrowserEvent event, const char* name, const char* type, const char* domain,
                       AvahiLookupResultFlags, void* userdata)
    {
        auto* self = static_cast<AvahiZeroConf*>(userdata);
        const QString key = QString::number(interface) + QLatin1Char('/') + QString::fromUtf8(name);
        switch (event) {
        case AVAHI_BROWSER_NEW: {
            const auto waiting = std::find_if(self->m_waiting.cbegin(), self->m_waiting.cend(),
                                              [&key](const AvahiZeroConf::Announced& a) { return a.key == key; });
            if (self->m_resolvers.contains(key) || waiting != self->m_waiting.cend())
                break;
            if (self->m_resolvers.size() + self->m_waiting.size() >= AvahiZeroConf::MaxServices) {
                if (!self->m_floodReported)
                    qCDebug(lcDevices) << "zeroconf: more than" << AvahiZeroConf::MaxServices
                                       << "announcements; the rest are ignored";
                self->m_floodReported = true;
                break;
            }
            self->m_waiting.append({ interface, protocol, QByteArray(name), QByteArray(type), QByteArray(domain), key });
            self->resolveWaiting();
            break;
        }
        case AVAHI_BROWSER_REMOVE: {
            self->m_waiting.erase(std::remove_if(self->m_waiting.begin(), self->m_waiting.end(),
                                                 [&key](const AvahiZeroConf::Announced& a) { return a.key == key; }),
                                  self->m_waiting.end());
            self->m_resolving.remove(key);
            if (AvahiServiceResolver* resolver = self->m_resolvers.take(key))
                avahi_service_resolver_free(resolver);
            self->resolveWaiting();
            if (self->m_reported.remove(key)) {
                ZeroConfService service;
                service.name = QString::fromUtf8(name);
                service.type = QString::fromUtf8(type);
                QMetaObject::invokeMethod(self, [self, service] { Q_EMIT self->serviceRemoved(service); },
                                          Qt::QueuedConnection);
            }
            break;
        }
        case AVAHI_BROWSER_FAILURE:
            qCDebug(lcDevices) << "zeroconf: browse failed:" << avahi_strerror(avahi_client_errno(self->m_client));
            self->deliverError(ZeroConf::BrowserFailed);
            break;
        case AVAHI_BROWSER_ALL_FOR_NOW:
        case AVAHI_BROWSER_CACHE_EXHAUSTED:
            break;
        }
    }

    static void resolve(AvahiServiceResolver* resolver, AvahiIfIndex interface, AvahiProtocol,
                        AvahiResolverEvent event, const char* name, const char* type, const char*,
                        const char* hostName, const AvahiAddress* address, uint16_t port, AvahiStringList* txt,
                        AvahiLookupResultFlags, void* userdata)
    {
        auto* self = static_cast<AvahiZeroConf*>(userdata);
        const QString key = QString::number(interface) + QLatin1Char('/') + QString::fromUtf8(name);
        if (event != AVAHI_RESOLVER_FOUND || !address || address->proto != AVAHI_PROTO_INET) {
            qCDebug(lcDevices) << "zeroconf: cannot resolve" << name << "on interface" << interface;
            if (self->m_resolvers.value(key) == resolver) {
                self->m_resolvers.remove(key);
                self->m_resolving.remove(key);
            }
            avahi_service_resolver_free(resolver);
            self->resolveWaiting();
            return;
        }
        if (self->m_resolving.remove(key))
            self->resolveWaiting();
        ZeroConfService service;
        service.name = QString::fromUtf8(name);
        service.type = QString::fromUtf8(type);
        service.port = port;
        char text[AVAHI_ADDRESS_STR_MAX];
        service.ip = QHostAddress(QString::fromLatin1(avahi_address_snprint(text, sizeof text, address)));
        for (AvahiStringList* item = txt; item; item = avahi_string_list_get_next(item)) {
            char* k = nullptr;
            char* v = nullptr;
            size_t size = 0;
            if (avahi_string_list_get_pair(item, &k, &v, &size) != 0)
                continue;
            service.txt.insert(QByteArray(k), v ? QByteArray(v, int(size)) : QByteArray());
            avahi_free(k);
            avahi_free(v);
        }
        Q_UNUSED(hostName)
        const bool known = self->m_reported.contains(key);
        self->m_reported.insert(key);
        QMetaObject::invokeMethod(self, [self, service, known] {
            if (known)
                Q_EMIT self->serviceUpdated(service);
            else
                Q_EMIT self->serviceAdded(service);
        }, Qt::QueuedConnection);
    }

    static void group(AvahiEntryGroup* group, AvahiEntryGroupState state, void* userdata)
    {
        auto* self = static_cast<AvahiZeroConf*>(userdata);
        switch (state) {
        case AVAHI_ENTRY_GROUP_ESTABLISHED: {
            const QString name = self->m_publishName;
            QMetaObject::invokeMethod(self, [self, name] { Q_EMIT self->servicePublished(name); },
                                      Qt::QueuedConnection);
            break;
        }
        case AVAHI_ENTRY_GROUP_COLLISION: {
            char* other = avahi_alternative_service_name(self->m_publishName.toUtf8().constData());
            qCDebug(lcDevices) << "zeroconf: name" << self->m_publishName << "taken, announcing as" << other;
            self->m_publishName = QString::fromUtf8(other);
            avahi_free(other);
            avahi_entry_group_reset(group);
            self->publishWith(avahi_entry_group_get_client(group));
            break;
        }
        case AVAHI_ENTRY_GROUP_FAILURE:
            qCDebug(lcDevices) << "zeroconf: announcement failed:"
                               << avahi_strerror(avahi_client_errno(avahi_entry_group_get_client(group)));
            self->deliverError(ZeroConf::ServiceRegistrationFailed);
            break;
        case AVAHI_ENTRY_GROUP_UNCOMMITED:
        case AVAHI_ENTRY_GROUP_REGISTERING:
            break;
        }
    }
};

AvahiZeroConf::AvahiZeroConf(QObject* parent)
    : ZeroConf(parent)
{
    registerMetaTypes();
}

AvahiZeroConf::~AvahiZeroConf()
{
    if (m_pollRunning)
        avahi_threaded_poll_stop(m_poll);
    // With the poll stopped no callback runs any more; freeing the client
    // frees its browsers, resolvers and entry groups and withdraws what it
    // announced.
    if (m_client)
        avahi_client_free(m_client);
    if (m_poll)
        avahi_threaded_poll_free(m_poll);
}

bool AvahiZeroConf::ensureClient()
{
    if (m_client)
        return true;
    if (!m_poll)
        m_poll = avahi_threaded_poll_new();
    if (!m_poll)
        return false;
    int error = 0;
    // Without the no-fail flag a missing daemon is reported at once, so that
    // the user hears why nothing is found.
    m_client = avahi_client_new(avahi_threaded_poll_get(m_poll), AvahiClientFlags(0), &AvahiCallbacks::client,
                                this, &error);
    if (!m_client) {
        qCDebug(lcDevices) << "zeroconf: no Avahi daemon:" << avahi_strerror(error);
        return false;
    }
    if (avahi_threaded_poll_start(m_poll) < 0) {
        qCDebug(lcDevices) << "zeroconf: cannot start the Avahi poll thread";
        avahi_client_free(m_client);
        m_client = nullptr;
        return false;
    }
    m_pollRunning = true;
    return true;
}

void AvahiZeroConf::lock()
{
    if (m_pollRunning)
        avahi_threaded_poll_lock(m_poll);
}

void AvahiZeroConf::unlock()
{
    if (m_pollRunning)
        avahi_threaded_poll_unlock(m_poll);
}

void AvahiZeroConf::deliverError(Error error)
{
    QMetaObject::invokeMethod(this, [this, error] { Q_EMIT this->error(error); }, Qt::QueuedConnection);
}

void AvahiZeroConf::startBrowser(const QString& type)
{
    if (!ensureClient()) {
        deliverError(BrowserFailed);
        return;
    }
    lock();
    freeBrowsing();
    m_browser = avahi_service_browser_new(m_client, AVAHI_IF_UNSPEC, AVAHI_PROTO_INET, type.toUtf8().constData(),
                                          nullptr, AvahiLookupFlags(0), &AvahiCallbacks::browse, this);
    if (!m_browser) {
        qCDebug(lcDevices) << "zeroconf: cannot browse for" << type << avahi_strerror(avahi_client_errno(m_client));
        deliverError(BrowserFailed);
    }
    unlock();
}

void AvahiZeroConf::stopBrowser()
{
    lock();
    freeBrowsing();
    unlock();
}

void AvahiZeroConf::resolveWaiting()
{
    while (m_resolving.size() < MaxResolving && !m_waiting.isEmpty()) {
        const Announced next = m_waiting.takeFirst();
        // The resolver stays open, so that a new address or TXT record is
        // reported as an update.
        AvahiServiceResolver* resolver = avahi_service_resolver_new(
            m_client, AvahiIfIndex(next.interface), AvahiProtocol(next.protocol), next.name.constData(),
            next.type.constData(), next.domain.constData(), AVAHI_PROTO_INET, AvahiLookupFlags(0),
            &AvahiCallbacks::resolve, this);
        if (!resolver) {
            qCDebug(lcDevices) << "zeroconf: cannot resolve" << next.name << avahi_strerror(avahi_client_errno(m_client));
            continue;
        }
        m_resolvers.insert(next.key, resolver);
        m_resolving.insert(next.key);
    }
}

void AvahiZeroConf::freeBrowsing()
{
    for (AvahiServiceResolver* resolver : qAsConst(m_resolvers))
        avahi_service_resolver_free(resolver);
    m_resolvers.clear();
    m_resolving.clear();
    m_waiting.clear();
    m_floodReported = false;
    m_reported.clear();
    if (m_browser)
        avahi_service_browser_free(m_browser);
    m_browser = nullptr;
}

void AvahiZeroConf::clearServiceTxtRecords()
{
    lock();
    m_txt.clear();
    unlock();
}

void AvahiZeroConf::addServiceTxtRecord(const QByteArray& key, const QByteArray& value)
{
    lock();
    m_txt.insert(key, value);
    unlock();
}

void AvahiZeroConf::startServicePublish(const QString& name, const QString& type, quint16 port)
{
    lock();
    m_publishName = name;
    m_publishType = type;
    m_publishPort = port;
    m_publishWanted = true;
    unlock();
    if (!ensureClient()) {
        deliverError(ServiceRegistrationFailed);
        return;
    }
    lock();
    // A client that is not yet running publishes from its state callback.
    if (avahi_client_get_state(m_client) == AVAHI_CLIENT_S_RUNNING) {
        if (m_group)
            avahi_entry_group_reset(m_group);
        publishWith(m_client);
    }
    unlock();
}

void AvahiZeroConf::stopServicePublish()
{
    lock();
    m_publishWanted = false;
    if (m_group)
        avahi_entry_group_free(m_group);
    m_group = nullptr;
    unlock();
}

void AvahiZeroConf::publishWith(AvahiClient* client)
{
    if (!m_group)
        m_group = avahi_entry_group_new(client, &AvahiCallbacks::group, this);
    if (!m_group) {
        deliverError(ServiceRegistrationFailed);
        return;
    }
    AvahiStringList* txt = nullptr;
    for (auto it = m_txt.cbegin(); it != m_txt.cend(); ++it)
        txt = avahi_string_list_add_pair_arbitrary(txt, it.key().constData(),
                                                    reinterpret_cast<const uint8_t*>(it.value().constData()),
                                                    size_t(it.value().size()));
    // The list is built back to front; the record keeps key order.
    txt = avahi_string_list_reverse(txt);
    int result = avahi_entry_group_add_service_strlst(
        m_group, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, AvahiPublishFlags(0), m_publishName.toUtf8().constData(),
        m_publishType.toUtf8().constData(), nullptr, nullptr, m_publishPort, txt);
    avahi_string_list_free(txt);
    if (result == AVAHI_ERR_COLLISION) {
        AvahiCallbacks::group(m_group, AVAHI_ENTRY_GROUP_COLLISION, this);
        return;
    }
    if (result >= 0)
        result = avahi_entry_group_commit(m_group);
    if (result < 0) {
        qCDebug(lcDevices) << "zeroconf: cannot announce" << m_publishName << avahi_strerror(result);
        deliverError(ServiceRegistrationFailed);
    }
}
