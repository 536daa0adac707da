#include "app/maintabcontroller.h"

#include "app/logcategories.h"
#include "devices/device.h"
#include "devices/devicefinderview.h"
#include "devices/devicestore.h"
#include "link/tavirelconnthread.h"
#include "model/source.h"
#include "model/tavirel.h"
#include "settings/settingsview.h"
#include "views/documentitem.h"
#include "views/playerview.h"
#include "views/sourcesview.h"

#include <QSettings>
#include <QTimer>

MainTabController::MainTabController(QQuickItem* parent)
    : QQuickItem(parent)
{
    connect(this, &MainTabController::componentCompleted, this, &MainTabController::tabLoadingCompleted,
            Qt::QueuedConnection);
}

MainTabController::~MainTabController()
{
    if (m_linkThread) {
        m_linkThread->stop();
        delete m_linkThread;
    }
    delete m_tavirel;
}

void MainTabController::componentComplete()
{
    QQuickItem::componentComplete();
    Q_EMIT componentCompleted();
}

void MainTabController::setMenuListView(QQuickItem* item)
{
    if (m_menuListView)
        disconnect(m_menuListView, nullptr, this, nullptr);
    m_menuListView = item;
    Q_EMIT menuListViewChanged();
}

void MainTabController::setContainerView(QQuickItem* item)
{
    m_containerView = item;
    Q_EMIT containerViewChanged();
}

void MainTabController::setSourcesTab(QQuickItem* loader)
{
    m_sourcesTab = loader;
    Q_EMIT sourcesTabChanged();
}

void MainTabController::setPlayerTab(QQuickItem* loader)
{
    m_playerTab = loader;
    Q_EMIT playerTabChanged();
}

SourcesView* MainTabController::sourcesView() const
{
    return m_sourcesView;
}

PlayerView* MainTabController::playerView() const
{
    return m_playerView;
}

QQuickItem* MainTabController::loadTab(QQuickItem* loader)
{
    if (!loader)
        return nullptr;
    // Loaders create synchronously unless told otherwise: the page is there
    // when this returns, or it did not load.
    loader->setProperty("active", true);
    return qobject_cast<QQuickItem*>(loader->property("item").value<QObject*>());
}

SourcesView* MainTabController::ensureSourcesView()
{
    if (!m_sourcesView && m_sourcesTab)
        adoptSourcesView(qobject_cast<SourcesView*>(loadTab(m_sourcesTab)));
    return m_sourcesView;
}

PlayerView* MainTabController::ensurePlayerView()
{
    if (!m_playerView && m_playerTab)
        adoptPlayerView(qobject_cast<PlayerView*>(loadTab(m_playerTab)));
    return m_playerView;
}

void MainTabController::adoptSourcesView(SourcesView* view)
{
    if (!view || m_sourcesView)
        return;
    m_sourcesView = view;
    view->setVisible(m_currentTab == SourcesTab);
    connect(view, &SourcesView::requireSelectSource, this, &MainTabController::openPlayerView);
    connectConnectionScreen(view->connectionScreen());
    if (m_tavirel) {
        view->setTavirel(m_tavirel);
        callView(view, "loadSources");
        callView(view, "loadOutputs");
    }
    view->setConnectionScreenMessage(m_screenMessage);
    view->showConnectionScreen(m_screenShown);
    connectLinkToTab(view);
    Q_EMIT sourcesViewLoaded(view);
}

void MainTabController::adoptPlayerView(PlayerView* view)
{
    if (!view || m_playerView)
        return;
    m_playerView = view;
    view->setVisible(m_currentTab == PlayerTab);
    connect(view, &PlayerView::selectedSourceChanged, this, &MainTabController::playerViewSourceChanged);
    connectConnectionScreen(view->connectionScreen());
    if (m_tavirel) {
        view->setTavirel(m_tavirel);
        callView(view, "loadOutputs");
    }
    view->setConnectionScreenMessage(m_screenMessage);
    view->showConnectionScreen(m_screenShown);
    connectLinkToTab(view);
    Q_EMIT playerViewLoaded(view);
}

void MainTabController::connectConnectionScreen(QQuickItem* screen)
{
    // The connection screens offer a retry and the device finder.
    if (screen && screen->metaObject()->indexOfSignal("retry()") >= 0)
        connect(screen, SIGNAL(retry()), this, SLOT(retryConnection()));
    if (screen && screen->metaObject()->indexOfSignal("chooseDevice()") >= 0)
        connect(screen, SIGNAL(chooseDevice()), this, SLOT(chooseAnotherDevice()));
    if (screen)
        screen->setProperty("retryVisible", m_authenticationFailed || (m_linkThread && m_linkThread->retryPending()));
}

void MainTabController::connectLinkToTab(QQuickItem* view)
{
    if (!m_linkThread || !view)
        return;
    // Both pages have the same two slots; the link's signals reach them by type.
    if (auto* sources = qobject_cast<SourcesView*>(view)) {
        connect(m_linkThread, &TavirelConnThread::showConnectionScreen, sources, &SourcesView::showConnectionScreen);
        connect(m_linkThread, &TavirelConnThread::setConnectionScreenMessage, sources,
                &SourcesView::setConnectionScreenMessage);
    } else if (auto* player = qobject_cast<PlayerView*>(view)) {
        connect(m_linkThread, &TavirelConnThread::showConnectionScreen, player, &PlayerView::showConnectionScreen);
        connect(m_linkThread, &TavirelConnThread::setConnectionScreenMessage, player,
                &PlayerView::setConnectionScreenMessage);
    }
}

void MainTabController::tabLoadingCompleted()
{
    if (!m_viewsFound) {
        m_viewsFound = true;
        m_settingsView = findChild<SettingsView*>(QStringLiteral("mySettingsView"));
        if (m_settingsView) {
            connect(m_settingsView, &SettingsView::showAddPopup, this, &MainTabController::showAddDeviceDialog);
            connect(m_settingsView, &SettingsView::connectToDevice, this,
                    &MainTabController::showDeviceConnDialog);
            connect(m_settingsView, &SettingsView::savedDeviceRemoved, this, &MainTabController::savedDeviceRemoved);
        }
        // A document without loaders for the tabs has its pages built already.
        if (!m_sourcesTab)
            adoptSourcesView(findChild<SourcesView*>(QStringLiteral("mySourcesView")));
        if (!m_playerTab)
            adoptPlayerView(findChild<PlayerView*>(QStringLiteral("myPlayerView")));
    }
    if (m_menuListView) {
        // The list view is a QML type: its notifier is only reachable by name.
        connect(m_menuListView, SIGNAL(currentIndexChanged()), this, SLOT(menuListViewIndexChanged()),
                Qt::QueuedConnection);
        menuListViewIndexChanged();
    }
    if (m_tavirel && m_linkThread)
        stopLink();

    QSettings settings;
    if (settings.contains(QLatin1String(DeviceStore::LastSelectedKey))) {
        auto* device = new Device(this);
        setCurrentDevice(device);
        if (DeviceStore::readLastSelected(device)) {
            ensureDeviceModel();
            if (m_settingsView)
                m_settingsView->setLastSelDevice(device);
        } else {
            qCDebug(lcApp) << "last selected device is not readable; staying on the settings tab";
        }
    }
    startLink();
}

void MainTabController::ensureDeviceModel()
{
    if (m_tavirel)
        return;
    m_tavirel = new Tavirel;
    if (m_sourcesView)
        m_sourcesView->setTavirel(m_tavirel);
    if (m_playerView)
        m_playerView->setTavirel(m_tavirel);
    connect(m_tavirel, &Tavirel::sourcesChanged, this, &MainTabController::playerViewSourceChanged);
    Q_EMIT deviceModelChanged();
}

void MainTabController::setCurrentDevice(Device* device)
{
    if (m_currentDevice && m_currentDevice != device && m_currentDevice->parent() == this
        && (!m_settingsView || m_settingsView->lastSelDevice() != m_currentDevice))
        m_currentDevice->deleteLater();
    const bool changed = device != m_currentDevice;
    m_currentDevice = device;
    if (changed)
        Q_EMIT currentDeviceChanged();
    if (!device)
        emit deviceChanged();
}

void MainTabController::startLink()
{
    if (!m_tavirel || !m_currentDevice)
        return;
    if (m_linkThread)
        stopLink();
    emit deviceChanged();
    setAuthenticationFailed(false);
    m_linkThread = new TavirelConnThread;
    connect(m_linkThread, &TavirelConnThread::firstConnected, this, &MainTabController::connectionEstablished);
    connect(m_linkThread, &TavirelConnThread::requireAuthenticationDialog, this,
            &MainTabController::showAuthenticationDialog);
    connect(m_linkThread, &TavirelConnThread::retryPendingChanged, this, &MainTabController::updateRetryOffered);
    connect(m_linkThread, &TavirelConnThread::linkUpChanged, this, &MainTabController::updateRetryOffered);
    connect(m_linkThread, &TavirelConnThread::setConnectionScreenMessage, this,
            &MainTabController::linkMessageChanged);
    connect(m_linkThread, &TavirelConnThread::showConnectionScreen, this, [this](bool show) { m_screenShown = show; });
    if (m_settingsView) {
        connect(m_linkThread, &TavirelConnThread::showConnectionScreen, m_settingsView,
                &SettingsView::showConnectionScreen);
        connect(m_linkThread, &TavirelConnThread::deviceSettingsUrlsUpdated, m_settingsView,
                &SettingsView::deviceSettingsUrlsUpdated);
        m_settingsView->setLink(m_linkThread, m_currentDevice);
    }
    connectLinkToTab(m_sourcesView);
    connectLinkToTab(m_playerView);
    m_tavirel->setConnPointer(m_linkThread);
    m_linkThread->setDevice(m_currentDevice);
    m_linkThread->restart();
}

void MainTabController::stopLink()
{
    if (m_currentTab == SourcesTab)
        callView(m_sourcesView, "closeAllPopups");
    else if (m_currentTab == PlayerTab)
        callView(m_playerView, "closeAllPopups");
    if (m_tavirel)
        QMetaObject::invokeMethod(m_tavirel, "closePlayersConnections");
    if (m_linkThread) {
        m_linkThread->stop();
        disconnect(m_linkThread, nullptr, this, nullptr);
        if (m_sourcesView)
            disconnect(m_linkThread, nullptr, m_sourcesView, nullptr);
        if (m_playerView)
            disconnect(m_linkThread, nullptr, m_playerView, nullptr);
        if (m_settingsView)
            disconnect(m_linkThread, nullptr, m_settingsView, nullptr);
        m_linkThread->deleteLater();
        m_linkThread = nullptr;
        updateRetryOffered();
    }
    if (m_tavirel)
        m_tavirel->setConnPointer(nullptr);
}

void MainTabController::connectionEstablished()
{
    if (m_credentialsFor && m_currentDevice) {
        // The device took the new credentials: the saved entry and the last
        // selected device keep them from now on.
        DeviceStore::updateCredentials(m_credentialsFor, m_currentDevice->username(), m_currentDevice->password());
        m_credentialsFor = nullptr;
    }
    if (!m_switchToSourcesOnConnect)
        return;
    callRoot("sourcesButtonEnabled");
    if (m_menuListView)
        m_menuListView->setProperty("currentIndex", int(SourcesTab));
    m_switchToSourcesOnConnect = false;
    // The player page chooses the source to show and tells what cannot be
    // played, and the desktop's media controls follow it: it is made once
    // the device is there, after the sources page has been drawn.
    QTimer::singleShot(0, this, [this] { ensurePlayerView(); });
}

void MainTabController::showAuthenticationDialog()
{
    stopLink();
    QQuickItem* popup = openPopup(Popup::Authentication, QStringLiteral("qrc:/Qml/AuthenticationPopup.qml"),
                                  SLOT(authenticationDialogCancelled()));
    if (!popup)
        return;
    popup->setProperty("headTitle", tr("Authentication required"));
    popup->setProperty("bodyMessage",
                       tr("The username and password you provided are not correct or are not valid anymore. "
                          "Please provide a new username and password."));
    popup->setProperty("okBtnText", tr("Login"));
    popup->setProperty("cancBtnText", tr("Cancel"));
    if (m_currentDevice)
        popup->setProperty("username", m_currentDevice->username());
    connect(popup, SIGNAL(authenticate(QString, QString)), this, SLOT(deviceAuthenticated(QString, QString)));
    popup->setVisible(true);
}

void MainTabController::authenticationDialogCancelled()
{
    QQuickItem* popup = senderPopup();
    if (!popup)
        return;
    closePopup(popup);
    setAuthenticationFailed(true);
}

void MainTabController::retryAuthentication()
{
    showAuthenticationDialog();
}

void MainTabController::retryConnection()
{
    if (m_authenticationFailed)
        showAuthenticationDialog();
    else if (m_linkThread)
        m_linkThread->retryNow();
    else
        startLink();
}

void MainTabController::chooseAnotherDevice()
{
    if (!m_settingsView)
        return;
    if (m_menuListView)
        m_menuListView->setProperty("currentIndex", int(SettingsTab));
    m_settingsView->returnToRootView();
    m_settingsView->pushDeviceFinder();
}

QString MainTabController::linkProblem() const
{
    if (m_authenticationFailed)
        return tr("Authentication failed.");
    return m_linkThread && !m_linkThread->linkUp() && !m_linkThread->lastFailure().isEmpty() ? m_linkMessage
                                                                                          : QString();
}

void MainTabController::linkMessageChanged(const QString& message)
{
    m_linkMessage = message;
    m_screenMessage = message;
    Q_EMIT linkProblemChanged();
}

void MainTabController::updateRetryOffered()
{
    const bool offered = m_authenticationFailed || (m_linkThread && m_linkThread->retryPending());
    for (QQuickItem* screen : { m_sourcesView ? m_sourcesView->connectionScreen() : nullptr,
                                m_playerView ? m_playerView->connectionScreen() : nullptr }) {
        if (screen)
            screen->setProperty("retryVisible", offered);
    }
    Q_EMIT linkProblemChanged();
}

void MainTabController::showOnConnectionScreens(const QString& message)
{
    m_screenMessage = message;
    m_screenShown = true;
    if (m_sourcesView) {
        m_sourcesView->setConnectionScreenMessage(message);
        m_sourcesView->showConnectionScreen(true);
    }
    if (m_playerView) {
        m_playerView->setConnectionScreenMessage(message);
        m_playerView->showConnectionScreen(true);
    }
}

void MainTabController::setAuthenticationFailed(bool failed)
{
    if (failed == m_authenticationFailed)
        return;
    m_authenticationFailed = failed;
    // Without this the tabs would only say "Disconnected." and offer nothing.
    if (failed)
        showOnConnectionScreens(tr("Authentication failed."));
    updateRetryOffered();
    Q_EMIT authenticationFailedChanged();
}

void MainTabController::deviceAuthenticated(const QString& username, const QString& password)
{
    if (refuseInSender(DeviceStore::credentialsProblem(username, password)))
        return;
    Device* device = m_settingsView ? m_settingsView->lastSelDevice() : nullptr;
    if (!device)
        device = m_currentDevice;
    if (!device) {
        qCDebug(lcApp) << "new credentials without a selected device";
        return;
    }
    if (QQuickItem* popup = senderPopup())
        closePopup(popup);
    // The store is written only once the device accepts the credentials.
    auto* attempt = new Device(this);
    DeviceStore::textToObject(attempt, DeviceStore::objectToText(device));
    attempt->setUsername(username);
    attempt->setPassword(password);
    m_credentialsFor = device;
    setCurrentDevice(attempt);
    startLink();
}

void MainTabController::showAddDeviceDialog(DeviceFinderView*)
{
    if (!m_settingsView || !m_settingsView->isVisible())
        return;
    QQuickItem* popup = openPopup(Popup::AddDevice, QStringLiteral("qrc:/Qml/AddDevicePopup.qml"));
    if (!popup)
        return;
    popup->setProperty("headTitle", tr("Add Tavirel manually"));
    popup->setProperty("okBtnText", tr("Add"));
    popup->setProperty("cancBtnText", tr("Cancel"));
    connect(popup, SIGNAL(addDevice(QString, QString, QString, QString)), this,
            SLOT(addDeviceWithData(QString, QString, QString, QString)));
    popup->setVisible(true);
}

void MainTabController::addDeviceWithData(const QString& ipAddress, const QString& serial,
                                          const QString& username, const QString& password)
{
    const DeviceStore::Address address = DeviceStore::parseAddress(ipAddress, Device::DefaultPort);
    if (refuseInSender(address.error) || refuseInSender(DeviceStore::credentialsProblem(username, password)))
        return;
    if (QQuickItem* popup = senderPopup())
        closePopup(popup);
    stopLink();
    auto* device = new Device(this);
    device->setSerialNumber(serial.trimmed());
    device->setLocalIp(address.host);
    device->setLocalPort(address.port);
    device->setUsername(username);
    device->setPassword(password);
    DeviceStore::saveNewDevice(device);
    ensureDeviceModel();
    if (m_settingsView) {
        m_settingsView->setLastSelDevice(device);
        m_settingsView->returnToRootView();
    }
    m_credentialsFor = nullptr;
    setCurrentDevice(device);
    startLink();
}

void MainTabController::showDeviceConnDialog(bool alreadySaved, Device* dev)
{
    if (!m_settingsView || !m_settingsView->isVisible())
        return;
    QQuickItem* popup = alreadySaved
        ? openPopup(Popup::Confirm, QStringLiteral("qrc:/Qml/ConfirmPopup.qml"))
        : openPopup(Popup::Credentials, QStringLiteral("qrc:/Qml/AuthenticationPopup.qml"));
    if (!popup)
        return;
    popup->setProperty("alreadySaved", alreadySaved);
    popup->setProperty("deviceRef", QVariant::fromValue(dev));
    popup->setProperty("headTitle", tr("Tavirel Connection"));
    popup->setProperty("bodyMessage", alreadySaved ? tr("Confirm connection to the selected Tavirel?")
                                                   : tr("Connect to Tavirel with your Tavirel account"));
    popup->setProperty("okBtnText", tr("Connect"));
    popup->setProperty("cancBtnText", tr("Cancel"));
    if (!alreadySaved && dev)
        popup->setProperty("username", dev->username());
    // The finder replaces its records when the device is announced again:
    // the popup keeps a copy of its own, so that Connect still has a device.
    if (dev) {
        auto* copy = new Device(popup);
        DeviceStore::textToObject(copy, DeviceStore::objectToText(dev));
        popup->setProperty("deviceRef", QVariant::fromValue(copy));
    }
    const QByteArray signature = popup->metaObject()->indexOfSignal("confirmConnection(bool,Device*)") >= 0
        ? QByteArrayLiteral("2confirmConnection(bool,Device*)")
        : QByteArrayLiteral("2confirmConnection(bool,QObject*)");
    connect(popup, signature.constData(), this, SLOT(connectToDevice(bool, Device*)));
    popup->setVisible(true);
}

void MainTabController::connectToDevice(bool alreadySaved, Device* dev)
{
    if (!dev)
        return;
    if (refuseInSender(DeviceStore::credentialsProblem(dev->username(), dev->password())))
        return;
    if (QQuickItem* popup = senderPopup())
        closePopup(popup);
    stopLink();
    // The record may belong to the device finder, which goes away when its
    // page is closed: the controller keeps its own copy.
    auto* device = new Device(this);
    DeviceStore::textToObject(device, DeviceStore::objectToText(dev));
    // Saving is idempotent: connecting again to a found device updates its
    // entry instead of adding another.
    if (!alreadySaved)
        DeviceStore::saveNewDevice(device);
    else
        DeviceStore::selectDevice(device);
    ensureDeviceModel();
    if (m_settingsView) {
        m_settingsView->setLastSelDevice(device);
        m_settingsView->returnToRootView();
    }
    m_credentialsFor = nullptr;
    m_switchToSourcesOnConnect = true;
    setCurrentDevice(device);
    startLink();
}

void MainTabController::savedDeviceRemoved(DeviceFinderView* page, Device* removed)
{
    if (!removed)
        return;
    Device lastSelected;
    const bool inUse = (m_currentDevice && DeviceStore::sameEntry(m_currentDevice, removed))
        || (m_settingsView && m_settingsView->lastSelDevice()
            && DeviceStore::sameEntry(m_settingsView->lastSelDevice(), removed))
        || (DeviceStore::readLastSelected(&lastSelected) && DeviceStore::sameEntry(&lastSelected, removed));
    if (!inUse)
        return;
    qCDebug(lcApp) << "the device in use was removed; stopping its link";
    stopLink();
    // Its password must not stay behind as the last selected device.
    DeviceStore::forgetLastSelected();
    m_credentialsFor = nullptr;
    if (m_settingsView)
        m_settingsView->setLastSelDevice(nullptr);
    setCurrentDevice(nullptr);
    m_switchToSourcesOnConnect = true;
    setAuthenticationFailed(false);
    showOnConnectionScreens(tr("No Tavirel selected."));
    callRoot("sourcesButtonDisabled");
    callRoot("playerButtonDisabled");
    if (page)
        page->setNotice(tr("%1 was removed and disconnected. Choose a Tavirel to control.")
                            .arg(DeviceFinderView::displayName(removed)));
}

QQuickItem* MainTabController::openPopup(Popup kind, const QString& document, const char* closeSlot)
{
    for (const OpenPopup& open : QList<OpenPopup>(m_popups)) {
        if (open.kind == kind && open.item)
            closePopup(open.item);
    }
    QQuickItem* popup = DocumentItem::create(this, document, this);
    if (!popup)
        return nullptr;
    connect(popup, SIGNAL(close()), this, closeSlot);
    m_popups.append({ popup, kind });
    return popup;
}

void MainTabController::closePopup(QQuickItem* popup)
{
    for (int i = m_popups.size() - 1; i >= 0; --i) {
        if (!m_popups.at(i).item || m_popups.at(i).item == popup)
            m_popups.removeAt(i);
    }
    if (!popup)
        return;
    disconnect(popup, nullptr, this, nullptr);
    popup->setVisible(false);
    popup->setParentItem(nullptr);
    popup->deleteLater();
}

QQuickItem* MainTabController::senderPopup() const
{
    QObject* origin = sender();
    for (const OpenPopup& open : m_popups) {
        if (open.item && open.item == origin)
            return open.item;
    }
    return nullptr;
}

bool MainTabController::refuseInSender(const QString& problem)
{
    if (problem.isEmpty())
        return false;
    qCDebug(lcApp) << "refused input:" << problem;
    if (QQuickItem* popup = senderPopup())
        popup->setProperty("errorText", problem);
    return true;
}

QQuickItem* MainTabController::currentDialog() const
{
    for (int i = m_popups.size() - 1; i >= 0; --i) {
        if (m_popups.at(i).item)
            return m_popups.at(i).item;
    }
    return nullptr;
}

QList<QQuickItem*> MainTabController::openDialogs() const
{
    QList<QQuickItem*> items;
    for (const OpenPopup& open : m_popups) {
        if (open.item)
            items.append(open.item);
    }
    return items;
}

void MainTabController::closeDialog()
{
    // A popup's close() closes that popup, whatever else is open.
    QQuickItem* popup = senderPopup();
    closePopup(popup ? popup : currentDialog());
}

void MainTabController::menuListViewIndexChanged()
{
    if (!m_menuListView)
        return;
    const int index = m_menuListView->property("currentIndex").toInt();
    if (index == m_currentTab)
        return;
    if (m_currentTab == SourcesTab)
        callView(m_sourcesView, "closeAllPopups");
    else if (m_currentTab == PlayerTab)
        callView(m_playerView, "closeAllPopups");
    for (QQuickItem* view : { static_cast<QQuickItem*>(m_sourcesView), static_cast<QQuickItem*>(m_playerView),
                              static_cast<QQuickItem*>(m_settingsView) }) {
        if (view)
            view->setVisible(false);
    }
    m_currentTab = index;
    if (!m_containerView)
        return;
    switch (index) {
    case SourcesTab:
        if (ensureSourcesView()) {
            if (!m_sourcesView->tavirel()) {
                m_sourcesView->setTavirel(m_tavirel);
                callView(m_sourcesView, "loadSources");
                callView(m_sourcesView, "loadOutputs");
            }
            m_sourcesView->setVisible(true);
        }
        break;
    case PlayerTab:
        if (ensurePlayerView()) {
            if (!m_playerView->tavirel()) {
                m_playerView->setTavirel(m_tavirel);
                callView(m_playerView, "loadOutputs");
            }
            m_playerView->setVisible(true);
        }
        break;
    case SettingsTab:
        if (m_settingsView)
            m_settingsView->setVisible(true);
        break;
    default:
        break;
    }
}

void MainTabController::openPlayerView(int source)
{
    if (source == -1 || !ensurePlayerView())
        return;
    Source* found = m_tavirel ? m_tavirel->sourceByIndex(source) : nullptr;
    m_playerView->setSelectedSource(found);
    if (m_menuListView)
        m_menuListView->setProperty("currentIndex", int(PlayerTab));
}

void MainTabController::playerViewSourceChanged()
{
    // The player tab is there whenever the device has a player source; the
    // page itself picks which one it shows.
    bool hasPlayer = m_playerView && m_playerView->selectedSource();
    const QList<Source*> sources = m_tavirel ? m_tavirel->sourceList() : QList<Source*>();
    for (const Source* source : sources)
        hasPlayer = hasPlayer || source->player();
    callRoot(hasPlayer ? "playerButtonEnabled" : "playerButtonDisabled");
}

void MainTabController::didEnterBackground()
{
    stopLink();
}

void MainTabController::didEnterForeground()
{
    if (m_tavirel)
        startLink();
}

void MainTabController::applicationStateChanged(Qt::ApplicationState state)
{
    if (state == Qt::ApplicationInactive)
        stopLink();
    else if (state == Qt::ApplicationActive && m_tavirel)
        startLink();
}

void MainTabController::callRoot(const char* function)
{
    if (metaObject()->indexOfMethod(QMetaObject::normalizedSignature(QByteArray(function) + "()")) < 0)
        return;
    QMetaObject::invokeMethod(this, function);
}

void MainTabController::callView(QQuickItem* view, const char* function)
{
    if (!view)
        return;
    if (view->metaObject()->indexOfMethod(QMetaObject::normalizedSignature(QByteArray(function) + "()")) < 0)
        return;
    QMetaObject::invokeMethod(view, function);
}
