#pragma once

#include "desktop/mprisvalues.h"

#include <QDBusConnection>
#include <QObject>
#include <QPointer>
#include <QVariantMap>

class PlayerView;
class QDBusObjectPath;
class Source;
class Tavirel;
class TavirelPlayer;

// The application as a media player on the desktop's session bus, so that
// panels, media keys and lock screens can show and steer what plays. It
// follows the source selected on the player page; the D-Bus interfaces
// themselves are thin adaptors over this object.
class MprisService : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* ServiceName = "org.mpris.MediaPlayer2.tavirel";
    static constexpr const char* ObjectPath = "/org/mpris/MediaPlayer2";
    static constexpr const char* PlayerInterface = "org.mpris.MediaPlayer2.Player";

    explicit MprisService(QObject* parent = nullptr);
    ~MprisService() override;

    // Registers the object and the service name on bus. Without a usable bus
    // (or when the name is held by someone else and no instance name is free)
    // logs one line and returns false; the application goes on without it.
    bool publish(const QDBusConnection& bus);
    bool isPublished() const { return m_published; }
    QString serviceName() const { return m_serviceName; }

    // Follows the page's selected source and device model from now on.
    void followPlayerView(PlayerView* view);
    void setSource(Source* source);
    void setDeviceModel(Tavirel* model);

    QString playbackStatus() const;
    QVariantMap metadata() const;
    qint64 positionUs() const;
    double volume() const;
    void setVolume(double volume);
    bool canPlay() const;
    bool canPause() const;
    bool canGoNext() const;
    bool canGoPrevious() const;
    bool canSeek() const;

    void play();
    void pause();
    void playPause();
    void stop();
    void next();
    void previous();
    void seek(qint64 offsetUs);
    void setPosition(const QDBusObjectPath& trackId, qint64 positionUs);
    void openUri(const QString& uri);
    void raise() { emit raiseRequested(); }
    void quit() { emit quitRequested(); }

signals:
    void raiseRequested();
    void quitRequested();
    void seeked(qint64 positionUs);

private:
    TavirelPlayer* player() const;
    // A player whose music server answers, so that commands can reach it.
    bool reachablePlayer() const;
    MprisTrack currentTrack() const;
    void bindPlayer();
    void schedulePublish();
    // Sends PropertiesChanged with the player properties whose values differ
    // from those sent last time.
    void publishChanges();
    QVariantMap playerProperties() const;
    void seekTo(qint64 positionUs);

    QDBusConnection m_bus;
    bool m_published = false;
    bool m_publishScheduled = false;
    QString m_serviceName;
    QPointer<Source> m_source;
    QPointer<Tavirel> m_model;
    QPointer<TavirelPlayer> m_player;
    QVariantMap m_sent;
};
