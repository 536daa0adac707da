#include "navigation/searchrootview.h"

#include "app/logcategories.h"
#include "player/album.h"
#include "player/sectionitems.h"
#include "player/song.h"
#include "settings/dynamictranslator.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {
const char *const BrowseListDocument = "qrc:/Qml/MusicLibrary/BrowseList.qml";

struct ResultKind
{
    const char *answerKey;
    const char *type;
};
// Within one result set the keys always come in this order.
const ResultKind ResultKinds[] = { { "artists", "artist" }, { "albums", "album" }, { "tracks", "track" } };

// Appends to the section an entry of the class its type calls for.
void addEntry(SectionItems *section, const QString &type, const QString &uri, const QString &name)
{
    PlayerItem *item = nullptr;
    if (type == QLatin1String("album"))
        item = new Album(section);
    else if (type == QLatin1String("track"))
        item = new Song(section);
    else
        item = new PlayerItem(section);
    item->setUri(uri);
    item->setName(name);
    item->setType(type);
    section->append(uri, item);
}
}

SearchRootView::SearchRootView(QQuickItem *parent)
    : BrowseListView(parent)
{
    setTitle(tr("Search"));
}

bool SearchRootView::applySearchResult(const QJsonValue &v)
{
    if (!v.isArray()) {
        qCDebug(lcNavigation) << "search answer is not a list of result sets, page left as it is";
        setLoading(false);
        return false;
    }
    QStringList types;
    BrowseSections::SectionMap sections;
    bool found = false;
    for (const QJsonValue &set : v.toArray()) {
        const QJsonObject result = set.toObject();
        for (const ResultKind &kind : ResultKinds) {
            const QJsonValue list = result.value(QLatin1String(kind.answerKey));
            if (!list.isArray())
                continue;
            const QString type = QLatin1String(kind.type);
            auto *section = new SectionItems(this);
            for (const QJsonValue &element : list.toArray()) {
                const QJsonObject o = element.toObject();
                addEntry(section, type, o.value(QLatin1String("uri")).toString(), o.value(QLatin1String("name")).toString());
            }
            found = found || section->count() > 0;
            types.append(type);
            sections.insert(type, section);
        }
    }
    setRowTypes(types);
    setSections(sections);
    setMessage(found ? QString() : tr("Nothing found"));
    return true;
}

void SearchRootView::clearResults()
{
    setRowTypes(QStringList());
    setSections(BrowseSections::SectionMap());
    setMessage(QString());
    setLoading(false);
    emit resultsCleared();
}

QList<SearchRootView::Shown> SearchRootView::shownSections() const
{
    // Newest result set first: walk the keys from the last, taking for each
    // the next section of that key not yet shown, newest first.
    QList<Shown> shown;
    QHash<QString, int> used;
    const QStringList &types = rowTypes();
    for (int i = types.size() - 1; i >= 0; --i) {
        const QString &key = types.at(i);
        const QList<SectionItems *> ofKey = sections().values(key);
        const int n = used[key]++;
        if (n >= ofKey.size())
            continue;
        SectionItems *section = ofKey.at(n);
        shown.append({ key, section, qMin(section->count(), int(SectionPreview)) });
    }
    return shown;
}

void SearchRootView::buildSortedItems(QList<PlayerItem *> *items)
{
    items->clear();
    for (const Shown &s : shownSections())
        *items << s.section->items().mid(0, s.rows);
}

void SearchRootView::requireLookup(int startIndex, int endIndex)
{
    // The rows asked for are the rows on screen and ten on either side, in
    // the order shown.
    startIndex -= 10;
    endIndex += 10;
    int offset = 0;
    for (const Shown &s : shownSections()) {
        const int from = qMax(startIndex - offset, 0);
        const int to = qMin(endIndex - offset, s.rows);
        offset += s.rows;
        if (from >= to)
            continue;
        const BrowseSections::LookupRequest request = BrowseSections::lookupRows(s.key, s.section, from, to,
                                                                                 askedLookup(), askedImages());
        if (!request.lookup.isEmpty())
            emit lookup(reference(request.typeKey, request.lookup));
        if (!request.images.isEmpty())
            emit lookupImages(reference(request.typeKey, request.images));
    }
}

int SearchRootView::sectionCount(const QString &key) const
{
    const SectionItems *newest = sections().value(key);
    return newest ? newest->count() : 0;
}

void SearchRootView::showSectionDetails(const QString &section)
{
    SectionItems *newest = sections().value(section);
    if (!newest || newest->count() <= SectionPreview)
        return;
    auto *list = qobject_cast<BrowseListView *>(createView(QLatin1String(BrowseListDocument)));
    if (!list)
        return;
    list->setTitle(DynamicTranslator::label(section));
    // Pushed first, so that its first lookups reach the controller.
    emit pushView(list);
    // The whole section, copied: this page keeps its own.
    auto *copy = new SectionItems(list);
    for (const PlayerItem *item : newest->items())
        addEntry(copy, section, item->uri(), item->name());
    list->setRowTypes({ section });
    list->setSections({ { section, copy } });
}
