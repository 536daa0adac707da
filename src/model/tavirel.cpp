#include "model/tavirel.h"

#include <QQmlEngine>

#include "app/logcategories.h"
#include "link/tavirelconnthread.h"
#include "model/devicemessages.h"
#include "player/tavirelplayer.h"

using namespace DeviceMessages;

namespace {
// The model's objects have no parent; without this QML would take ownership
// of one returned from an invokable and could collect it.
template <typename T> T* keepInCpp(T* object)
{
    QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
    return object;
}

// Whether a source's announcement names the server its player already uses.
bool samePlayerServer(const TavirelPlayer* player, const SourceRecord& r)
{
    if (r.hasAddress)
        return player->ipAddress() == r.ipAddress && player->port() == r.port;
    // Without an address the player keeps the defaults it was made with.
    return player->ipAddress().isEmpty() && player->port() == QLatin1String("6680");
}
}

Tavirel::Tavirel(QObject* parent)
    : QObject(parent)
{
}

Tavirel::~Tavirel()
{
    for (Source* source : qAsConst(m_sourceMap))
        source->deleteLater();
    for (Output* output : qAsConst(m_outputMap))
        output->deleteLater();
    for (PlaylistEntry* entry : qAsConst(m_playlistEntries))
        entry->deleteLater();
}

QObject* Tavirel::connPointer() const { return m_connPointer.data(); }

void Tavirel::setConnPointer(QObject* c)
{
    if (m_connPointer)
        disconnect(m_connPointer, nullptr, this, nullptr);
    m_connPointer = c;
    m_link = qobject_cast<TavirelConnThread*>(c);
    if (c && !m_link)
        qCDebug(lcModel) << "connection object is not a link thread; commands will be dropped" << c;
    emit connPointerChanged();

    clearDevice();

    if (m_link) {
        connect(m_link, &TavirelConnThread::tavirelCommandReceived, this, &Tavirel::commandReceived);
        connect(m_link, &TavirelConnThread::closePlayersConnections, this, &Tavirel::closePlayersConnections);
        connect(m_link, &TavirelConnThread::linkUpChanged, this, &Tavirel::setLinkUp);
    }
    setLinkUp(m_link && m_link->linkUp());
}

void Tavirel::setLinkUp(bool up)
{
    if (up == m_linkUp)
        return;
    m_linkUp = up;
    emit linkUpChanged();
}

void Tavirel::clearDevice()
{
    m_sources.clear();
    const QList<Source*> oldSources = m_sourceMap.values();
    m_sourceMap.clear();
    emit sourcesChanged();

    m_outputs.clear();
    const QList<Output*> oldOutputs = m_outputMap.values();
    m_outputMap.clear();
    emit outputsChanged();

    // QML may still hold these until it has handled the change signals.
    for (Source* source : oldSources) {
        if (TavirelPlayer* player = source->player())
            player->closeConnection();
        source->deleteLater();
    }
    for (Output* output : oldOutputs)
        output->deleteLater();
}

template <typename T> int Tavirel::listCount(QQmlListProperty<T>* list)
{
    return static_cast<QList<T*>*>(list->data)->size();
}

template <typename T> T* Tavirel::listAt(QQmlListProperty<T>* list, int i)
{
    const auto* items = static_cast<QList<T*>*>(list->data);
    return i >= 0 && i < items->size() ? items->at(i) : nullptr;
}

QQmlListProperty<Output> Tavirel::outputs()
{
    return QQmlListProperty<Output>(this, &m_outputs, &Tavirel::listCount<Output>, &Tavirel::listAt<Output>);
}

QQmlListProperty<Source> Tavirel::sources()
{
    return QQmlListProperty<Source>(this, &m_sources, &Tavirel::listCount<Source>, &Tavirel::listAt<Source>);
}

QQmlListProperty<PlaylistEntry> Tavirel::playlistEntries()
{
    return QQmlListProperty<PlaylistEntry>(this, &m_playlistEntries, &Tavirel::listCount<PlaylistEntry>,
                                           &Tavirel::listAt<PlaylistEntry>);
}

void Tavirel::commandReceived(QStringList l)
{
    int code = 0;
    if (!messageCode(l, &code)) {
        qCDebug(lcModel) << "dropped message without a numeric code" << l;
        return;
    }
    switch (code) {
    case SourcesList:
        rebuildSources(l);
        break;
    case OutputsList:
        rebuildOutputs(l);
        break;
    case Routes:
        applyRoutes(l);
        break;
    case OutputState:
        applyOutputState(l);
        break;
    case SourceLevel:
        applySourceLevel(l);
        break;
    case AirPlayState:
        applyAirPlay(l);
        break;
    case PlaylistEntries:
        rebuildPlaylistEntries(l);
        break;
    case PlaylistsChanged:
        refreshPlaylists();
        break;
    default:
        break;
    }
}

void Tavirel::rebuildSources(const QStringList& l)
{
    m_sources.clear();
    for (const SourceRecord& r : parseSources(l)) {
        Source* source = m_sourceMap.value(r.index);
        TavirelPlayer* oldPlayer = nullptr;
        if (!source) {
            source = keepInCpp(new Source);
            source->setIndex(r.index);
            m_sourceMap.insert(r.index, source);
        } else {
            oldPlayer = source->player();
        }
        m_sources.append(source);
        source->setName(r.name);

        if (r.isPlayer && oldPlayer && samePlayerServer(oldPlayer, r)) {
            // The same server again: the player, its link and the pages
            // browsing it stay. A link closed with the device's comes back.
            if (!oldPlayer->connectionEnabled()) {
                oldPlayer->setConnectionEnabled(true);
                oldPlayer->startConnection();
            }
            continue;
        }
        if (oldPlayer)
            oldPlayer->closeConnection();
        if (!r.isPlayer) {
            source->setPlayer(nullptr);
        } else {
            auto* player = keepInCpp(new TavirelPlayer);
            player->setSourceRef(source->index());
            if (r.hasAddress) {
                player->setIpAddress(r.ipAddress);
                player->setPort(r.port);
            }
            source->setPlayer(player);
            player->setConnectionEnabled(true);
            player->startConnection();
        }
        // Views bound to the old player drop it on playerChanged.
        if (oldPlayer)
            oldPlayer->deleteLater();
    }
    emit sourcesChanged();
}

void Tavirel::rebuildOutputs(const QStringList& l)
{
    m_outputs.clear();
    for (const OutputRecord& r : parseOutputs(l)) {
        Output* output = m_outputMap.value(r.index);
        if (!output) {
            output = keepInCpp(new Output);
            output->setIndex(r.index);
            m_outputMap.insert(r.index, output);
        }
        m_outputs.append(output);
        output->setName(r.name);
    }
    // Selection sort: the first of equal names is taken, as the device's
    // other clients order them.
    for (int i = 0; i < m_outputs.size(); ++i) {
        int smallest = i;
        for (int j = i + 1; j < m_outputs.size(); ++j) {
            if (m_outputs.at(j)->name() < m_outputs.at(smallest)->name())
                smallest = j;
        }
        if (smallest != i)
            m_outputs.swapItemsAt(i, smallest);
    }
    emit outputsChanged();
}

void Tavirel::applyRoutes(const QStringList& l)
{
    // Each source announces its new set of outputs once, after the message.
    const QList<Source*> sources = m_sourceMap.values();
    for (Source* source : sources)
        source->beginLinkUpdate();
    for (const RouteRecord& r : parseRoutes(l)) {
        Output* output = m_outputMap.value(r.output);
        if (!output)
            continue;
        if (r.detach) {
            output->setSelectedSource(nullptr);
            continue;
        }
        Source* source = m_sourceMap.value(r.source);
        if (!source)
            continue;
        Source* current = output->selectedSource();
        if (!current || current->index() != source->index())
            output->setSelectedSource(source);
    }
    for (Source* source : sources)
        source->endLinkUpdate();
    emit routesUpdated();
}

void Tavirel::applyOutputState(const QStringList& l)
{
    if (l.size() < OutputStateMinFields) {
        qCDebug(lcModel) << "short output state dropped" << l;
        return;
    }
    int index = -1;
    if (!toIndex(l.at(4), &index)) {
        qCDebug(lcModel) << "output state without a numeric index dropped" << l;
        return;
    }
    Output* output = m_outputMap.value(index);
    if (!output)
        return;
    output->updateState(l.mid(5));
}

void Tavirel::applySourceLevel(const QStringList& l)
{
    SourceLevelRecord r;
    if (!parseSourceLevel(l, &r)) {
        qCDebug(lcModel) << "short source level or one without a numeric index dropped" << l;
        return;
    }
    Source* source = m_sourceMap.value(r.index);
    if (!source)
        return;
    source->setVolume(r.volume);
    if (r.hasMute)
        source->setMute(r.mute);
}

void Tavirel::applyAirPlay(const QStringList& l)
{
    AirPlayRecord r;
    if (!parseAirPlay(l, &r)) {
        qCDebug(lcModel) << "short AirPlay state or one without a numeric index dropped" << l;
        return;
    }
    Source* source = m_sourceMap.value(r.sourceIndex);
    TavirelPlayer* player = source ? source->player() : nullptr;
    if (!player)
        return;
    player->setAirPlay(r.playing);
    if (!r.playing) {
        player->setAirPlayTrack(QString());
        player->setAirPlayAlbum(QString());
        player->setAirPlayArtist(QString());
        player->setAirPlayImage(QString());
    } else if (r.hasMetadata) {
        player->setAirPlayTrack(r.track);
        player->setAirPlayAlbum(r.album);
        player->setAirPlayArtist(r.artist);
        player->setAirPlayImage(r.image);
    }
}

void Tavirel::rebuildPlaylistEntries(const QStringList& l)
{
    const QList<PlaylistEntry*> old = m_playlistEntries;
    m_playlistEntries.clear();
    for (const EntryRecord& r : parsePlaylistEntries(l)) {
        auto* entry = keepInCpp(new PlaylistEntry);
        entry->setEntryId(r.entryId);
        entry->setName(r.name);
        entry->setPlaylistRef(r.playlistRef);
        m_playlistEntries.append(entry);
    }
    emit playlistEntriesChanged();
    for (PlaylistEntry* entry : old)
        entry->deleteLater();
}

void Tavirel::refreshPlaylists()
{
    for (Source* source : qAsConst(m_sourceMap)) {
        if (TavirelPlayer* player = source->player())
            player->actionRefreshPlaylists();
    }
}

void Tavirel::closePlayersConnections()
{
    for (Source* source : qAsConst(m_sourceMap)) {
        if (TavirelPlayer* player = source->player())
            player->closeConnection();
    }
}

TavirelPlayer* Tavirel::getPlayerForBrowse()
{
    Source* source = m_sourceMap.value(BrowseSourceIndex);
    return source ? source->player() : nullptr;
}

void Tavirel::sendCommand(int code, const QStringList& args)
{
    if (!m_link) {
        qCDebug(lcModel) << "no link; command" << code << "not sent";
        return;
    }
    emit m_link->requireSendCommand(formatCommand(code, args));
}

void Tavirel::announce(const House::Command& command)
{
    if (m_link)
        emit commandRequested(command);
}

void Tavirel::actionSetMatrixSetting(int sourceIndex, int outputIndex)
{
    Output* output = m_outputMap.value(outputIndex);
    if (!output)
        return;
    if (sourceIndex == -1) {
        announce({ House::Command::Route, output->index(), -1 });
        sendCommand(2003, { QString::number(output->index()) + QStringLiteral("@-1") });
        return;
    }
    if (!m_sourceMap.contains(sourceIndex))
        return;
    announce({ House::Command::Route, outputIndex, sourceIndex });
    sendCommand(2003, { QStringLiteral("%1@%2").arg(outputIndex).arg(sourceIndex) });
}

void Tavirel::actionSetVolumeForOutput(int value, int outputIndex)
{
    if (Output* output = m_outputMap.value(outputIndex)) {
        announce({ House::Command::OutputVolume, output->index(), value });
        sendCommand(2000, { QString::number(output->index()), QString::number(value) });
    }
}

void Tavirel::actionSetVolumeForSource(int value, int sourceIndex)
{
    if (Source* source = m_sourceMap.value(sourceIndex)) {
        announce({ House::Command::SourceVolume, source->index(), value });
        sendCommand(2004, { QString::number(source->index()), QString::number(value) });
    }
}

void Tavirel::actionSetMuteForOutput(bool value, int outputIndex)
{
    if (Output* output = m_outputMap.value(outputIndex)) {
        announce({ House::Command::OutputMute, output->index(), value ? 1 : 0 });
        sendCommand(2001, { QString::number(output->index()), value ? QStringLiteral("1") : QStringLiteral("0") });
    }
}

void Tavirel::actionSetMuteForSource(bool value, int sourceIndex)
{
    // The device has no source mute: mute every output that plays the source.
    Source* source = m_sourceMap.value(sourceIndex);
    if (!source)
        return;
    for (Output* output : source->linkedOutputList()) {
        announce({ House::Command::OutputMute, output->index(), value ? 1 : 0 });
        sendCommand(2001, { QString::number(output->index()), value ? QStringLiteral("1") : QStringLiteral("0") });
    }
}

void Tavirel::actionSetEqualizerForOutput(QString str)
{
    if (!isEqualizerString(str)) {
        qCDebug(lcModel) << "equaliser setting not sent, malformed:" << str;
        return;
    }
    const QStringList parts = str.split(QLatin1Char('|'));
    if (m_outputMap.contains(parts.at(0).toInt()))
        announce({ House::Command::Tone, parts.at(0).toInt(), 0, parts.at(1).toInt(), parts.at(2).toInt(),
                   parts.at(3).toInt(), parts.at(4).toInt() });
    sendCommand(2002, { str });
}

void Tavirel::actionRenamePlaylist(QString uri, QString new_name)
{
    if (!isEntryText(uri) || !isEntryText(new_name)) {
        qCDebug(lcModel) << "playlist rename not sent, \"|\" or \"@\" in" << uri << new_name;
        return;
    }
    sendCommand(2010, { uri, new_name });
}

void Tavirel::actionDeletePlaylist(QString uri)
{
    if (!isSingleField(uri)) {
        qCDebug(lcModel) << "playlist delete not sent, \"|\" in" << uri;
        return;
    }
    sendCommand(2011, { uri });
}

void Tavirel::actionAssociatePlaylist(int entryId, QString uri)
{
    if (!isEntryText(uri)) {
        qCDebug(lcModel) << "playlist assignment not sent, \"|\" or \"@\" in" << uri;
        return;
    }
    sendCommand(2012, { uri, QString::number(entryId) });
}
