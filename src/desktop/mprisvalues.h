#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

// What the desktop's media controls see of one track, as plain values.
struct MprisTrack
{
    int tlid = -1;
    QString uri;
    QString title;
    QStringList artists;
    QString album;
    qint64 lengthUs = 0;
    QString artUrl;
};

namespace MprisValues {
// "Playing", "Paused" or "Stopped" for the player's play state (2, 1, other).
QString playbackStatus(int playPause);
// The object path that names a queue entry; NoTrack when there is none.
QString trackPath(int tlid);
inline constexpr const char* NoTrack = "/org/mpris/MediaPlayer2/TrackList/NoTrack";
// An image location as a desktop client can fetch it: paths that the music
// server serves itself are made absolute against its HTTP address; resource
// paths and anything unreadable give an empty string.
QString fetchableArtUrl(const QString& image, const QString& host, const QString& port);
// The Metadata map; empty when there is no track.
QVariantMap metadata(const MprisTrack& track);
}
