#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// The simulated device's state and its command interpreter. Pure: it formats
// broadcasts as texts ("BROAD|code|0|payload...", the sender puts its counter
// in front) and applies commands, but knows nothing of sockets or Mopidy.
struct SimOutput
{
    int index = 0;
    QString name;
    int volume = 50;
    bool mute = false;
    int bass = 0;
    int middle = 0;
    int treble = 0;
    int loudness = 0;
    int source = -1; // routed source index, -1 for none
};

struct SimSource
{
    int index = 0;
    QString name;
    bool player = false;
    QString host; // Mopidy server of a player source
    int port = 6680;
    int volume = 50;
    bool mute = false;
};

struct SimPlaylistEntry
{
    int id = 0;
    QString name;
    QString playlist; // playlist URI, may be empty
};

// What a command asks of the outside world besides broadcasts.
struct PlaylistRequest
{
    enum Kind { None, Rename, Delete };
    Kind kind = None;
    QString uri;
    QString newName;
};

struct CommandResult
{
    bool accepted = false;
    QString error;          // why a command was dropped
    QStringList broadcasts; // what changed, to send to every joined client
    PlaylistRequest playlist;
};

class DeviceState
{
public:
    static DeviceState defaultState();
    // Reads a configuration; returns false (with a reason) on anything that
    // could not go on the wire as it is.
    static bool fromJson(const QByteArray &json, DeviceState *state, QString *error);
    QJsonObject toJson() const;

    QList<SimOutput> outputs;
    QList<SimSource> sources;
    QList<SimPlaylistEntry> playlistEntries;
    QString settingsGetUrl;
    QString settingsPostUrl;

    // Points every player source at one Mopidy server (empty host / port 0
    // leave that part as configured).
    void overridePlayerAddress(const QString &host, int port);

    // Everything a client needs after "UI_COMMAND|17", in order: codes 0, 1,
    // 2, 3 per output, 4 per source, 25.
    QStringList stateBroadcasts() const;
    QString sourcesBroadcast() const;
    QString outputsBroadcast() const;
    QString routesBroadcast() const;
    QString outputStateBroadcast(const SimOutput &output) const;
    QString sourceStateBroadcast(const SimSource &source) const;
    QString playlistEntriesBroadcast() const;
    QString settingsUrlsBroadcast(bool withPostUrl = true) const;
    static QString readyBroadcast();
    static QString keepAliveBroadcast();
    static QString playlistsChangedBroadcast();

    // Applies one command, the text after "UI_COMMAND|" (for example
    // "2000|100|3|40"). Malformed commands change nothing.
    CommandResult apply(const QString &command);

    // After the player's Mopidy renamed or deleted a playlist: entries that
    // named the old URI follow it. Returns the broadcasts to send.
    QStringList playlistRenamed(const QString &oldUri, const QString &newUri);
    QStringList playlistDeleted(const QString &uri);

    // The device's settings object names its outputs and sources too
    // ("outputs" and "sources", elements keyed by "id"). The first copies
    // these names into the settings, the second takes them from settings that
    // were posted and returns the broadcasts of the lists that changed. Names
    // that could not go on the wire are left out.
    void copyNamesInto(QJsonObject *settings) const;
    QStringList applySettingsNames(const QJsonObject &settings);

    SimOutput *output(int index);
    SimSource *source(int index);
    const SimSource *playlistPlayer() const;

private:
    CommandResult applyRoute(const QStringList &args);
};
