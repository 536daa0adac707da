#pragma once
#include <QJsonObject>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

class Tavirel;

// Plain values for the state of a whole house (every output and source of
// one device), the scenes made from it and the commands that take the device
// from one state to another. Nothing here sends or stores anything.
namespace House {

// Which settings of an output a state speaks for; the others are left as
// they are when the state is applied.
enum Field : unsigned {
    RouteField = 1,
    VolumeField = 2,
    MuteField = 4,
    ToneField = 8,
    AllFields = RouteField | VolumeField | MuteField | ToneField,
};

struct OutputSettings
{
    QString name;
    int source = -1; // -1: plays nothing
    int volume = 0;
    bool mute = false;
    int bass = 0;
    int middle = 0;
    int treble = 0;
    int loudness = 0;
    unsigned fields = AllFields;
};

struct SourceSettings
{
    QString name;
    int volume = 0;
};

struct HouseState
{
    QMap<int, OutputSettings> outputs;
    QMap<int, SourceSettings> sources;
    bool isEmpty() const { return outputs.isEmpty() && sources.isEmpty(); }
};

// The visible outputs and sources of the model, as the device last told them.
HouseState capture(const Tavirel& model);

// Copies into `into` the fields `fields` of `from`, keeping what `into`
// already holds for other fields (or, with `keepOld`, for these too).
void mergeOutput(HouseState* into, int index, const OutputSettings& from, unsigned fields, bool keepOld);

// Whether every field that `expected` speaks for has that value in `now`.
bool matches(const HouseState& expected, const HouseState& now);

// What a scene starts playing: a playlist on a player source.
struct Plays
{
    int source = -1;
    QString playlist;
    bool isSet() const { return source >= 0 && !playlist.isEmpty(); }
};

struct Scene
{
    QString name;
    HouseState state;
    Plays plays;
};

QJsonObject sceneToJson(const Scene& scene);
// False for anything that is not a scene with a name; values out of the
// device's ranges are clamped, entries without a numeric index are dropped.
bool sceneFromJson(const QJsonObject& json, Scene* scene);
// Scene names are shown, stored as keys and passed on the bus: one line of
// printable text, not blank, at most this long.
constexpr int MaxSceneName = 64;
bool isSceneName(const QString& name);

struct Command
{
    enum Kind { OutputVolume, OutputMute, Route, Tone, SourceVolume };
    Kind kind = OutputVolume;
    int index = -1;
    int value = 0; // the volume, 1/0 for mute, the source index (-1 detaches)
    int bass = 0;
    int middle = 0;
    int treble = 0;
    int loudness = 0;

    // The command as the device receives it after "UI_COMMAND|".
    QString text() const;
    // Through the model's actions, so the link's checks apply.
    void send(Tavirel* model) const;
};

struct Diff
{
    QVector<Command> commands;
    // Names of outputs and sources that the target names but the device no
    // longer has.
    QStringList skippedOutputs;
    QStringList skippedSources;
};

// The commands that take `current` to `target`, only those that change
// something, ordered so that nothing is briefly loud: lower volumes and
// mutes first, then routing and tone, then raised volumes, unmutes last.
Diff recallDiff(const HouseState& current, const HouseState& target);

// The part of a scene's state for the outputs in `outputIndices`. A source's
// volume stays only when a chosen output plays it in the scene and no output
// left out plays it now, so that the outputs left out sound as before.
HouseState restrictTo(const HouseState& scene, const HouseState& current, const QSet<int>& outputIndices);

}
