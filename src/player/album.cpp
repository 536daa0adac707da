#include "player/album.h"

Album::Album(QObject *parent)
    : PlayerItem(parent)
{
    setType(QStringLiteral("album"));
}

void Album::setArtistsUri(const QStringList &artistsUri)
{
    m_artistsUri = artistsUri;
    emit artistsUriChanged();
}

void Album::setArtists(const QStringList &artists)
{
    m_artists = artists;
    emit artistsChanged();
}

void Album::setArtistsString(const QString &artistsString)
{
    m_artistsString = artistsString;
    emit artistsStringChanged();
}
