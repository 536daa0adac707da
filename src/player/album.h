#pragma once
#include "player/playeritem.h"
#include <QStringList>

class Album : public PlayerItem
{
    Q_OBJECT
    Q_PROPERTY(QStringList artistsUri READ artistsUri WRITE setArtistsUri NOTIFY artistsUriChanged)
    Q_PROPERTY(QStringList artists READ artists WRITE setArtists NOTIFY artistsChanged)
    Q_PROPERTY(QString artistsString READ artistsString WRITE setArtistsString NOTIFY artistsStringChanged)

public:
    explicit Album(QObject *parent = nullptr);

    QStringList artistsUri() const { return m_artistsUri; }
    QStringList artists() const { return m_artists; }
    QString artistsString() const { return m_artistsString; }

    void setArtistsUri(const QStringList &artistsUri);
    void setArtists(const QStringList &artists);
    void setArtistsString(const QString &artistsString);

signals:
    void artistsUriChanged();
    void artistsChanged();
    void artistsStringChanged();

private:
    QStringList m_artistsUri;
    QStringList m_artists;
    QString m_artistsString;
};
