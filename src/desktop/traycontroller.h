#pragma once

#include <QHash>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QQuickWindow>
#include <QRect>

class Device;
class HouseControl;
class MainTabController;
class PlayerFocus;
class QQmlEngine;


class Source;
class StatusNotifierItem;
class Tavirel;
class TavirelPlayer;
struct TrayMenuEntry;

// The application in the desktop panel: an item whose tooltip tells the
// device and what plays, whose scrolling sets the volume of the outputs
// playing the player page's source, whose middle click plays or pauses, and
// whose click opens a small mixer of every zone. Its menu steers playback,
// switches between saved devices, shows the window and quits. The main
// window may close into it when the user wants that.
class TrayController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Tavirel* tavirel READ tavirel NOTIFY tavirelChanged)
    Q_PROPERTY(Source* playerSource READ playerSource NOTIFY playerSourceChanged)
    Q_PROPERTY(QString deviceName READ deviceName NOTIFY deviceNameChanged)
    // The whole-house actions (All off and Resume, sleep timer, scenes), or null.
    Q_PROPERTY(HouseControl* house READ house NOTIFY houseChanged)
public:
    static constexpr const char* MixerDocument = "qrc:/Qml/Tray/TrayMixer.qml";
    // Percent per wheel notch.
    static constexpr int VolumeStep = 5;

    explicit TrayController(QObject* parent = nullptr);
    ~TrayController() override;

    // The volume after scrolling delta (120 a notch; smaller deltas of
    // touchpads and of panels that send one per notch count as one notch),
    // within 0..100.
    static int scrolledVolume(int volume, int delta);
    // Where a mixer of size goes for a click at anchor: beside the point,
    // away from the screen edge the panel is on, inside available. A null
    // anchor (the panel did not tell) puts it in the bottom right corner.
    static QPoint popupPosition(const QPoint& anchor, const QSize& size, const QRect& available);

    void followTabs(MainTabController* tabs);
    void setHouse(HouseControl* house);
    HouseControl* house() const;
    // The mixer's document is made with engine's root context (theme, scale).
    void setEngine(QQmlEngine* engine);
    // Closing window keeps the application in the panel when the user chose
    // that and a panel shows the item.
    void watchWindow(QWindow* window);
    // Exports the item on the session bus; false without a usable bus.
    bool publish();
    bool publish(const class QDBusConnection& bus);

    StatusNotifierItem* item() const { return m_item; }
    PlayerFocus* focus() const { return m_focus; }
    QQuickWindow* mixer() const { return m_mixer; }
    Tavirel* tavirel() const;
    Source* playerSource() const;
    QString deviceName() const;

    // The mixer opens beside at, or closes when it is open.
    void toggleMixer(const QPoint& at);
    void playPause();
    void scroll(int delta);

signals:
    void tavirelChanged();
    void playerSourceChanged();
    void deviceNameChanged();
    void houseChanged();
    void showWindowRequested();
    void quitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void scheduleUpdate();
    void update();
    void bindPlayer();
    QString toolTipText() const;
    void addHouseEntries(QList<TrayMenuEntry>& entries);
    QList<TrayMenuEntry> menuEntries();
    void switchDevice(const QString& deviceText);
    void placeMixer();

    StatusNotifierItem* m_item;
    PlayerFocus* m_focus;
    QPointer<MainTabController> m_tabs;
    QPointer<QQmlEngine> m_engine;
    QPointer<HouseControl> m_house;
    QPointer<QQuickWindow> m_mixer;
    QPointer<QWindow> m_window;
    QPointer<TavirelPlayer> m_player;
    bool m_updateScheduled = false;
    qint64 m_mixerHiddenAt = 0;
    QPoint m_mixerAnchor;
    // Output index to the volume last asked for by scrolling, and when.
    QHash<int, QPair<int, qint64>> m_askedVolume;
};
