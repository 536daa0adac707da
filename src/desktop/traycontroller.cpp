#include "desktop/traycontroller.h"

#include "app/maintabcontroller.h"
#include "desktop/desktoplog.h"
#include "desktop/desktopsettings.h"
#include "desktop/playerfocus.h"
#include "desktop/statusnotifieritem.h"
#include "desktop/traymenu.h"
#include "devices/device.h"
#include "devices/devicefinderview.h"
#include "devices/devicestore.h"
#include "model/housecontrol.h"
#include "model/source.h"
#include "model/tavirel.h"
#include "player/song.h"
#include "player/tavirelplayer.h"
#include "views/playerview.h"

#include <QCloseEvent>
#include <QDBusConnection>
#include <QDateTime>
#include <QGuiApplication>
#include <QImage>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QScreen>
#include <QTimer>
#include <memory>

namespace {
// A click on the item while the mixer is open first takes the focus from
// the mixer, which closes it; the click itself must not open it again.
constexpr qint64 ReopenGuardMs = 400;
// How long a volume asked for by scrolling stands for the device's answer.
constexpr qint64 AskedVolumeMs = 1000;
}

TrayController::TrayController(QObject* parent)
    : QObject(parent)
    , m_item(new StatusNotifierItem(QStringLiteral("tavirel"), this))
    , m_focus(new PlayerFocus(this))
{
    m_item->setIcon(QImage(QStringLiteral(":/TavirelImgs/Images/tavirel.svg")));
    connect(m_item, &StatusNotifierItem::activated, this, &TrayController::toggleMixer);
    connect(m_item, &StatusNotifierItem::secondaryActivated, this, &TrayController::playPause);
    connect(m_item, &StatusNotifierItem::scrolled, this, &TrayController::scroll);
    connect(m_item->menu(), &TrayMenu::aboutToShow, this, &TrayController::update);
    connect(m_focus, &PlayerFocus::modelChanged, this, [this] {
        if (Tavirel* model = tavirel()) {
            connect(model, &Tavirel::linkUpChanged, this, &TrayController::scheduleUpdate, Qt::UniqueConnection);
            connect(model, &Tavirel::sourcesChanged, this, &TrayController::scheduleUpdate, Qt::UniqueConnection);
        }
        emit tavirelChanged();
        scheduleUpdate();
    });
    connect(m_focus, &PlayerFocus::sourceChanged, this, &TrayController::playerSourceChanged);
    connect(this, &TrayController::deviceNameChanged, this, &TrayController::scheduleUpdate);
    qRegisterMetaType<HouseControl*>();
    connect(m_focus, &PlayerFocus::playerChanged, this, &TrayController::bindPlayer);
    update();
}

TrayController::~TrayController()
{
    delete m_mixer;
}

int TrayController::scrolledVolume(int volume, int delta)
{
    int notches = delta / 120;
    if (notches == 0)
        notches = delta > 0 ? 1 : (delta < 0 ? -1 : 0);
    return qBound(0, volume + qBound(-100, notches, 100) * VolumeStep, 100);
}

QPoint TrayController::popupPosition(const QPoint& anchor, const QSize& size, const QRect& available)
{
    const int margin = 8;
    QPoint at;
    if (anchor.isNull() || !available.adjusted(-64, -64, 64, 64).contains(anchor)) {
        at = available.bottomRight() - QPoint(size.width() + margin, size.height() + margin) + QPoint(1, 1);
    } else {
        // The panel is on the nearer edge: the mixer opens away from it.
        at.setX(anchor.x() - size.width() / 2);
        at.setY(anchor.y() > available.center().y() ? anchor.y() - size.height() - margin : anchor.y() + margin);
    }
    at.setX(qBound(available.left(), at.x(), qMax(available.left(), available.right() - size.width() + 1)));
    at.setY(qBound(available.top(), at.y(), qMax(available.top(), available.bottom() - size.height() + 1)));
    return at;
}

void TrayController::followTabs(MainTabController* tabs)
{
    if (!tabs)
        return;
    m_tabs = tabs;
    auto follow = [this] {
        if (!m_tabs)
            return;
        if (m_tabs->deviceModel())
            m_focus->setDeviceModel(m_tabs->deviceModel());
        if (m_tabs->playerView())
            m_focus->followPlayerView(m_tabs->playerView());
    };
    connect(tabs, &MainTabController::deviceModelChanged, this, follow);
    connect(tabs, &MainTabController::playerViewLoaded, this, follow);
    connect(tabs, &MainTabController::currentDeviceChanged, this, [this] {
        // The record is filled after it is made: its name comes later.
        if (m_tabs && m_tabs->currentDevice())
            connect(m_tabs->currentDevice(), &Device::propDictionaryChanged, this, &TrayController::deviceNameChanged,
                    Qt::UniqueConnection);
        emit deviceNameChanged();
    });
    follow();
    scheduleUpdate();
}

void TrayController::setHouse(HouseControl* house)
{
    if (m_house)
        disconnect(m_house, nullptr, this, nullptr);
    m_house = house;
    if (house) {
        for (auto signal : { &HouseControl::allOffActiveChanged, &HouseControl::scenesChanged,
                             &HouseControl::sleepRemainingChanged })
            connect(house, signal, this, &TrayController::scheduleUpdate);
    }
    emit houseChanged();
    scheduleUpdate();
}

HouseControl* TrayController::house() const
{
    return m_house;
}

void TrayController::addHouseEntries(QList<TrayMenuEntry>& entries)
{
    if (!m_house)
        return;
    const bool linkUp = tavirel() && tavirel()->linkUp();
    TrayMenuEntry allOff;
    allOff.label = m_house->allOffActive() ? tr("Resume") : tr("All off");
    allOff.enabled = linkUp;
    allOff.action = [this] {
        if (!m_house)
            return;
        if (m_house->allOffActive())
            m_house->resume();
        else
            m_house->allOff();
    };
    entries.append(allOff);

    TrayMenuEntry sleep;
    const uint remaining = m_house->sleepRemaining();
    // Whole minutes, so the menu changes once a minute rather than every second.
    sleep.label = remaining > 0 ? tr("Sleep timer (%1 min left)").arg((remaining + 59) / 60) : tr("Sleep timer");
    sleep.enabled = linkUp;
    for (const uint minutes : { 15u, 30u, 60u, 90u }) {
        TrayMenuEntry choice;
        choice.label = tr("%1 min").arg(minutes);
        choice.action = [this, minutes] {
            if (m_house)
                m_house->setSleepTimer(minutes * 60);
        };
        sleep.children.append(choice);
    }
    if (remaining > 0) {
        TrayMenuEntry cancel;
        cancel.label = tr("Cancel timer");
        cancel.action = [this] {
            if (m_house)
                m_house->setSleepTimer(0);
        };
        sleep.children.append(cancel);
    }
    entries.append(sleep);

    TrayMenuEntry scenes;
    scenes.label = tr("Scenes");
    for (const QString& name : m_house->sceneNames()) {
        TrayMenuEntry scene;
        scene.label = name;
        scene.action = [this, name] {
            if (m_house)
                m_house->recallScene(name);
        };
        scenes.children.append(scene);
    }
    scenes.enabled = linkUp && !scenes.children.isEmpty();
    entries.append(scenes);
}

void TrayController::setEngine(QQmlEngine* engine)
{
    m_engine = engine;
}

void TrayController::watchWindow(QWindow* window)
{
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = window;
    if (window)
        window->installEventFilter(this);
}

bool TrayController::publish()
{
    return publish(QDBusConnection::sessionBus());
}

bool TrayController::publish(const QDBusConnection& bus)
{
    return m_item->publish(bus);
}

bool TrayController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::Close) {
        if (m_mixer)
            m_mixer->hide();
        if (DesktopSettings::closeToTray() && m_item->isShown()) {
            event->ignore();
            m_window->hide();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

Tavirel* TrayController::tavirel() const
{
    return m_focus->model();
}

Source* TrayController::playerSource() const
{
    return m_focus->source();
}

QString TrayController::deviceName() const
{
    Device* device = m_tabs ? m_tabs->currentDevice() : nullptr;
    return device ? DeviceFinderView::displayName(device) : QString();
}

void TrayController::bindPlayer()
{
    if (m_player)
        disconnect(m_player, nullptr, this, nullptr);
    m_player = m_focus->player();
    if (m_player) {
        for (auto signal : { &TavirelPlayer::playPauseChanged, &TavirelPlayer::currentSongChanged,
                             &TavirelPlayer::reachableChanged, &TavirelPlayer::airPlayChanged,
                             &TavirelPlayer::airPlayTrackChanged })
            connect(m_player, signal, this, &TrayController::scheduleUpdate);
    }
    scheduleUpdate();
}

void TrayController::scheduleUpdate()
{
    if (m_updateScheduled)
        return;
    // A device message or a player refresh comes as several signals.
    m_updateScheduled = true;
    QTimer::singleShot(0, this, &TrayController::update);
}

QString TrayController::toolTipText() const
{
    Tavirel* model = tavirel();
    if (!model || !model->linkUp())
        return tr("Not connected");
    Source* source = playerSource();
    TavirelPlayer* player = source ? source->player() : nullptr;
    if (!player || !player->isConnected())
        return tr("Nothing playing");
    QString track;
    if (player->airPlay()) {
        track = player->airPlayArtist().isEmpty() ? player->airPlayTrack()
                                                   : tr("%1 – %2").arg(player->airPlayTrack(), player->airPlayArtist());
    } else if (Song* song = player->currentSong()) {
        track = song->artistsString().isEmpty() ? song->name() : tr("%1 – %2").arg(song->name(), song->artistsString());
    }
    if (track.isEmpty() || player->playPause() != 2)
        return tr("Nothing playing on %1").arg(source->name());
    return tr("%1 on %2").arg(track, source->name());
}

QList<TrayMenuEntry> TrayController::menuEntries()
{
    QList<TrayMenuEntry> entries;
    TavirelPlayer* player = m_focus->player();
    const bool reachable = player && player->isConnected();
    TrayMenuEntry play;
    play.label = player && player->playPause() == 2 ? tr("Pause") : tr("Play");
    play.enabled = reachable;
    play.action = [this] { playPause(); };
    entries.append(play);
    TrayMenuEntry next;
    next.label = tr("Next track");
    next.enabled = reachable;
    next.action = [this] {
        if (TavirelPlayer* p = m_focus->player())
            p->actionNext();
    };
    entries.append(next);

    TrayMenuEntry separator;
    separator.separator = true;
    entries.append(separator);
    addHouseEntries(entries);
    if (m_house)
        entries.append(separator);

    TrayMenuEntry devices;
    devices.label = tr("Switch device");
    Device* current = m_tabs ? m_tabs->currentDevice() : nullptr;
    QObject owner;
    for (Device* saved : DeviceStore::loadSavedDevices(&owner)) {
        TrayMenuEntry entry;
        entry.label = DeviceFinderView::displayName(saved);
        entry.toggle = TrayMenuEntry::Toggle::Radio;
        entry.checked = current && DeviceStore::sameEntry(current, saved);
        const QString text = DeviceStore::objectToText(saved);
        entry.tag = text;
        entry.action = [this, text] { switchDevice(text); };
        devices.children.append(entry);
    }
    devices.enabled = !devices.children.isEmpty() && m_tabs;
    entries.append(devices);

    entries.append(separator);
    TrayMenuEntry show;
    show.label = tr("Show window");
    show.action = [this] { emit showWindowRequested(); };
    entries.append(show);
    TrayMenuEntry quit;
    quit.label = tr("Quit");
    quit.action = [this] { emit quitRequested(); };
    entries.append(quit);
    return entries;
}

void TrayController::update()
{
    m_updateScheduled = false;
    const QString name = deviceName();
    m_item->setToolTip(name.isEmpty() ? QStringLiteral("Tavirel") : name.toHtmlEscaped(),
                       toolTipText().toHtmlEscaped());
    m_item->menu()->setEntries(menuEntries());
}

void TrayController::switchDevice(const QString& deviceText)
{
    if (!m_tabs)
        return;
    Device device;
    if (!DeviceStore::readDevice(&device, deviceText))
        return;
    if (m_tabs->currentDevice() && DeviceStore::sameEntry(m_tabs->currentDevice(), &device))
        return;
    // The controller keeps a copy of its own.
    m_tabs->connectToDevice(true, &device);
}

void TrayController::playPause()
{
    TavirelPlayer* player = m_focus->player();
    if (!player)
        return;
    if (player->playPause() == 2)
        player->actionPause();
    else
        player->actionPlay();
}

void TrayController::scroll(int delta)
{
    Source* source = playerSource();
    Tavirel* model = tavirel();
    if (!source || !model) {
        qCDebug(lcDesktop) << "panel scroll without a player source";
        return;
    }
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (Output* output : source->linkedOutputList()) {
        // Notches quicker than the device's answer build on the volume asked
        // for last, so three notches are three steps.
        const auto asked = m_askedVolume.constFind(output->index());
        const int base = asked != m_askedVolume.constEnd() && now - asked->second < AskedVolumeMs ? asked->first
                                                                                                 : output->volume();
        const int target = scrolledVolume(base, delta);
        m_askedVolume.insert(output->index(), { target, now });
        model->actionSetVolumeForOutput(target, output->index());
    }
}

void TrayController::toggleMixer(const QPoint& at)
{
    if (m_mixer && m_mixer->isVisible()) {
        m_mixer->hide();
        return;
    }
    if (m_mixer && QDateTime::currentMSecsSinceEpoch() - m_mixerHiddenAt < ReopenGuardMs)
        return;
    if (!m_mixer) {
        if (!m_engine) {
            qCDebug(lcDesktop) << "no engine for the mixer";
            return;
        }
        QQmlComponent component(m_engine, QUrl(QLatin1String(MixerDocument)));
        auto* context = new QQmlContext(m_engine->rootContext());
        context->setContextProperty(QStringLiteral("trayMixer"), this);
        QObject* made = component.create(context);
        m_mixer = qobject_cast<QQuickWindow*>(made);
        if (!m_mixer) {
            qCDebug(lcDesktop) << "mixer document did not load:" << component.errorString();
            delete made;
            delete context;
            return;
        }
        context->setParent(m_mixer);
        // The lists fill in after the window is made: it grows from the panel.
        connect(m_mixer, &QWindow::heightChanged, this, &TrayController::placeMixer);
        connect(m_mixer, &QWindow::visibleChanged, this, [this](bool visible) {
            if (!visible)
                m_mixerHiddenAt = QDateTime::currentMSecsSinceEpoch();
        });
    }
    m_mixerAnchor = at;
    placeMixer();
    m_mixer->show();
    m_mixer->raise();
    m_mixer->requestActivate();
}

void TrayController::placeMixer()
{
    if (!m_mixer)
        return;
    QScreen* screen = m_mixerAnchor.isNull() ? nullptr : QGuiApplication::screenAt(m_mixerAnchor);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    m_mixer->setPosition(popupPosition(m_mixerAnchor, m_mixer->size(), available));
}
