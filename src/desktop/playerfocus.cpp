#include "desktop/playerfocus.h"

#include "model/source.h"
#include "model/tavirel.h"
#include "player/tavirelplayer.h"
#include "views/playerview.h"

#include <QSettings>

PlayerFocus::PlayerFocus(QObject* parent)
    : QObject(parent)
{
}

Source* PlayerFocus::source() const
{
    return m_source;
}

Tavirel* PlayerFocus::model() const
{
    return m_model;
}

TavirelPlayer* PlayerFocus::player() const
{
    return m_source ? m_source->player() : nullptr;
}

void PlayerFocus::setDeviceModel(Tavirel* model)
{
    if (model == m_model)
        return;
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    if (model) {
        connect(model, &Tavirel::sourcesChanged, this, [this] {
            watchPlayers();
            choose();
        });
        connect(model, &QObject::destroyed, this, [this] { setDeviceModel(nullptr); });
    }
    emit modelChanged();
    watchPlayers();
    choose();
}

void PlayerFocus::followPlayerView(PlayerView* view)
{
    if (m_view)
        disconnect(m_view, nullptr, this, nullptr);
    m_view = view;
    if (view) {
        connect(view, &PlayerView::selectedSourceChanged, this, &PlayerFocus::choose);
        connect(view, &PlayerView::tavirelChanged, this, [this] {
            if (m_view && m_view->tavirel())
                setDeviceModel(m_view->tavirel());
        });
        connect(view, &QObject::destroyed, this, [this] { followPlayerView(nullptr); });
        if (view->tavirel())
            setDeviceModel(view->tavirel());
    }
    choose();
}

void PlayerFocus::watchPlayers()
{
    for (const QPointer<TavirelPlayer>& player : qAsConst(m_watched)) {
        if (player)
            disconnect(player, nullptr, this, nullptr);
    }
    m_watched.clear();
    if (!m_model)
        return;
    for (Source* source : m_model->sourceList()) {
        if (TavirelPlayer* player = source->player()) {
            connect(player, &TavirelPlayer::playPauseChanged, this, &PlayerFocus::choose);
            connect(player, &TavirelPlayer::airPlayChanged, this, &PlayerFocus::choose);
            m_watched.append(player);
        }
    }
}

void PlayerFocus::choose()
{
    if (m_view) {
        setSource(m_view->selectedSource());
        return;
    }
    if (!m_model) {
        setSource(nullptr);
        return;
    }
    QList<PlayerView::PlayerSource> players;
    for (Source* s : m_model->sourceList()) {
        if (TavirelPlayer* p = s->player())
            players.append({ s->index(), p->playPause() == 2 || p->airPlay() });
    }
    bool ok = false;
    const int chosen = QSettings().value(QLatin1String(PlayerView::ChosenSourceKey)).toInt(&ok);
    const bool shownHere = m_source && m_model->sourceList().contains(m_source);
    const int pick = PlayerView::sourceToShow(players, ok ? chosen : -1, shownHere ? m_source->index() : -1);
    setSource(pick >= 0 ? m_model->sourceByIndex(pick) : nullptr);
}

void PlayerFocus::setSource(Source* source)
{
    if (source == m_source)
        return;
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (source) {
        connect(source, &Source::playerChanged, this, &PlayerFocus::playerChanged);
        connect(source, &QObject::destroyed, this, [this] {
            emit sourceChanged();
            emit playerChanged();
            choose();
        });
    }
    emit sourceChanged();
    emit playerChanged();
}
