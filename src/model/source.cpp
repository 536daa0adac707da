#include "model/source.h"

#include <algorithm>

Source::Source(QObject* parent)
    : QObject(parent)
    , m_outputSummary(tr("Not routed"))
{
}

Source::~Source()
{
    if (m_player)
        m_player->deleteLater();
}

QQmlListProperty<Output> Source::linkedOutputs()
{
    m_linkedSnapshot = linkedOutputList();
    return QQmlListProperty<Output>(this, &m_linkedSnapshot, &Source::linkedCount, &Source::linkedAt);
}

QList<Output*> Source::linkedOutputList() const
{
    QList<Output*> list;
    for (const QPointer<Output>& output : m_linkedOutputs) {
        if (output)
            list.append(output.data());
    }
    return list;
}

int Source::linkedCount(QQmlListProperty<Output>* list)
{
    return static_cast<QList<Output*>*>(list->data)->size();
}

Output* Source::linkedAt(QQmlListProperty<Output>* list, int i)
{
    const auto* outputs = static_cast<QList<Output*>*>(list->data);
    return i >= 0 && i < outputs->size() ? outputs->at(i) : nullptr;
}

void Source::setIndex(int index)
{
    m_index = index;
    emit indexChanged();
}

void Source::setName(const QString& name)
{
    m_name = name;
    emit nameChanged();
}

void Source::setVolume(int volume)
{
    m_volume = volume;
    emit volumeChanged();
}

void Source::setMute(bool mute)
{
    m_mute = mute;
    emit muteChanged();
}

void Source::setPlayer(TavirelPlayer* player)
{
    m_player = player;
    emit playerChanged();
}

void Source::addLinkedOutput(Output* output)
{
    // A destroyed output leaves a null entry that a new one may take.
    if (!output || m_linkedOutputs.value(output->index()))
        return;
    m_linkedOutputs.insert(output->index(), output);
    m_linkedModel.insertOutput(output);
    // A destroyed output leaves the lists at once, so no row shows a null.
    const int outputIndex = output->index();
    connect(output, &QObject::destroyed, this, [this, outputIndex] {
        const auto it = m_linkedOutputs.find(outputIndex);
        if (it != m_linkedOutputs.end() && !it.value())
            removeLinkedOutput(outputIndex);
    });
    connect(output, &Output::nameChanged, this, &Source::scheduleSummaryUpdate, Qt::UniqueConnection);
    connect(output, &Output::muteChanged, this, &Source::updateOutputsMuted, Qt::UniqueConnection);
    linksChanged();
}

void Source::removeLinkedOutput(int outputIndex)
{
    const auto it = m_linkedOutputs.find(outputIndex);
    if (it == m_linkedOutputs.end())
        return;
    if (Output* output = it.value().data()) {
        disconnect(output, &Output::nameChanged, this, &Source::scheduleSummaryUpdate);
        disconnect(output, &Output::muteChanged, this, &Source::updateOutputsMuted);
    }
    m_linkedOutputs.erase(it);
    m_linkedModel.removeOutputIndex(outputIndex);
    linksChanged();
}

void Source::beginLinkUpdate()
{
    ++m_linkUpdateDepth;
}

void Source::endLinkUpdate()
{
    if (m_linkUpdateDepth == 0 || --m_linkUpdateDepth > 0 || !m_linksChangedInUpdate)
        return;
    m_linksChangedInUpdate = false;
    emit linkedOutputsChanged();
    updateSummary();
    updateOutputsMuted();
}

void Source::linksChanged()
{
    if (m_linkUpdateDepth > 0) {
        m_linksChangedInUpdate = true;
        return;
    }
    emit linkedOutputsChanged();
    updateSummary();
    updateOutputsMuted();
}

QString Source::outputSummary() const { return m_outputSummary; }

void Source::scheduleSummaryUpdate()
{
    if (m_summaryUpdateScheduled)
        return;
    m_summaryUpdateScheduled = true;
    QMetaObject::invokeMethod(this, &Source::updateSummary, Qt::QueuedConnection);
}

void Source::updateSummary()
{
    m_summaryUpdateScheduled = false;
    const QList<Output*> outputs = linkedOutputList();
    const QString summary = outputs.isEmpty() ? tr("Not routed") : tr("Playing on %1").arg(namesSummary(outputs));
    if (summary == m_outputSummary)
        return;
    m_outputSummary = summary;
    emit outputSummaryChanged();
}

QString Source::namesSummary(const QList<Output*>& outputs)
{
    constexpr int AllNamesUpTo = 3;
    constexpr int NamesBeforeMore = 2;
    QStringList names;
    const int shown = outputs.size() <= AllNamesUpTo ? outputs.size() : NamesBeforeMore;
    for (int i = 0; i < shown; ++i)
        names.append(outputs.at(i)->name());
    const QString joined = names.join(QStringLiteral(", "));
    if (shown == outputs.size())
        return joined;
    return tr("%1 and %2 more").arg(joined).arg(outputs.size() - shown);
}

void Source::updateOutputsMuted()
{
    const QList<Output*> outputs = linkedOutputList();
    const bool muted = !outputs.isEmpty()
        && std::all_of(outputs.begin(), outputs.end(), [](const Output* output) { return output->mute(); });
    if (muted == m_outputsMuted)
        return;
    m_outputsMuted = muted;
    emit outputsMutedChanged();
}
