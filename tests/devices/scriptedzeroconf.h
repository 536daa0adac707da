#pragma once

#include "devices/zeroconf.h"

#include <QAtomicInt>

// Services announced by the test instead of the network. The browse starts
// on the discovery thread; browsing() turns true on the owning thread after
// everything the run posted there before it.
class ScriptedZeroConf : public ZeroConf
{
    Q_OBJECT
public:
    static inline ScriptedZeroConf* last = nullptr;
    // When set, the browse fails as it does without an mDNS daemon.
    static inline bool failBrowse = false;

    ScriptedZeroConf() { last = this; }
    ~ScriptedZeroConf() override
    {
        if (last == this)
            last = nullptr;
    }

    bool browsing() const { return m_browsing; }

    void startBrowser(const QString&) override
    {
        QMetaObject::invokeMethod(this, [this] {
            m_browsing = true;
            if (failBrowse)
                Q_EMIT error(BrowserFailed);
        }, Qt::QueuedConnection);
    }
    void stopBrowser() override {}
    void clearServiceTxtRecords() override {}
    void addServiceTxtRecord(const QByteArray&, const QByteArray&) override {}
    void startServicePublish(const QString&, const QString&, quint16) override {}
    void stopServicePublish() override {}

    static ZeroConfService service(const QString& name, const QString& ip, const QByteArray& serial,
                                   quint16 port = 7550)
    {
        ZeroConfService s;
        s.name = name;
        s.type = QStringLiteral("_tavirel._tcp");
        s.ip = QHostAddress(ip);
        s.port = port;
        s.txt.insert("name", name.toUtf8());
        s.txt.insert("model", "Rack");
        if (!serial.isNull())
            s.txt.insert("serial", serial);
        return s;
    }

private:
    bool m_browsing = false;
};
