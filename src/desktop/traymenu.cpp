#include "desktop/traymenu.h"

#include "desktop/desktoplog.h"
#include "desktop/traymenuadaptor.h"

#include <QTimer>

TrayMenu::TrayMenu(QObject* parent)
    : QObject(parent)
{
    TrayDBusTypes::registerTypes();
    m_nodes.insert(0, Node { { { QStringLiteral("children-display"), QStringLiteral("submenu") } }, {}, {} });
    new TrayMenuAdaptor(this);
}

int TrayMenu::addNode(const TrayMenuEntry& entry)
{
    Node node;
    if (entry.separator) {
        node.properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
    } else {
        node.properties.insert(QStringLiteral("label"), entry.label);
        node.properties.insert(QStringLiteral("enabled"), entry.enabled);
        if (entry.toggle != TrayMenuEntry::Toggle::None) {
            node.properties.insert(QStringLiteral("toggle-type"), entry.toggle == TrayMenuEntry::Toggle::Radio
                                                                      ? QStringLiteral("radio")
                                                                      : QStringLiteral("checkmark"));
            node.properties.insert(QStringLiteral("toggle-state"), entry.checked ? 1 : 0);
        }
    }
    for (const TrayMenuEntry& child : entry.children)
        node.children.append(addNode(child));
    if (!node.children.isEmpty())
        node.properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    node.action = entry.action;
    const int id = m_nextId++;
    m_nodes.insert(id, node);
    return id;
}

namespace {
QString describe(const QList<TrayMenuEntry>& entries)
{
    QString text;
    for (const TrayMenuEntry& e : entries) {
        // Joined, not formatted: a label may hold "%1".
        const QStringList fields { e.label, QString::number(e.separator), QString::number(e.enabled),
                                   QString::number(int(e.toggle)), QString::number(e.checked),
                                   QString::number(bool(e.action)), e.tag };
        text += QLatin1Char('[') + fields.join(QLatin1Char('\x1f')) + QLatin1Char('{') + describe(e.children)
            + QStringLiteral("}]");
    }
    return text;
}
}

void TrayMenu::setEntries(const QList<TrayMenuEntry>& entries)
{
    const QString description = describe(entries);
    if (m_revision > 0 && description == m_description)
        return;
    m_description = description;
    Node root = m_nodes.value(0);
    m_nodes.clear();
    root.children.clear();
    for (const TrayMenuEntry& entry : entries)
        root.children.append(addNode(entry));
    m_nodes.insert(0, root);
    ++m_revision;
    emit layoutUpdated(m_revision, 0);
}

QVariantMap TrayMenu::properties(int id, const QStringList& names) const
{
    const QVariantMap all = m_nodes.value(id).properties;
    if (names.isEmpty())
        return all;
    QVariantMap some;
    for (const QString& name : names) {
        if (all.contains(name))
            some.insert(name, all.value(name));
    }
    return some;
}

TrayMenuLayout TrayMenu::layout(int parentId, int depth, const QStringList& names) const
{
    TrayMenuLayout layout;
    layout.id = parentId;
    layout.properties = properties(parentId, names);
    if (depth == 0)
        return layout;
    for (const int child : m_nodes.value(parentId).children)
        layout.children.append(QVariant::fromValue(this->layout(child, depth < 0 ? -1 : depth - 1, names)));
    return layout;
}

bool TrayMenu::activate(int id)
{
    const auto it = m_nodes.constFind(id);
    if (it == m_nodes.constEnd() || !it->action) {
        qCDebug(lcDesktop) << "menu click on unknown entry" << id;
        return false;
    }
    if (!it->properties.value(QStringLiteral("enabled"), true).toBool())
        return false;
    // After the answer to the click: the action may rebuild the menu.
    QTimer::singleShot(0, this, it->action);
    return true;
}

void TrayMenu::prepare(int id)
{
    if (id == 0)
        emit aboutToShow();
}
