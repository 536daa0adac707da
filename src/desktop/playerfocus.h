#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class PlayerView;
class Source;
class Tavirel;
class TavirelPlayer;

// The source the player page shows, for what works beside the window (the
// panel item, notifications): the page's own choice once the page exists,
// and before that the same rule the page applies, from the device model and
// the user's remembered choice.
class PlayerFocus : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Source* source READ source NOTIFY sourceChanged)
    Q_PROPERTY(Tavirel* tavirel READ model NOTIFY modelChanged)
public:
    explicit PlayerFocus(QObject* parent = nullptr);

    void setDeviceModel(Tavirel* model);
    // From now on the page decides; null goes back to the rule.
    void followPlayerView(PlayerView* view);

    Source* source() const;
    Tavirel* model() const;
    TavirelPlayer* player() const;

signals:
    void sourceChanged();
    void modelChanged();
    // The source changed, or its player did.
    void playerChanged();

private:
    void choose();
    void watchPlayers();
    void setSource(Source* source);

    QPointer<Tavirel> m_model;
    QPointer<PlayerView> m_view;
    QPointer<Source> m_source;
    QList<QPointer<TavirelPlayer>> m_watched;
};
