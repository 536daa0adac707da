#include "desktop/mprisservice.h"

#include "desktop/desktoplog.h"
#include "desktop/mprisplayeradaptor.h"
#include "desktop/mprisrootadaptor.h"
#include "model/source.h"
#include "model/tavirel.h"
#include "player/song.h"
#include "player/tavirelplayer.h"
#include "views/playerview.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QTimer>
#include <QUrl>

namespace {
// QVariant cannot compare object paths; their text stands in for them.
QVariantMap comparable(QVariantMap map)
{
    for (auto it = map.begin(); it != map.end(); ++it) {
        if (it.value().userType() == qMetaTypeId<QDBusObjectPath>())
            it.value() = it.value().value<QDBusObjectPath>().path();
        else if (it.value().userType() == QMetaType::QVariantMap)
            it.value() = comparable(it.value().toMap());
    }
    return map;
}
}

MprisService::MprisService(QObject* parent)
    : QObject(parent)
    , m_bus(QString())
{
    new MprisRootAdaptor(this);
    new MprisPlayerAdaptor(this);
}

MprisService::~MprisService()
{
    if (m_published) {
        m_bus.unregisterObject(QLatin1String(ObjectPath));
        m_bus.unregisterService(m_serviceName);
    }
}

bool MprisService::publish(const QDBusConnection& bus)
{
    if (!bus.isConnected()) {
        qCInfo(lcDesktop) << "no session bus: desktop media controls are not offered";
        return false;
    }
    m_bus = bus;
    if (!m_bus.registerObject(QLatin1String(ObjectPath), this, QDBusConnection::ExportAdaptors)) {
        qCInfo(lcDesktop) << "media player object could not be registered on the session bus";
        return false;
    }
    // A second running copy takes an instance name, as desktop panels expect.
    const QString base = QLatin1String(ServiceName);
    for (const QString& name :
         { base, base + QStringLiteral(".instance%1").arg(QCoreApplication::applicationPid()) }) {
        if (m_bus.registerService(name)) {
            m_serviceName = name;
            m_published = true;
            m_sent = comparable(playerProperties());
            return true;
        }
    }
    m_bus.unregisterObject(QLatin1String(ObjectPath));
    qCInfo(lcDesktop) << "media player name is taken on the session bus:" << m_bus.lastError().message();
    return false;
}

void MprisService::followPlayerView(PlayerView* view)
{
    if (!view)
        return;
    connect(view, &PlayerView::selectedSourceChanged, this, [this, view] { setSource(view->selectedSource()); });
    connect(view, &PlayerView::tavirelChanged, this, [this, view] { setDeviceModel(view->tavirel()); });
    setDeviceModel(view->tavirel());
    setSource(view->selectedSource());
}

void MprisService::setSource(Source* source)
{
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (source) {
        connect(source, &Source::playerChanged, this, &MprisService::bindPlayer);
        connect(source, &Source::volumeChanged, this, &MprisService::schedulePublish);
        connect(source, &QObject::destroyed, this, &MprisService::bindPlayer);
    }
    bindPlayer();
}

void MprisService::setDeviceModel(Tavirel* model)
{
    m_model = model;
}

void MprisService::bindPlayer()
{
    if (m_player)
        disconnect(m_player, nullptr, this, nullptr);
    m_player = m_source ? m_source->player() : nullptr;
    if (m_player) {
        for (auto signal : { &TavirelPlayer::playPauseChanged, &TavirelPlayer::currentSongChanged,
                             &TavirelPlayer::currentSongImageChanged, &TavirelPlayer::currentTlidChanged,
                             &TavirelPlayer::queueChanged, &TavirelPlayer::reachableChanged })
            connect(m_player, signal, this, &MprisService::schedulePublish);
        connect(m_player, &QObject::destroyed, this, &MprisService::bindPlayer);
    }
    schedulePublish();
}

TavirelPlayer* MprisService::player() const
{
    return m_player;
}

bool MprisService::reachablePlayer() const
{
    return m_player && m_player->isConnected();
}

MprisTrack MprisService::currentTrack() const
{
    MprisTrack track;
    TavirelPlayer* p = player();
    Song* song = p ? p->currentSong() : nullptr;
    if (!song)
        return track;
    track.tlid = p->currentTlid();
    track.uri = song->uri();
    track.title = song->name();
    track.artists = song->artists();
    track.album = song->album();
    track.lengthUs = qint64(song->duration()) * 1000000;
    track.artUrl = MprisValues::fetchableArtUrl(song->largeImgPath(), p->ipAddress(), p->port());
    return track;
}

QString MprisService::playbackStatus() const
{
    // A player whose server is gone plays nothing, whatever it last heard.
    return MprisValues::playbackStatus(reachablePlayer() ? player()->playPause() : 0);
}

QVariantMap MprisService::metadata() const
{
    return MprisValues::metadata(currentTrack());
}

qint64 MprisService::positionUs() const
{
    Song* song = player() ? player()->currentSong() : nullptr;
    return song ? qint64(song->currTime()) * 1000000 : 0;
}

double MprisService::volume() const
{
    return m_source ? qBound(0, m_source->volume(), 100) / 100.0 : 0.0;
}

void MprisService::setVolume(double volume)
{
    if (!m_source || !m_model || qIsNaN(volume))
        return;
    // Clamped before rounding: a huge value would overflow qRound.
    m_model->actionSetVolumeForSource(qRound(qBound(0.0, volume, 1.0) * 100), m_source->index());
}

bool MprisService::canPlay() const
{
    return reachablePlayer() && (player()->currentSong() || !player()->queue().isEmpty());
}

bool MprisService::canPause() const
{
    return reachablePlayer() && player()->currentSong();
}

bool MprisService::canGoNext() const
{
    return canPlay();
}

bool MprisService::canGoPrevious() const
{
    return canPlay();
}

bool MprisService::canSeek() const
{
    Song* song = reachablePlayer() ? player()->currentSong() : nullptr;
    return song && song->duration() > 0;
}

void MprisService::play()
{
    if (player() && player()->playPause() != 2)
        player()->actionPlay();
}

void MprisService::pause()
{
    if (player() && player()->playPause() == 2)
        player()->actionPause();
}

void MprisService::playPause()
{
    if (!player())
        return;
    if (player()->playPause() == 2)
        player()->actionPause();
    else
        player()->actionPlay();
}

void MprisService::stop()
{
    if (player())
        player()->actionStop();
}

void MprisService::next()
{
    if (player())
        player()->actionNext();
}

void MprisService::previous()
{
    if (player())
        player()->actionPrevious();
}

void MprisService::seek(qint64 offsetUs)
{
    if (!canSeek())
        return;
    const qint64 target = qMax<qint64>(0, positionUs() + offsetUs);
    if (target > currentTrack().lengthUs) {
        next();
        return;
    }
    seekTo(target);
}

void MprisService::setPosition(const QDBusObjectPath& trackId, qint64 positionUs)
{
    if (!canSeek())
        return;
    const MprisTrack track = currentTrack();
    // A request for a track that has since changed must not move the new one.
    if (trackId.path() != MprisValues::trackPath(track.tlid) || positionUs < 0 || positionUs > track.lengthUs) {
        qCDebug(lcDesktop) << "position request ignored:" << trackId.path() << positionUs;
        return;
    }
    seekTo(positionUs);
}

void MprisService::seekTo(qint64 positionUs)
{
    player()->actionSeek(positionUs / 1000);
    emit seeked(positionUs);
}

void MprisService::openUri(const QString& uri)
{
    const QString scheme = QUrl(uri).scheme().toLower();
    if (!player() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        qCDebug(lcDesktop) << "uri not opened:" << uri;
        return;
    }
    player()->actionPlayAdd({ uri }, -1, true);
}

void MprisService::schedulePublish()
{
    if (m_publishScheduled)
        return;
    // One player change comes as several signals; they go out as one message.
    m_publishScheduled = true;
    QTimer::singleShot(0, this, &MprisService::publishChanges);
}

QVariantMap MprisService::playerProperties() const
{
    return {
        { QStringLiteral("PlaybackStatus"), playbackStatus() },
        { QStringLiteral("Metadata"), metadata() },
        { QStringLiteral("Volume"), volume() },
        { QStringLiteral("CanPlay"), canPlay() },
        { QStringLiteral("CanPause"), canPause() },
        { QStringLiteral("CanGoNext"), canGoNext() },
        { QStringLiteral("CanGoPrevious"), canGoPrevious() },
        { QStringLiteral("CanSeek"), canSeek() },
    };
}

void MprisService::publishChanges()
{
    m_publishScheduled = false;
    if (!m_published)
        return;
    const QVariantMap now = playerProperties();
    QVariantMap changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        const QVariant value = it.key() == QLatin1String("Metadata") ? QVariant(comparable(it.value().toMap()))
                                                                       : it.value();
        if (m_sent.value(it.key()) != value) {
            m_sent.insert(it.key(), value);
            changed.insert(it.key(), it.value());
        }
    }
    if (changed.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(QLatin1String(ObjectPath),
                                                     QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << QLatin1String(PlayerInterface) << changed << QStringList();
    m_bus.send(signal);
}
