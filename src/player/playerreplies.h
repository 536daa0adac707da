#pragma once
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QUrl>
#include <optional>

// Pure helpers of the player client: building JSON-RPC requests and reading
// Mopidy's replies and events into plain values. No sockets, no QObjects.
namespace PlayerReplies {

// The JSON-RPC 2.0 envelope; "id" is the counter as a decimal string.
QJsonObject request(int id, const QString &method);
QJsonObject request(int id, const QString &method, const QJsonObject &params);

// A request id read back from an envelope: a decimal string. Anything else
// (a number, null, junk) is no id at all, so it can never match a request.
std::optional<int> requestId(const QJsonValue &id);

struct Message
{
    enum Kind { Invalid, Event, Reply };
    Kind kind = Invalid;
    QString event;      // Event: the event name
    QJsonObject object; // the whole message
    int id = -1;        // Reply: the request id, -1 when unreadable
};
// Text from the server: an event, a reply, or something to drop.
Message parseMessage(const QByteArray &utf8);

enum class EventAction {
    None,
    PlaybackState,  // "playback_state_changed"
    Options,        // "options_changed"
    TrackPlayback,  // "track_playback_..."
    StreamTitle,    // "stream_title_changed"
    Tracklist,      // "tracklist_changed"
    Playlists,      // "playlist_..."
};
EventAction eventAction(const QString &name);

// Handlers of browse and search results also receive the request id.
bool handlerTakesRequestId(const QByteArray &handler);

// "playing" 2, "paused" 1, anything else 0.
int playState(const QJsonValue &state);

// Live streams are stopped instead of paused.
bool isLiveStreamUri(const QString &uri);

struct RepeatRandom
{
    bool repeat = false;
    bool random = false;
};
// The four-state repeat/shuffle button: 0 none, 1 repeat, 2 random, 3 both.
RepeatRandom repeatRandomForModality(int modality);

// Within this time of a track's start Previous goes back a track; later it
// starts the track again.
constexpr qint64 PreviousRestartsAfterMs = 3000;
// What Previous does `positionMs` into the track `current`: the tlid to
// play, 0 to start `current` again, -1 when the queue does not hold it.
// In queue order the track before, the last one from the first with repeat;
// with shuffle the last track of `played` (oldest first) still queued.
int previousTlid(const QList<int> &queue, int current, qint64 positionMs, bool repeat, bool shuffle,
                 const QList<int> &played);

// Search filters from a uri-scheme list: "all" first, then the schemes that
// can be searched, in reply order. Nothing for a reply that is not an array.
std::optional<QStringList> searchFilters(const QJsonValue &schemes);

// Images of a get_images reply ({uri: [Image, ...]}) for `uri`.
QJsonArray imagesFor(const QJsonValue &reply, const QString &uri);
// A get_images reply whose image URIs without a scheme (the local library's
// "/local/<file>") are resolved against `base`, the server's web address, so
// that they can be fetched as they stand. Anything but an object is returned
// unchanged.
QJsonValue withResolvedImageUris(const QJsonValue &reply, const QUrl &base);
// Images under the reply's first key; empty for anything else.
QJsonArray firstImages(const QJsonValue &reply);

QJsonObject browseParams(const QString &uri);
QJsonObject searchParams(const QString &text, const QString &filter);
QJsonObject addParams(const QStringList &uris, int position);
QJsonObject urisParams(const QStringList &uris);

struct TlEntry
{
    int tlid = 0;
    QJsonObject track;
};
// The elements of a get_tl_tracks reply that are objects with a "track".
QVector<TlEntry> tlTracks(const QJsonValue &reply);

// The "uri" of every Ref object of a get_items reply; nothing for a
// non-array reply.
std::optional<QStringList> refUris(const QJsonValue &reply);

struct PlaylistAddition
{
    QString uri;
    QString name;
};
// The Playlist with the additions appended to its "tracks"; nothing when
// `playlist` is not an object. Every addition is written as a Track entry:
// the server rejects a whole playlist holding any other model, and a playlist
// entry is only a uri, so an album's uri still stands for its tracks.
std::optional<QJsonObject> playlistWithAdditions(const QJsonValue &playlist,
                                                  const QVector<PlaylistAddition> &additions);

}
