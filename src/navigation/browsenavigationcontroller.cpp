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
#include "views/documentitem.h"
#include "views/notices.h"

#include <QJsonArray>
#include <QPointer>
#include <QVariant>
#include <algorithm>

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
    // A sources message may give the device other players.
    if (tavirel)
        connect(tavirel, &Tavirel::sourcesChanged, this, &BrowseNavigationController::browsePlayerChanged);
    // The root is asked once below, not also as what it still waited for.
    forgetPendingOf(rootView(), true);
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
    TavirelPlayer *previous = m_browsePlayer;
    if (m_singlePlayer)
        m_browsePlayer = m_currentPlayer;
    else
        m_browsePlayer = tavirel ? tavirel->getPlayerForBrowse() : nullptr;
    if (!m_singlePlayer)
        playerRebound(LibrarySide, previous, m_browsePlayer);
}

TavirelPlayer *BrowseNavigationController::currentPlayer() const
{
    return m_currentPlayer;
}

void BrowseNavigationController::setCurrentPlayer(TavirelPlayer *player)
{
    TavirelPlayer *previous = m_currentPlayer;
    m_currentPlayer = player;
    if (m_singlePlayer)
        m_browsePlayer = player;
    emit currentPlayerChanged();
    disconnect(m_playingWatch);
    if (player)
        m_playingWatch = connect(player, &TavirelPlayer::currentSongChanged, this, [this] { markPlaying(); });
    // Pages of a player on another server leave first.
    playerRebound(PlayerSide, previous, player);
    for (NavigationView *view : views()) {
        if (isPlaylistRoot(view))
            view->setProperty("currPlayer", QVariant::fromValue(player));
    }
    markPlaying();
}

void BrowseNavigationController::markPlaying(NavigationView *view)
{
    const Song *song = m_currentPlayer ? m_currentPlayer->currentSong() : nullptr;
    const QString uri = song ? song->uri() : QString();
    const QList<NavigationView *> marked = view ? QList<NavigationView *> { view } : views();
    for (NavigationView *v : marked) {
        if (auto *list = qobject_cast<BrowseListView *>(v))
            list->setPlayingUri(uri);
    }
}

void BrowseNavigationController::setMoreMenu(QQuickItem *menu)
{
    m_moreMenu = menu;
    emit moreMenuChanged();
}

Notices *BrowseNavigationController::notices() const
{
    return static_cast<Notices *>(m_notices.data());
}

void BrowseNavigationController::setNotices(Notices *notices)
{
    if (m_notices == notices)
        return;
    m_notices = notices;
    emit noticesChanged();
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

// Players

TavirelPlayer *BrowseNavigationController::playerFor(Side side) const
{
    return side == PlayerSide || m_singlePlayer ? m_currentPlayer.data() : m_browsePlayer.data();
}

BrowseNavigationController::Side BrowseNavigationController::sideOf(const NavigationView *view) const
{
    if (m_singlePlayer)
        return PlayerSide;
    return m_viewSides.value(view, LibrarySide);
}

void BrowseNavigationController::playerRebound(Side side, TavirelPlayer *previous, TavirelPlayer *next)
{
    if (previous == next && m_linkWatch[side])
        return;
    disconnect(m_linkWatch[side]);
    m_linkWatch[side] = QMetaObject::Connection();
    // Without a player the pages wait for the source to come back.
    if (!next)
        return;
    m_linkWatch[side] = connect(next, &TavirelPlayer::linkOpened, this, [this, side] { resend(side); });
    const QString server = next->ipAddress() + QLatin1Char(':') + next->port();
    const bool moved = !m_server[side].isEmpty() && m_server[side] != server;
    m_server[side] = server;
    if (moved)
        serverMoved(side);
    else
        resend(side);
}

void BrowseNavigationController::serverMoved(Side side)
{
    qCDebug(lcNavigation) << "player of the pages moved to" << m_server[side] << "- back to the root";
    m_sent[side].clear();
    m_waiting[side].clear();
    // The pages showed the old server's entries; the root of the library
    // is asked again of the new one.
    bool affected = side == LibrarySide || m_singlePlayer;
    for (NavigationView *view : views())
        affected = affected || sideOf(view) == side;
    if (!affected)
        return;
    popToRootView();
    if (side == LibrarySide && !m_singlePlayer) {
        m_emptyRootDelay = EmptyRootFirstDelayMs;
        m_emptyRootTimer.stop();
        sendRootBrowse(qobject_cast<BrowseListView *>(rootView()), QString());
    }
}

NavigationView *BrowseNavigationController::viewOf(const PageRequest &request) const
{
    if (request.ref)
        return qobject_cast<NavigationView *>(request.ref->view());
    return request.view;
}

void BrowseNavigationController::send(Side side, const PageRequest &request)
{
    TavirelPlayer *player = playerFor(side);
    if (!player || !player->isConnected()) {
        m_waiting[side].append(request);
        if (request.kind != PageRequest::Lookup && request.kind != PageRequest::Images)
            showNotConnected(side, request.view);
        return;
    }
    // Answers of the two players come to separate tables: their ids would meet.
    const bool library = side == LibrarySide;
    const char *handler = "browsePlayerAnswerReceived";
    int id = -1;
    switch (request.kind) {
    case PageRequest::RootBrowse:
        id = player->actionBrowse(request.uri, this, library ? "browseRootResultReceived" : handler);
        break;
    case PageRequest::Browse:
        id = player->actionBrowse(request.uri, this, library ? "browseResultReceived" : handler);
        break;
    case PageRequest::PlaylistBrowse:
        id = player->actionBrowsePlaylist(request.uri, this, library ? "browseResultReceived" : handler);
        break;
    case PageRequest::Search:
        id = player->actionSearch(request.uri, request.filter, this, library ? "searchResultReceived" : handler);
        break;
    case PageRequest::Lookup:
        id = player->actionLookup(request.ref->uris(), this, library ? "browseLookupReceived" : handler);
        break;
    case PageRequest::Images:
        id = player->actionLookupImages(request.ref->uris(), this, library ? "browseImagesReceived" : handler);
        break;
    }
    m_sent[side].insert(id, request);
    if (auto *list = qobject_cast<BrowseListView *>(request.view.data())) {
        if (request.kind != PageRequest::Lookup && request.kind != PageRequest::Images) {
            list->setMessage(QString());
            list->setLoading(true);
        }
    }
}

void BrowseNavigationController::showNotConnected(Side side, NavigationView *view)
{
    auto *list = qobject_cast<BrowseListView *>(view);
    if (!list)
        return;
    list->setLoading(false);
    list->setMessage(playerFor(side) ? tr("The media player is not connected.")
                                     : tr("This device has no media player to browse."));
}

void BrowseNavigationController::resend(Side side)
{
    // Whatever was sent on an earlier link is lost with it: all of it again,
    // oldest first, for the pages still on the stack.
    QList<int> ids = m_sent[side].keys();
    std::sort(ids.begin(), ids.end());
    QList<PageRequest> again;
    for (int id : qAsConst(ids))
        again.append(m_sent[side].value(id));
    again.append(m_waiting[side]);
    m_sent[side].clear();
    m_waiting[side].clear();
    for (const PageRequest &request : qAsConst(again)) {
        NavigationView *view = viewOf(request);
        if (!view || !views().contains(view))
            continue;
        if ((request.kind == PageRequest::Lookup || request.kind == PageRequest::Images) && !request.ref)
            continue;
        send(side, request);
    }
}

int BrowseNavigationController::pendingViewCount() const
{
    int count = 0;
    for (int side : { LibrarySide, PlayerSide }) {
        for (const PageRequest &request : m_sent[side])
            count += request.ref ? 0 : 1;
        for (const PageRequest &request : m_waiting[side])
            count += request.ref ? 0 : 1;
    }
    return count;
}

// Requests

void BrowseNavigationController::sendRootBrowse(BrowseListView *v, const QString &uri)
{
    if (!v)
        return;
    PageRequest request;
    request.kind = PageRequest::RootBrowse;
    request.view = v;
    request.uri = uri;
    // One root browse at a time: a new one replaces what still waits.
    forgetPendingOf(v, true);
    send(sideOf(v), request);
}

void BrowseNavigationController::sendBrowse(BrowseListView *v, const QString &uri)
{
    if (!v)
        return;
    PageRequest request;
    request.kind = PageRequest::Browse;
    request.view = v;
    request.uri = uri;
    send(sideOf(v), request);
}

void BrowseNavigationController::sendSearch(SearchRootView *v, const QString &text, const QString &filter)
{
    if (!v || text.trimmed().isEmpty())
        return;
    PageRequest request;
    request.kind = PageRequest::Search;
    request.view = v;
    request.uri = text.trimmed();
    request.filter = filter;
    send(sideOf(v), request);
}

void BrowseNavigationController::sendLookup(BrowseReference *ref)
{
    if (!ref)
        return;
    PageRequest request;
    request.kind = PageRequest::Lookup;
    request.ref = ref;
    send(sideOf(qobject_cast<NavigationView *>(ref->view())), request);
}

void BrowseNavigationController::sendLookupImages(BrowseReference *ref)
{
    if (!ref)
        return;
    PageRequest request;
    request.kind = PageRequest::Images;
    request.ref = ref;
    send(sideOf(qobject_cast<NavigationView *>(ref->view())), request);
}

void BrowseNavigationController::sendPlayAt(const QStringList &uris, const char *handler)
{
    if (!m_currentPlayer || uris.isEmpty())
        return;
    m_pendingPlays.insert(m_currentPlayer->actionPlayIndex(this, handler), PendingPlay { m_currentPlayer, uris });
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
    // A playlist's tracks come from the player whose playlists were listed.
    m_viewSides.insert(view, PlayerSide);
    PageRequest request;
    request.kind = PageRequest::PlaylistBrowse;
    request.view = view;
    request.uri = uri;
    send(PlayerSide, request);
}

void BrowseNavigationController::requireLookup(int startIndex, int endIndex)
{
    // The playlists page lists the chosen player's playlists.
    TavirelPlayer *player = playerFor(PlayerSide);
    if (!player)
        return;
    const QList<PlayerItem *> &playlists = player->playlists();
    const int from = qMax(startIndex - 10, 0);
    const int to = qMin(endIndex + 10, playlists.size());
    QStringList uris;
    for (int i = from; i < to; ++i) {
        const PlayerItem *playlist = playlists.at(i);
        if (!playlist->hasImages() && !uris.contains(playlist->uri()))
            uris.append(playlist->uri());
    }
    if (!uris.isEmpty())
        player->actionPlaylistLookup(uris);
}

// Results

void BrowseNavigationController::answer(Side side, int responseId, const QJsonValue &v)
{
    const auto it = m_sent[side].find(responseId);
    if (it == m_sent[side].end()) {
        qCDebug(lcNavigation) << "result" << responseId << "was not asked for or was forgotten, dropped";
        return;
    }
    const PageRequest request = it.value();
    m_sent[side].erase(it);
    NavigationView *view = viewOf(request);
    if (!view || !views().contains(view)) {
        qCDebug(lcNavigation) << "result" << responseId << "has no view on the stack, dropped";
        return;
    }
    auto *list = qobject_cast<BrowseListView *>(view);
    switch (request.kind) {
    case PageRequest::RootBrowse:
        if (list)
            fillRoot(list, v);
        break;
    case PageRequest::Browse:
    case PageRequest::PlaylistBrowse:
        if (list)
            fillList(list, v);
        break;
    case PageRequest::Search:
        if (auto *search = qobject_cast<SearchRootView *>(view))
            search->applySearchResult(v);
        break;
    case PageRequest::Lookup:
        if (list)
            list->applyLookupResult(request.ref->typeKey(), v);
        request.ref->deleteLater();
        break;
    case PageRequest::Images:
        if (list) {
            TavirelPlayer *player = playerFor(side);
            const QUrl server = player ? BrowseSections::serverUrl(player->ipAddress(), player->port()) : QUrl();
            list->applyImagesResult(request.ref->typeKey(), v, server);
        }
        request.ref->deleteLater();
        break;
    }
}

void BrowseNavigationController::browsePlayerAnswerReceived(int responseId, const QJsonValue &v)
{
    answer(PlayerSide, responseId, v);
}

void BrowseNavigationController::searchResultReceived(int responseId, const QJsonValue &v)
{
    answer(LibrarySide, responseId, v);
}

void BrowseNavigationController::browseRootResultReceived(int responseId, const QJsonValue &v)
{
    answer(LibrarySide, responseId, v);
}

void BrowseNavigationController::fillRoot(BrowseListView *view, const QJsonValue &v)
{
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
    answer(LibrarySide, responseId, v);
}

void BrowseNavigationController::fillList(BrowseListView *view, const QJsonValue &v)
{
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
    answer(LibrarySide, responseId, v);
}

void BrowseNavigationController::browseImagesReceived(int responseId, const QJsonValue &v)
{
    answer(LibrarySide, responseId, v);
}

void BrowseNavigationController::playAtIndex(int responseId, const QJsonValue &v, bool play)
{
    if (!m_pendingPlays.contains(responseId))
        return;
    // The position is that player's queue's: the tracks go to it, whichever
    // player is chosen by now.
    const PendingPlay pending = m_pendingPlays.take(responseId);
    const int index = v.isDouble() ? v.toInt() : -1;
    if (pending.player)
        pending.player->actionPlayAdd(pending.uris, index == -1 ? -1 : index + 1, play);
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
    // Inside an album, "Show Album" would open the same list again.
    BrowseListView *top = topBrowseList();
    m_moreMenu->setProperty("shownUri", top ? top->uri() : QString());
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
    // "All" of a track is the rest of its section; an album or artist is
    // all of itself already.
    const bool rest = action.endsWith(QLatin1String("_All")) && item->type() == QLatin1String("track");
    QStringList uris;
    if (rest && top)
        uris = top->urisFrom(item->uri());
    if (uris.isEmpty())
        uris = QStringList { item->uri() };
    if (action.startsWith(QLatin1String("It_PlayNow")))
        sendPlayNow(uris);
    else if (action == QLatin1String("It_PlayAfter"))
        sendPlayAt(uris, "browsePlayAfterIndex");
    else if (action.startsWith(QLatin1String("It_AddToQueue")) && m_currentPlayer) {
        m_currentPlayer->actionPlayAdd(uris, -1, false);
        tell(uris.size() == 1 ? tr("Added to the queue") : tr("%1 tracks added to the queue").arg(uris.size()));
    }
}

void BrowseNavigationController::menuActionForItemPL(const QString &action, PlayerItem *item, const QString &uri)
{
    if (m_currentPlayer)
        addToPlaylist(action, item, uri, m_currentPlayer->getPlaylistName(uri));
}

void BrowseNavigationController::menuActionForItemNewPL(const QString &action, PlayerItem *item)
{
    if (!item || !m_currentPlayer)
        return;
    QQuickItem *dialog = showPlaylistDialog(QLatin1String(SaveDialogDocument), QString(), false);
    if (!dialog)
        return;
    disconnect(dialog, SIGNAL(createPlaylist(QString)), this, SLOT(createPlaylist(QString)));
    connect(dialog, SIGNAL(createPlaylist(QString)), this, SLOT(createPlaylistToAddTo(QString)));
    m_naming = PendingNewPlaylist { action, item, m_currentPlayer, QString() };
}

void BrowseNavigationController::createPlaylistToAddTo(const QString &name)
{
    PendingNewPlaylist pending = m_naming;
    m_naming = PendingNewPlaylist();
    TavirelPlayer *player = pending.player;
    if (!player || !pending.item)
        return;
    if (player->playlistNamed(name)) {
        if (notices())
            notices()->showError(tr("A playlist named \"%1\" already exists").arg(name));
        return;
    }
    pending.name = name;
    m_pendingCreates.insert(player->actionCreatePlaylist(name, this, "browseNewPlaylistCreated"), pending);
}

void BrowseNavigationController::browseNewPlaylistCreated(int responseId, const QJsonValue &v)
{
    if (!m_pendingCreates.contains(responseId))
        return;
    const PendingNewPlaylist pending = m_pendingCreates.take(responseId);
    const QString uri = v.toObject().value(QLatin1String("uri")).toString();
    if (uri.isEmpty() || !pending.item || !pending.player || pending.player != m_currentPlayer) {
        qCDebug(lcNavigation) << "playlist" << pending.name << "not created, or its player gone: nothing added";
        return;
    }
    addToPlaylist(pending.action, pending.item, uri, pending.name);
}

void BrowseNavigationController::addToPlaylist(const QString &action, PlayerItem *item, const QString &uri,
                                               const QString &name)
{
    if (!item || !m_currentPlayer)
        return;
    if (item->type() == QLatin1String("album")) {
        // Each add keeps its own playlist until its album's tracks come.
        const int id = m_currentPlayer->actionBrowse(item->uri(), this, "browseAlbumReceived");
        m_pendingPlaylistAdds.insert(id, PendingPlaylistAdd { m_currentPlayer, uri });
        tell(tr("Added to \"%1\"").arg(name));
        return;
    }
    QList<PlayerItem *> songs;
    BrowseListView *top = topBrowseList();
    if (action.endsWith(QLatin1String("_All")) && item->type() == QLatin1String("track") && top)
        songs = top->entriesFrom(item->uri());
    if (songs.isEmpty())
        songs = QList<PlayerItem *> { item };
    m_currentPlayer->actionEditPlaylistWithUris(uri, songs);
    tell(tr("Added to \"%1\"").arg(name));
}

void BrowseNavigationController::browseAlbumReceived(int responseId, const QJsonValue &v)
{
    if (!m_pendingPlaylistAdds.contains(responseId))
        return;
    const PendingPlaylistAdd pending = m_pendingPlaylistAdds.take(responseId);
    TavirelPlayer *player = pending.player;
    if (!v.isArray() || !player)
        return;
    // The songs live beside the player until it has read them.
    auto *holder = new QObject(player);
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
        player->actionEditPlaylistWithUris(pending.playlistUri, songs);
}

void BrowseNavigationController::menuActionForItemPlaylist(const QString &action, PlayerItem *item)
{
    if (!item)
        return;
    if (action == QLatin1String("It_PlayNow")) {
        if (m_currentPlayer)
            m_currentPlayer->actionOpenPlaylistWithUri(item->uri());
    } else if (action == QLatin1String("It_AddToQueue")) {
        if (m_currentPlayer) {
            m_currentPlayer->actionAddPlaylistWithUri(item->uri());
            tell(tr("\"%1\" added to the queue").arg(item->name()));
        }
    } else if (action == QLatin1String("It_Rename")) {
        // The field starts from the present name, to be edited.
        if (QQuickItem *dialog = showPlaylistDialog(QLatin1String(SaveDialogDocument), item->uri(), true))
            dialog->setProperty("playlistName", item->name());
    } else if (action == QLatin1String("It_Delete")) {
        if (QQuickItem *dialog = showPlaylistDialog(QLatin1String(DeleteDialogDocument), item->uri(), false))
            dialog->setProperty("bodyMessage", tr("Do you want to delete the playlist \"%1\"?").arg(item->name()));
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
    view->setProperty("currPlayer", QVariant::fromValue(playerFor(sideOf(view))));
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
    DocumentItem::markDocument(item, url);
    return item;
}

QQuickItem *BrowseNavigationController::showPlaylistDialog(const QString &url, const QString &uri, bool rename)
{
    QQuickItem *holder = parentItem() && parentItem()->parentItem() ? parentItem()->parentItem() : parentItem();
    // One dialog per purpose: the same request again focuses the open one,
    // while New, Rename and Delete (and each playlist) are told apart.
    const QString purpose = url + QLatin1Char('#') + uri + (rename ? QStringLiteral("#rename") : QString());
    if (DocumentItem::focusOpenItem(this, purpose))
        return nullptr;
    QQuickItem *dialog = createItem(url, holder);
    if (!dialog)
        return nullptr;
    DocumentItem::markDocument(dialog, purpose);
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
    // Its field asked for the keyboard before the dialog was in the window.
    dialog->forceActiveFocus();
    connect(dialog, SIGNAL(close(QQuickItem*)), this, SLOT(closeDialog(QQuickItem*)));
    // A rename or delete dialog whose playlist is gone closes itself.
    if (!create) {
        if (TavirelPlayer *player = playerFor(PlayerSide)) {
            QPointer<QQuickItem> guard(dialog);
            connect(player, &TavirelPlayer::playlistsChanged, dialog, [this, player, guard, uri] {
                if (guard && player->getPlaylistName(uri).isEmpty())
                    closeDialog(guard);
            });
        }
    }
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
    // "Add" belongs to the playlists page, which lists this player's playlists.
    TavirelPlayer *player = playerFor(PlayerSide);
    if (!player)
        return;
    // Creating over an existing name would empty that playlist.
    if (player->playlistNamed(name)) {
        if (notices())
            notices()->showError(tr("A playlist named \"%1\" already exists").arg(name));
        return;
    }
    player->actionCreatePlaylist(name, false);
    tell(tr("Playlist \"%1\" created").arg(name));
}

void BrowseNavigationController::renamePlaylist(const QString &uri, const QString &name)
{
    // The device would refuse the name silently: say why nothing happens.
    if (name.contains(QLatin1Char('@')) || name.contains(QLatin1Char('|'))) {
        showNotice(tr("A playlist name on the Tavirel cannot contain \"@\" or \"|\""));
        return;
    }
    TavirelPlayer *player = playerFor(PlayerSide);
    PlayerItem *other = player ? player->playlistNamed(name) : nullptr;
    if (!other || other->uri() == uri) {
        sendRename(uri, name);
        return;
    }
    QQuickItem *dialog = showPlaylistDialog(QLatin1String(DeleteDialogDocument), uri, false);
    if (!dialog)
        return;
    // The dialog answers through the delete slot; it is told apart here.
    disconnect(dialog, SIGNAL(confirmDelete(QString)), this, SLOT(deletePlaylist(QString)));
    connect(dialog, SIGNAL(confirmDelete(QString)), this, SLOT(confirmRename(QString)));
    dialog->setProperty("headTitle", tr("Replace"));
    dialog->setProperty("bodyMessage", tr("A playlist named \"%1\" already exists. Replace it?").arg(name));
    dialog->setProperty("okBtnText", tr("Replace"));
    m_renameUri = uri;
    m_renameName = name;
}

void BrowseNavigationController::confirmRename(const QString &uri)
{
    if (uri != m_renameUri) {
        qCDebug(lcNavigation) << "rename of" << uri << "confirmed, but none waits";
        return;
    }
    sendRename(uri, m_renameName);
    m_renameUri.clear();
    m_renameName.clear();
}

void BrowseNavigationController::sendRename(const QString &uri, const QString &name)
{
    Tavirel *tavirel = currTavirel();
    if (!tavirel)
        return;
    tavirel->actionRenamePlaylist(uri, name);
    tell(tr("Playlist renamed to \"%1\"").arg(name));
}

void BrowseNavigationController::deletePlaylist(const QString &uri)
{
    Tavirel *tavirel = currTavirel();
    if (!tavirel)
        return;
    // A copy is read first, so that the delete can be taken back.
    TavirelPlayer *player = playerFor(PlayerSide);
    if (player && player->isConnected() && notices()) {
        const int id = player->actionLookupPlaylist(uri, this, "browsePlaylistBeforeDelete");
        m_pendingDeletes.insert(id, PendingPlaylistAdd { player, uri });
        return;
    }
    tavirel->actionDeletePlaylist(uri);
    tell(tr("Playlist deleted"));
}

void BrowseNavigationController::browsePlaylistBeforeDelete(int responseId, const QJsonValue &v)
{
    if (!m_pendingDeletes.contains(responseId))
        return;
    const PendingPlaylistAdd pending = m_pendingDeletes.take(responseId);
    Tavirel *tavirel = currTavirel();
    if (!tavirel)
        return;
    tavirel->actionDeletePlaylist(pending.playlistUri);
    const QJsonObject copy = v.toObject();
    const QString name = copy.value(QLatin1String("name")).toString();
    if (name.isEmpty() || !notices() || !pending.player) {
        qCDebug(lcNavigation) << "playlist" << pending.playlistUri << "deleted without a copy to restore";
        tell(tr("Playlist deleted"));
        return;
    }
    QPointer<TavirelPlayer> player = pending.player;
    notices()->showUndo(tr("Playlist \"%1\" deleted").arg(name), player, [player, copy] {
        if (player)
            player->actionRestorePlaylist(copy);
    });
}

void BrowseNavigationController::tell(const QString &text)
{
    if (notices())
        notices()->show(text);
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
    // A page asks the player of the page it was opened from; the playlists
    // page the player chosen on the player page, whose playlists it lists.
    m_viewSides.insert(view, isPlaylistRoot(view) ? PlayerSide : sideOf(topView()));
    NavigationController::pushView(view);
    markPlaying(view);
    if (isPlaylistRoot(view)) {
        setBarProperty("secRightText", tr("Add"));
        setSecondRightVisible(true);
        wirePlaylistRoot(view, SLOT(openMenuWithItemPl(PlayerItem*)), SLOT(sendBrowseList(QString,QString)));
        return;
    }
    if (auto *search = qobject_cast<SearchRootView *>(view)) {
        TavirelPlayer *player = playerFor(sideOf(search));
        search->setProperty("filters", player ? player->filters() : QStringList());
        connect(search, &SearchRootView::search, this, &BrowseNavigationController::sendSearch);
        connect(search, &SearchRootView::resultsCleared, this, [this, search] { forgetSearchesOf(search); });
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

void BrowseNavigationController::forgetPendingOf(const NavigationView *view, bool rootBrowseOnly)
{
    auto forgotten = [this, view, rootBrowseOnly](const PageRequest &request) {
        const NavigationView *of = viewOf(request);
        if (!of)
            return true;
        return of == view && (!rootBrowseOnly || request.kind == PageRequest::RootBrowse);
    };
    for (int side : { LibrarySide, PlayerSide }) {
        for (auto it = m_sent[side].begin(); it != m_sent[side].end();)
            it = forgotten(it.value()) ? m_sent[side].erase(it) : std::next(it);
        m_waiting[side].erase(std::remove_if(m_waiting[side].begin(), m_waiting[side].end(), forgotten),
                              m_waiting[side].end());
    }
    if (!rootBrowseOnly && view != rootView())
        m_viewSides.remove(view);
}

void BrowseNavigationController::forgetSearchesOf(const NavigationView *view)
{
    auto forgotten = [this, view](const PageRequest &request) {
        return request.kind == PageRequest::Search && viewOf(request) == view;
    };
    for (int side : { LibrarySide, PlayerSide }) {
        for (auto it = m_sent[side].begin(); it != m_sent[side].end();)
            it = forgotten(it.value()) ? m_sent[side].erase(it) : std::next(it);
        m_waiting[side].erase(std::remove_if(m_waiting[side].begin(), m_waiting[side].end(), forgotten),
                              m_waiting[side].end());
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
    // The root stays on screen and keeps waiting for what it asked.
    for (NavigationView *view : views()) {
        if (view == rootView())
            continue;
        forgetPendingOf(view);
        if (isPlaylistRoot(view))
            setSecondRightVisible(false);
    }
    NavigationController::popToRootView();
    if (isPlaylistRoot(rootView()))
        setSecondRightVisible(true);
}
