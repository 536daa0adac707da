#pragma once

#include <QPointer>
#include <QQuickItem>

class Device;
class DeviceFinderView;
class PlayerView;
class SettingsView;
class SourcesView;
class Tavirel;
class TavirelConnThread;

// Root item of the main document: ties the three tabs together, owns the
// device model and the control link, and shows the top-level popups.
class MainTabController : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(QQuickItem* menuListView READ menuListView WRITE setMenuListView NOTIFY menuListViewChanged)
    Q_PROPERTY(QQuickItem* containerView READ containerView WRITE setContainerView NOTIFY containerViewChanged)
    // Loaders of the sources and player tabs: each page is created the first
    // time it is needed, and the controller wires it up then.
    Q_PROPERTY(QQuickItem* sourcesTab READ sourcesTab WRITE setSourcesTab NOTIFY sourcesTabChanged)
    Q_PROPERTY(QQuickItem* playerTab READ playerTab WRITE setPlayerTab NOTIFY playerTabChanged)
    // The device refused the credentials and the user cancelled the popup
    // asking for new ones; retryAuthentication() asks again.
    Q_PROPERTY(bool authenticationFailed READ authenticationFailed NOTIFY authenticationFailedChanged)
    // Why the link is down and what it does about it, after a failed attempt
    // or a refused login; empty otherwise. The settings tab shows it.
    Q_PROPERTY(QString linkProblem READ linkProblem NOTIFY linkProblemChanged)
public:
    enum Tab { SourcesTab = 0, PlayerTab = 1, SettingsTab = 2 };

    explicit MainTabController(QQuickItem* parent = nullptr);
    ~MainTabController() override;

    QQuickItem* menuListView() const { return m_menuListView; }
    void setMenuListView(QQuickItem* item);
    QQuickItem* containerView() const { return m_containerView; }
    void setContainerView(QQuickItem* item);
    QQuickItem* sourcesTab() const { return m_sourcesTab; }
    void setSourcesTab(QQuickItem* loader);
    QQuickItem* playerTab() const { return m_playerTab; }
    void setPlayerTab(QQuickItem* loader);
    bool authenticationFailed() const { return m_authenticationFailed; }
    QString linkProblem() const;

    // For tests and diagnostics.
    Tavirel* deviceModel() const { return m_tavirel; }
    TavirelConnThread* linkThread() const { return m_linkThread; }
    Device* currentDevice() const { return m_currentDevice; }
    // The popup on top, or null.
    QQuickItem* currentDialog() const;
    QList<QQuickItem*> openDialogs() const;
    int currentTab() const { return m_currentTab; }
    // The pages once created, otherwise null.
    SourcesView* sourcesView() const;
    PlayerView* playerView() const;
    // Creates the page if it is not there yet; null when it cannot load.
    SourcesView* ensureSourcesView();
    PlayerView* ensurePlayerView();

    void componentComplete() override;

Q_SIGNALS:
    void componentCompleted();
    void menuListViewChanged();
    void containerViewChanged();
    void sourcesTabChanged();
    void playerTabChanged();
    // A page was created and connected to the device model and the link.
    void sourcesViewLoaded(SourcesView* view);
    void playerViewLoaded(PlayerView* view);
    void authenticationFailedChanged();
    void linkProblemChanged();
    void deviceModelChanged();
    void currentDeviceChanged();
    // The device model or the device it is linked to changed.
    void deviceChanged();

public Q_SLOTS:
    void tabLoadingCompleted();
    void connectionEstablished();
    void showAuthenticationDialog();
    void deviceAuthenticated(const QString& username, const QString& password);
    void showAddDeviceDialog(DeviceFinderView* finder);
    void addDeviceWithData(const QString& ipAddress, const QString& serial, const QString& username,
                           const QString& password);
    void showDeviceConnDialog(bool alreadySaved, Device* dev);
    void connectToDevice(bool alreadySaved, Device* dev);
    // A saved entry went; when it is the device in use the link stops and the
    // app forgets it as the last selected device.
    void savedDeviceRemoved(DeviceFinderView* page, Device* removed);
    void closeDialog();
    void menuListViewIndexChanged();
    void openPlayerView(int source);
    void playerViewSourceChanged();
    void didEnterBackground();
    void didEnterForeground();
    void applicationStateChanged(Qt::ApplicationState state);
    void retryAuthentication();
    // Retry of the connection screens: new credentials after a refused
    // login, otherwise the next attempt now.
    void retryConnection();
    // Opens the device finder on the settings tab.
    void chooseAnotherDevice();

private Q_SLOTS:
    void authenticationDialogCancelled();
    void linkMessageChanged(const QString& message);
    void updateRetryOffered();

private:
    enum class Popup { Confirm, Credentials, Authentication, AddDevice };
    struct OpenPopup {
        QPointer<QQuickItem> item;
        Popup kind;
    };
    // Popups stack: each closes by its own buttons, whatever else is open;
    // a second popup of one kind replaces the first.
    QQuickItem* openPopup(Popup kind, const QString& document, const char* closeSlot = SLOT(closeDialog()));
    void closePopup(QQuickItem* popup);
    // The popup that sent the current signal, if it is one of ours.
    QQuickItem* senderPopup() const;
    // Shows a non-empty problem in the sending popup's form and returns true;
    // false when there is no problem.
    bool refuseInSender(const QString& problem);
    void setAuthenticationFailed(bool failed);
    // Both tabs' connection screens show, with this message.
    void showOnConnectionScreens(const QString& message);

    void startLink();
    void stopLink();
    void ensureDeviceModel();
    void setCurrentDevice(Device* device);
    void adoptSourcesView(SourcesView* view);
    void adoptPlayerView(PlayerView* view);
    // The running link's connection-screen signals reach the page.
    void connectLinkToTab(QQuickItem* view);
    void connectConnectionScreen(QQuickItem* screen);
    static QQuickItem* loadTab(QQuickItem* loader);
    void callRoot(const char* function);
    void callView(QQuickItem* view, const char* function);

    QPointer<QQuickItem> m_menuListView;
    QPointer<QQuickItem> m_containerView;
    QPointer<QQuickItem> m_sourcesTab;
    QPointer<QQuickItem> m_playerTab;
    QList<OpenPopup> m_popups;
    TavirelConnThread* m_linkThread = nullptr;
    Tavirel* m_tavirel = nullptr;
    QPointer<SourcesView> m_sourcesView;
    QPointer<PlayerView> m_playerView;
    QPointer<SettingsView> m_settingsView;
    int m_currentTab = -1;
    QPointer<Device> m_currentDevice;
    bool m_switchToSourcesOnConnect = true;
    bool m_viewsFound = false;
    bool m_authenticationFailed = false;
    QString m_linkMessage;
    // What the connection screens show, for a page made later.
    QString m_screenMessage;
    bool m_screenShown = false;
    // The record whose credentials the running link tries anew; its saved
    // entry takes them once the device accepts them.
    QPointer<Device> m_credentialsFor;
};
