#include "settings/settingsview.h"

#include "app/logcategories.h"
#include "devices/device.h"
#include "devices/devicestore.h"
#include "navigation/navigationbar.h"
#include "settings/settingseditorview.h"
#include "settings/settingsrootview.h"
#include "settings/settingsthread.h"
#include "settings/settingsuploadthread.h"
#include "settings/tavireltheme.h"
#include "views/documentitem.h"

#include <QFile>
#include <QJsonDocument>
#include <QQmlContext>
#include <QQuickWindow>
#include <QSettings>

SettingsView::SettingsView(QQuickItem* parent)
    : NavigationController(parent)
{
}

void SettingsView::setLastSelDevice(Device* d)
{
    if (d != m_lastSelDevice)
        forgetSettings();
    m_lastSelDevice = d;
    Q_EMIT lastSelDeviceChanged();
    if (m_root)
        m_root->setLastSelDevice(d);
}

void SettingsView::setLink(const QObject* link, Device* device)
{
    m_link = link;
    if (device != m_linkDevice)
        forgetSettings();
    m_linkDevice = device;
}

void SettingsView::forgetSettings()
{
    ++m_deviceRun;
    m_download = 0;
    m_downloadProblem.clear();
    m_getUrl.clear();
    m_postUrl.clear();
    m_settings = QJsonObject();
    if (settingsPageShown())
        popToRootView();
}

bool SettingsView::settingsPageShown() const
{
    for (NavigationView* view : views()) {
        if (qobject_cast<SettingsEditorView*>(view) || (m_unavailablePage && view == m_unavailablePage))
            return true;
    }
    return false;
}

void SettingsView::setStatus(const QString& message, bool error)
{
    m_statusMessage = message;
    m_statusIsError = error;
    Q_EMIT statusMessageChanged();
}

void SettingsView::initNavigationBar()
{
    NavigationController::initNavigationBar();
    NavigationBar* bar = navigationBar();
    if (!bar)
        return;
    setBarProperty("rightVisible", false);
    connect(bar, SIGNAL(right()), this, SLOT(rightButtonClicked()));
    connect(bar, SIGNAL(secondRight()), this, SLOT(secRightButtonClicked()));
}

void SettingsView::resetBar()
{
    setBarProperty("rightVisible", false);
    setBarProperty("secRightVisible", false);
}

QQuickItem* SettingsView::createDialog(const char* url)
{
    // Dialogs cover the whole window, bar included.
    QQuickItem* host = parentItem() && parentItem()->parentItem() ? parentItem()->parentItem() : nullptr;
    if (!host && window())
        host = window()->contentItem();
    if (DocumentItem::focusOpenItem(this, QLatin1String(url)))
        return nullptr;
    return DocumentItem::create(this, QLatin1String(url), host ? host : this);
}

const Device* SettingsView::transferAccount() const
{
    // The credentials the link joined with: the selected record may still
    // hold the ones the device has just refused.
    return m_linkDevice ? m_linkDevice.data() : m_lastSelDevice.data();
}

NavigationView* SettingsView::createView(const char* url)
{
    return qobject_cast<NavigationView*>(DocumentItem::create(this, QLatin1String(url), nullptr));
}

void SettingsView::initRootView()
{
    auto* root = qobject_cast<SettingsRootView*>(createView(RootDocument));
    if (!root)
        return;
    m_root = root;
    root->setTitle(tr("Settings"));
    root->setLastSelDevice(m_lastSelDevice);
    connect(root, &SettingsRootView::requirePushSettingsEditor, this, &SettingsView::pushSettingsEditor);
    connect(root, &SettingsRootView::requirePushDeviceFinder, this, &SettingsView::pushDeviceFinder);
    connect(root, &SettingsRootView::requirePushTermsAndCond, this, &SettingsView::pushTermsAndConditions);
    connect(root, &SettingsRootView::requirePushThemeSel, this, &SettingsView::pushThemeSelector);
    connect(root, &SettingsRootView::requirePushShortcuts, this, &SettingsView::pushKeyboardShortcuts);
    connect(this, &SettingsView::showConnectionScreen, root, &SettingsRootView::showConnectionScreen);
    // Pages above may have shown their own bar buttons.
    connect(root, &NavigationView::presented, this, &SettingsView::resetBar);
    setRootView(root);
}

SettingsEditorView* SettingsView::topEditor() const
{
    return qobject_cast<SettingsEditorView*>(topView());
}

void SettingsView::deviceSettingsUrlsUpdated(const QString& getUrl, const QString& postUrl)
{
    // A run that was stopped may still have an announcement queued.
    if (sender() && m_link && sender() != m_link) {
        qCDebug(lcSettings) << "settings addresses from an earlier link run; dropped";
        return;
    }
    m_getUrl = getUrl;
    m_postUrl = postUrl;
    startDownload();
}

void SettingsView::startDownload()
{
    if (m_getUrl.isEmpty())
        return;
    // Only the newest download of the current device may answer.
    const int id = ++m_lastDownload;
    m_download = id;
    m_downloadProblem.clear();
    auto* download = new SettingsThread;
    connect(download, &SettingsThread::settingsDownloaded, this, [this, id](const QJsonObject& settings) {
        if (id != m_download) {
            qCDebug(lcSettings) << "settings from an earlier device or download; dropped";
            return;
        }
        settingsDownloaded(settings);
    });
    connect(download, &SettingsTransfer::transferFailed, this, [this, id](const QString& reason) {
        if (id != m_download)
            return;
        m_downloadProblem = tr("Could not read the device's settings: %1").arg(reason);
        setStatus(m_downloadProblem, true);
    });
    // Queued behind the answer, so it ends the wait whatever the outcome.
    connect(download, &QThread::finished, this, [this, id] {
        if (id != m_download)
            return;
        m_download = 0;
        updateUnavailablePage();
    });
    connect(download, &QThread::finished, download, &QObject::deleteLater);
    const Device* account = transferAccount();
    download->start(m_getUrl, account ? account->username() : QString(), account ? account->password() : QString());
    updateUnavailablePage();
}

void SettingsView::retryDownload()
{
    if (!m_download)
        startDownload();
}

void SettingsView::updateUnavailablePage()
{
    if (!m_unavailablePage)
        return;
    m_unavailablePage->setProperty("loading", m_download != 0);
    m_unavailablePage->setProperty("canRetry", !m_getUrl.isEmpty());
    m_unavailablePage->setProperty("reason", m_downloadProblem);
}

void SettingsView::settingsDownloaded(const QJsonObject& settings)
{
    m_settings = settings;
    if (settings.isEmpty() || !m_lastSelDevice)
        return;
    const QJsonObject own = settings.value(QLatin1String("this_tavirel")).toObject();
    for (auto it = own.constBegin(); it != own.constEnd(); ++it)
        m_lastSelDevice->setPropDictionaryValue(it.key(), it.value().toVariant().toString());
    Q_EMIT m_lastSelDevice->propDictionaryChanged();
    if (m_root)
        m_root->setLastSelDevice(m_lastSelDevice);
    DeviceStore::updatePropDictionary(m_lastSelDevice);
    // The user asked for the settings before they were there.
    if (m_unavailablePage && topView() == m_unavailablePage) {
        popLastView();
        pushSettingsEditor();
    }
}

void SettingsView::pushSettingsEditor()
{
    // Nothing read from this device yet: say so rather than edit nothing.
    if (m_settings.isEmpty()) {
        NavigationView* page = createView(UnavailableDocument);
        if (!page)
            return;
        m_unavailablePage = page;
        connect(page, SIGNAL(requireRetry()), this, SLOT(retryDownload()));
        page->setTitle(tr("Device settings"));
        updateUnavailablePage();
        pushView(page);
        return;
    }
    auto* editor = qobject_cast<SettingsEditorView*>(createView(SettingsEditorView::Document));
    if (!editor)
        return;
    connect(editor, &SettingsEditorView::readyToSave, this,
            [this, run = m_deviceRun](const QVariant& key, const QJsonValue& value) {
                if (run != m_deviceRun) {
                    qCDebug(lcSettings) << "an editor of another device saved; nothing sent";
                    return;
                }
                uploadSettings(key, value);
            });
    editor->setTitle(tr("Device settings"));
    editor->setNavBar(navigationBar());
    editor->loadSettings(m_settings, QLatin1String(SettingsSchema::RootKey));
    pushView(editor);
}

void SettingsView::uploadSettings(const QVariant& key, const QJsonValue& value)
{
    Q_UNUSED(key)
    if (!value.isObject())
        return;
    // Never send one device's settings to another.
    if (m_settings.isEmpty()) {
        qCDebug(lcSettings) << "no settings read from this device; nothing sent";
        return;
    }
    if (m_saving) {
        qCDebug(lcSettings) << "a save is on its way; this one is not sent";
        return;
    }
    const QJsonObject settings = value.toObject();
    // UTF-8 once: ASCII stays byte for byte what the device always got.
    const QString json = QString::fromUtf8(QJsonDocument(settings).toJson(QJsonDocument::Compact));
    auto* upload = new SettingsUploadThread;
    connect(upload, &SettingsUploadThread::uploadSucceeded, this, [this, settings, run = m_deviceRun] {
        m_saving = false;
        if (run != m_deviceRun)
            return;
        // The editor opens what the device now holds, without waiting for
        // the next settings-address message; a fresh download confirms it.
        m_settings = settings;
        for (NavigationView* view : views()) {
            if (auto* editor = qobject_cast<SettingsEditorView*>(view))
                editor->markSaved();
        }
        popToRootView();
        setStatus(tr("Settings saved"), false);
        startDownload();
    });
    connect(upload, &SettingsTransfer::transferFailed, this, [this](const QString& reason) {
        m_saving = false;
        // The page stays with its edits, ready to be saved again.
        if (SettingsEditorView* editor = topEditor())
            editor->refreshBar();
        setStatus(tr("Could not save the settings: %1").arg(reason), true);
    });
    connect(upload, &QThread::finished, upload, &QObject::deleteLater);
    if (m_postUrl.isEmpty()) {
        setStatus(tr("Could not save the settings: %1").arg(tr("the device has not said where to send them")), true);
        delete upload;
        if (SettingsEditorView* editor = topEditor())
            editor->refreshBar();
        return;
    }
    m_saving = true;
    const Device* account = transferAccount();
    upload->start(m_postUrl, account ? account->username() : QString(), account ? account->password() : QString(),
                  json);
}

void SettingsView::rightButtonClicked()
{
    SettingsEditorView* editor = topEditor();
    if (!editor)
        return;
    // A list that takes new elements offers "Add" there; every other editor
    // offers "Save".
    if (!editor->isEditableList()) {
        setBarProperty("rightVisible", false);
        QMetaObject::invokeMethod(editor, "saveSettings");
        return;
    }
    QQuickItem* dialog = createDialog(ItemDialogDocument);
    if (!dialog)
        return;
    dialog->setProperty("listModel", editor->addableTypes());
    dialog->setProperty("titleText", tr("Add to %1").arg(editor->title()));
    dialog->setProperty("messageText", tr("Choose what to add."));
    dialog->setZ(100);
    dialog->setVisible(true);
    connect(dialog, SIGNAL(close(QQuickItem*)), this, SLOT(closeDialog(QQuickItem*)));
    connect(dialog, SIGNAL(addSettingsItem(QString)), editor, SLOT(addSettingsItem(QString)));
}

void SettingsView::secRightButtonClicked()
{
    setBarProperty("rightVisible", false);
    if (QQuickItem* top = topView())
        QMetaObject::invokeMethod(top, "saveSettings");
}

void SettingsView::closeDialog(QQuickItem* dialog)
{
    if (!dialog)
        return;
    dialog->setVisible(false);
    dialog->setParentItem(nullptr);
    dialog->deleteLater();
}

void SettingsView::pushDeviceFinder()
{
    NavigationView* finder = createView(FinderDocument);
    if (!finder) {
        // Without the finder page, adding a device by hand is the way in.
        Q_EMIT showAddPopup(nullptr);
        return;
    }
    connect(finder, SIGNAL(showAddPopup(DeviceFinderView*)), this, SIGNAL(showAddPopup(DeviceFinderView*)));
    connect(finder, SIGNAL(connectToDevice(bool, Device*)), this, SIGNAL(connectToDevice(bool, Device*)));
    if (auto* page = qobject_cast<DeviceFinderView*>(finder))
        connect(page, &DeviceFinderView::savedDeviceRemoved, this, &SettingsView::savedDeviceRemoved);
    pushView(finder);
}

void SettingsView::pushTermsAndConditions()
{
    NavigationView* terms = createView(TermsDocument);
    if (!terms)
        return;
    // The terms in the interface's language where we have them.
    QString path = QLatin1String(TermsText);
    const QString language = qmlContext(this) ? qmlContext(this)->contextProperty(QStringLiteral("selectedLang")).toString()
                                              : QString();
    const QString localized = QStringLiteral(":/Settings/morvaneappseula_%1.html").arg(language);
    if (!language.isEmpty() && QFile::exists(localized))
        path = localized;
    QFile file{path};
    file.open(QIODevice::ReadOnly);
    terms->setProperty("textSource", QString::fromUtf8(file.readAll()));
    terms->setTitle(tr("Terms and conditions"));
    pushView(terms);
}

void SettingsView::pushKeyboardShortcuts()
{
    NavigationView* page = createView(ShortcutsDocument);
    if (!page)
        return;
    page->setTitle(tr("Keyboard shortcuts"));
    pushView(page);
}

QVariantList SettingsView::themeList()
{
    QVariantList themes;
    for (int n = 0; n < TavirelTheme::ThemeCount; ++n) {
        QFile file(TavirelTheme::resourcePath(n));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QJsonDocument doc = QJsonDocument::fromJson(file.readAll());
        if (doc.isObject())
            themes << doc.object().toVariantMap();
    }
    return themes;
}

void SettingsView::pushThemeSelector()
{
    NavigationView* selector = createView(ThemesDocument);
    if (!selector)
        return;
    connect(selector, SIGNAL(requireSetTheme(int)), this, SLOT(setTheme(int)));
    selector->setProperty("themes", themeList());
    selector->setProperty("selTheme", TavirelTheme::storedTheme());
    selector->setTitle(tr("Colour theme"));
    pushView(selector);
}

void SettingsView::setTheme(int theme)
{
    if (theme < 0 || theme >= TavirelTheme::ThemeCount) {
        qCDebug(lcSettings) << "no theme number" << theme;
        return;
    }
    // The selector stays open, so that the user can compare the themes.
    if (NavigationView* top = topView(); top && top->property("selTheme").isValid())
        top->setProperty("selTheme", theme);
    QSettings settings;
    settings.setValue(QLatin1String(TavirelTheme::SettingsKey), theme);
    settings.sync();
    // The chosen colours apply at once, not only at the next start.
    QQmlContext* context = qmlContext(this);
    if (auto* current = context ? qobject_cast<TavirelTheme*>(
                                      context->contextProperty(QStringLiteral("currentTheme")).value<QObject*>())
                                : nullptr)
        current->applyTheme(theme);
}

void SettingsView::saveShownPage()
{
    SettingsEditorView* editor = topEditor();
    if (!editor || !editor->edited() || m_saving)
        return;
    setBarProperty("rightVisible", false);
    setBarProperty("secRightVisible", false);
    editor->saveSettings();
}

void SettingsView::popLastView()
{
    if (m_unsavedDialog)
        return; // the open question answers this
    SettingsEditorView* editor = topEditor();
    if (!editor || !editor->edited()) {
        NavigationController::popLastView();
        return;
    }
    QQuickItem* dialog = createDialog(UnsavedDialogDocument);
    if (!dialog) {
        NavigationController::popLastView();
        return;
    }
    m_unsavedDialog = dialog;
    dialog->setProperty("headTitle", tr("Unsaved changes"));
    dialog->setProperty("bodyMessage", tr("Save the changes to %1 before leaving the page?").arg(editor->title()));
    dialog->setProperty("okBtnText", tr("Save"));
    dialog->setProperty("otherBtnText", tr("Discard"));
    dialog->setProperty("cancBtnText", tr("Cancel"));
    dialog->setZ(100);
    dialog->setVisible(true);
    dialog->forceActiveFocus();
    m_unsavedFor = editor;
    connect(dialog, SIGNAL(accepted()), this, SLOT(unsavedSave()));
    connect(dialog, SIGNAL(otherChosen()), this, SLOT(unsavedDiscard()));
    connect(dialog, SIGNAL(rejected()), this, SLOT(closeUnsavedDialog()));
}

void SettingsView::closeUnsavedDialog()
{
    closeDialog(m_unsavedDialog);
    m_unsavedDialog = nullptr;
}

void SettingsView::unsavedSave()
{
    closeUnsavedDialog();
    if (m_unsavedFor && m_unsavedFor == topEditor())
        saveShownPage();
}

void SettingsView::unsavedDiscard()
{
    closeUnsavedDialog();
    if (m_unsavedFor && m_unsavedFor == topEditor())
        NavigationController::popLastView();
}
