#pragma once
#include <QList>
#include <QObject>
#include <QStringList>

class PlayerItem;

// One section of a browse list or search result: uri i belongs to item i.
// The items are not owned; the view that built the section owns them.
class SectionItems : public QObject
{
    Q_OBJECT

public:
    explicit SectionItems(QObject *parent = nullptr);

    void append(const QString &uri, PlayerItem *item);
    void clear();

    const QStringList &uris() const { return m_uris; }
    const QList<PlayerItem *> &items() const { return m_items; }
    int count() const { return m_items.size(); }
    // -1 when the uri is not in the section.
    int indexOfUri(const QString &uri) const { return m_uris.indexOf(uri); }
    // Null when the uri is not in the section.
    PlayerItem *itemForUri(const QString &uri) const;

private:
    QStringList m_uris;
    QList<PlayerItem *> m_items;
};
