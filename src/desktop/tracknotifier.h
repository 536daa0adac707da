#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QPointer>

class PlayerFocus;
class QNetworkAccessManager;
class QNetworkReply;
class QTimer;
class TavirelPlayer;

// A desktop notification when the player page's source moves to another
// track, with its cover, title and artist, when the user turned that on.
// Each one replaces the one before, so a long evening leaves one bubble.
class TrackNotifier : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* Service = "org.freedesktop.Notifications";
    static constexpr const char* Path = "/org/freedesktop/Notifications";
    // Covers larger than this are not fetched whole.
    static constexpr qint64 MaxCoverBytes = 8 * 1024 * 1024;
    static constexpr int CoverTimeoutMs = 4000;
    // How long a new track's cover may take to be named by the server.
    static constexpr int CoverWaitMs = 2000;

    explicit TrackNotifier(PlayerFocus* focus, QObject* parent = nullptr);

    void setBus(const QDBusConnection& bus) { m_bus = bus; }
    // The id the notification server gave the last notification, or 0.
    uint lastId() const { return m_lastId; }

    // The notification's body: the artist, escaped, as servers read markup.
    static QString body(const QString& artist);

signals:
    // A notification went out (for tests and diagnostics).
    void notified(uint id);

private:
    void bindPlayer();
    void trackMaybeChanged();
    // Fetches the pending track's cover once the server has named it.
    void fetchCover();
    void send(const QImage& cover);

    PlayerFocus* m_focus;
    QDBusConnection m_bus;
    QPointer<TavirelPlayer> m_player;
    // tlid and uri of the track last seen, so refreshes of the same track
    // and a newly followed source do not count as a change.
    QString m_trackKey;
    QNetworkAccessManager* m_network = nullptr;
    QPointer<QNetworkReply> m_cover;
    // A notification waits for its cover (or the end of CoverWaitMs).
    bool m_pending = false;
    QTimer* m_coverWait;
    uint m_lastId = 0;
};
