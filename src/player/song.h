#pragma once
#include "player/playeritem.h"
#include <QStringList>

// A track; only the player's current song keeps duration and position.
class Song : public PlayerItem
{
    Q_OBJECT
    Q_PROPERTY(int duration READ duration WRITE setDuration NOTIFY durationChanged)
    Q_PROPERTY(int currTime READ currTime WRITE setCurrTime NOTIFY currTimeChanged)
    Q_PROPERTY(QString albumUri READ albumUri WRITE setAlbumUri NOTIFY albumUriChanged)
    Q_PROPERTY(QString album READ album WRITE setAlbum NOTIFY albumChanged)
    Q_PROPERTY(QStringList artistsUri READ artistsUri WRITE setArtistsUri NOTIFY artistsUriChanged)
    Q_PROPERTY(QStringList artists READ artists WRITE setArtists NOTIFY artistsChanged)
    Q_PROPERTY(QString artistsString READ artistsString WRITE setArtistsString NOTIFY artistsStringChanged)

public:
    explicit Song(QObject *parent = nullptr);

    int duration() const { return m_duration; }
    int currTime() const { return m_currTime; }
    QString albumUri() const { return m_albumUri; }
    QString album() const { return m_album; }
    QStringList artistsUri() const { return m_artistsUri; }
    QStringList artists() const { return m_artists; }
    QString artistsString() const { return m_artistsString; }

    void setDuration(int seconds);
    void setCurrTime(int seconds);
    void setAlbumUri(const QString &albumUri);
    void setAlbum(const QString &album);
    void setArtistsUri(const QStringList &artistsUri);
    void setArtists(const QStringList &artists);
    void setArtistsString(const QString &artistsString);

signals:
    void durationChanged();
    void currTimeChanged();
    void albumUriChanged();
    void albumChanged();
    void artistsUriChanged();
    void artistsChanged();
    void artistsStringChanged();

private:
    int m_duration = 0;
    int m_currTime = 0;
    QString m_albumUri;
    QString m_album;
    QStringList m_artistsUri;
    QStringList m_artists;
    QString m_artistsString;
};
