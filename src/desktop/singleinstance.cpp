#include "desktop/singleinstance.h"

#include "desktop/desktoplog.h"

#include <QDBusConnectionInterface>
#include <QCryptographicHash>
#include <QDBusMessage>
#include <QFileInfo>

SingleInstance::SingleInstance(QObject* parent)
    : QObject(parent)
    , m_bus(QString())
{
}

SingleInstance::~SingleInstance()
{
    if (m_holding) {
        m_bus.unregisterObject(QLatin1String(ObjectPath));
        m_bus.unregisterService(m_name);
    }
}

QString SingleInstance::serviceName(const QString& settingsPath)
{
    const QString path = QFileInfo(settingsPath).absoluteFilePath();
    const QByteArray digest = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    // A bus name element may not begin with a digit.
    return QLatin1String(BaseName) + QStringLiteral("._") + QString::fromLatin1(digest);
}

SingleInstance::Outcome SingleInstance::claim(const QDBusConnection& bus, const QString& settingsPath,
                                              int answerTimeoutMs)
{
    if (!bus.isConnected() || !bus.interface()) {
        qCDebug(lcDesktop) << "no session bus: a second start opens a second window";
        return Outcome::Unavailable;
    }
    m_bus = bus;
    m_name = serviceName(settingsPath);
    // The object goes up before the name, so that whoever sees the name can call it.
    if (!m_bus.registerObject(QLatin1String(ObjectPath), this, QDBusConnection::ExportScriptableSlots)) {
        qCDebug(lcDesktop) << "single-instance object could not be registered";
        return Outcome::Unavailable;
    }
    const auto reply = m_bus.interface()->registerService(m_name,
        QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        m_holding = true;
        return Outcome::First;
    }
    m_bus.unregisterObject(QLatin1String(ObjectPath));
    if (!reply.isValid()) {
        qCDebug(lcDesktop) << "single-instance name refused:" << reply.error().message();
        return Outcome::Unavailable;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(m_name, QLatin1String(ObjectPath), QLatin1String(BaseName),
                                                       QStringLiteral("Activate"));
    const QDBusMessage answer = m_bus.call(call, QDBus::Block, answerTimeoutMs);
    if (answer.type() == QDBusMessage::ReplyMessage) {
        qCInfo(lcDesktop) << "already running: showing that window";
        return Outcome::Handed;
    }
    qCInfo(lcDesktop) << "the running copy did not answer (" << answer.errorMessage() << "); starting another";
    return Outcome::Unavailable;
}

void SingleInstance::Activate()
{
    qCDebug(lcDesktop) << "a later start asked for the window";
    emit activationRequested();
}
