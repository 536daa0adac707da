#include "desktop/traymenuadaptor.h"

#include "desktop/traymenu.h"

#include <QGuiApplication>

TrayMenuAdaptor::TrayMenuAdaptor(TrayMenu* menu)
    : QDBusAbstractAdaptor(menu)
    , m_menu(menu)
{
    connect(menu, &TrayMenu::layoutUpdated, this, &TrayMenuAdaptor::LayoutUpdated);
}

QString TrayMenuAdaptor::textDirection() const
{
    return QGuiApplication::layoutDirection() == Qt::RightToLeft ? QStringLiteral("rtl") : QStringLiteral("ltr");
}

uint TrayMenuAdaptor::GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                                TrayMenuLayout& layout)
{
    layout = m_menu->layout(parentId, recursionDepth, propertyNames);
    return m_menu->revision();
}

TrayMenuItemPropertiesList TrayMenuAdaptor::GetGroupProperties(const QList<int>& ids,
                                                               const QStringList& propertyNames)
{
    TrayMenuItemPropertiesList list;
    for (const int id : ids) {
        if (m_menu->contains(id))
            list.append({ id, m_menu->properties(id, propertyNames) });
    }
    return list;
}

QDBusVariant TrayMenuAdaptor::GetProperty(int id, const QString& name)
{
    return QDBusVariant(m_menu->properties(id, { name }).value(name));
}

void TrayMenuAdaptor::Event(int id, const QString& eventId, const QDBusVariant&, uint)
{
    if (eventId == QLatin1String("clicked"))
        m_menu->activate(id);
    else if (eventId == QLatin1String("opened"))
        m_menu->prepare(id);
}

QList<int> TrayMenuAdaptor::EventGroup(const TrayMenuEventList& events)
{
    QList<int> unknown;
    for (const TrayMenuEvent& event : events) {
        if (!m_menu->contains(event.id))
            unknown.append(event.id);
        else
            Event(event.id, event.eventId, event.data, event.timestamp);
    }
    return unknown;
}

bool TrayMenuAdaptor::AboutToShow(int id)
{
    const uint before = m_menu->revision();
    m_menu->prepare(id);
    return m_menu->revision() != before;
}

QList<int> TrayMenuAdaptor::AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors)
{
    QList<int> updates;
    for (const int id : ids) {
        if (!m_menu->contains(id))
            idErrors.append(id);
        else if (AboutToShow(id))
            updates.append(id);
    }
    return updates;
}
