#include "navigation/browsesections.h"

#include "player/album.h"
#include "player/itemparsing.h"
#include "player/sectionitems.h"
#include "player/song.h"

namespace BrowseSections {

namespace {
const QString Directory = QStringLiteral("directory");
const QString Playlist = QStringLiteral("playlist");
const QString Track = QStringLiteral("track");
const QString AlbumType = QStringLiteral("album");

bool isFolderType(const QString &type)
{
    return type == Directory || type == Playlist;
}

SectionItems *sectionHolding(const QStringList &types, const SectionMap &sections, const QString &uri, int *pos)
{
    for (const QString &type : types) {
        if (isFolderType(type))
            continue;
        SectionItems *section = sections.value(type);
        if (!section)
            continue;
        const int i = section->indexOfUri(uri);
        if (i >= 0) {
            *pos = i;
            return section;
        }
    }
    return nullptr;
}

// The entry for `uri` in the section, or for `fallback` when the first is
// not there (a server may answer under a slightly different uri).
PlayerItem *entryFor(SectionItems *section, const QString &uri, const QString &fallback)
{
    int i = section->indexOfUri(uri);
    if (i < 0)
        i = section->indexOfUri(fallback);
    return i < 0 ? nullptr : section->items().at(i);
}
}

void addRefs(const QJsonArray &refs, QStringList *types, SectionMap *sections, QObject *owner)
{
    for (const QJsonValue &value : refs) {
        if (!value.isObject())
            continue;
        const QJsonObject ref = ItemParsing::listedRef(value.toObject());
        const QString type = ref.value(QLatin1String("type")).toString();
        SectionItems *section = sections->value(type);
        if (!section) {
            section = new SectionItems(owner);
            sections->insert(type, section);
            types->append(type);
        }
        PlayerItem *item = ItemParsing::itemFromRef(ref);
        item->setParent(section);
        section->append(item->uri(), item);
    }
}

QList<PlayerItem *> flatten(const QStringList &types, const SectionMap &sections)
{
    QList<PlayerItem *> all;
    for (const QString &type : types) {
        if (const SectionItems *section = sections.value(type))
            all.append(section->items());
    }
    return all;
}

QList<PlayerItem *> itemsFrom(const QStringList &types, const SectionMap &sections, const QString &uri)
{
    int pos = 0;
    const SectionItems *section = sectionHolding(types, sections, uri, &pos);
    return section ? section->items().mid(pos) : QList<PlayerItem *>();
}

QStringList urisFrom(const QStringList &types, const SectionMap &sections, const QString &uri)
{
    int pos = 0;
    const SectionItems *section = sectionHolding(types, sections, uri, &pos);
    return section ? section->uris().mid(pos) : QStringList();
}

QList<LookupRequest> lookupWindow(const QStringList &types, const SectionMap &sections, int start, int end,
                                  QSet<PlayerItem *> *askedLookup, QSet<PlayerItem *> *askedImages)
{
    QList<LookupRequest> requests;
    int a = start;
    int b = end;
    for (const QString &type : types) {
        const SectionItems *section = sections.value(type);
        const int n = section ? section->count() : 0;
        if (n < a) {
            a -= n;
            b -= n;
            continue;
        }
        if (isFolderType(type)) {
            if (n < b) {
                a -= n;
                b -= n;
                continue;
            }
            break;
        }
        a = qMax(a - 10, 0);
        b = qMin(b + 10, n);
        const LookupRequest request = lookupRows(type, section, a, b, askedLookup, askedImages);
        if (!request.lookup.isEmpty() || !request.images.isEmpty())
            requests.append(request);
    }
    return requests;
}

LookupRequest lookupRows(const QString &typeKey, const SectionItems *section, int from, int to,
                         QSet<PlayerItem *> *askedLookup, QSet<PlayerItem *> *askedImages)
{
    LookupRequest request;
    request.typeKey = typeKey;
    for (int i = qMax(from, 0); i < qMin(to, section->count()); ++i) {
        PlayerItem *item = section->items().at(i);
        bool needsDetails = false;
        if (auto *song = qobject_cast<Song *>(item))
            needsDetails = song->album().isEmpty() || song->artistsString().isEmpty();
        else if (auto *album = qobject_cast<Album *>(item))
            needsDetails = album->artistsString().isEmpty();
        if (needsDetails && !askedLookup->contains(item)) {
            askedLookup->insert(item);
            request.lookup.append(section->uris().at(i));
        }
        if (!item->hasImages() && !askedImages->contains(item)) {
            askedImages->insert(item);
            request.images.append(section->uris().at(i));
        }
    }
    return request;
}

namespace {
void fillArtists(const QJsonArray &artists, QStringList *uris, QStringList *names)
{
    const ItemParsing::Artists parsed = ItemParsing::artists(artists);
    *uris = parsed.uris;
    *names = parsed.names;
}

void applyTrack(Song *song, const QJsonObject &t)
{
    // Mopidy's Track calls it "length"; "duration" is read where a backend
    // answers with that name.
    QJsonValue ms = t.value(QLatin1String("length"));
    if (!ms.isDouble())
        ms = t.value(QLatin1String("duration"));
    song->setDuration(ItemParsing::secondsFromMs(qint64(ms.toDouble())));
    const QJsonObject album = t.value(QLatin1String("album")).toObject();
    const QString uri = song->uri();
    if (uri.startsWith(QLatin1String("podcast+"))) {
        song->setAlbum(album.value(QLatin1String("comment")).toString());
        const ItemParsing::Artists artists = ItemParsing::artists(t.value(QLatin1String("artists")).toArray());
        song->setArtists(artists.names);
        song->setArtistsString(artists.names.join(QLatin1String(", ")));
    } else if (uri.startsWith(QLatin1String("tunein:"))) {
        song->setName(t.value(QLatin1String("name")).toString());
        song->setAlbum(album.value(QLatin1String("name")).toString());
    } else {
        song->setAlbumUri(album.value(QLatin1String("uri")).toString());
        song->setAlbum(album.value(QLatin1String("name")).toString());
        QStringList uris;
        QStringList names;
        fillArtists(t.value(QLatin1String("artists")).toArray(), &uris, &names);
        song->setArtistsUri(uris);
        song->setArtists(names);
        song->setArtistsString(names.join(QLatin1String(", ")));
    }
}

void applyAlbum(SectionItems *section, const QString &requested, const QJsonObject &t)
{
    const QString model = t.value(QLatin1String("__model__")).toString().toLower();
    QString albumUri;
    QJsonArray artists = t.value(QLatin1String("artists")).toArray();
    if (model == Track) {
        const QJsonObject album = t.value(QLatin1String("album")).toObject();
        albumUri = album.value(QLatin1String("uri")).toString();
        // A track without artists of its own still names its album's.
        if (artists.isEmpty())
            artists = album.value(QLatin1String("artists")).toArray();
    } else if (model == AlbumType) {
        albumUri = t.value(QLatin1String("uri")).toString();
    } else {
        return;
    }
    auto *album = qobject_cast<Album *>(entryFor(section, albumUri, requested));
    if (!album)
        return;
    QStringList uris;
    QStringList names;
    fillArtists(artists, &uris, &names);
    album->setArtistsUri(uris);
    album->setArtists(names);
    album->setArtistsString(names.join(QLatin1String(", ")));
}
}

void applyLookup(const QString &typeKey, SectionItems *section, const QJsonObject &answer)
{
    for (auto it = answer.constBegin(); it != answer.constEnd(); ++it) {
        const QJsonArray tracks = it.value().toArray();
        if (tracks.isEmpty() || !tracks.first().isObject())
            continue;
        const QJsonObject t = tracks.first().toObject();
        if (typeKey == Track) {
            if (auto *song = qobject_cast<Song *>(entryFor(section, t.value(QLatin1String("uri")).toString(), it.key())))
                applyTrack(song, t);
        } else if (typeKey == AlbumType) {
            applyAlbum(section, it.key(), t);
        }
    }
}

QUrl serverUrl(const QString &host, const QString &port)
{
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(host);
    url.setPort(port.toInt());
    return url;
}

namespace {
QJsonArray resolvedImages(const QJsonArray &images, const QUrl &serverUrl)
{
    if (!serverUrl.isValid() || serverUrl.host().isEmpty())
        return images;
    QJsonArray resolved;
    for (const QJsonValue &value : images) {
        QJsonObject image = value.toObject();
        const QString uri = image.value(QLatin1String("uri")).toString();
        if (uri.startsWith(QLatin1Char('/')) && !uri.startsWith(QLatin1String("//")))
            image.insert(QStringLiteral("uri"), serverUrl.resolved(QUrl(uri)).toString());
        resolved.append(image);
    }
    return resolved;
}
}

QList<PlayerItem *> applyImages(const QString &typeKey, SectionItems *section, const QJsonObject &answer,
                                const QUrl &serverUrl)
{
    QList<PlayerItem *> fallback;
    for (auto it = answer.constBegin(); it != answer.constEnd(); ++it) {
        PlayerItem *item = section->itemForUri(it.key());
        if (!item)
            continue;
        const QJsonArray images = it.value().toArray();
        if (!images.isEmpty()) {
            item->addImages(resolvedImages(images, serverUrl));
            continue;
        }
        if (typeKey == Track) {
            const auto *song = qobject_cast<const Song *>(item);
            if (song && (!song->album().isEmpty() || !song->artistsString().isEmpty()))
                fallback.append(item);
        } else if (typeKey == AlbumType) {
            const auto *album = qobject_cast<const Album *>(item);
            if (album && !album->artistsString().isEmpty())
                fallback.append(item);
        }
    }
    return fallback;
}

}
