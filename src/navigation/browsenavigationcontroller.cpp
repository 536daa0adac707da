#include "navigation/browsenavigationcontroller.h"

#include "app/logcategories.h"
#include "images/imagedownloader.h"
#include "model/tavirel.h"
#include "navigation/browselistview.h"
#include "navigation/browsesections.h"
#include "navigation/navigationbar.h"
#include "navigation/navigationdocuments.h"
#include "navigation/searchrootview.h"
#include "player/browsereference.h"
#include "player/playeritem.h"
#include "player/sectionitems.h"
#include "player/song.h"
#include "player/tavirelplayer.h"

#include <QJsonArray>
#include <QVariant>

namespace {
const char *const BrowseListDocument = "qrc:/Qml/MusicLibrary/BrowseList.qml";
const char *const SaveDialogDocument = "qrc:/Qml/PlaylistSaveDialog.qml";
const char *const DeleteDialogDocument = "qrc:/Qml/Playlists/PlaylistDeleteDialog.qml";
const char *const PlaylistEntriesDocument = "qrc:/Qml/Playlists/PlaylistEntriesView.qml";
// Songs handed to a playlist edit are read when the server answers its
// lookup; they are kept this long.
constexpr int PlaylistEditKeepMs = 60000;

bool isPlaylistRoot(const QObject *view)
{
    return view && view->inherits("PlaylistRootView");
}
}

BrowseNavigationController::BrowseNavigationController(QQuickItem *parent)
    : NavigationController(parent)
{
    m_emptyRootTimer.setSingleShot(true);
    connect(&m_emptyRootTimer, &QTimer::timeout, this, &BrowseNavigationController::retryEmptyRoot);
}

BrowseNavigationController::~BrowseNavigationController() = default;

Tavirel *BrowseNavigationController::currTavirel() const
{
    return qobject_cast<Tavirel *>(m_tavirel.data());
}

void BrowseNavigationController::setCurrTavirel(Tavirel *tavirel)
{
    if (m_tavirel)
        disconnect(m_tavirel, nullptr, this, nullptr);
    m_tavirel = tavirel;
    emit currTavirelChanged();
    // Every sources message gives the device new player objects.
    if (tavirel)
        connect(tavirel, &Tavirel::sourcesChanged, this, &BrowseNavigationController::browsePlayerChanged);
    browsePlayerChanged();
    m_emptyRootDelay = EmptyRootFirstDelayMs;
    m_emptyRootTimer.stop();
    sendRootBrowse(qobject_cast<BrowseListView *>(rootView()), QString());
    for (NavigationView *view : views()) {
        if (isPlaylistRoot(view))
            view->setProperty("currTavirel", QVariant::fromValue(tavirel));
    }
}

void BrowseNavigationController::browsePlayerChanged()
{
    Tavirel *tavirel = currTavirel();
    if (m_singlePlayer)
        m_browsePlayer = m_currentPlayer;
    else
        m_browsePlayer = tavirel ? tavirel->getPlayerForBrowse() : nullptr;
}

TavirelPlayer *BrowseNavigationController::currentPlayer() const
{
    return m_currentPlayer;
}

void BrowseNavigationController::setCurrentPlayer(TavirelPlayer *player)
{
    m_currentPlayer = player;
    if (m_singlePlayer)
        m_browsePlayer = player;
    emit currentPlayerChanged();
    for (NavigationView *view : views()) {
        if (isPlaylistRoot(view))
            view->setProperty("currPlayer", QVariant::fromValue(player));
    }
}

void BrowseNavigationController::setMoreMenu(QQuickItem *menu)
{
    m_moreMenu = menu;
    emit moreMenuChanged();
}

void BrowseNavigationController::setMoreMenuPl(QQuickItem *menu)
{
    m_moreMenuPl = menu;
    emit moreMenuPlChanged();
}

void BrowseNavigationController::initNavigationBar()
{
    NavigationController::initNavigationBar();
    if (navigationBar())
        connect(navigationBar(), SIGNAL(secondRight()), this, SLOT(secRightButtonClicked()));
}

void BrowseNavigationController::initRootView()
{
    QObject *object = NavigationDocuments::create(this, QLatin1String(BrowseListDocument));
    auto *root = qobject_cast<BrowseListView *>(object);
    if (!root) {
        delete object;
        return;
    }
    root->setParent(this);
    setRootView(root);
    connect(root, &BrowseListView::browse, this, &BrowseNavigationController::sendBrowse);
    connect(root, &BrowseListView::lookup, this, &BrowseNavigationController::sendLookup);
    connect(root, &BrowseListView::lookupImages, this, &BrowseNavigationController::sendLookupImages);
    connect(root, &NavigationView::presented, this, &BrowseNavigationController::rootPresented);
    connect(root, &NavigationView::dismissed, &m_emptyRootTimer, &QTimer::stop);
    sendRootBrowse(root, QString());
}

// Requests

void BrowseNavigationController::sendRootBrowse(BrowseListView *v, const QString &uri)
{
    if (!v)
        return;
    if (!m_browsePlayer || !m_browsePlayer->isConnected()) {
        // Asked again while the root is shown, as for an empty library.
        v->setLoading(false);
        v->setMessage(m_browsePlayer ? tr("The media player is not connected.")
                                     : tr("This device has no media player to browse."));
        if (v == rootView())
            scheduleRootRetry();
        return;
    }
    const int id = m_browsePlayer->actionBrowse(uri, this, "browseRootResultReceived");
    m_pendingViews.insert(id, v);
    v->setLoading(true);
}

void BrowseNavigationController::sendBrowse(BrowseListView *v, const QString &uri)
{
    if (!v)
        return;
    if (!m_browsePlayer || !m_browsePlayer->isConnected()) {
        v->setLoading(false);
        v->setMessage(tr("The media player is not connected."));
        return;
    }
    const int id = m_browsePlayer->actionBrowse(uri, this, "browseResultReceived");
    m_pendingViews.insert(id, v);
}

void BrowseNavigationController::sendSearch(SearchRootView *v, const QString &text, const QString &filter)
{
    if (!v || text.trimmed().isEmpty())
        return;
    if (!m_browsePlayer || !m_browsePlayer->isConnected()) {
        v->setMessage(tr("The media player is not connected."));
        return;
    }
    const int id = m_browsePlayer->actionSearch(text.trimmed(), filter, this, "searchResultReceived");
    m_pendingViews.insert(id, v);
    v->setMessage(QString());
    v->setLoading(true);
}

void BrowseNavigationController::sendLookup(BrowseReference *ref)
{
    if (!ref || !m_browsePlayer)
        return;
    m_pendingRefs.insert(m_browsePlayer->actionLookup(ref->uris(), this, "browseLookupReceived"), ref);
}

void BrowseNavigationController::sendLookupImages(BrowseReference *ref)
{
    if (!ref || !m_browsePlayer)
        return;
    m_pendingRefs.insert(m_browsePlayer->actionLookupImages(ref->uris(), this, "browseImagesReceived"), ref);
}

void BrowseNavigationController::sendPlayAt(const QStringList &uris, const char *handler)
{
    if (!m_currentPlayer || uris.isEmpty())
        return;
    m_pendingPlays.insert(m_currentPlayer->actionPlayIndex(this, handler), uris);
}

void BrowseNavigationController::sendPlayNow(const QStringList &uris)
{
    sendPlayAt(uris, "browsePlayIndex");
}

BrowseListView *BrowseNavigationController::createPlaylistTracks(const QString &title)
{
    QObject *object = NavigationDocuments::create(this, QLatin1String(BrowseListDocument));
    auto *view = qobject_cast<BrowseListView *>(object);
    if (!view) {
        delete object;
        return nullptr;
    }
    view->setParent(this);
    view->setProperty("insidePlaylistView", true);
    view->setTitle(title);
    return view;
}

void BrowseNavigationController::sendBrowseList(const QString &uri, const QString &title)
{
    BrowseListView *view = createPlaylistTracks(title);
    if (!view)
        return;
    pushView(view);
    setSecondRightVisible(false);
    sendPlaylistBrowse(view, uri);
}

void BrowseNavigationController::sendPlaylistBrowse(BrowseListView *view, const QString &uri)
{
    if (!m_browsePlayer)
        return;
    view->setLoading(true);
    m_pendingViews.insert(m_browsePlayer->actionBrowsePlaylist(uri, this, "browseResultReceived"), view);
}

void BrowseNavigationController::requireLookup(int startIndex, int endIndex)
{
    if (!m_browsePlayer)
        return;
    const QList<PlayerItem *> &playlists = m_browsePlayer->playlists();
    const int from = qMax(startIndex - 10, 0);
    const int to = qMin(endIndex + 10, playlists.size());
    QStringList uris;
    for (int i = from; i < to; ++i) {
        const PlayerItem *playlist = playlists.at(i);
        if (!playlist->hasImages() && !uris.contains(playlist->uri()))
            uris.append(playlist->uri());
    }
    if (!uris.isEmpty())
        m_browsePlayer->actionPlaylistLookup(uris);
}

// Results

BrowseListView *BrowseNavigationController::pendingView(int responseId)
{
    const QPointer<NavigationView> view = m_pendingViews.take(responseId);
    if (!view || !views().contains(view.data())) {
        qCDebug(lcNavigation) << "result" << responseId << "has no view on the stack, dropped";
        return nullptr;
    }
    return qobject_cast<BrowseListView *>(view.data());
}

void BrowseNavigationController::searchResultReceived(int responseId, const QJsonValue &v)
{
    if (auto *view = qobject_cast<SearchRootView *>(pendingView(responseId)))
        view->applySearchResult(v);
}

void BrowseNavigationController::browseRootResultReceived(int responseId, const QJsonValue &v)
{
    BrowseListView *view = pendingView(responseId);
    if (!view)
        return;
    QStringList types { QStringLiteral("directory") };
    BrowseSections::SectionMap sections;
    auto *folders = new SectionItems(view);
    sections.insert(types.first(), folders);
    auto addFolder = [folders](const QString &uri, const QString &name) {
        auto *item = new PlayerItem(folders);
        item->setUri(uri);
        item->setName(name);
        item->setType(QStringLiteral("directory"));
        folders->append(uri, item);
    };
    addFolder(QStringLiteral("search:"), tr("Search"));

    const bool empty = v.isArray() && v.toArray().isEmpty();
    if (v.isArray())
        BrowseSections::addRefs(v.toArray(), &types, &sections, view);
    addFolder(QStringLiteral("playlist:"), tr("Playlists"));
    view->setRowTypes(types);
    view->setSections(sections);

    // An empty library is asked again, but with a growing pause and only
    // while the root is on screen, so an empty server is not flooded.
    view->setMessage(empty ? tr("The library is empty") : QString());
    if (empty) {
        scheduleRootRetry();
    } else {
        m_rootPending = false;
        m_emptyRootDelay = EmptyRootFirstDelayMs;
        m_emptyRootTimer.stop();
    }
}

void BrowseNavigationController::scheduleRootRetry()
{
    m_rootPending = true;
    if (topView() != rootView() || m_emptyRootTimer.isActive())
        return;
    m_emptyRootTimer.start(m_emptyRootDelay);
    m_emptyRootDelay = qMin(m_emptyRootDelay * 2, int(EmptyRootMaxDelayMs));
}

void BrowseNavigationController::rootPresented()
{
    if (m_rootPending)
        scheduleRootRetry();
}

void BrowseNavigationController::retryEmptyRoot()
{
    if (m_rootPending && topView() == rootView())
        sendRootBrowse(qobject_cast<BrowseListView *>(rootView()), QString());
}

void BrowseNavigationController::browseResultReceived(int responseId, const QJsonValue &v)
{
    BrowseListView *view = pendingView(responseId);
    if (!view)
        return;
    if (!v.isArray()) {
        qCDebug(lcNavigation) << "browse answer is not a list, view left as it is";
        view->setLoading(false);
        return;
    }
    QStringList types;
    BrowseSections::SectionMap sections;
    BrowseSections::addRefs(v.toArray(), &types, &sections, view);
    view->setRowTypes(types);
    view->setSections(sections);
}

void BrowseNavigationController::browseLookupReceived(int responseId, const QJsonValue &v)
{
    const QPointer<BrowseReference> ref = m_pendingRefs.take(responseId);
    if (!ref)
        return;
    auto *view = qobject_cast<BrowseListView *>(ref->view());
    if (view && views().contains(view))
        view->applyLookupResult(ref->typeKey(), v);
    ref->deleteLater();
}

void BrowseNavigationController::browseImagesReceived(int responseId, const QJsonValue &v)
{
    const QPointer<BrowseReference> ref = m_pendingRefs.take(responseId);
    if (!ref)
        return;
    auto *view = qobject_cast<BrowseListView *>(ref->view());
    if (view && views().contains(view)) {
        const QUrl server = m_browsePlayer ? BrowseSections::serverUrl(m_browsePlayer->ipAddress(), m_browsePlayer->port())
                                           : QUrl();
        view->applyImagesResult(ref->typeKey(), v, server);
    }
    ref->deleteLater();
}

void BrowseNavigationController::playAtIndex(int responseId, const QJsonValue &v, bool play)
{
    if (!m_pendingPlays.contains(responseId))
        return;
    const QStringList uris = m_pendingPlays.take(responseId);
    const int index = v.isDouble() ? v.toInt() : -1;
    if (m_currentPlayer)
        m_currentPlayer->actionPlayAdd(uris, index == -1 ? -1 : index + 1, play);
}

void BrowseNavigationController::browsePlayIndex(int responseId, const QJsonValue &v)
{
    playAtIndex(responseId, v, true);
}

void BrowseNavigationController::browsePlayAfterIndex(int responseId, const QJsonValue &v)
{
    playAtIndex(responseId, v, false);
}

// Menus

BrowseListView *BrowseNavigationController::topBrowseList() const
{
    return qobject_cast<BrowseListView *>(topView());
}

void BrowseNavigationController::raiseMenu(QQuickItem *menu)
{
    if (!menu)
        return;
    if (NavigationView *top = topView())
        menu->setZ(top->z() + 1);
    menu->setProperty("y", 0);
}

void BrowseNavigationController::openMenuWithItem(PlayerItem *item)
{
    if (!m_moreMenu)
        return;
    m_moreMenu->setProperty("selectedItem", QVariant::fromValue(item));
    m_moreMenu->setProperty("selectedPlayer", QVariant::fromValue(m_currentPlayer.data()));
    raiseMenu(m_moreMenu);
}

void BrowseNavigationController::openMenuWithItemPl(PlayerItem *item)
{
    if (!m_moreMenuPl)
        return;
    m_moreMenuPl->setProperty("selectedItem", QVariant::fromValue(item));
    raiseMenu(m_moreMenuPl);
}

void BrowseNavigationController::menuActionForItem(const QString &action, PlayerItem *item)
{
    if (!item)
        return;
    BrowseListView *top = topBrowseList();
    if (action == QLatin1String("It_ShowAlbum")) {
        auto *song = qobject_cast<Song *>(item);
        if (song && top && !song->albumUri().isEmpty())
            top->requirePushView(song->albumUri(), song->album());
        return;
    }
    QStringList uris;
    if (action.endsWith(QLatin1String("_All")) && top)
        uris = top->urisFrom(item->uri());
    if (uris.isEmpty())
        uris = QStringList { item->uri() };
    if (action.startsWith(QLatin1String("It_PlayNow")))
        sendPlayNow(uris);
    else if (action == QLatin1String("It_PlayAfter"))
        sendPlayAt(uris, "browsePlayAfterIndex");
    else if (action.startsWith(QLatin1String("It_AddToQueue")) && m_currentPlayer)
        m_currentPlayer->actionPlayAdd(uris, -1, false);
}

void BrowseNavigationController::menuActionForItemPL(const QString &action, PlayerItem *item, const QString &uri)
{
    if (!item || !m_currentPlayer)
        return;
    if (item->type() == QLatin1String("album")) {
        m_pendingPlaylistUri = uri;
        m_currentPlayer->actionBrowse(item->uri(), this, "albumBrowseReceived");
        return;
    }
    QList<PlayerItem *> songs;
    BrowseListView *top = topBrowseList();
    if (action.endsWith(QLatin1String("_All")) && top)
        songs = top->entriesFrom(item->uri());
    if (songs.isEmpty())
        songs = QList<PlayerItem *> { item };
    m_currentPlayer->actionEditPlaylistWithUris(uri, songs);
}

void BrowseNavigationController::albumBrowseReceived(const QJsonValue &v)
{
    if (!v.isArray() || !m_currentPlayer || m_pendingPlaylistUri.isEmpty())
        return;
    // The songs live beside the player until it has read them.
    auto *holder = new QObject(m_currentPlayer);
    QList<PlayerItem *> songs;
    for (const QJsonValue &value : v.toArray()) {
        const QJsonObject ref = value.toObject();
        if (ref.value(QLatin1String("type")).toString() != QLatin1String("track"))
            continue;
        auto *song = new Song(holder);
        song->setUri(ref.value(QLatin1String("uri")).toString());
        song->setName(ref.value(QLatin1String("name")).toString());
        songs.append(song);
    }
    QTimer::singleShot(PlaylistEditKeepMs, holder, &QObject::deleteLater);
    if (!songs.isEmpty())
        m_currentPlayer->actionEditPlaylistWithUris(m_pendingPlaylistUri, songs);
}

void BrowseNavigationController::menuActionForItemPlaylist(const QString &action, PlayerItem *item)
{
    if (!item)
        return;
    if (action == QLatin1String("It_PlayNow")) {
        if (m_currentPlayer)
            m_currentPlayer->actionOpenPlaylistWithUri(item->uri());
    } else if (action == QLatin1String("It_AddToQueue")) {
        if (m_currentPlayer)
            m_currentPlayer->actionAddPlaylistWithUri(item->uri());
    } else if (action == QLatin1String("It_Rename")) {
        // The field starts from the present name, to be edited.
        if (QQuickItem *dialog = showPlaylistDialog(QLatin1String(SaveDialogDocument), item->uri(), true))
            dialog->setProperty("playlistName", item->name());
    } else if (action == QLatin1String("It_Delete")) {
        showPlaylistDialog(QLatin1String(DeleteDialogDocument), item->uri(), false);
    } else if (action == QLatin1String("It_Associate")) {
        // The device's messages separate fields with these: such a uri would
        // come back cut short.
        if (item->uri().contains(QLatin1Char('@')) || item->uri().contains(QLatin1Char('|')))
            showNotice(tr("This playlist's name cannot be stored on the Tavirel"));
        else
            pushPlaylistEntries(item);
    }
}

void BrowseNavigationController::showNotice(const QString &text)
{
    if (NavigationView *top = topView())
        top->setProperty("notice", text);
}

void BrowseNavigationController::pushPlaylistEntries(PlayerItem *item)
{
    QObject *object = NavigationDocuments::create(this, QLatin1String(PlaylistEntriesDocument));
    auto *view = qobject_cast<NavigationView *>(object);
    if (!view) {
        delete object;
        return;
    }
    view->setParent(this);
    pushView(view);
    setSecondRightVisible(false);
    view->setProperty("plRef", item->uri());
    view->setProperty("currPlayer", QVariant::fromValue(m_browsePlayer.data()));
    view->setProperty("currTavirel", QVariant::fromValue(currTavirel()));
    view->setProperty("enableSelection", true);
}

// Dialogs

QQuickItem *BrowseNavigationController::createItem(const QString &url, QQuickItem *visualParent)
{
    QObject *object = NavigationDocuments::create(this, url);
    auto *item = qobject_cast<QQuickItem *>(object);
    if (!item) {
        delete object;
        return nullptr;
    }
    item->setParent(this);
    item->setParentItem(visualParent);
    return item;
}

QQuickItem *BrowseNavigationController::showPlaylistDialog(const QString &url, const QString &uri, bool rename)
{
    QQuickItem *holder = parentItem() && parentItem()->parentItem() ? parentItem()->parentItem() : parentItem();
    QQuickItem *dialog = createItem(url, holder);
    if (!dialog)
        return nullptr;
    const bool create = uri.isNull();
    const bool remove = !create && !rename;
    if (create) {
        dialog->setProperty("headTitle", tr("New Playlist"));
        dialog->setProperty("bodyMessage", tr("Create new playlist with name"));
        dialog->setProperty("okBtnText", tr("Save"));
    } else if (rename) {
        dialog->setProperty("headTitle", tr("Rename"));
        dialog->setProperty("bodyMessage", tr("Rename current playlist with name"));
        dialog->setProperty("okBtnText", tr("Rename"));
    } else {
        dialog->setProperty("headTitle", tr("Delete"));
        dialog->setProperty("bodyMessage", tr("Do you want to delete the playlist?"));
        dialog->setProperty("okBtnText", tr("Delete"));
    }
    dialog->setProperty("cancBtnText", tr("Cancel"));
    if (!create)
        dialog->setProperty("playlistUri", uri);
    // Above the library popup, which is a sibling of the dialog.
    if (parentItem())
        dialog->setZ(parentItem()->z() + 1);
    dialog->setVisible(true);
    connect(dialog, SIGNAL(close(QQuickItem*)), this, SLOT(closeDialog(QQuickItem*)));
    if (create)
        connect(dialog, SIGNAL(createPlaylist(QString)), this, SLOT(createPlaylist(QString)));
    else if (rename)
        connect(dialog, SIGNAL(renamePlaylist(QString,QString)), this, SLOT(renamePlaylist(QString,QString)));
    else if (remove)
        connect(dialog, SIGNAL(confirmDelete(QString)), this, SLOT(deletePlaylist(QString)));
    return dialog;
}

void BrowseNavigationController::secRightButtonClicked()
{
    showPlaylistDialog(QLatin1String(SaveDialogDocument), QString(), false);
}

void BrowseNavigationController::closeDialog(QQuickItem *dialog)
{
    if (!dialog)
        return;
    dialog->setParentItem(nullptr);
    dialog->deleteLater();
}

void BrowseNavigationController::createPlaylist(const QString &name)
{
    if (m_browsePlayer)
        m_browsePlayer->actionCreatePlaylist(name, false);
}

void BrowseNavigationController::renamePlaylist(const QString &uri, const QString &name)
{
    // The device would refuse the name silently: say why nothing happens.
    if (name.contains(QLatin1Char('@')) || name.contains(QLatin1Char('|'))) {
        showNotice(tr("A playlist name on the Tavirel cannot contain \"@\" or \"|\""));
        return;
    }
    if (Tavirel *tavirel = currTavirel())
        tavirel->actionRenamePlaylist(uri, name);
}

void BrowseNavigationController::deletePlaylist(const QString &uri)
{
    if (Tavirel *tavirel = currTavirel())
        tavirel->actionDeletePlaylist(uri);
}

void BrowseNavigationController::requestImage(const QString &uri, QQuickItem *item)
{
    if (!item || uri.isEmpty())
        return;
    ImageDownloader *downloader = ImageDownloader::instance();
    if (downloader->contains(uri))
        QMetaObject::invokeMethod(item, "updateImage", Q_ARG(QVariant, uri));
    else
        downloader->requestImage(uri, item);
}

void BrowseNavigationController::discardImage(const QString &uri, QQuickItem *item)
{
    ImageDownloader::instance()->discardImage(uri, item);
}

// The stack

void BrowseNavigationController::setSecondRightVisible(bool visible)
{
    setBarProperty("secRightVisible", visible);
}

void BrowseNavigationController::pushView(NavigationView *view)
{
    if (!view || views().contains(view))
        return;
    NavigationController::pushView(view);
    if (isPlaylistRoot(view)) {
        setBarProperty("secRightText", tr("Add"));
        setSecondRightVisible(true);
        wirePlaylistRoot(view, SLOT(openMenuWithItemPl(PlayerItem*)), SLOT(sendBrowseList(QString,QString)));
        return;
    }
    if (auto *search = qobject_cast<SearchRootView *>(view)) {
        search->setProperty("filters", m_browsePlayer ? m_browsePlayer->filters() : QStringList());
        connect(search, &SearchRootView::search, this, &BrowseNavigationController::sendSearch);
    }
    if (auto *list = qobject_cast<BrowseListView *>(view)) {
        connect(list, &BrowseListView::browse, this, &BrowseNavigationController::sendBrowse);
        connect(list, &BrowseListView::lookup, this, &BrowseNavigationController::sendLookup);
        connect(list, &BrowseListView::lookupImages, this, &BrowseNavigationController::sendLookupImages);
        connect(list, &BrowseListView::playNow, this, &BrowseNavigationController::sendPlayNow);
        connect(list, &BrowseListView::openMenuWithItem, this, &BrowseNavigationController::openMenuWithItem);
    }
}

void BrowseNavigationController::wirePlaylistRoot(NavigationView *view, const char *menuSlot, const char *browseSlot)
{
    view->setProperty("currTavirel", QVariant::fromValue(currTavirel()));
    view->setProperty("currPlayer", QVariant::fromValue(m_currentPlayer.data()));
    connect(view, SIGNAL(openMenuWithItem(PlayerItem*)), this, menuSlot);
    connect(view, SIGNAL(requireBrowseForUri(QString,QString)), this, browseSlot);
    connect(view, SIGNAL(requestImage(QString,QQuickItem*)), this, SLOT(requestImage(QString,QQuickItem*)));
    connect(view, SIGNAL(discardImage(QString,QQuickItem*)), this, SLOT(discardImage(QString,QQuickItem*)));
    connect(view, SIGNAL(requireLookup(int,int)), this, SLOT(requireLookup(int,int)));
}

void BrowseNavigationController::forgetPendingOf(NavigationView *view)
{
    for (auto it = m_pendingViews.begin(); it != m_pendingViews.end();) {
        if (!it.value() || it.value() == view)
            it = m_pendingViews.erase(it);
        else
            ++it;
    }
    for (auto it = m_pendingRefs.begin(); it != m_pendingRefs.end();) {
        if (!it.value() || it.value()->view() == view)
            it = m_pendingRefs.erase(it);
        else
            ++it;
    }
}

void BrowseNavigationController::popLastView()
{
    if (views().size() < 2)
        return;
    NavigationView *top = topView();
    forgetPendingOf(top);
    if (isPlaylistRoot(top))
        setSecondRightVisible(false);
    NavigationController::popLastView();
    if (isPlaylistRoot(topView()))
        setSecondRightVisible(true);
}

void BrowseNavigationController::popToRootView()
{
    for (NavigationView *view : views()) {
        forgetPendingOf(view);
        if (isPlaylistRoot(view))
            setSecondRightVisible(false);
    }
    NavigationController::popToRootView();
}
