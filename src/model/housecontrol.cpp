#include "model/housecontrol.h"

#include <QFile>
#include <QSaveFile>
#include <cmath>

#include "app/logcategories.h"
#include "model/scenestore.h"
#include "model/tavirel.h"
#include "player/tavirelplayer.h"

using namespace House;

namespace {
// The player's state while it plays, and while it is paused.
constexpr int Playing = 2;
constexpr int Paused = 1;

bool plays(const Output* output) { return output->selectedSource() && !output->mute(); }

QString outputName(const Tavirel* model, int index)
{
    const Output* output = model ? model->outputByIndex(index) : nullptr;
    return output ? output->name() : QString::number(index);
}

QString sourceName(const Tavirel* model, int index)
{
    const Source* source = model ? model->sourceByIndex(index) : nullptr;
    return source ? source->name() : QString::number(index);
}
}

HouseControl::HouseControl(QObject* parent)
    : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(DefaultSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &HouseControl::checkAfterReconnect);
    m_sleepTick.setInterval(DefaultFadeStepMs);
    connect(&m_sleepTick, &QTimer::timeout, this, &HouseControl::sleepTick);
}

HouseControl::~HouseControl() = default;

void HouseControl::setModel(Tavirel* model)
{
    if (m_model == model)
        return;
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    clearHistory();
    if (!m_model)
        return;
    connect(m_model, &Tavirel::commandRequested, this, &HouseControl::commandRequested);
    connect(m_model, &Tavirel::linkUpChanged, this, &HouseControl::linkUpChanged);
}

void HouseControl::setDeviceSerial(const QString& serial)
{
    if (serial == m_serial)
        return;
    m_serial = serial;
    // Another device: nothing of the last one applies to it.
    clearHistory();
    setSleepTimer(0);
    setAllOff({}, {});
    m_allOffOn = false;
    loadScenes();
}

void HouseControl::setFadeTiming(int windowMs, int stepMs)
{
    m_fadeWindowMs = qMax(0, windowMs);
    // A step at least every 2 s keeps the fade smooth.
    m_sleepTick.setInterval(qBound(10, stepMs, 2000));
}

// Scenes

QStringList HouseControl::sceneNames() const
{
    QStringList names;
    for (const Scene& scene : m_scenes)
        names << scene.name;
    return names;
}

bool HouseControl::hasScene(const QString& name) const { return sceneNames().contains(name); }

Scene HouseControl::scene(const QString& name) const
{
    for (const Scene& s : m_scenes) {
        if (s.name == name)
            return s;
    }
    return {};
}

void HouseControl::loadScenes()
{
    m_scenes = SceneStore::load(m_serial);
    emit scenesChanged();
}

void HouseControl::storeScenes()
{
    SceneStore::save(m_serial, m_scenes);
    emit scenesChanged();
}

void HouseControl::saveScene(const QString& name)
{
    if (!m_model || !hasDevice() || !isSceneName(name)) {
        qCDebug(lcModel) << "scene not saved: no device, or not a scene name:" << name;
        return;
    }
    Scene scene { name, capture(*m_model), {} };
    for (Scene& s : m_scenes) {
        if (s.name == name) {
            scene.plays = s.plays;
            s = scene;
            storeScenes();
            return;
        }
    }
    if (m_scenes.size() >= MaxScenes) {
        qCDebug(lcModel) << "scene not saved: already" << MaxScenes;
        return;
    }
    m_scenes.append(scene);
    storeScenes();
}

void HouseControl::deleteScene(const QString& name)
{
    const int before = m_scenes.size();
    m_scenes.erase(std::remove_if(m_scenes.begin(), m_scenes.end(), [&](const Scene& s) { return s.name == name; }),
                   m_scenes.end());
    if (m_scenes.size() != before)
        storeScenes();
}

bool HouseControl::renameScene(const QString& from, const QString& to)
{
    if (!isSceneName(to) || !hasScene(from) || (to != from && hasScene(to)))
        return false;
    for (Scene& s : m_scenes) {
        if (s.name == from)
            s.name = to;
    }
    storeScenes();
    return true;
}

bool HouseControl::setScenePlays(const QString& name, int sourceIndex, const QString& playlistUri)
{
    for (Scene& s : m_scenes) {
        if (s.name != name)
            continue;
        s.plays = playlistUri.isEmpty() ? Plays {} : Plays { sourceIndex, playlistUri };
        storeScenes();
        return true;
    }
    return false;
}

bool HouseControl::exportScenes(const QUrl& file)
{
    QSaveFile out(file.isLocalFile() ? file.toLocalFile() : file.toString());
    if (!out.open(QIODevice::WriteOnly) || out.write(SceneStore::toFile(m_scenes)) < 0 || !out.commit()) {
        setReport(tr("The scenes could not be written to %1.").arg(out.fileName()));
        return false;
    }
    setReport(QString());
    return true;
}

int HouseControl::importScenes(const QUrl& file)
{
    if (!hasDevice())
        return -1;
    QFile in(file.isLocalFile() ? file.toLocalFile() : file.toString());
    // A scene file is small; a large one is something else.
    constexpr qint64 MaxFileSize = 4 * 1024 * 1024;
    QVector<Scene> read;
    int dropped = 0;
    if (!in.open(QIODevice::ReadOnly) || in.size() > MaxFileSize
        || !SceneStore::fromFile(in.read(MaxFileSize), &read, &dropped)) {
        setReport(tr("%1 is not a scene file.").arg(in.fileName()));
        return -1;
    }
    int taken = 0;
    for (const Scene& scene : qAsConst(read)) {
        auto same = std::find_if(m_scenes.begin(), m_scenes.end(), [&](const Scene& s) { return s.name == scene.name; });
        if (same != m_scenes.end()) {
            *same = scene;
        } else if (m_scenes.size() < MaxScenes) {
            m_scenes.append(scene);
        } else {
            ++dropped;
            continue;
        }
        ++taken;
    }
    storeScenes();
    setReport(dropped ? tr("Scenes of the file that could not be read: %1").arg(dropped) : QString());
    return taken;
}

QString HouseControl::recallProblem(const QString& name, const QStringList& outputNames) const
{
    if (!hasScene(name))
        return tr("There is no scene \"%1\".").arg(name);
    const Scene s = scene(name);
    for (const QString& wanted : outputNames) {
        bool found = false;
        for (auto it = s.state.outputs.cbegin(); it != s.state.outputs.cend() && !found; ++it)
            found = it->name == wanted || outputName(m_model, it.key()) == wanted;
        if (!found)
            return tr("The scene \"%1\" has no output \"%2\".").arg(name, wanted);
    }
    return QString();
}

QVariantList HouseControl::previewScene(const QString& name) const
{
    QVariantList rows;
    if (!hasScene(name))
        return rows;
    const Scene s = scene(name);
    const HouseState now = m_model ? capture(*m_model) : HouseState();
    for (auto it = s.state.outputs.cbegin(); it != s.state.outputs.cend(); ++it) {
        const auto found = now.outputs.constFind(it.key());
        QStringList changes;
        const bool missing = found == now.outputs.cend();
        if (missing) {
            changes << tr("Not on this device: skipped");
        } else {
            const OutputSettings& want = it.value();
            if (want.source != found->source) {
                const QString to = want.source < 0 ? tr("nothing")
                    : now.sources.contains(want.source) ? sourceName(m_model, want.source)
                                                        : tr("%1 (not on this device: kept as it is)")
                                                              .arg(s.state.sources.value(want.source).name);
                changes << tr("Plays %1 instead of %2")
                               .arg(to, found->source < 0 ? tr("nothing") : sourceName(m_model, found->source));
            }
            if (want.volume != found->volume)
                changes << tr("Volume %1 to %2").arg(found->volume).arg(want.volume);
            if (want.mute != found->mute)
                changes << (want.mute ? tr("Muted") : tr("Unmuted"));
            if (want.bass != found->bass || want.middle != found->middle || want.treble != found->treble
                || want.loudness != found->loudness)
                changes << tr("Tone changes");
        }
        rows << QVariantMap { { "index", it.key() },
                              { "name", missing ? it->name : found->name },
                              { "changes", changes },
                              { "changed", !changes.isEmpty() && !missing },
                              { "missing", missing } };
    }
    for (auto it = s.state.sources.cbegin(); it != s.state.sources.cend(); ++it) {
        const auto found = now.sources.constFind(it.key());
        if (found == now.sources.cend() || found->volume == it->volume)
            continue;
        rows << QVariantMap { { "index", -2 - it.key() },
                              { "name", found->name },
                              { "changes", QStringList { tr("Source volume %1 to %2").arg(found->volume).arg(it->volume) } },
                              { "changed", true },
                              { "missing", false } };
    }
    return rows;
}

void HouseControl::recallScene(const QString& name, const QStringList& outputNames)
{
    if (!m_model || !hasScene(name)) {
        qCDebug(lcModel) << "no scene to recall:" << name;
        return;
    }
    const Scene s = scene(name);
    const HouseState now = capture(*m_model);
    HouseState target = s.state;
    if (!outputNames.isEmpty()) {
        QSet<int> chosen;
        for (auto it = s.state.outputs.cbegin(); it != s.state.outputs.cend(); ++it) {
            if (outputNames.contains(it->name) || outputNames.contains(outputName(m_model, it.key())))
                chosen.insert(it.key());
        }
        target = restrictTo(s.state, now, chosen);
    }
    Change change;
    for (auto it = target.outputs.cbegin(); it != target.outputs.cend(); ++it) {
        if (now.outputs.contains(it.key())) {
            change.before.outputs.insert(it.key(), now.outputs.value(it.key()));
            change.after.outputs.insert(it.key(), it.value());
        }
    }
    for (auto it = target.sources.cbegin(); it != target.sources.cend(); ++it) {
        if (now.sources.contains(it.key())) {
            change.before.sources.insert(it.key(), now.sources.value(it.key()));
            change.after.sources.insert(it.key(), it.value());
        }
    }
    const Diff diff = apply(target);
    if (!diff.commands.isEmpty())
        push(change);

    if (s.plays.isSet()) {
        const Source* source = m_model->sourceByIndex(s.plays.source);
        if (source && source->player())
            source->player()->actionOpenPlaylistWithUri(s.plays.playlist);
        else
            qCDebug(lcModel) << "scene" << name << "plays on source" << s.plays.source << "which has no player";
    }
    QStringList said;
    if (!diff.skippedOutputs.isEmpty())
        said << tr("Outputs not on this device, skipped: %1").arg(diff.skippedOutputs.join(QStringLiteral(", ")));
    if (!diff.skippedSources.isEmpty())
        said << tr("Sources not on this device, skipped: %1").arg(diff.skippedSources.join(QStringLiteral(", ")));
    setReport(said.join(QLatin1Char('\n')));
}

void HouseControl::setReport(const QString& text)
{
    if (text == m_report)
        return;
    m_report = text;
    emit reportChanged();
}

Diff HouseControl::apply(const HouseState& target)
{
    if (!m_model)
        return {};
    const Diff diff = recallDiff(capture(*m_model), target);
    m_applying = true;
    for (const Command& command : diff.commands)
        command.send(m_model);
    m_applying = false;
    return diff;
}

// All off and Resume

HouseControl::Change HouseControl::switchOff(int only)
{
    Change change;
    change.allOff = true;
    if (!m_model)
        return change;
    QSet<int> playedSources;
    QSet<int> keptSources;
    for (const Output* output : m_model->outputList()) {
        if (only >= 0 && output->index() != only) {
            if (plays(output))
                keptSources.insert(output->selectedSource()->index());
            continue;
        }
        if (!plays(output))
            continue;
        OutputSettings s;
        s.mute = false;
        mergeOutput(&change.before, output->index(), s, MuteField, false);
        s.mute = true;
        mergeOutput(&change.after, output->index(), s, MuteField, false);
        playedSources.insert(output->selectedSource()->index());
    }
    // A player that still sounds elsewhere keeps playing when one output sleeps.
    for (const Source* source : m_model->sourceList()) {
        const bool target = only < 0 || (playedSources.contains(source->index()) && !keptSources.contains(source->index()));
        if (target && source->player() && source->player()->playPause() == Playing)
            change.paused.append(source->index());
    }
    apply(change.after);
    m_applying = true;
    for (int index : qAsConst(change.paused))
        m_model->sourceByIndex(index)->player()->actionPause();
    m_applying = false;
    return change;
}

void HouseControl::allOff()
{
    if (!m_model)
        return;
    Change change = switchOff(-1);
    QSet<int> muted = m_allOffMuted;
    for (auto it = change.after.outputs.cbegin(); it != change.after.outputs.cend(); ++it)
        muted.insert(it.key());
    QSet<int> paused = m_allOffPaused;
    for (int index : qAsConst(change.paused))
        paused.insert(index);
    m_allOffOn = true;
    setAllOff(muted, paused);
    if (!change.after.isEmpty() || !change.paused.isEmpty())
        push(change);
}

void HouseControl::setAllOff(const QSet<int>& muted, const QSet<int>& paused)
{
    const bool was = allOffActive();
    m_allOffMuted = muted;
    m_allOffPaused = paused;
    if (muted.isEmpty() && paused.isEmpty())
        m_allOffOn = false;
    if (was != allOffActive())
        emit allOffActiveChanged();
}

void HouseControl::resume()
{
    if (!m_model)
        return;
    HouseState target;
    for (int index : qAsConst(m_allOffMuted)) {
        OutputSettings s;
        s.mute = false;
        mergeOutput(&target, index, s, MuteField, false);
    }
    apply(target);
    m_applying = true;
    for (int index : qAsConst(m_allOffPaused)) {
        const Source* source = m_model->sourceByIndex(index);
        // Only what is still paused: a player that someone started or
        // stopped since is left as it is.
        if (source && source->player() && source->player()->playPause() == Paused)
            source->player()->actionPlay();
    }
    m_applying = false;
    // Resume takes All off back: it leaves the undo history as an undo would.
    if (!m_undo.isEmpty() && m_undo.constLast().allOff) {
        m_redo.append(m_undo.takeLast());
        emit undoChanged();
    }
    m_allOffOn = false;
    setAllOff({}, {});
}

// Undo

void HouseControl::commandRequested(const Command& command)
{
    if (m_applying || !m_model)
        return;
    Change change;
    OutputSettings after;
    OutputSettings before;
    const Output* output = m_model->outputByIndex(command.index);
    if (command.kind == Command::SourceVolume) {
        const Source* source = m_model->sourceByIndex(command.index);
        if (!source)
            return;
        change.before.sources.insert(command.index, SourceSettings { source->name(), source->volume() });
        change.after.sources.insert(command.index, SourceSettings { source->name(), command.value });
        change.dragKey = -2 - command.index;
    } else {
        if (!output)
            return;
        before.name = after.name = output->name();
        unsigned field = 0;
        switch (command.kind) {
        case Command::OutputVolume:
            field = VolumeField;
            before.volume = output->volume();
            after.volume = command.value;
            change.dragKey = command.index;
            break;
        case Command::OutputMute:
            field = MuteField;
            before.mute = output->mute();
            after.mute = command.value != 0;
            break;
        case Command::Route:
            field = RouteField;
            before.source = output->selectedSource() ? output->selectedSource()->index() : -1;
            after.source = command.value;
            break;
        case Command::Tone:
            field = ToneField;
            before.bass = output->bass();
            before.middle = output->middle();
            before.treble = output->treble();
            before.loudness = output->loudness();
            after.bass = command.bass;
            after.middle = command.middle;
            after.treble = command.treble;
            after.loudness = command.loudness;
            break;
        case Command::SourceVolume:
            break;
        }
        mergeOutput(&change.before, command.index, before, field, false);
        mergeOutput(&change.after, command.index, after, field, false);
    }

    Change* top = m_undo.isEmpty() ? nullptr : &m_undo.last();
    const bool sameDrag = top && change.dragKey != -1 && top->dragKey == change.dragKey
        && top->lastAt.isValid() && top->lastAt.elapsed() < m_dragWindowMs;
    if (top && (m_groupOpen || sameDrag)) {
        // The change keeps where it started and takes where it ends now.
        for (auto it = change.before.outputs.cbegin(); it != change.before.outputs.cend(); ++it) {
            mergeOutput(&top->before, it.key(), it.value(), it->fields, true);
            mergeOutput(&top->after, it.key(), change.after.outputs.value(it.key()), it->fields, false);
        }
        for (auto it = change.before.sources.cbegin(); it != change.before.sources.cend(); ++it) {
            if (!top->before.sources.contains(it.key()))
                top->before.sources.insert(it.key(), it.value());
            top->after.sources.insert(it.key(), change.after.sources.value(it.key()));
        }
        if (!sameDrag)
            top->dragKey = -1;
        top->lastAt.start();
        if (!m_redo.isEmpty()) {
            m_redo.clear();
            emit undoChanged();
        }
    } else {
        change.lastAt.start();
        push(change);
    }
    if (!m_groupOpen) {
        m_groupOpen = true;
        QTimer::singleShot(0, this, [this] { m_groupOpen = false; });
    }
}

void HouseControl::push(Change change)
{
    m_undo.append(change);
    while (m_undo.size() > MaxUndo)
        m_undo.removeFirst();
    m_redo.clear();
    emit undoChanged();
}

void HouseControl::undo()
{
    if (m_undo.isEmpty() || !m_model)
        return;
    Change change = m_undo.takeLast();
    apply(change.before);
    m_applying = true;
    for (int index : qAsConst(change.paused)) {
        const Source* source = m_model->sourceByIndex(index);
        if (source && source->player())
            source->player()->actionPlay();
    }
    m_applying = false;
    if (change.allOff)
        setAllOff({}, {});
    // A volume after an undo starts a change of its own.
    change.dragKey = -1;
    m_redo.append(change);
    emit undoChanged();
}

void HouseControl::redo()
{
    if (m_redo.isEmpty() || !m_model)
        return;
    Change change = m_redo.takeLast();
    apply(change.after);
    m_applying = true;
    for (int index : qAsConst(change.paused)) {
        const Source* source = m_model->sourceByIndex(index);
        if (source && source->player())
            source->player()->actionPause();
    }
    m_applying = false;
    if (change.allOff) {
        QSet<int> muted;
        for (auto it = change.after.outputs.cbegin(); it != change.after.outputs.cend(); ++it)
            muted.insert(it.key());
        m_allOffOn = true;
        setAllOff(muted, QSet<int>(change.paused.cbegin(), change.paused.cend()));
    }
    m_undo.append(change);
    emit undoChanged();
}

void HouseControl::clearHistory()
{
    m_settle.stop();
    m_linkWasDown = false;
    if (m_undo.isEmpty() && m_redo.isEmpty())
        return;
    m_undo.clear();
    m_redo.clear();
    emit undoChanged();
}

HouseState HouseControl::expectedState() const
{
    // What the device holds if nobody else changed it: where the last undone
    // changes started, overlaid by where the changes still to undo ended.
    HouseState expected;
    for (auto change = m_redo.crbegin(); change != m_redo.crend(); ++change) {
        for (auto it = change->before.outputs.cbegin(); it != change->before.outputs.cend(); ++it)
            mergeOutput(&expected, it.key(), it.value(), it->fields, true);
        for (auto it = change->before.sources.cbegin(); it != change->before.sources.cend(); ++it)
            expected.sources.insert(it.key(), it.value());
    }
    for (const Change& change : m_undo) {
        for (auto it = change.after.outputs.cbegin(); it != change.after.outputs.cend(); ++it)
            mergeOutput(&expected, it.key(), it.value(), it->fields, false);
        for (auto it = change.after.sources.cbegin(); it != change.after.sources.cend(); ++it)
            expected.sources.insert(it.key(), it.value());
    }
    return expected;
}

void HouseControl::linkUpChanged()
{
    if (!m_model)
        return;
    if (!m_model->linkUp()) {
        m_settle.stop();
        if (!m_undo.isEmpty() || !m_redo.isEmpty())
            m_linkWasDown = true;
        return;
    }
    if (m_linkWasDown)
        m_settle.start();
}

void HouseControl::checkAfterReconnect()
{
    m_linkWasDown = false;
    if (!m_model || !m_model->linkUp())
        return;
    if (!matches(expectedState(), capture(*m_model))) {
        qCDebug(lcModel) << "the device changed while the link was down; the undo history is dropped";
        clearHistory();
    }
}

// Sleep timer

void HouseControl::setSleepTimer(uint seconds) { setSleepTimerForOutput(seconds, -1); }

void HouseControl::setSleepTimerForOutput(uint seconds, int outputIndex)
{
    // A week is more than anyone sleeps; the limit keeps the arithmetic sane.
    constexpr uint MaxSeconds = 7 * 24 * 3600;
    if (m_fading)
        finishFade(true);
    m_sleepTick.stop();
    if (seconds == 0 || !m_model || (outputIndex >= 0 && !m_model->outputByIndex(outputIndex))) {
        setSleepRemaining(0);
        return;
    }
    m_sleepOutput = outputIndex;
    m_sleepLengthMs = qint64(qMin(seconds, MaxSeconds)) * 1000;
    m_sleepDeadline.setRemainingTime(m_sleepLengthMs, Qt::PreciseTimer);
    m_sleepTick.start();
    sleepTick();
}

void HouseControl::setSleepRemaining(uint seconds)
{
    if (seconds == m_sleepRemaining)
        return;
    m_sleepRemaining = seconds;
    emit sleepRemainingChanged();
}

void HouseControl::sleepTick()
{
    if (!m_model) {
        m_sleepTick.stop();
        setSleepRemaining(0);
        return;
    }
    const qint64 left = qMax<qint64>(0, m_sleepDeadline.remainingTime());
    if (!m_fading && left <= m_fadeWindowMs) {
        m_fading = true;
        m_fadeLengthMs = qMax<qint64>(1, qMin<qint64>(m_fadeWindowMs, m_sleepLengthMs));
        m_fadeFrom.clear();
        for (const Output* output : m_model->outputList()) {
            if ((m_sleepOutput < 0 || output->index() == m_sleepOutput) && plays(output))
                m_fadeFrom.insert(output->index(), output->volume());
        }
        m_fadeSent = m_fadeFrom;
    }
    if (m_fading) {
        m_applying = true;
        for (auto it = m_fadeFrom.cbegin(); it != m_fadeFrom.cend(); ++it) {
            const int volume = int(std::floor(it.value() * double(left) / double(m_fadeLengthMs)));
            // Never upwards, and nothing when the step would not change it.
            if (volume < m_fadeSent.value(it.key())) {
                m_model->actionSetVolumeForOutput(volume, it.key());
                m_fadeSent[it.key()] = volume;
            }
        }
        m_applying = false;
    }
    if (left > 0) {
        setSleepRemaining(uint((left + 999) / 1000));
        return;
    }
    m_sleepTick.stop();
    const Change change = switchOff(m_sleepOutput);
    QSet<int> muted = m_allOffMuted;
    for (auto it = change.after.outputs.cbegin(); it != change.after.outputs.cend(); ++it)
        muted.insert(it.key());
    QSet<int> paused = m_allOffPaused;
    for (int index : change.paused)
        paused.insert(index);
    m_allOffOn = true;
    setAllOff(muted, paused);
    // Muted now: the volumes go back, so that the next unmute is not silent.
    finishFade(true);
    setSleepRemaining(0);
}

void HouseControl::finishFade(bool restore)
{
    if (restore && m_model) {
        m_applying = true;
        for (auto it = m_fadeFrom.cbegin(); it != m_fadeFrom.cend(); ++it) {
            if (m_fadeSent.value(it.key()) != it.value())
                m_model->actionSetVolumeForOutput(it.value(), it.key());
        }
        m_applying = false;
    }
    m_fading = false;
    m_fadeFrom.clear();
    m_fadeSent.clear();
}
