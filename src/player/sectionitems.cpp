#include "player/sectionitems.h"
#include "player/playeritem.h"

SectionItems::SectionItems(QObject *parent)
    : QObject(parent)
{
}

void SectionItems::append(const QString &uri, PlayerItem *item)
{
    m_uris.append(uri);
    m_items.append(item);
}

void SectionItems::clear()
{
    m_uris.clear();
    m_items.clear();
}

PlayerItem *SectionItems::itemForUri(const QString &uri) const
{
    const int i = m_uris.indexOf(uri);
    return i < 0 ? nullptr : m_items.at(i);
}
