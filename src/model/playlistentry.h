#pragma once
#include <QObject>

// One of the device's playlist slots and the playlist assigned to it.
class PlaylistEntry : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int entryId READ entryId WRITE setEntryId NOTIFY entryIdChanged)
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(QString playlistRef READ playlistRef WRITE setPlaylistRef NOTIFY playlistRefChanged)

public:
    explicit PlaylistEntry(QObject* parent = nullptr);

    int entryId() const { return m_entryId; }
    QString name() const { return m_name; }
    QString playlistRef() const { return m_playlistRef; }

    void setEntryId(int entryId);
    void setName(const QString& name);
    void setPlaylistRef(const QString& playlistRef);

signals:
    void entryIdChanged();
    void nameChanged();
    void playlistRefChanged();

private:
    int m_entryId = -1;
    QString m_name;
    QString m_playlistRef; // empty when no playlist is assigned
};
