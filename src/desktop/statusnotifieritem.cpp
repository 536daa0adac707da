#include "desktop/statusnotifieritem.h"

#include "desktop/desktoplog.h"
#include "desktop/statusnotifieradaptor.h"
#include "desktop/traymenu.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

namespace {
const QString kWatcherInterface = QStringLiteral("org.kde.StatusNotifierWatcher");
}

StatusNotifierItem::StatusNotifierItem(const QString& id, QObject* parent)
    : QObject(parent)
    , m_id(id)
    , m_bus(QString())
    , m_menu(new TrayMenu(this))
{
    TrayDBusTypes::registerTypes();
    new StatusNotifierAdaptor(this);
}

StatusNotifierItem::~StatusNotifierItem()
{
    if (m_published) {
        m_bus.unregisterObject(QLatin1String(ObjectPath));
        m_bus.unregisterObject(QLatin1String(TrayMenu::ObjectPath));
        m_bus.unregisterService(m_serviceName);
    }
}

QString StatusNotifierItem::title() const
{
    return QCoreApplication::applicationName();
}

bool StatusNotifierItem::publish(const QDBusConnection& bus)
{
    if (!bus.isConnected()) {
        qCInfo(lcDesktop) << "no session bus: no panel item";
        return false;
    }
    m_bus = bus;
    m_serviceName = QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(QCoreApplication::applicationPid());
    if (!m_bus.registerObject(QLatin1String(ObjectPath), this, QDBusConnection::ExportAdaptors)
        || !m_bus.registerObject(QLatin1String(TrayMenu::ObjectPath), m_menu, QDBusConnection::ExportAdaptors)
        || !m_bus.registerService(m_serviceName)) {
        qCInfo(lcDesktop) << "panel item could not be exported:" << m_bus.lastError().message();
        m_bus.unregisterObject(QLatin1String(ObjectPath));
        m_bus.unregisterObject(QLatin1String(TrayMenu::ObjectPath));
        return false;
    }
    m_published = true;
    m_watcher = new QDBusServiceWatcher(QLatin1String(WatcherService), m_bus,
                                        QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                setRegistered(false, false);
                if (!newOwner.isEmpty())
                    registerWithWatcher();
            });
    m_bus.connect(QLatin1String(WatcherService), QLatin1String(WatcherPath), kWatcherInterface,
                  QStringLiteral("StatusNotifierHostRegistered"), this, SLOT(readHostPresent()));
    m_bus.connect(QLatin1String(WatcherService), QLatin1String(WatcherPath), kWatcherInterface,
                  QStringLiteral("StatusNotifierHostUnregistered"), this, SLOT(readHostPresent()));
    registerWithWatcher();
    return true;
}

void StatusNotifierItem::registerWithWatcher()
{
    if (!m_bus.interface() || !m_bus.interface()->isServiceRegistered(QLatin1String(WatcherService))) {
        qCDebug(lcDesktop) << "no panel watcher on the bus; the window stays the way in";
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(WatcherService), QLatin1String(WatcherPath),
                                                       kWatcherInterface, QStringLiteral("RegisterStatusNotifierItem"));
    call << m_serviceName;
    auto* pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        if (w->isError()) {
            qCInfo(lcDesktop) << "panel watcher refused the item:" << w->error().message();
            return;
        }
        m_registered = true;
        readHostPresent();
    });
}

void StatusNotifierItem::readHostPresent()
{
    if (!m_registered)
        return;
    QDBusMessage get = QDBusMessage::createMethodCall(QLatin1String(WatcherService), QLatin1String(WatcherPath),
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << kWatcherInterface << QStringLiteral("IsStatusNotifierHostRegistered");
    auto* pending = new QDBusPendingCallWatcher(m_bus.asyncCall(get), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *w;
        setRegistered(m_registered, reply.isValid() && reply.value().variant().toBool());
    });
}

void StatusNotifierItem::setRegistered(bool registered, bool hostPresent)
{
    const bool before = isShown();
    m_registered = registered;
    m_hostPresent = hostPresent;
    if (before != isShown()) {
        qCDebug(lcDesktop) << "panel item shown:" << isShown();
        emit shownChanged();
    }
}

void StatusNotifierItem::setIcon(const QImage& image)
{
    m_icon = TrayDBusTypes::pixmaps(image, { 16, 22, 32, 48, 64 });
    m_toolTip.pixmaps = TrayDBusTypes::pixmaps(image, { 32 });
    emit iconChanged();
}

void StatusNotifierItem::setToolTip(const QString& title, const QString& text)
{
    if (m_toolTip.title == title && m_toolTip.text == text)
        return;
    m_toolTip.title = title;
    m_toolTip.text = text;
    emit toolTipChanged();
}

void StatusNotifierItem::scroll(int delta, const QString& orientation)
{
    if (orientation.compare(QLatin1String("vertical"), Qt::CaseInsensitive) != 0 || delta == 0) {
        qCDebug(lcDesktop) << "panel scroll ignored:" << delta << orientation;
        return;
    }
    emit scrolled(delta);
}
