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
    m_lastSelDevice = d;
    Q_EMIT lastSelDeviceChanged();
    if (m_root)
        m_root->setLastSelDevice(d);
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
    m_getUrl = getUrl;
    m_postUrl = postUrl;
    startDownload();
}

void SettingsView::startDownload()
{
    if (m_getUrl.isEmpty())
        return;
    auto* download = new SettingsThread;
    connect(download, &SettingsThread::settingsDownloaded, this, &SettingsView::settingsDownloaded);
    connect(download, &SettingsTransfer::transferFailed, this, [this](const QString& reason) {
        setStatus(tr("Could not read the device's settings: %1").arg(reason), true);
    });
    connect(download, &QThread::finished, download, &QObject::deleteLater);
    download->start(m_getUrl, m_lastSelDevice ? m_lastSelDevice->username() : QString(),
                    m_lastSelDevice ? m_lastSelDevice->password() : QString());
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
}

void SettingsView::pushSettingsEditor()
{
    auto* editor = qobject_cast<SettingsEditorView*>(createView(SettingsEditorView::Document));
    if (!editor)
        return;
    connect(editor, &SettingsEditorView::readyToSave, this, &SettingsView::uploadSettings);
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
    const QJsonObject settings = value.toObject();
    // UTF-8 once: ASCII stays byte for byte what the device always got.
    const QString json = QString::fromUtf8(QJsonDocument(settings).toJson(QJsonDocument::Compact));
    auto* upload = new SettingsUploadThread;
    connect(upload, &SettingsUploadThread::uploadSucceeded, this, [this, settings] {
        // The editor opens what the device now holds, without waiting for
        // the next settings-address message; a fresh download confirms it.
        m_settings = settings;
        setStatus(tr("Settings saved"), false);
        startDownload();
    });
    connect(upload, &SettingsTransfer::transferFailed, this, [this](const QString& reason) {
        setStatus(tr("Could not save the settings: %1").arg(reason), true);
    });
    connect(upload, &QThread::finished, upload, &QObject::deleteLater);
    if (m_postUrl.isEmpty()) {
        setStatus(tr("Could not save the settings: %1").arg(tr("the device has not said where to send them")), true);
        delete upload;
        return;
    }
    upload->start(m_postUrl, m_lastSelDevice ? m_lastSelDevice->username() : QString(),
                  m_lastSelDevice ? m_lastSelDevice->password() : QString(), json);
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
    QQuickItem* host = parentItem() && parentItem()->parentItem() ? parentItem()->parentItem() : nullptr;
    if (!host && window())
        host = window()->contentItem();
    QQuickItem* dialog = DocumentItem::create(this, QLatin1String(ItemDialogDocument), host ? host : this);
    if (!dialog)
        return;
    dialog->setProperty("listModel", editor->addableTypes());
    dialog->setProperty("titleText", tr("Add new element"));
    dialog->setProperty("messageText", tr("Choose the element type you want to add"));
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
    selector->setTitle(tr("Themes"));
    pushView(selector);
}

void SettingsView::setTheme(int theme)
{
    popLastView();
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
