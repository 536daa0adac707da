#include "model/output.h"

#include "model/devicemessages.h"
#include "model/source.h"

Output::Output(QObject* parent)
    : QObject(parent)
{
}

Output::~Output()
{
    // A source that outlives this output must not list it any more.
    if (m_selectedSource)
        m_selectedSource->removeLinkedOutput(m_index);
}

Source* Output::selectedSource() const { return m_selectedSource.data(); }

void Output::setIndex(int index)
{
    m_index = index;
    emit indexChanged();
}

void Output::setName(const QString& name)
{
    m_name = name;
    emit nameChanged();
}

void Output::setVolume(int volume)
{
    m_volume = volume;
    emit volumeChanged();
}

void Output::setMute(bool mute)
{
    m_mute = mute;
    emit muteChanged();
}

void Output::setBass(int bass)
{
    m_bass = bass;
    emit bassChanged();
}

void Output::setMiddle(int middle)
{
    m_middle = middle;
    emit middleChanged();
}

void Output::setTreble(int treble)
{
    m_treble = treble;
    emit trebleChanged();
}

void Output::setLoudness(int loudness)
{
    m_loudness = loudness;
    emit loudnessChanged();
}

void Output::setSelectedSource(Source* source)
{
    if (m_selectedSource)
        m_selectedSource->removeLinkedOutput(m_index);
    m_selectedSource = source;
    if (source)
        source->addLinkedOutput(this);
    emit selectedSourceChanged();
}

void Output::updateState(const QStringList& fields)
{
    if (fields.size() < 6)
        return;
    setVolume(DeviceMessages::toVolume(fields.at(0)));
    setMute(fields.at(1) == QLatin1String("1"));
    setBass(DeviceMessages::toInt(fields.at(2)));
    setMiddle(DeviceMessages::toInt(fields.at(3)));
    setTreble(DeviceMessages::toInt(fields.at(4)));
    setLoudness(DeviceMessages::toInt(fields.at(5)));
}

#include "moc_output.cpp"
