#pragma once
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QQmlListProperty>

#include "model/linkedoutputsmodel.h"
#include "model/output.h"
#include "player/tavirelplayer.h"

// One input of the device: a line input or a media player. Keeps the outputs
// that play it, keyed by output index, and owns its player client.
class Source : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int index READ index WRITE setIndex NOTIFY indexChanged)
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(int volume READ volume WRITE setVolume NOTIFY volumeChanged)
    Q_PROPERTY(bool mute READ mute WRITE setMute NOTIFY muteChanged)
    Q_PROPERTY(TavirelPlayer* player READ player WRITE setPlayer NOTIFY playerChanged)
    Q_PROPERTY(QQmlListProperty<Output> linkedOutputs READ linkedOutputs NOTIFY linkedOutputsChanged)
    // The same outputs as a model that changes by inserted and removed rows.
    Q_PROPERTY(LinkedOutputsModel* linkedOutputsModel READ linkedOutputsModel CONSTANT)
    // "Playing on Kitchen, Patio" or "Not routed": the names of the linked
    // outputs, computed here once per change rather than in every delegate.
    Q_PROPERTY(QString outputSummary READ outputSummary NOTIFY outputSummaryChanged)
    // The device mutes a source by muting the outputs that play it, so the
    // source counts as muted when it plays somewhere and all those outputs are.
    Q_PROPERTY(bool outputsMuted READ outputsMuted NOTIFY outputsMutedChanged)
    Q_PROPERTY(bool hasLinkedOutputs READ hasLinkedOutputs NOTIFY linkedOutputsChanged)

public:
    explicit Source(QObject* parent = nullptr);
    // The player goes with the source, later: QML may still be bound to it.
    ~Source() override;

    int index() const { return m_index; }
    QString name() const { return m_name; }
    int volume() const { return m_volume; }
    bool mute() const { return m_mute; }
    TavirelPlayer* player() const { return m_player; }
    // Refreshes the snapshot first, so QML sees ascending output index.
    QQmlListProperty<Output> linkedOutputs();
    // The outputs playing this source, in ascending output index.
    QList<Output*> linkedOutputList() const;
    LinkedOutputsModel* linkedOutputsModel() { return &m_linkedModel; }
    QString outputSummary() const;
    // "Kitchen, Patio, Den", or past three outputs "Kitchen, Patio and 998
    // more": a summary stays short however many outputs play the source.
    static QString namesSummary(const QList<Output*>& outputs);
    bool outputsMuted() const { return m_outputsMuted; }
    bool hasLinkedOutputs() const { return !linkedOutputList().isEmpty(); }

    void setIndex(int index);
    void setName(const QString& name);
    void setVolume(int volume);
    void setMute(bool mute);
    // Neither closes nor deletes a previous player: the model does that.
    void setPlayer(TavirelPlayer* player);

    // Called by Output::setSelectedSource to keep both sides in step.
    void addLinkedOutput(Output* output);
    void removeLinkedOutput(int outputIndex);

    // Between these two calls changes of the linked outputs are gathered:
    // endLinkUpdate() announces them with one linkedOutputsChanged, so that a
    // routes message touching many outputs costs the views one update.
    void beginLinkUpdate();
    void endLinkUpdate();

signals:
    void indexChanged();
    void nameChanged();
    void volumeChanged();
    void muteChanged();
    void playerChanged();
    void linkedOutputsChanged();
    void outputSummaryChanged();
    void outputsMutedChanged();

private:
    void linksChanged();
    // A linked output was renamed: the summary is rebuilt once, later, however
    // many names an outputs message sets.
    void scheduleSummaryUpdate();
    void updateSummary();
    void updateOutputsMuted();

    static int linkedCount(QQmlListProperty<Output>* list);
    static Output* linkedAt(QQmlListProperty<Output>* list, int i);

    int m_index = -1;
    int m_volume = 0;
    QString m_name;
    TavirelPlayer* m_player = nullptr;
    QMap<int, QPointer<Output>> m_linkedOutputs;
    LinkedOutputsModel m_linkedModel;
    QList<Output*> m_linkedSnapshot;
    bool m_mute = false;
    QString m_outputSummary;
    bool m_outputsMuted = false;
    int m_linkUpdateDepth = 0;
    bool m_linksChangedInUpdate = false;
    bool m_summaryUpdateScheduled = false;
};
