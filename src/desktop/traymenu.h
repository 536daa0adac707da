#pragma once

#include "desktop/traydbustypes.h"

#include <QHash>
#include <QObject>
#include <functional>

// One entry of the panel item's menu.
struct TrayMenuEntry {
    enum class Toggle { None, Check, Radio };
    QString label;
    bool separator = false;
    bool enabled = true;
    Toggle toggle = Toggle::None;
    bool checked = false;
    std::function<void()> action;
    // Tells apart entries that look alike but act differently, so that a
    // rebuild with equal entries leaves the menu as it is.
    QString tag;
    QList<TrayMenuEntry> children;
};

// The panel item's menu as the desktop reads it over D-Bus: a tree of
// entries with their properties, a layout revision, and the clicks coming
// back. Ids are never reused across rebuilds, so a click on an entry of a
// layout the panel still showed after a rebuild finds nothing rather than
// the wrong entry.
class TrayMenu : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* ObjectPath = "/MenuBar";

    explicit TrayMenu(QObject* parent = nullptr);

    // Replaces the entries; entries equal to the current ones (labels, states,
    // tags) change nothing, so the panel is not asked to read the menu again.
    void setEntries(const QList<TrayMenuEntry>& entries);
    uint revision() const { return m_revision; }

    // Entry parentId and its descendants down to depth levels (-1: all),
    // with only the named properties (all when names is empty).
    TrayMenuLayout layout(int parentId, int depth, const QStringList& names) const;
    QVariantMap properties(int id, const QStringList& names = {}) const;
    bool contains(int id) const { return m_nodes.contains(id); }
    // A click on entry id; false when there is no such entry.
    bool activate(int id);
    // The desktop is about to show entry id's submenu.
    void prepare(int id);

signals:
    void layoutUpdated(uint revision, int parentId);
    // Before the menu opens: a chance to refresh its entries.
    void aboutToShow();

private:
    struct Node {
        QVariantMap properties;
        QList<int> children;
        std::function<void()> action;
    };
    int addNode(const TrayMenuEntry& entry);

    QHash<int, Node> m_nodes;
    QString m_description;
    uint m_revision = 0;
    int m_nextId = 1;
};
