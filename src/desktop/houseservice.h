#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QPointer>
#include <QVariantList>

#include "model/housecontrol.h"

// The house control on the session bus, so that desktop shortcuts and scripts
// can recall scenes, switch everything off and set the sleep timer. The
// interface is a thin adaptor over this object.
class HouseService : public QObject, public QDBusContext
{
    Q_OBJECT
public:
    static constexpr const char* ServiceName = "com.morvane.Tavirel";
    static constexpr const char* ObjectPath = "/com/morvane/Tavirel";
    static constexpr const char* Interface = "com.morvane.Tavirel.House";

    explicit HouseService(HouseControl* house, QObject* parent = nullptr);
    ~HouseService() override;

    // Registers the object and the name; without a bus, or with the name
    // held by another copy, logs one line and returns false.
    bool publish(const QDBusConnection& bus);
    bool isPublished() const { return m_published; }
    HouseControl* house() const { return m_house; }

    // Calls `method` of the running copy; false with the reason in `error`.
    static bool callRunning(const QDBusConnection& bus, const QString& method, const QVariantList& args,
                            QString* error);

    // Answers the call in progress with an error instead of a reply.
    void refuse(const QString& message);

private:
    void announceSleepRemaining();

    QPointer<HouseControl> m_house;
    QDBusConnection m_bus;
    bool m_published = false;
};
