#pragma once

#include "navigation/navigationbar.h"
#include "navigation/navigationcontroller.h"
#include "navigation/navigationview.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QPointer>
#include <QVariant>

#include "devices/devicefinderview.h"

class Device;
class SettingsEditorView;
class SettingsRootView;

// The settings tab: a navigation stack whose root page leads to the device's
// settings, the device finder, the colour themes and the terms. It downloads
// the device's settings when the link announces their addresses, uploads
// what the editor saves, and keeps the selected device record up to date
// with the device's own description.
class SettingsView : public NavigationController
{
    Q_OBJECT
    Q_PROPERTY(Device* lastSelDevice READ lastSelDevice WRITE setLastSelDevice NOTIFY lastSelDeviceChanged)
    // The outcome of the last settings transfer, for a short notice.
    Q_PROPERTY(QString statusMessage READ statusMessage NOTIFY statusMessageChanged)
    Q_PROPERTY(bool statusIsError READ statusIsError NOTIFY statusMessageChanged)
public:
    static constexpr const char* RootDocument = "qrc:/Qml/Settings/SettingsRootView.qml";
    static constexpr const char* FinderDocument = "qrc:/Qml/Settings/DeviceFinder.qml";
    static constexpr const char* TermsDocument = "qrc:/Qml/Settings/TermsAndConditions.qml";
    static constexpr const char* ShortcutsDocument = "qrc:/Qml/Settings/KeyboardShortcuts.qml";
    static constexpr const char* ThemesDocument = "qrc:/Qml/Settings/ThemeSelector.qml";
    static constexpr const char* ItemDialogDocument = "qrc:/Qml/Settings/SettingsItemDialog.qml";
    static constexpr const char* UnavailableDocument = "qrc:/Qml/Settings/SettingsUnavailable.qml";
    static constexpr const char* TermsText = ":/Settings/morvaneappseula_en.html";

    explicit SettingsView(QQuickItem* parent = nullptr);

    Device* lastSelDevice() const { return m_lastSelDevice; }
    void setLastSelDevice(Device* d);
    // The link run whose settings addresses count from now on, and the record
    // (with the credentials) it joined with. A new run forgets the settings.
    void setLink(const QObject* link, Device* device);
    QString statusMessage() const { return m_statusMessage; }
    bool statusIsError() const { return m_statusIsError; }
    QJsonObject settings() const { return m_settings; }

    // The theme objects that parse, in theme-number order.
    static QVariantList themeList();

    Q_INVOKABLE void initNavigationBar();
    Q_INVOKABLE void initRootView() override;
    // Back to the first page (after a device was chosen).
    Q_INVOKABLE void returnToRootView() { popToRootView(); }
    // Saves the settings page on screen, if it has anything to save (Ctrl+S).
    Q_INVOKABLE void saveShownPage();
    // Leaving a settings page with unsaved edits asks first.
    void popLastView() override;
    static constexpr const char* UnsavedDialogDocument = "qrc:/Qml/Settings/UnsavedChangesDialog.qml";

Q_SIGNALS:
    void lastSelDeviceChanged();
    void showAddPopup(DeviceFinderView* finder);
    void connectToDevice(bool alreadySaved, Device* device);
    void savedDeviceRemoved(DeviceFinderView* page, Device* removed);
    void showConnectionScreen(bool show);
    void statusMessageChanged();

public Q_SLOTS:
    void pushSettingsEditor();
    void pushDeviceFinder();
    void pushTermsAndConditions();
    void pushThemeSelector();
    void pushKeyboardShortcuts();
    void settingsDownloaded(const QJsonObject& settings);
    void uploadSettings(const QVariant& key, const QJsonValue& value);
    void rightButtonClicked();
    void secRightButtonClicked();
    void closeDialog(QQuickItem* dialog);
    void setTheme(int theme);
    void deviceSettingsUrlsUpdated(const QString& getUrl, const QString& postUrl);
    // Downloads again from the current device's address.
    void retryDownload();

private Q_SLOTS:
    void closeUnsavedDialog();
    void unsavedSave();
    void unsavedDiscard();

private:
    QPointer<QQuickItem> m_unsavedDialog;
    QPointer<SettingsEditorView> m_unsavedFor;
    bool m_saving = false;
    void startDownload();
    // Drops what belongs to the previous device: settings, addresses, the
    // pages showing them, and any answer still on its way.
    void forgetSettings();
    void updateUnavailablePage();
    bool settingsPageShown() const;
    void setStatus(const QString& message, bool error);
    void resetBar();
    SettingsEditorView* topEditor() const;
    NavigationView* createView(const char* url);
    // A dialog over the whole window, from its document.
    QQuickItem* createDialog(const char* url);
    // Whose credentials the settings transfers use.
    const Device* transferAccount() const;

    QPointer<Device> m_lastSelDevice;
    QPointer<Device> m_linkDevice;
    const QObject* m_link = nullptr;
    QString m_getUrl;
    QString m_postUrl;
    QJsonObject m_settings;
    // Bumped on every device or link change; editors and uploads of an
    // earlier one are ignored.
    int m_deviceRun = 0;
    // The download whose answer is awaited; 0 for none.
    int m_download = 0;
    int m_lastDownload = 0;
    QString m_downloadProblem;
    QPointer<SettingsRootView> m_root;
    QPointer<NavigationView> m_unavailablePage;
    QString m_statusMessage;
    bool m_statusIsError = false;
};
