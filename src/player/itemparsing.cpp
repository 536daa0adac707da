#include "player/itemparsing.h"
#include "app/logcategories.h"
#include "player/album.h"
#include "player/song.h"
#include <QJsonValue>
#include <QUrl>
#include <QUrlQuery>
#include <cmath>

namespace ItemParsing {

QString smallImage(const PlayerItem::ImageTable &images)
{
    if (images.isEmpty())
        return {};
    // The map is ordered by width: the first qualifying entry is the smallest.
    for (auto it = images.cbegin(); it != images.cend(); ++it) {
        if (it.key() > 90 && it.key() < 100000)
            return it.value();
    }
    return images.first();
}

QString mediumImage(const PlayerItem::ImageTable &images)
{
    if (images.isEmpty())
        return {};
    for (auto it = images.cend(); it != images.cbegin();) {
        --it;
        if (it.key() >= 300 && it.key() <= 599)
            return it.value();
    }
    return images.last();
}

QString largeImage(const PlayerItem::ImageTable &images)
{
    if (images.isEmpty())
        return {};
    // The widest entry is both the largest width above 499 and, when no
    // width qualifies, the last entry of the table.
    return images.last();
}

PlayerItem::ImageTable imageTable(const QJsonArray &mopidyImages)
{
    PlayerItem::ImageTable table;
    for (const QJsonValue &v : mopidyImages) {
        if (!v.isObject()) {
            qCDebug(lcPlayer) << "image entry is not an object, skipped";
            continue;
        }
        const QJsonObject image = v.toObject();
        table.insert(image.value(QLatin1String("width")).toInt(0),
                     image.value(QLatin1String("uri")).toString());
    }
    return table;
}

int secondsFromMs(qint64 ms)
{
    if (ms <= 0)
        return 0;
    return int((ms + 999) / 1000);
}

Artists artists(const QJsonArray &mopidyArtists)
{
    Artists result;
    for (const QJsonValue &v : mopidyArtists) {
        const QJsonObject artist = v.toObject();
        if (artist.contains(QLatin1String("uri")))
            result.uris.append(artist.value(QLatin1String("uri")).toString());
        if (artist.contains(QLatin1String("name")))
            result.names.append(artist.value(QLatin1String("name")).toString());
    }
    return result;
}

void fillSongFromTrack(Song *song, const QJsonObject &track, bool withDuration)
{
    if (!song)
        return;
    song->setUri(track.value(QLatin1String("uri")).toString());
    song->setName(track.value(QLatin1String("name")).toString());
    if (withDuration) {
        // Streams report a null length; doubles cover lengths beyond int.
        const double ms = track.value(QLatin1String("length")).toDouble(0);
        song->setDuration(ms > 0 ? int(std::ceil(ms / 1000.0)) : 0);
    }

    const QString uri = song->uri();
    const QJsonObject album = track.value(QLatin1String("album")).toObject();
    if (uri.startsWith(QLatin1String("podcast+"))) {
        song->setAlbum(album.value(QLatin1String("comment")).toString());
        const QStringList names = artists(album.value(QLatin1String("artists")).toArray()).names;
        song->setArtists(names);
        song->setArtistsString(names.join(QLatin1String(", ")));
    } else if (uri.startsWith(QLatin1String("tunein:"))) {
        song->setName(track.value(QLatin1String("name")).toString());
        song->setAlbum(album.value(QLatin1String("name")).toString());
    } else {
        song->setAlbumUri(album.value(QLatin1String("uri")).toString());
        song->setAlbum(album.value(QLatin1String("name")).toString());
        const Artists a = artists(track.value(QLatin1String("artists")).toArray());
        song->setArtistsUri(a.uris);
        song->setArtists(a.names);
        song->setArtistsString(a.names.join(QLatin1String(", ")));
    }
}

Song *songFromTrack(const QJsonObject &track, bool withDuration)
{
    auto *song = new Song;
    fillSongFromTrack(song, track, withDuration);
    return song;
}

PlayerItem *itemFromRef(const QJsonObject &ref)
{
    const QString type = ref.value(QLatin1String("type")).toString();
    PlayerItem *item = nullptr;
    if (type == QLatin1String("track")) {
        item = new Song;
    } else if (type == QLatin1String("album")) {
        item = new Album;
    } else {
        item = new PlayerItem;
        item->setType(type);
    }
    item->setUri(ref.value(QLatin1String("uri")).toString());
    item->setName(ref.value(QLatin1String("name")).toString());
    return item;
}

QJsonObject listedRef(const QJsonObject &ref)
{
    if (ref.value(QLatin1String("type")).toString() != QLatin1String("directory"))
        return ref;
    const QUrlQuery query(QUrl(ref.value(QLatin1String("uri")).toString()));
    const QString album = query.queryItemValue(QStringLiteral("album"), QUrl::FullyDecoded);
    if (query.queryItemValue(QStringLiteral("type")) != QLatin1String("track") || !album.contains(QLatin1Char(':')))
        return ref;
    QJsonObject listed = ref;
    listed.insert(QLatin1String("type"), QStringLiteral("album"));
    listed.insert(QLatin1String("uri"), album);
    return listed;
}

PlayerItem *itemFromPlaylist(const QJsonObject &playlist)
{
    auto *item = new PlayerItem;
    item->setUri(playlist.value(QLatin1String("uri")).toString());
    item->setName(playlist.value(QLatin1String("name")).toString());
    return item;
}

}
