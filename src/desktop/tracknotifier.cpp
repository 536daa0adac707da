#include "desktop/tracknotifier.h"

#include "desktop/desktoplog.h"
#include "desktop/desktopsettings.h"
#include "desktop/mprisvalues.h"
#include "desktop/playerfocus.h"
#include "player/song.h"
#include "player/tavirelplayer.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QImage>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {
// The "image-data" hint: raw RGBA rows.
struct NotificationImage {
    QImage image;
};
}
Q_DECLARE_METATYPE(NotificationImage)

namespace {
QDBusArgument& operator<<(QDBusArgument& arg, const NotificationImage& value)
{
    const QImage rgba = value.image.convertToFormat(QImage::Format_RGBA8888);
    arg.beginStructure();
    arg << rgba.width() << rgba.height() << int(rgba.bytesPerLine()) << true << 8 << 4
        << QByteArray(reinterpret_cast<const char*>(rgba.constBits()), int(rgba.sizeInBytes()));
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, NotificationImage&)
{
    // Only ever sent.
    return arg;
}
}

TrackNotifier::TrackNotifier(PlayerFocus* focus, QObject* parent)
    : QObject(parent)
    , m_focus(focus)
    , m_bus(QDBusConnection::sessionBus())
    , m_coverWait(new QTimer(this))
{
    qDBusRegisterMetaType<NotificationImage>();
    m_coverWait->setSingleShot(true);
    m_coverWait->setInterval(CoverWaitMs);
    connect(m_coverWait, &QTimer::timeout, this, [this] {
        if (m_pending && !m_cover)
            send(QImage());
    });
    connect(focus, &PlayerFocus::playerChanged, this, &TrackNotifier::bindPlayer);
    bindPlayer();
}

QString TrackNotifier::body(const QString& artist)
{
    return artist.toHtmlEscaped();
}

void TrackNotifier::bindPlayer()
{
    if (m_player)
        disconnect(m_player, nullptr, this, nullptr);
    m_player = m_focus->player();
    m_trackKey.clear();
    m_pending = false;
    m_coverWait->stop();
    if (m_cover)
        m_cover->abort();
    if (!m_player)
        return;
    connect(m_player, &TavirelPlayer::currentSongChanged, this, &TrackNotifier::trackMaybeChanged);
    connect(m_player, &TavirelPlayer::currentTlidChanged, this, &TrackNotifier::trackMaybeChanged);
    connect(m_player, &TavirelPlayer::currentSongImageChanged, this, &TrackNotifier::fetchCover);
    const Song* song = m_player->currentSong();
    if (song)
        m_trackKey = QString::number(m_player->currentTlid()) + QLatin1Char(' ') + song->uri();
}

void TrackNotifier::trackMaybeChanged()
{
    Song* song = m_player ? m_player->currentSong() : nullptr;
    if (!song || song->uri().isEmpty())
        return;
    const QString key = QString::number(m_player->currentTlid()) + QLatin1Char(' ') + song->uri();
    if (key == m_trackKey)
        return;
    const bool first = m_trackKey.isEmpty();
    m_trackKey = key;
    if (m_cover)
        m_cover->abort();
    m_pending = false;
    m_coverWait->stop();
    // The track the source already played when it came into view is no news.
    if (first || !DesktopSettings::trackNotifications())
        return;
    m_pending = true;
    m_coverWait->start();
    fetchCover();
}

void TrackNotifier::fetchCover()
{
    Song* song = m_player ? m_player->currentSong() : nullptr;
    if (!m_pending || m_cover || !song)
        return;
    // The server names covers a moment after the track.
    const QString art = MprisValues::fetchableArtUrl(song->largeImgPath(), m_player->ipAddress(), m_player->port());
    if (art.isEmpty())
        return;
    m_coverWait->stop();
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    QNetworkRequest request { QUrl(art) };
    request.setTransferTimeout(CoverTimeoutMs);
    QNetworkReply* reply = m_network->get(request);
    m_cover = reply;
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > MaxCoverBytes)
            reply->abort();
    });
    const QString key = m_trackKey;
    connect(reply, &QNetworkReply::finished, this, [this, reply, key] {
        reply->deleteLater();
        // A later track took over while the cover came.
        if (key != m_trackKey || !m_pending)
            return;
        QImage cover;
        if (reply->error() == QNetworkReply::NoError)
            cover = QImage::fromData(reply->readAll());
        else
            qCDebug(lcDesktop) << "cover for the notification not fetched:" << reply->errorString();
        send(cover);
    });
}

void TrackNotifier::send(const QImage& cover)
{
    m_pending = false;
    m_coverWait->stop();
    Song* song = m_player ? m_player->currentSong() : nullptr;
    if (!song)
        return;
    const QString title = song->name();
    const QString artist = song->artistsString().isEmpty() ? song->artists().join(QStringLiteral(", "))
                                                           : song->artistsString();
    QVariantMap hints;
    if (!cover.isNull()) {
        const QImage small = cover.width() > 256 || cover.height() > 256
            ? cover.scaled(256, 256, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            : cover;
        hints.insert(QStringLiteral("image-data"), QVariant::fromValue(NotificationImage { small }));
    }
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("tavirel"));
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(Service), QLatin1String(Path),
                                                       QLatin1String(Service), QStringLiteral("Notify"));
    call << QStringLiteral("Tavirel") << m_lastId << QStringLiteral("tavirel") << title << body(artist)
         << QStringList() << hints << -1;
    auto* pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<uint> reply = *w;
        if (!reply.isValid()) {
            qCDebug(lcDesktop) << "notification not shown:" << reply.error().message();
            return;
        }
        m_lastId = reply.value();
        emit notified(m_lastId);
    });
}
