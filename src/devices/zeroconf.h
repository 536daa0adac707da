#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QMap>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <functional>

// One announced service as a browse reports it: instance name, the IPv4
// address its host name resolved to, its port and its TXT record (keys in
// key order).
struct ZeroConfService
{
    QString name;
    QString type;
    QHostAddress ip;
    quint16 port = 0;
    QMap<QByteArray, QByteArray> txt;
};
Q_DECLARE_METATYPE(ZeroConfService)

// DNS-SD browsing and publishing. The platform's implementation sits on the
// system's mDNS daemon; tests put scripted services behind the same shape.
// Results are always delivered on the object's own thread, whichever thread
// started the browse.
class ZeroConf : public QObject
{
    Q_OBJECT
public:
    enum Error { NoError, ServiceRegistrationFailed, ServiceNameCollision, BrowserFailed };
    Q_ENUM(Error)

    using Factory = std::function<ZeroConf*()>;

    using QObject::QObject;

    // A new browser of the installed kind (the system's by default).
    static ZeroConf* create();
    // Installs the kind that create() makes; an empty factory restores the
    // system's. For tests.
    static void setFactory(Factory factory);
    static void registerMetaTypes();

    // Browses for type (e.g. "_tavirel._tcp"), IPv4 only.
    virtual void startBrowser(const QString& type) = 0;
    virtual void stopBrowser() = 0;

    // The TXT record that the next publish announces.
    virtual void clearServiceTxtRecords() = 0;
    virtual void addServiceTxtRecord(const QByteArray& key, const QByteArray& value) = 0;
    // Announces a service on every interface until stopServicePublish or
    // destruction; a name taken on the network is replaced by a free one.
    virtual void startServicePublish(const QString& name, const QString& type, quint16 port) = 0;
    virtual void stopServicePublish() = 0;

Q_SIGNALS:
    void error(ZeroConf::Error error);
    void serviceAdded(const ZeroConfService& service);
    void serviceUpdated(const ZeroConfService& service);
    void serviceRemoved(const ZeroConfService& service);
    void servicePublished(const QString& name);
};
Q_DECLARE_METATYPE(ZeroConf::Error)
