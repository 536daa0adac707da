#include "model/housestate.h"

#include <QJsonArray>

#include "model/devicemessages.h"
#include "model/tavirel.h"

namespace House {

HouseState capture(const Tavirel& model)
{
    HouseState state;
    for (const Output* o : model.outputList()) {
        OutputSettings s;
        s.name = o->name();
        s.source = o->selectedSource() ? o->selectedSource()->index() : -1;
        s.volume = o->volume();
        s.mute = o->mute();
        s.bass = o->bass();
        s.middle = o->middle();
        s.treble = o->treble();
        s.loudness = o->loudness();
        state.outputs.insert(o->index(), s);
    }
    for (const Source* src : model.sourceList())
        state.sources.insert(src->index(), SourceSettings { src->name(), src->volume() });
    return state;
}

void mergeOutput(HouseState* into, int index, const OutputSettings& from, unsigned fields, bool keepOld)
{
    auto it = into->outputs.find(index);
    if (it == into->outputs.end()) {
        OutputSettings s = from;
        s.fields = fields;
        into->outputs.insert(index, s);
        return;
    }
    const unsigned fresh = keepOld ? fields & ~it->fields : fields;
    if (fresh & RouteField)
        it->source = from.source;
    if (fresh & VolumeField)
        it->volume = from.volume;
    if (fresh & MuteField)
        it->mute = from.mute;
    if (fresh & ToneField) {
        it->bass = from.bass;
        it->middle = from.middle;
        it->treble = from.treble;
        it->loudness = from.loudness;
    }
    it->fields |= fields;
}

namespace {
bool sameTone(const OutputSettings& a, const OutputSettings& b)
{
    return a.bass == b.bass && a.middle == b.middle && a.treble == b.treble && a.loudness == b.loudness;
}
}

bool matches(const HouseState& expected, const HouseState& now)
{
    for (auto it = expected.outputs.cbegin(); it != expected.outputs.cend(); ++it) {
        const auto found = now.outputs.constFind(it.key());
        if (found == now.outputs.cend())
            return false;
        const OutputSettings& e = it.value();
        if (((e.fields & RouteField) && e.source != found->source)
            || ((e.fields & VolumeField) && e.volume != found->volume)
            || ((e.fields & MuteField) && e.mute != found->mute) || ((e.fields & ToneField) && !sameTone(e, *found)))
            return false;
    }
    for (auto it = expected.sources.cbegin(); it != expected.sources.cend(); ++it) {
        const auto found = now.sources.constFind(it.key());
        if (found == now.sources.cend() || found->volume != it->volume)
            return false;
    }
    return true;
}

bool isSceneName(const QString& name)
{
    if (name.trimmed().isEmpty() || name.size() > MaxSceneName)
        return false;
    for (const QChar c : name) {
        if (!c.isPrint())
            return false;
    }
    return true;
}

QJsonObject sceneToJson(const Scene& scene)
{
    QJsonArray outputs;
    for (auto it = scene.state.outputs.cbegin(); it != scene.state.outputs.cend(); ++it) {
        outputs.append(QJsonObject { { "index", it.key() },
                                     { "name", it->name },
                                     { "source", it->source },
                                     { "volume", it->volume },
                                     { "mute", it->mute },
                                     { "bass", it->bass },
                                     { "middle", it->middle },
                                     { "treble", it->treble },
                                     { "loudness", it->loudness } });
    }
    QJsonArray sources;
    for (auto it = scene.state.sources.cbegin(); it != scene.state.sources.cend(); ++it)
        sources.append(QJsonObject { { "index", it.key() }, { "name", it->name }, { "volume", it->volume } });
    QJsonObject json { { "name", scene.name }, { "outputs", outputs }, { "sources", sources } };
    if (scene.plays.isSet())
        json.insert("plays", QJsonObject { { "source", scene.plays.source }, { "playlist", scene.plays.playlist } });
    return json;
}

namespace {
bool readIndex(const QJsonObject& o, int* index)
{
    const QJsonValue v = o.value("index");
    if (!v.isDouble() || v.toDouble() != double(v.toInt()) || v.toInt() < 0)
        return false;
    *index = v.toInt();
    return true;
}

int bounded(const QJsonObject& o, const char* key, int low, int high, int fallback)
{
    const QJsonValue v = o.value(QLatin1String(key));
    return v.isDouble() ? qBound(low, int(qBound(-1e9, v.toDouble(), 1e9)), high) : fallback;
}
}

bool sceneFromJson(const QJsonObject& json, Scene* scene)
{
    Scene s;
    s.name = json.value("name").toString();
    if (!isSceneName(s.name))
        return false;
    for (const QJsonValue& v : json.value("outputs").toArray()) {
        const QJsonObject o = v.toObject();
        int index = -1;
        if (!readIndex(o, &index) || s.state.outputs.size() >= DeviceMessages::MaxListEntries)
            continue;
        OutputSettings out;
        out.name = o.value("name").toString().left(MaxSceneName);
        out.source = bounded(o, "source", -1, 1 << 20, -1);
        out.volume = bounded(o, "volume", 0, 100, 0);
        out.mute = o.value("mute").toBool();
        out.bass = bounded(o, "bass", -20, 20, 0);
        out.middle = bounded(o, "middle", -20, 20, 0);
        out.treble = bounded(o, "treble", -20, 20, 0);
        out.loudness = bounded(o, "loudness", -20, 20, 0);
        s.state.outputs.insert(index, out);
    }
    for (const QJsonValue& v : json.value("sources").toArray()) {
        const QJsonObject o = v.toObject();
        int index = -1;
        if (!readIndex(o, &index) || s.state.sources.size() >= DeviceMessages::MaxListEntries)
            continue;
        s.state.sources.insert(index, SourceSettings { o.value("name").toString().left(MaxSceneName),
                                                       bounded(o, "volume", 0, 100, 0) });
    }
    const QJsonObject plays = json.value("plays").toObject();
    const QString playlist = plays.value("playlist").toString();
    // The URI travels inside a JSON-RPC request only, but a control character
    // there is never a playlist.
    if (!playlist.isEmpty() && isSceneName(playlist.left(MaxSceneName)))
        s.plays = Plays { bounded(plays, "source", -1, 1 << 20, -1), playlist };
    *scene = s;
    return true;
}

QString Command::text() const
{
    using DeviceMessages::formatCommand;
    const QString i = QString::number(index);
    switch (kind) {
    case OutputVolume:
        return formatCommand(2000, { i, QString::number(value) });
    case OutputMute:
        return formatCommand(2001, { i, value ? QStringLiteral("1") : QStringLiteral("0") });
    case Route:
        return formatCommand(2003, { QStringLiteral("%1@%2").arg(index).arg(value) });
    case Tone:
        return formatCommand(2002, { i, QString::number(bass), QString::number(middle), QString::number(treble),
                                     QString::number(loudness) });
    case SourceVolume:
        return formatCommand(2004, { i, QString::number(value) });
    }
    return QString();
}

void Command::send(Tavirel* model) const
{
    switch (kind) {
    case OutputVolume:
        model->actionSetVolumeForOutput(value, index);
        break;
    case OutputMute:
        model->actionSetMuteForOutput(value != 0, index);
        break;
    case Route:
        model->actionSetMatrixSetting(value, index);
        break;
    case Tone:
        model->actionSetEqualizerForOutput(QStringLiteral("%1|%2|%3|%4|%5")
                                               .arg(index)
                                               .arg(bass)
                                               .arg(middle)
                                               .arg(treble)
                                               .arg(loudness));
        break;
    case SourceVolume:
        model->actionSetVolumeForSource(value, index);
        break;
    }
}

Diff recallDiff(const HouseState& current, const HouseState& target)
{
    Diff diff;
    QVector<Command> quieter, routing, louder, unmutes;
    for (auto it = target.outputs.cbegin(); it != target.outputs.cend(); ++it) {
        const int index = it.key();
        const OutputSettings& want = it.value();
        const auto found = current.outputs.constFind(index);
        if (found == current.outputs.cend()) {
            diff.skippedOutputs << (want.name.isEmpty() ? QString::number(index) : want.name);
            continue;
        }
        const OutputSettings& now = found.value();
        if ((want.fields & MuteField) && want.mute && !now.mute)
            quieter.append(Command { Command::OutputMute, index, 1 });
        if ((want.fields & VolumeField) && want.volume != now.volume)
            (want.volume < now.volume ? quieter : louder).append(Command { Command::OutputVolume, index, want.volume });
        if ((want.fields & RouteField) && want.source != now.source) {
            if (want.source >= 0 && !current.sources.contains(want.source)) {
                const QString name = target.sources.value(want.source).name;
                diff.skippedSources << (name.isEmpty() ? QString::number(want.source) : name);
            } else {
                routing.append(Command { Command::Route, index, want.source });
            }
        }
        if ((want.fields & ToneField) && !sameTone(want, now))
            routing.append(Command { Command::Tone, index, 0, want.bass, want.middle, want.treble, want.loudness });
        if ((want.fields & MuteField) && !want.mute && now.mute)
            unmutes.append(Command { Command::OutputMute, index, 0 });
    }
    for (auto it = target.sources.cbegin(); it != target.sources.cend(); ++it) {
        const auto found = current.sources.constFind(it.key());
        if (found == current.sources.cend()) {
            diff.skippedSources << (it->name.isEmpty() ? QString::number(it.key()) : it->name);
            continue;
        }
        if (it->volume != found->volume)
            (it->volume < found->volume ? quieter : louder)
                .append(Command { Command::SourceVolume, it.key(), it->volume });
    }
    diff.commands = quieter + routing + louder + unmutes;
    diff.skippedSources.removeDuplicates();
    return diff;
}

HouseState restrictTo(const HouseState& scene, const HouseState& current, const QSet<int>& outputIndices)
{
    HouseState part;
    QSet<int> playedByChosen;
    for (auto it = scene.outputs.cbegin(); it != scene.outputs.cend(); ++it) {
        if (!outputIndices.contains(it.key()))
            continue;
        part.outputs.insert(it.key(), it.value());
        playedByChosen.insert(it->source);
    }
    QSet<int> playedByOthers;
    for (auto it = current.outputs.cbegin(); it != current.outputs.cend(); ++it) {
        if (!outputIndices.contains(it.key()))
            playedByOthers.insert(it->source);
    }
    for (auto it = scene.sources.cbegin(); it != scene.sources.cend(); ++it) {
        if (playedByChosen.contains(it.key()) && !playedByOthers.contains(it.key()))
            part.sources.insert(it.key(), it.value());
    }
    return part;
}

}
