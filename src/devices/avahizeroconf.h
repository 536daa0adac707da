#pragma once

#include "devices/zeroconf.h"

#include <QHash>
#include <QList>
#include <QSet>

struct AvahiClient;
struct AvahiEntryGroup;
struct AvahiServiceBrowser;
struct AvahiServiceResolver;
struct AvahiThreadedPoll;

// ZeroConf on the system's Avahi daemon. The Avahi client runs in a poll
// thread of its own; every Avahi call from outside that thread holds the
// poll's lock, and results reach this object's thread by queued calls.
// Starting and stopping may come from any one thread at a time.
class AvahiZeroConf : public ZeroConf
{
    Q_OBJECT
public:
    explicit AvahiZeroConf(QObject* parent = nullptr);
    ~AvahiZeroConf() override;

    void startBrowser(const QString& type) override;
    void stopBrowser() override;
    void clearServiceTxtRecords() override;
    void addServiceTxtRecord(const QByteArray& key, const QByteArray& value) override;
    void startServicePublish(const QString& name, const QString& type, quint16 port) override;
    void stopServicePublish() override;

private:
    bool ensureClient();
    void lock();
    void unlock();
    void deliverError(Error error);
    // Below: called on the poll thread (or before it starts), lock held.
    void publishWith(AvahiClient* client);
    void freeBrowsing();
    friend struct AvahiCallbacks;

    AvahiThreadedPoll* m_poll = nullptr;
    AvahiClient* m_client = nullptr;
    bool m_pollRunning = false;

    // A flood of announcements must not grow without bound: at most
    // MaxServices are followed, and at most MaxResolving resolved at once.
    static constexpr int MaxServices = 256;
    static constexpr int MaxResolving = 4;
    struct Announced {
        int interface;
        int protocol;
        QByteArray name;
        QByteArray type;
        QByteArray domain;
        QString key;
    };
    void resolveWaiting();

    AvahiServiceBrowser* m_browser = nullptr;
    QHash<QString, AvahiServiceResolver*> m_resolvers;
    // Resolvers that have not answered yet, and announcements waiting for one.
    QSet<QString> m_resolving;
    QList<Announced> m_waiting;
    bool m_floodReported = false;
    QSet<QString> m_reported;

    AvahiEntryGroup* m_group = nullptr;
    QString m_publishName;
    QString m_publishType;
    quint16 m_publishPort = 0;
    bool m_publishWanted = false;
    QMap<QByteArray, QByteArray> m_txt;
};
