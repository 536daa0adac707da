#include "desktop/mprisvalues.h"

#include <QDBusObjectPath>
#include <QUrl>

namespace MprisValues {

QString playbackStatus(int playPause)
{
    switch (playPause) {
    case 2:
        return QStringLiteral("Playing");
    case 1:
        return QStringLiteral("Paused");
    default:
        return QStringLiteral("Stopped");
    }
}

QString trackPath(int tlid)
{
    if (tlid < 0)
        return QLatin1String(NoTrack);
    return QStringLiteral("/org/mpris/MediaPlayer2/tavirel/track/%1").arg(tlid);
}

QString fetchableArtUrl(const QString& image, const QString& host, const QString& port)
{
    if (image.isEmpty())
        return {};
    const QUrl url(image);
    const QString scheme = url.scheme().toLower();
    // A file on the server means nothing here, and a file named by the server
    // is not for the desktop to open on this computer.
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return url.isValid() && !url.host().isEmpty() ? image : QString();
    // Mopidy hands out its own images as absolute paths on its HTTP server.
    if (!scheme.isEmpty() || !image.startsWith(QLatin1Char('/')) || image.startsWith(QLatin1String("//"))
        || host.isEmpty())
        return {};
    QUrl base;
    base.setScheme(QStringLiteral("http"));
    base.setHost(host);
    bool ok = false;
    const int p = port.toInt(&ok);
    if (!ok || p < 1 || p > 65535)
        return {};
    base.setPort(p);
    const QUrl resolved = base.resolved(QUrl(image));
    return resolved.isValid() ? resolved.toString(QUrl::FullyEncoded) : QString();
}

QVariantMap metadata(const MprisTrack& track)
{
    QVariantMap map;
    if (track.uri.isEmpty() && track.title.isEmpty())
        return map;
    map.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath(trackPath(track.tlid))));
    map.insert(QStringLiteral("xesam:title"), track.title);
    if (!track.artists.isEmpty())
        map.insert(QStringLiteral("xesam:artist"), track.artists);
    if (!track.album.isEmpty())
        map.insert(QStringLiteral("xesam:album"), track.album);
    if (track.lengthUs > 0)
        map.insert(QStringLiteral("mpris:length"), track.lengthUs);
    if (!track.artUrl.isEmpty())
        map.insert(QStringLiteral("mpris:artUrl"), track.artUrl);
    if (!track.uri.isEmpty())
        map.insert(QStringLiteral("xesam:url"), track.uri);
    return map;
}
}
