#include "desktop/statusnotifieradaptor.h"

#include "desktop/statusnotifieritem.h"
#include "desktop/traymenu.h"

StatusNotifierAdaptor::StatusNotifierAdaptor(StatusNotifierItem* item)
    : QDBusAbstractAdaptor(item)
    , m_item(item)
{
    connect(item, &StatusNotifierItem::iconChanged, this, &StatusNotifierAdaptor::NewIcon);
    connect(item, &StatusNotifierItem::toolTipChanged, this, &StatusNotifierAdaptor::NewToolTip);
}

QString StatusNotifierAdaptor::id() const
{
    return m_item->id();
}

QString StatusNotifierAdaptor::title() const
{
    return m_item->title();
}

QString StatusNotifierAdaptor::iconName() const
{
    // Installed with the application; the pixmaps stand in where it is not.
    return m_item->id();
}

TrayIconPixmapList StatusNotifierAdaptor::iconPixmap() const
{
    return m_item->iconPixmaps();
}

TrayToolTip StatusNotifierAdaptor::toolTip() const
{
    return m_item->toolTip();
}

QDBusObjectPath StatusNotifierAdaptor::menu() const
{
    return QDBusObjectPath(QLatin1String(TrayMenu::ObjectPath));
}

void StatusNotifierAdaptor::Activate(int x, int y)
{
    m_item->activate(QPoint(x, y));
}

void StatusNotifierAdaptor::SecondaryActivate(int x, int y)
{
    m_item->secondaryActivate(QPoint(x, y));
}

void StatusNotifierAdaptor::ContextMenu(int, int)
{
    // Panels open the exported menu themselves.
}

void StatusNotifierAdaptor::Scroll(int delta, const QString& orientation)
{
    m_item->scroll(delta, orientation);
}
