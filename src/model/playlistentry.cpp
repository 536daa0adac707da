#include "model/playlistentry.h"

PlaylistEntry::PlaylistEntry(QObject* parent)
    : QObject(parent)
{
}

void PlaylistEntry::setEntryId(int entryId)
{
    m_entryId = entryId;
    emit entryIdChanged();
}

void PlaylistEntry::setName(const QString& name)
{
    m_name = name;
    emit nameChanged();
}

void PlaylistEntry::setPlaylistRef(const QString& playlistRef)
{
    m_playlistRef = playlistRef;
    emit playlistRefChanged();
}
