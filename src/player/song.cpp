#include "player/song.h"

Song::Song(QObject *parent)
    : PlayerItem(parent)
{
    setType(QStringLiteral("track"));
}

void Song::setDuration(int seconds)
{
    m_duration = seconds;
    emit durationChanged();
}

void Song::setCurrTime(int seconds)
{
    m_currTime = seconds;
    emit currTimeChanged();
}

void Song::setAlbumUri(const QString &albumUri)
{
    m_albumUri = albumUri;
    emit albumUriChanged();
}

void Song::setAlbum(const QString &album)
{
    m_album = album;
    emit albumChanged();
}

void Song::setArtistsUri(const QStringList &artistsUri)
{
    m_artistsUri = artistsUri;
    emit artistsUriChanged();
}

void Song::setArtists(const QStringList &artists)
{
    m_artists = artists;
    emit artistsChanged();
}

void Song::setArtistsString(const QString &artistsString)
{
    m_artistsString = artistsString;
    emit artistsStringChanged();
}
