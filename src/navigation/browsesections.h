#pragma once
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QSet>
#include <QStringList>
#include <QUrl>

class PlayerItem;
class SectionItems;

// The entries of one library level grouped by entry type, and the rules that
// fill them in: plain functions over the sections, kept apart from the view
// so that each rule can be tested on its own.
namespace BrowseSections {

// A search page may keep several sections under one key: value() is the
// newest, values() all of them, newest first.
using SectionMap = QMultiHash<QString, SectionItems *>;

// Adds each element of a browse answer ({"type", "uri", "name"} objects) to
// the section of its type, creating the section (owned by `owner`) and
// appending the type to `types` on first appearance. Items are owned by
// their section. Elements that are not objects are skipped.
void addRefs(const QJsonArray &refs, QStringList *types, SectionMap *sections, QObject *owner);

// Every entry of the sections in `types` order, each section in its order.
QList<PlayerItem *> flatten(const QStringList &types, const SectionMap &sections);

// The entries (or uris) of the first section, "directory" and "playlist"
// aside, that holds `uri`, from that uri to the end of the section.
QList<PlayerItem *> itemsFrom(const QStringList &types, const SectionMap &sections, const QString &uri);
QStringList urisFrom(const QStringList &types, const SectionMap &sections, const QString &uri);

// What one section needs for the rows on screen: uris whose details are
// missing and uris without images.
struct LookupRequest
{
    QString typeKey;
    QStringList lookup;
    QStringList images;
};

// The lookups for the flat-list rows [start, end), each content section
// widened by ten rows on both sides. Entries in `askedLookup` / `askedImages`
// are not asked again; every entry asked for here is added to them.
QList<LookupRequest> lookupWindow(const QStringList &types, const SectionMap &sections, int start, int end,
                                  QSet<PlayerItem *> *askedLookup, QSet<PlayerItem *> *askedImages);

// The lookups for rows [from, to) of one section, asked once each as above.
LookupRequest lookupRows(const QString &typeKey, const SectionItems *section, int from, int to,
                         QSet<PlayerItem *> *askedLookup, QSet<PlayerItem *> *askedImages);

// Applies a lookup answer (uri -> array of Track objects) to the entries of
// the section of `typeKey`.
void applyLookup(const QString &typeKey, SectionItems *section, const QJsonObject &answer);

// Applies an image answer (uri -> array of Image objects). Image uris given
// as paths on the player's own web server ("/local/...") are resolved against
// `serverUrl`. Returns the entries that got no image but know enough to ask
// the album-art fallback.
QList<PlayerItem *> applyImages(const QString &typeKey, SectionItems *section, const QJsonObject &answer,
                                const QUrl &serverUrl = QUrl());

// The web address of a player's server, for its relative image uris.
QUrl serverUrl(const QString &host, const QString &port);

}
