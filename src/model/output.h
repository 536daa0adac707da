#pragma once
#include <QObject>
#include <QPointer>
#include <QStringList>

class Source;

// One output zone of the device. The model fills it from broadcasts; QML reads
// it and changes the device only through the model's actions.
class Output : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int index READ index WRITE setIndex NOTIFY indexChanged)
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(int volume READ volume WRITE setVolume NOTIFY volumeChanged)
    Q_PROPERTY(bool mute READ mute WRITE setMute NOTIFY muteChanged)
    Q_PROPERTY(int bass READ bass WRITE setBass NOTIFY bassChanged)
    Q_PROPERTY(int middle READ middle WRITE setMiddle NOTIFY middleChanged)
    Q_PROPERTY(int treble READ treble WRITE setTreble NOTIFY trebleChanged)
    Q_PROPERTY(int loudness READ loudness WRITE setLoudness NOTIFY loudnessChanged)
    Q_PROPERTY(Source* selectedSource READ selectedSource WRITE setSelectedSource NOTIFY selectedSourceChanged)

public:
    explicit Output(QObject* parent = nullptr);
    ~Output() override;

    int index() const { return m_index; }
    QString name() const { return m_name; }
    int volume() const { return m_volume; }
    bool mute() const { return m_mute; }
    int bass() const { return m_bass; }
    int middle() const { return m_middle; }
    int treble() const { return m_treble; }
    int loudness() const { return m_loudness; }
    Source* selectedSource() const;

    // Setters store and emit every time: the device's broadcast is the truth,
    // and a repeated value still has to reach the sliders that the user moved.
    void setIndex(int index);
    void setName(const QString& name);
    void setVolume(int volume);
    void setMute(bool mute);
    void setBass(int bass);
    void setMiddle(int middle);
    void setTreble(int treble);
    void setLoudness(int loudness);
    // Keeps the linked outputs of the old and the new source in step.
    void setSelectedSource(Source* source);

    // Volume, mute, bass, middle, treble, loudness as the device sends them;
    // fewer than six fields change nothing.
    void updateState(const QStringList& fields);

signals:
    void indexChanged();
    void nameChanged();
    void volumeChanged();
    void muteChanged();
    void bassChanged();
    void middleChanged();
    void trebleChanged();
    void loudnessChanged();
    void selectedSourceChanged();

private:
    int m_index = -1;
    int m_volume = 0;
    int m_bass = 0;
    int m_middle = 0;
    int m_treble = 0;
    int m_loudness = 0;
    QString m_name;
    bool m_mute = false;
    QPointer<Source> m_selectedSource;
};
