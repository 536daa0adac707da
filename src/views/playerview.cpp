#include "views/playerview.h"

#include "app/logcategories.h"
#include "model/source.h"
#include "model/tavirel.h"
#include "player/tavirelplayer.h"
#include "images/imagedownloader.h"
#include "views/documentitem.h"
#include "views/notices.h"

#include <QSettings>
#include <QUrl>
#include <algorithm>

PlayerView::PlayerView(QQuickItem* parent)
    : QQuickItem(parent)
{
    bool ok = false;
    const int chosen = QSettings().value(QLatin1String(ChosenSourceKey)).toInt(&ok);
    if (ok && chosen >= 0)
        m_chosenSource = chosen;
}

int PlayerView::sourceToShow(const QList<PlayerSource>& players, int chosen, int shown)
{
    auto find = [&players](int index) {
        return std::find_if(players.begin(), players.end(), [index](const PlayerSource& p) { return p.index == index; });
    };
    if (chosen >= 0 && find(chosen) != players.end())
        return chosen;
    const auto current = shown >= 0 ? find(shown) : players.end();
    // A source that plays is not left for another one that plays.
    if (current != players.end() && current->playing)
        return shown;
    for (const PlayerSource& p : players) {
        if (p.playing)
            return p.index;
    }
    if (current != players.end())
        return shown;
    return players.isEmpty() ? -1 : players.first().index;
}

Tavirel* PlayerView::tavirel() const
{
    return static_cast<Tavirel*>(m_tavirel.data());
}

Source* PlayerView::selectedSource() const
{
    return static_cast<Source*>(m_selectedSource.data());
}

void PlayerView::setTavirel(Tavirel* t)
{
    if (m_tavirel)
        disconnect(m_tavirel, nullptr, this, nullptr);
    m_tavirel = t;
    Q_EMIT tavirelChanged();
    if (t) {
        if (metaObject()->indexOfMethod("loadOutputs()") >= 0)
            connect(t, SIGNAL(outputsChanged()), this, SLOT(loadOutputs()));
        connect(t, &Tavirel::sourcesChanged, this, &PlayerView::updateSelectedSource);
        updateSelectedSource();
    }
}

void PlayerView::setSelectedSource(Source* s)
{
    if (s && s->index() != m_chosenSource) {
        m_chosenSource = s->index();
        QSettings settings;
        settings.setValue(QLatin1String(ChosenSourceKey), m_chosenSource);
        settings.sync();
    }
    showSource(s);
}

void PlayerView::showSource(Source* s)
{
    if (metaObject()->indexOfMethod("prepareDisconnectSource()") >= 0)
        QMetaObject::invokeMethod(this, "prepareDisconnectSource");
    if (s != m_selectedSource)
        m_shownSettled = false;
    m_selectedSource = s;
    m_shownPlayer = s ? s->player() : nullptr;
    Q_EMIT selectedSourceChanged();
}

void PlayerView::setConnectionScreen(QQuickItem* item)
{
    m_connectionScreen = item;
    Q_EMIT connectionScreenChanged();
}

Notices* PlayerView::notices() const
{
    return static_cast<Notices*>(m_notices.data());
}

void PlayerView::setNotices(Notices* notices)
{
    m_notices = notices;
    Q_EMIT noticesChanged();
}

void PlayerView::updateSelectedSource()
{
    watchPlayers();
    chooseSource();
}

void PlayerView::watchPlayers()
{
    for (const QPointer<TavirelPlayer>& player : qAsConst(m_watchedPlayers)) {
        if (player) {
            disconnect(player, &TavirelPlayer::playPauseChanged, this, &PlayerView::chooseSource);
            disconnect(player, &TavirelPlayer::airPlayChanged, this, &PlayerView::chooseSource);
            disconnect(player, &TavirelPlayer::notPlayable, this, &PlayerView::tellNotPlayable);
        }
    }
    m_watchedPlayers.clear();
    if (!tavirel())
        return;
    for (Source* source : tavirel()->sourceList()) {
        if (TavirelPlayer* player = source->player()) {
            connect(player, &TavirelPlayer::playPauseChanged, this, &PlayerView::chooseSource);
            connect(player, &TavirelPlayer::airPlayChanged, this, &PlayerView::chooseSource);
            connect(player, &TavirelPlayer::notPlayable, this, &PlayerView::tellNotPlayable);
            m_watchedPlayers.append(player);
        }
    }
}

void PlayerView::chooseSource()
{
    Tavirel* model = tavirel();
    if (!model)
        return;
    const QList<Source*> sources = model->sourceList();
    Source* current = selectedSource();
    const bool announced = current && sources.contains(current);
    // Announced without a player, the source keeps the player it was shown with.
    if (announced && !current->player())
        return;
    const auto plays = [](const Source* s) {
        return s && s->player() && (s->player()->playPause() == 2 || s->player()->airPlay());
    };
    QList<PlayerSource> players;
    for (Source* source : sources) {
        if (source->player())
            players.append({ source->index(), plays(source) });
    }
    int pick = sourceToShow(players, m_chosenSource, announced ? current->index() : -1);
    // Once the shown source has played it stays when it stops (the user may
    // be clearing its queue); only the user's own choice takes its place.
    if (announced && plays(current))
        m_shownSettled = true;
    if (announced && m_shownSettled && pick != m_chosenSource)
        pick = current->index();
    Source* next = pick >= 0 ? model->sourceByIndex(pick) : nullptr;
    // A new player for the same source rebinds the document.
    if (next != current || (next && next->player() != m_shownPlayer))
        showSource(next);
    if (plays(selectedSource()))
        m_shownSettled = true;
}

void PlayerView::showConnectionScreen(bool show)
{
    if (m_connectionScreen)
        m_connectionScreen->setVisible(show);
}

void PlayerView::setConnectionScreenMessage(const QString& message)
{
    if (m_connectionScreen)
        m_connectionScreen->setProperty("connText", message);
}

void PlayerView::requestImage(const QString& uri, QQuickItem* item)
{
    ImageDownloader::instance()->requestImageForItem(uri, item);
}

void PlayerView::abortImage(const QString& uri, QQuickItem* item)
{
    ImageDownloader::instance()->discardImage(uri, item);
}

QQuickItem* PlayerView::createDialog(const QString& url)
{
    // Dialogs cover the whole window: they hang under the view's grandparent.
    QQuickItem* host = parentItem() && parentItem()->parentItem() ? parentItem()->parentItem() : this;
    if (DocumentItem::focusOpenItem(this, url))
        return nullptr;
    return DocumentItem::create(this, url, host);
}

void PlayerView::showSavePlaylistDialog()
{
    QQuickItem* dialog = createDialog(QStringLiteral("qrc:/Qml/PlaylistSaveDialog.qml"));
    if (!dialog)
        return;
    dialog->setProperty("headTitle", tr("Save"));
    dialog->setProperty("bodyMessage", tr("Save current queue to a new playlist with name"));
    dialog->setProperty("okBtnText", tr("Save"));
    dialog->setProperty("cancBtnText", tr("Cancel"));
    dialog->setVisible(true);
    connect(dialog, SIGNAL(close(QQuickItem*)), this, SLOT(closeDialog(QQuickItem*)));
    connect(dialog, SIGNAL(createPlaylist(QString)), this, SLOT(createPlaylist(QString)));
}

QString PlayerView::urlProblem(const QString& url)
{
    const QUrl parsed(url.trimmed(), QUrl::StrictMode);
    // "radio.example:8000/live" reads as a scheme and a path: a host name
    // with a port, still without its scheme.
    if (!parsed.isValid() || parsed.scheme().isEmpty() || parsed.scheme().contains(QLatin1Char('.'))
        || (parsed.path().isEmpty() && parsed.host().isEmpty()))
        return tr("A URL starts with its scheme, for example http://");
    return QString();
}

void PlayerView::showAddUrlDialog()
{
    QQuickItem* dialog = createDialog(QStringLiteral("qrc:/Qml/AddUrlDialog.qml"));
    if (!dialog)
        return;
    dialog->setProperty("checker", QVariant::fromValue<QObject*>(this));
    dialog->setProperty("headTitle", tr("Add URL"));
    dialog->setProperty("okBtnText", tr("Add"));
    dialog->setProperty("cancBtnText", tr("Cancel"));
    dialog->setVisible(true);
    connect(dialog, SIGNAL(close(QQuickItem*)), this, SLOT(closeDialog(QQuickItem*)));
    connect(dialog, SIGNAL(addUrl(QString)), this, SLOT(addUrlToQueue(QString)));
}

void PlayerView::closeDialog(QQuickItem* dialog)
{
    if (!dialog)
        return;
    dialog->setParentItem(nullptr);
    dialog->deleteLater();
}

void PlayerView::createPlaylist(const QString& name)
{
    Source* source = selectedSource();
    TavirelPlayer* player = source ? source->player() : nullptr;
    if (!player)
        return;
    if (!player->playlistNamed(name)) {
        replacePlaylist(name);
        return;
    }
    QQuickItem* dialog = createDialog(QStringLiteral("qrc:/Qml/Playlists/PlaylistDeleteDialog.qml"));
    if (!dialog)
        return;
    dialog->setProperty("headTitle", tr("Replace"));
    dialog->setProperty("bodyMessage", tr("A playlist named \"%1\" already exists. Replace its tracks with the queue?").arg(name));
    dialog->setProperty("okBtnText", tr("Replace"));
    dialog->setProperty("cancBtnText", tr("Cancel"));
    // The dialog hands back what it was given: here the name to save under.
    dialog->setProperty("playlistUri", name);
    dialog->setVisible(true);
    connect(dialog, SIGNAL(close(QQuickItem*)), this, SLOT(closeDialog(QQuickItem*)));
    connect(dialog, SIGNAL(confirmDelete(QString)), this, SLOT(replacePlaylist(QString)));
}

void PlayerView::replacePlaylist(const QString& name)
{
    Source* source = selectedSource();
    if (!source || !source->player())
        return;
    source->player()->actionCreatePlaylist(name, true);
    if (notices())
        notices()->show(tr("Queue saved as \"%1\"").arg(name));
}

void PlayerView::clearQueue()
{
    Source* source = selectedSource();
    TavirelPlayer* player = source ? source->player() : nullptr;
    if (!player)
        return;
    const TavirelPlayer::QueueSnapshot snapshot = player->queueSnapshot();
    player->actionClearQueue();
    if (notices() && !snapshot.uris.isEmpty()) {
        QPointer<TavirelPlayer> target = player;
        notices()->showUndo(tr("Queue cleared"), player, [target, snapshot] {
            if (target)
                target->actionRestoreQueue(snapshot);
        });
    }
}

void PlayerView::tellNotPlayable()
{
    if (notices())
        notices()->showError(tr("Track is not playable"));
}

void PlayerView::addUrlToQueue(const QString& url)
{
    Source* source = selectedSource();
    if (!source || !source->player())
        return;
    if (!urlProblem(url).isEmpty()) {
        qCDebug(lcViews) << "URL without a scheme not added:" << url;
        if (notices())
            notices()->showError(tr("Not added: a URL starts with its scheme, for example http://"));
        return;
    }
    source->player()->actionPlayAdd(QStringList { url.trimmed() }, source->player()->currentTlid() + 1, true);
    if (notices())
        notices()->show(tr("URL added to the queue"));
}
