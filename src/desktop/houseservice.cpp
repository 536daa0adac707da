#include "desktop/houseservice.h"

#include "desktop/desktoplog.h"
#include "desktop/houseadaptor.h"
#include "model/housecontrol.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

HouseService::HouseService(HouseControl* house, QObject* parent)
    : QObject(parent)
    , m_house(house)
    , m_bus(QString())
{
    new HouseAdaptor(this);
    if (house)
        connect(house, &HouseControl::sleepRemainingChanged, this, &HouseService::announceSleepRemaining);
}

HouseService::~HouseService()
{
    if (m_published) {
        m_bus.unregisterObject(QLatin1String(ObjectPath));
        m_bus.unregisterService(QLatin1String(ServiceName));
    }
}

bool HouseService::publish(const QDBusConnection& bus)
{
    if (!bus.isConnected()) {
        qCInfo(lcDesktop) << "no session bus: the house control is not offered there";
        return false;
    }
    m_bus = bus;
    if (!m_bus.registerObject(QLatin1String(ObjectPath), this, QDBusConnection::ExportAdaptors)) {
        qCInfo(lcDesktop) << "house control object could not be registered on the session bus";
        return false;
    }
    if (!m_bus.registerService(QLatin1String(ServiceName))) {
        m_bus.unregisterObject(QLatin1String(ObjectPath));
        qCInfo(lcDesktop) << "house control name is taken on the session bus:" << m_bus.lastError().message();
        return false;
    }
    m_published = true;
    return true;
}

void HouseService::refuse(const QString& message)
{
    if (calledFromDBus())
        sendErrorReply(QDBusError::InvalidArgs, message);
    else
        qCDebug(lcDesktop) << "house call refused:" << message;
}

void HouseService::announceSleepRemaining()
{
    if (!m_published || !m_house)
        return;
    QDBusMessage signal = QDBusMessage::createSignal(QLatin1String(ObjectPath),
                                                     QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << QLatin1String(Interface)
           << QVariantMap { { QStringLiteral("SleepRemaining"), QVariant::fromValue(m_house->sleepRemaining()) } }
           << QStringList();
    m_bus.send(signal);
}

bool HouseService::callRunning(const QDBusConnection& bus, const QString& method, const QVariantList& args,
                               QString* error)
{
    if (!bus.isConnected()) {
        *error = tr("There is no session bus to reach the running Tavirel.");
        return false;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(ServiceName), QLatin1String(ObjectPath),
                                                       QLatin1String(Interface), method);
    call.setArguments(args);
    const QDBusMessage answer = bus.call(call, QDBus::Block, 10000);
    if (answer.type() == QDBusMessage::ReplyMessage)
        return true;
    *error = answer.errorName() == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown")
        ? tr("Tavirel is not running.")
        : answer.errorMessage();
    return false;
}
