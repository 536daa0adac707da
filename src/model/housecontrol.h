#pragma once
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QVariantList>
#include <QVector>

#include "model/housestate.h"
#include "model/tavirel.h"


// Whole-house actions on one device model: scenes, All off and Resume, the
// sleep timer and the undo of what the user changed from this application.
// It acts only through the model's actions, never on the views.
class HouseControl : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList sceneNames READ sceneNames NOTIFY scenesChanged)
    // True after All off until Resume.
    Q_PROPERTY(bool allOffActive READ allOffActive NOTIFY allOffActiveChanged)
    // Seconds until the sleep timer ends; 0 when none runs.
    Q_PROPERTY(uint sleepRemaining READ sleepRemaining NOTIFY sleepRemainingChanged)
    // The output the sleep timer is for, -1 for the whole house.
    Q_PROPERTY(int sleepOutput READ sleepOutput NOTIFY sleepRemainingChanged)
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY undoChanged)
    Q_PROPERTY(bool canRedo READ canRedo NOTIFY undoChanged)
    // What the last recall or import could not do, for the user; empty when
    // all went well.
    Q_PROPERTY(QString report READ report NOTIFY reportChanged)
    // A device is known (its serial number), so scenes can be kept for it.
    Q_PROPERTY(bool hasDevice READ hasDevice NOTIFY scenesChanged)

public:
    static constexpr int MaxUndo = 20;
    static constexpr int MaxScenes = 100;
    static constexpr int DefaultFadeWindowMs = 60000;
    static constexpr int DefaultFadeStepMs = 1000;
    // Volume commands for one slider closer together than this are one drag.
    static constexpr int DefaultDragWindowMs = 1500;
    // After a reconnect the device has told its state by then.
    static constexpr int DefaultSettleMs = 3000;

    explicit HouseControl(QObject* parent = nullptr);
    ~HouseControl() override;

    void setModel(Tavirel* model);
    Tavirel* model() const { return m_model; }
    // Scenes are kept per device; an empty serial number keeps none.
    void setDeviceSerial(const QString& serial);
    QString deviceSerial() const { return m_serial; }

    void setFadeTiming(int windowMs, int stepMs);
    void setDragWindow(int ms) { m_dragWindowMs = ms; }
    void setSettleTime(int ms) { m_settle.setInterval(ms); }

    QStringList sceneNames() const;
    bool hasScene(const QString& name) const;
    House::Scene scene(const QString& name) const;
    bool allOffActive() const { return !m_allOffMuted.isEmpty() || !m_allOffPaused.isEmpty() || m_allOffOn; }
    uint sleepRemaining() const { return m_sleepRemaining; }
    int sleepOutput() const { return m_sleepOutput; }
    bool canUndo() const { return !m_undo.isEmpty(); }
    bool canRedo() const { return !m_redo.isEmpty(); }
    QString report() const { return m_report; }
    bool hasDevice() const { return !m_serial.isEmpty(); }

    // Why a recall of `name` for these outputs cannot be done, or empty.
    QString recallProblem(const QString& name, const QStringList& outputNames) const;

    // Per output of the scene: "index", "name", "changes" (text lines),
    // "changed" and "missing" (the device has no such output).
    Q_INVOKABLE QVariantList previewScene(const QString& name) const;
    Q_INVOKABLE bool renameScene(const QString& from, const QString& to);
    // The playlist that a recall of the scene starts on a player source;
    // an empty uri takes it out.
    Q_INVOKABLE bool setScenePlays(const QString& name, int sourceIndex, const QString& playlistUri);
    Q_INVOKABLE bool exportScenes(const QUrl& file);
    // Adds the scenes of the file, replacing those of the same name; returns
    // how many were taken (-1 when the file is no scene file).
    Q_INVOKABLE int importScenes(const QUrl& file);
    Q_INVOKABLE void setSleepTimerForOutput(uint seconds, int outputIndex);

public slots:
    void allOff();
    void resume();
    // An empty list recalls every output of the scene.
    void recallScene(const QString& name, const QStringList& outputNames = {});
    // Saves the current state, replacing a scene of that name.
    void saveScene(const QString& name);
    void deleteScene(const QString& name);
    // For the whole house; 0 cancels.
    void setSleepTimer(uint seconds);
    void undo();
    void redo();

signals:
    void scenesChanged();
    void allOffActiveChanged();
    void sleepRemainingChanged();
    void undoChanged();
    void reportChanged();

private:
    struct Change
    {
        House::HouseState before;
        House::HouseState after;
        // Players that All off paused: played again on undo.
        QVector<int> paused;
        bool allOff = false;
        // A lone volume of one output (>= 0) or source (< -1: -2 - index),
        // which a following command of the same slider extends.
        int dragKey = -1;
        QElapsedTimer lastAt;
    };

    void commandRequested(const House::Command& command);
    void push(Change change);
    // Sends what takes the device to `target`, recording nothing.
    House::Diff apply(const House::HouseState& target);
    void clearHistory();
    void linkUpChanged();
    void checkAfterReconnect();
    House::HouseState expectedState() const;
    void loadScenes();
    void storeScenes();
    void setReport(const QString& text);
    void setAllOff(const QSet<int>& muted, const QSet<int>& paused);
    // Mutes the outputs (all when `only` < 0) that play and pauses their
    // players; returns the change for undo.
    Change switchOff(int only);
    void sleepTick();
    void finishFade(bool restore);
    void setSleepRemaining(uint seconds);

    QPointer<Tavirel> m_model;
    QString m_serial;
    QVector<House::Scene> m_scenes;
    QString m_report;

    QVector<Change> m_undo;
    QVector<Change> m_redo;
    // Set while this object sends commands itself.
    bool m_applying = false;
    // Commands of one user action (a source mute is one per output) arrive
    // in one go and make one change.
    bool m_groupOpen = false;
    int m_dragWindowMs = DefaultDragWindowMs;
    bool m_linkWasDown = false;
    House::HouseState m_expected;
    QTimer m_settle;

    QSet<int> m_allOffMuted;
    QSet<int> m_allOffPaused;
    bool m_allOffOn = false;

    QTimer m_sleepTick;
    QDeadlineTimer m_sleepDeadline;
    int m_sleepOutput = -1;
    qint64 m_sleepLengthMs = 0;
    uint m_sleepRemaining = 0;
    int m_fadeWindowMs = DefaultFadeWindowMs;
    bool m_fading = false;
    qint64 m_fadeLengthMs = 0;
    QMap<int, int> m_fadeFrom;
    QMap<int, int> m_fadeSent;
};
