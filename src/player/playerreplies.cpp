#include "player/playerreplies.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QUrl>

namespace PlayerReplies {

QJsonObject request(int id, const QString &method)
{
    QJsonObject req;
    req.insert(QStringLiteral("jsonrpc"), QStringLiteral("2.0"));
    req.insert(QStringLiteral("id"), QString::number(id));
    req.insert(QStringLiteral("method"), method);
    return req;
}

QJsonObject request(int id, const QString &method, const QJsonObject &params)
{
    QJsonObject req = request(id, method);
    req.insert(QStringLiteral("params"), params);
    return req;
}

std::optional<int> requestId(const QJsonValue &id)
{
    if (!id.isString())
        return std::nullopt;
    bool ok = false;
    const int value = id.toString().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

Message parseMessage(const QByteArray &utf8)
{
    Message msg;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(utf8, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return msg;
    msg.object = doc.object();
    const auto event = msg.object.constFind(QLatin1String("event"));
    if (event != msg.object.constEnd()) {
        msg.kind = Message::Event;
        msg.event = event.value().toString();
        return msg;
    }
    msg.kind = Message::Reply;
    msg.id = requestId(msg.object.value(QLatin1String("id"))).value_or(-1);
    return msg;
}

EventAction eventAction(const QString &name)
{
    if (name == QLatin1String("playback_state_changed"))
        return EventAction::PlaybackState;
    if (name == QLatin1String("options_changed"))
        return EventAction::Options;
    if (name.startsWith(QLatin1String("track_playback_")))
        return EventAction::TrackPlayback;
    if (name == QLatin1String("stream_title_changed"))
        return EventAction::StreamTitle;
    if (name == QLatin1String("tracklist_changed"))
        return EventAction::Tracklist;
    // "playlists_loaded" comes when the server has (re)read its playlists.
    if (name.startsWith(QLatin1String("playlist_")) || name == QLatin1String("playlists_loaded"))
        return EventAction::Playlists;
    return EventAction::None;
}

bool handlerTakesRequestId(const QByteArray &handler)
{
    return handler.startsWith("browse") || handler.startsWith("search");
}

int playState(const QJsonValue &state)
{
    const QString text = state.toString();
    if (text == QLatin1String("playing"))
        return 2;
    if (text == QLatin1String("paused"))
        return 1;
    return 0;
}

bool isLiveStreamUri(const QString &uri)
{
    static const QStringList streams = {
        QStringLiteral("somafm"), QStringLiteral("tunein"), QStringLiteral("dirble"),
        QStringLiteral("audioaddict"), QStringLiteral("http"),
    };
    const QStringList parts = uri.split(QLatin1Char(':'));
    return !parts.isEmpty() && streams.contains(parts.first());
}

RepeatRandom repeatRandomForModality(int modality)
{
    switch (modality) {
    case 1:
        return {true, false};
    case 2:
        return {false, true};
    case 3:
        return {true, true};
    default:
        return {false, false};
    }
}

int previousTlid(const QList<int> &queue, int current, qint64 positionMs, bool repeat, bool shuffle,
                 const QList<int> &played)
{
    const int index = queue.indexOf(current);
    if (index < 0)
        return -1;
    if (positionMs >= PreviousRestartsAfterMs)
        return 0;
    if (shuffle) {
        for (auto it = played.crbegin(); it != played.crend(); ++it) {
            if (*it != current && queue.contains(*it))
                return *it;
        }
        return 0;
    }
    if (index > 0)
        return queue.at(index - 1);
    return repeat && queue.size() > 1 ? queue.last() : 0;
}

std::optional<QStringList> searchFilters(const QJsonValue &schemes)
{
    if (!schemes.isArray())
        return std::nullopt;
    // Schemes of plain transports and sources that cannot be searched.
    static const QStringList hidden = {
        QStringLiteral("yt"), QStringLiteral("rtsp"), QStringLiteral("rtmps"),
        QStringLiteral("rtmp"), QStringLiteral("mms"), QStringLiteral("podcast+https"),
        QStringLiteral("podcast+http"), QStringLiteral("podcast+file"), QStringLiteral("https"),
        QStringLiteral("http"), QStringLiteral("file"),
    };
    QStringList filters{QStringLiteral("all")};
    const QJsonArray list = schemes.toArray();
    for (const QJsonValue &v : list) {
        const QString scheme = v.toString();
        if (!hidden.contains(scheme))
            filters.append(scheme);
    }
    return filters;
}

QJsonArray imagesFor(const QJsonValue &reply, const QString &uri)
{
    return reply.toObject().value(uri).toArray();
}

QJsonArray firstImages(const QJsonValue &reply)
{
    const QJsonObject obj = reply.toObject();
    if (obj.isEmpty())
        return {};
    return obj.begin().value().toArray();
}

QJsonObject browseParams(const QString &uri)
{
    QJsonObject params;
    params.insert(QStringLiteral("uri"), uri.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(uri));
    return params;
}

QJsonObject searchParams(const QString &text, const QString &filter)
{
    QJsonObject query;
    // Query values are lists of terms; a bare string is rejected as malformed.
    query.insert(QStringLiteral("any"), QJsonArray{text});
    QJsonObject params;
    params.insert(QStringLiteral("query"), query);
    if (filter.isEmpty())
        params.insert(QStringLiteral("uris"), QJsonObject());
    else
        params.insert(QStringLiteral("uris"), QJsonArray{filter + QLatin1Char(':')});
    return params;
}

QJsonObject addParams(const QStringList &uris, int position)
{
    QJsonObject params = urisParams(uris);
    if (position != -1)
        params.insert(QStringLiteral("at_position"), position);
    return params;
}

QJsonObject urisParams(const QStringList &uris)
{
    QJsonObject params;
    params.insert(QStringLiteral("uris"), QJsonArray::fromStringList(uris));
    return params;
}

QVector<TlEntry> tlTracks(const QJsonValue &reply)
{
    QVector<TlEntry> entries;
    if (!reply.isArray())
        return entries;
    const QJsonArray list = reply.toArray();
    entries.reserve(list.size());
    for (const QJsonValue &v : list) {
        if (!v.isObject())
            continue;
        const QJsonObject tlTrack = v.toObject();
        const auto track = tlTrack.constFind(QLatin1String("track"));
        if (track == tlTrack.constEnd())
            continue;
        entries.append({tlTrack.value(QLatin1String("tlid")).toInt(), track.value().toObject()});
    }
    return entries;
}

std::optional<QStringList> refUris(const QJsonValue &reply)
{
    if (!reply.isArray())
        return std::nullopt;
    QStringList uris;
    const QJsonArray list = reply.toArray();
    for (const QJsonValue &v : list) {
        if (v.isObject())
            uris.append(v.toObject().value(QLatin1String("uri")).toString());
    }
    return uris;
}

std::optional<QJsonObject> playlistWithAdditions(const QJsonValue &playlist,
                                                  const QVector<PlaylistAddition> &additions)
{
    if (!playlist.isObject())
        return std::nullopt;
    QJsonObject result = playlist.toObject();
    QJsonArray tracks = result.value(QLatin1String("tracks")).toArray();
    for (const PlaylistAddition &a : additions) {
        QJsonObject entry;
        entry.insert(QStringLiteral("__model__"), QStringLiteral("Track"));
        entry.insert(QStringLiteral("uri"), a.uri);
        entry.insert(QStringLiteral("name"), a.name);
        tracks.append(entry);
    }
    result.insert(QStringLiteral("tracks"), tracks);
    return result;
}

QJsonValue withResolvedImageUris(const QJsonValue &reply, const QUrl &base)
{
    if (!reply.isObject())
        return reply;
    QJsonObject byUri = reply.toObject();
    for (auto it = byUri.begin(); it != byUri.end(); ++it) {
        if (!it.value().isArray())
            continue;
        QJsonArray images = it.value().toArray();
        bool changed = false;
        for (int i = 0; i < images.size(); ++i) {
            QJsonObject image = images.at(i).toObject();
            const QString uri = image.value(QLatin1String("uri")).toString();
            if (uri.isEmpty())
                continue;
            const QUrl url(uri);
            if (!url.scheme().isEmpty())
                continue;
            image.insert(QStringLiteral("uri"), base.resolved(url).toString());
            images.replace(i, image);
            changed = true;
        }
        if (changed)
            it.value() = images;
    }
    return byUri;
}

}
