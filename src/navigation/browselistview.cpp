#include "navigation/browselistview.h"

#include "app/logcategories.h"
#include "images/backupimagedownloader.h"
#include "images/imagedownloader.h"
#include "navigation/navigationdocuments.h"
#include "player/browsereference.h"
#include "player/playeritem.h"
#include "player/sectionitems.h"

#include <QJsonObject>

namespace {
const char *const BrowseListDocument = "qrc:/Qml/MusicLibrary/BrowseList.qml";
const char *const SearchDocument = "qrc:/Qml/MusicLibrary/SearchRootView.qml";
const char *const PlaylistsDocument = "qrc:/Qml/Playlists/PlaylistRootView.qml";
}

BrowseListView::BrowseListView(QQuickItem *parent)
    : NavigationView(parent)
{
    setTitle(tr("Library"));
}

BrowseListView::~BrowseListView() = default;

void BrowseListView::setLoading(bool loading)
{
    m_loading = loading;
    emit loadingChanged();
}

void BrowseListView::setMessage(const QString &message)
{
    m_message = message;
    emit messageChanged();
}

void BrowseListView::setSections(const BrowseSections::SectionMap &sections)
{
    for (auto it = m_sections.constBegin(); it != m_sections.constEnd(); ++it) {
        SectionItems *old = it.value();
        if (old && !sections.values().contains(old))
            old->deleteLater();
    }
    m_sections = sections;
    for (SectionItems *section : qAsConst(m_sections)) {
        if (section)
            section->setParent(this);
    }
    m_askedLookup.clear();
    m_askedImages.clear();
    m_loading = false;
    emit loadingChanged();
    emit rowTypesChanged();
}

QQmlListProperty<PlayerItem> BrowseListView::allSortedItems()
{
    // Built once per read: the list view then asks for the count and for
    // every index of this one list.
    m_sortedItems.clear();
    buildSortedItems(&m_sortedItems);
    return QQmlListProperty<PlayerItem>(this, &m_sortedItems, &BrowseListView::itemCount, &BrowseListView::itemAt);
}

void BrowseListView::buildSortedItems(QList<PlayerItem *> *items)
{
    *items = BrowseSections::flatten(m_rowTypes, m_sections);
}

int BrowseListView::itemCount(QQmlListProperty<PlayerItem> *list)
{
    return static_cast<QList<PlayerItem *> *>(list->data)->size();
}

PlayerItem *BrowseListView::itemAt(QQmlListProperty<PlayerItem> *list, int index)
{
    const auto *items = static_cast<QList<PlayerItem *> *>(list->data);
    return index >= 0 && index < items->size() ? items->at(index) : nullptr;
}

QList<PlayerItem *> BrowseListView::entriesFrom(const QString &uri) const
{
    return BrowseSections::itemsFrom(m_rowTypes, m_sections, uri);
}

QStringList BrowseListView::urisFrom(const QString &uri) const
{
    return BrowseSections::urisFrom(m_rowTypes, m_sections, uri);
}

BrowseReference *BrowseListView::reference(const QString &typeKey, const QStringList &uris)
{
    // Owned by the view; the controller holds it weakly until the answer.
    auto *ref = new BrowseReference(this);
    ref->setTypeKey(typeKey);
    ref->setUris(uris);
    ref->setView(this);
    return ref;
}

void BrowseListView::requireLookup(int startIndex, int endIndex)
{
    const QList<BrowseSections::LookupRequest> requests =
        BrowseSections::lookupWindow(m_rowTypes, m_sections, startIndex, endIndex, &m_askedLookup, &m_askedImages);
    for (const BrowseSections::LookupRequest &request : requests) {
        if (!request.lookup.isEmpty())
            emit lookup(reference(request.typeKey, request.lookup));
        if (!request.images.isEmpty())
            emit lookupImages(reference(request.typeKey, request.images));
    }
}

void BrowseListView::applyLookupResult(const QString &typeKey, const QJsonValue &v)
{
    // A search page may hold several sections of one key; each takes the
    // entries of the answer it holds.
    const QList<SectionItems *> sections = m_sections.values(typeKey);
    if (!m_rowTypes.contains(typeKey) || sections.isEmpty() || !v.isObject()) {
        qCDebug(lcNavigation) << "lookup answer for" << typeKey << "dropped";
        return;
    }
    const QJsonObject answer = v.toObject();
    for (SectionItems *section : sections)
        BrowseSections::applyLookup(typeKey, section, answer);
    emit needRefresh();
}

void BrowseListView::applyImagesResult(const QString &typeKey, const QJsonValue &v, const QUrl &serverUrl)
{
    const QList<SectionItems *> sections = m_sections.values(typeKey);
    if (!m_rowTypes.contains(typeKey) || sections.isEmpty() || !v.isObject()) {
        qCDebug(lcNavigation) << "image answer for" << typeKey << "dropped";
        return;
    }
    const QJsonObject answer = v.toObject();
    QList<PlayerItem *> fallback;
    for (SectionItems *section : sections)
        fallback << BrowseSections::applyImages(typeKey, section, answer, serverUrl);
    emit needRefresh();
    if (fallback.isEmpty())
        return;
    // One downloader per batch: a new batch on a shared one would abandon
    // the batch still running.
    auto *downloader = new BackupImageDownloader;
    downloader->setParent(this);
    connect(downloader, &BackupImageDownloader::imagesDownloaded, this, &BrowseListView::needRefresh);
    connect(downloader, &BackupImageDownloader::imagesDownloaded, downloader, &QObject::deleteLater);
    downloader->download(fallback);
}

NavigationView *BrowseListView::createView(const QString &url)
{
    QObject *object = NavigationDocuments::create(this, url);
    auto *view = qobject_cast<NavigationView *>(object);
    if (!view) {
        delete object;
        return nullptr;
    }
    // Owned by the stack's item, so that the view outlives this one.
    view->setParent(parentItem() ? static_cast<QObject *>(parentItem()) : parent());
    return view;
}

void BrowseListView::requirePushView(const QString &uri, const QString &title)
{
    QString url = QLatin1String(BrowseListDocument);
    if (uri.startsWith(QLatin1String("search")))
        url = QLatin1String(SearchDocument);
    else if (uri.startsWith(QLatin1String("playlist")))
        url = QLatin1String(PlaylistsDocument);
    NavigationView *view = createView(url);
    if (!view)
        return;
    view->setTitle(title);
    auto *list = qobject_cast<BrowseListView *>(view);
    const bool browses = url == QLatin1String(BrowseListDocument) && list;
    if (browses) {
        list->setLoading(true);
        list->m_uri = uri;
        emit list->uriChanged();
        list->setPlayingUri(m_playingUri);
    }
    emit pushView(view);
    if (browses)
        emit browse(list, uri);
}

void BrowseListView::setPlayingUri(const QString &uri)
{
    if (uri == m_playingUri)
        return;
    m_playingUri = uri;
    emit playingUriChanged();
}

void BrowseListView::requestImage(const QString &uri, QQuickItem *item)
{
    if (!item || uri.isEmpty())
        return;
    ImageDownloader *downloader = ImageDownloader::instance();
    if (downloader->contains(uri))
        item->setProperty("imgSource", uri);
    else
        downloader->requestImage(uri, item);
}

void BrowseListView::discardImage(const QString &uri, QQuickItem *item)
{
    ImageDownloader::instance()->discardImage(uri, item);
}
