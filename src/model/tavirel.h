#pragma once
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QQmlListProperty>
#include <QStringList>

#include "model/housestate.h"
#include "model/output.h"
#include "model/playlistentry.h"
#include "model/source.h"

class TavirelConnThread;
class TavirelPlayer;

// The live picture of one connected device. It rebuilds its outputs, sources,
// routes and playlist entries from the device's broadcasts, and turns user
// actions into commands for the link. It never changes its own state on an
// action: the device's answering broadcast does.
class Tavirel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject* connPointer READ connPointer WRITE setConnPointer NOTIFY connPointerChanged)
    Q_PROPERTY(QQmlListProperty<Output> outputs READ outputs NOTIFY outputsChanged)
    Q_PROPERTY(QQmlListProperty<Source> sources READ sources NOTIFY sourcesChanged)
    Q_PROPERTY(QQmlListProperty<PlaylistEntry> playlistEntries READ playlistEntries NOTIFY playlistEntriesChanged)
    // The link is ready for commands; controls that send them are disabled
    // while it is not.
    Q_PROPERTY(bool linkUp READ linkUp NOTIFY linkUpChanged)

public:
    explicit Tavirel(QObject* parent = nullptr);
    ~Tavirel() override;

    QObject* connPointer() const;
    // Takes the link thread object; nullptr when no device is connected.
    // Empties the sources and outputs (not the playlist entries).
    void setConnPointer(QObject* c);

    bool linkUp() const { return m_linkUp; }

    QQmlListProperty<Output> outputs();
    QQmlListProperty<Source> sources();
    QQmlListProperty<PlaylistEntry> playlistEntries();

    // C++ views of the same lists and maps.
    QList<Output*> outputList() const { return m_outputs; }
    QList<Source*> sourceList() const { return m_sources; }
    QList<PlaylistEntry*> playlistEntryList() const { return m_playlistEntries; }
    Output* outputByIndex(int index) const { return m_outputMap.value(index); }
    Source* sourceByIndex(int index) const { return m_sourceMap.value(index); }

    Q_INVOKABLE TavirelPlayer* getPlayerForBrowse();
    Q_INVOKABLE void actionSetMatrixSetting(int sourceIndex, int outputIndex);
    Q_INVOKABLE void actionSetVolumeForOutput(int value, int outputIndex);
    Q_INVOKABLE void actionSetVolumeForSource(int value, int sourceIndex);
    Q_INVOKABLE void actionSetMuteForOutput(bool value, int outputIndex);
    Q_INVOKABLE void actionSetMuteForSource(bool value, int sourceIndex);
    Q_INVOKABLE void actionSetEqualizerForOutput(QString str);
    Q_INVOKABLE void actionRenamePlaylist(QString uri, QString new_name);
    Q_INVOKABLE void actionDeletePlaylist(QString uri);
    Q_INVOKABLE void actionAssociatePlaylist(int entryId, QString uri);

signals:
    void connPointerChanged();
    void linkUpChanged();
    void outputsChanged();
    void sourcesChanged();
    void routesUpdated();
    void playlistEntriesChanged();
    // A user action is about to send this command; the model still shows the
    // state before it. Undo records from here, so device broadcasts never enter.
    void commandRequested(const House::Command& command);

private slots:
    void commandReceived(QStringList l);
    void closePlayersConnections();
    void setLinkUp(bool up);

private:
    void rebuildSources(const QStringList& l);
    void rebuildOutputs(const QStringList& l);
    void applyRoutes(const QStringList& l);
    void applyOutputState(const QStringList& l);
    void applySourceLevel(const QStringList& l);
    void applyAirPlay(const QStringList& l);
    void rebuildPlaylistEntries(const QStringList& l);
    void refreshPlaylists();
    void sendCommand(int code, const QStringList& args);
    void announce(const House::Command& command);
    void clearDevice();

    template <typename T> static int listCount(QQmlListProperty<T>* list);
    template <typename T> static T* listAt(QQmlListProperty<T>* list, int i);

    QPointer<QObject> m_connPointer;
    QPointer<TavirelConnThread> m_link;
    bool m_linkUp = false;
    QMap<int, Output*> m_outputMap;
    QHash<int, Source*> m_sourceMap;
    QList<Output*> m_outputs;
    QList<Source*> m_sources;
    QList<PlaylistEntry*> m_playlistEntries;
};
