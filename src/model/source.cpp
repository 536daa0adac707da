#include "model/source.h"

Source::Source(QObject* parent)
    : QObject(parent)
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
    emit linkedOutputsChanged();
}

void Source::removeLinkedOutput(int outputIndex)
{
    if (m_linkedOutputs.remove(outputIndex) == 0)
        return;
    emit linkedOutputsChanged();
}
