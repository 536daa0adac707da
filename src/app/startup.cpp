#include "app/startup.h"

#include "app/logcategories.h"
#include "app/focuskeeper.h"
#include "app/maintabcontroller.h"
#include "app/settingsfile.h"
#include "images/asyncimageprovider.h"
#include "images/imagedownloader.h"
#include "images/tintediconprovider.h"
#include "model/housecontrol.h"
#include "model/output.h"
#include "navigation/browselistview.h"
#include "navigation/browsenavigationcontroller.h"
#include "navigation/navigationbar.h"
#include "navigation/navigationcontroller.h"
#include "navigation/navigationview.h"
#include "navigation/playlistnavigationcontroller.h"
#include "navigation/playlistrootview.h"
#include "navigation/searchrootview.h"
#include "model/playlistentry.h"
#include "model/source.h"
#include "model/tavirel.h"
#include "player/playeritem.h"
#include "player/song.h"
#include "player/tavirelplayer.h"
#include "views/outputsview.h"
#include "views/notices.h"
#include "views/playerview.h"
#include "views/sourcesview.h"
#include "devices/device.h"
#include "devices/devicefinderview.h"
#include "devices/zeroconf.h"
#include "settings/dynamictranslator.h"
#include "settings/tavireltheme.h"
#include "settings/settingsview.h"
#include "settings/settingseditorview.h"
#include "settings/settingsrootview.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QQmlContext>
#include <QRegularExpression>
#include <QSettings>
#include <QQuickWindow>
#include <QTimer>
#include <QTranslator>
#include <QUuid>
#include <QtQml>
#include <cmath>
#include <cstdio>

namespace Startup {

void setIdentity(QCoreApplication& app)
{
    app.setOrganizationName(QLatin1String(OrganizationName));
    app.setOrganizationDomain(QLatin1String(OrganizationDomain));
    app.setApplicationName(QLatin1String(ApplicationName));
    app.setApplicationVersion(QLatin1String(ApplicationVersion));
}

void prepareSettingsFile()
{
    const QString path = SettingsFile::defaultPath();
    const QString repaired = SettingsFile::repair(path);
    if (!repaired.isEmpty())
        qCWarning(lcApp).noquote() << repaired;
    if (!SettingsFile::restrictAccess(path))
        qCWarning(lcApp) << "could not restrict access to" << path;
}

QString formatUniqueId(int a, int b, const QString& uuidDigits)
{
    const QString prefix = QString::number(a).leftJustified(4, QLatin1Char('0'), true);
    const QString suffix = QString::number(b).rightJustified(4, QLatin1Char('0'), true);
    return prefix + uuidDigits + suffix;
}

QString generateUniqueId()
{
    // The identifier format asks for the classic seeded generator.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    qsrand(uint(QDateTime::currentMSecsSinceEpoch() - 1500));
    QString uuid = QUuid::createUuid().toString();
    uuid.remove(QLatin1Char('-')).remove(QLatin1Char('{')).remove(QLatin1Char('}'));
    qsrand(uint(QDateTime::currentMSecsSinceEpoch()));
    const int a = qrand() % 10000;
    const int b = qrand() % 10000;
    QT_WARNING_POP
    return formatUniqueId(a, b, uuid);
}

bool isUniqueId(const QString& id)
{
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{4}[0-9a-f]{32}[0-9]{4}")));
    return form.match(id).hasMatch();
}

QString ensureUniqueId(QSettings& settings)
{
    const QVariant stored = settings.value(QLatin1String(UniqueIdKey));
    // The identifier travels in the handshake as it stands: a damaged one
    // would be refused at every connection, or break the request apart.
    if (!stored.isValid() || !isUniqueId(stored.toString())) {
        if (stored.isValid())
            qCWarning(lcApp) << "the stored installation identifier is malformed; a new one is made";
        settings.setValue(QLatin1String(UniqueIdKey), generateUniqueId());
        settings.sync();
    }
    return settings.value(QLatin1String(UniqueIdKey)).toString();
}

ScreenLayout computeLayout(qreal dpi, const QSize& available)
{
    qreal s = dpi / 72.0;
    if (s > 1.1)
        s = dpi * 0.5 / 50.0;
    const int height = int(std::trunc(std::min<qreal>(available.height(), 800.0 * s)));
    const int width = int(std::trunc(std::min<qreal>(available.width(), 500.0 * s)));
    return { s, QSize(width, height) };
}

QString dataFilePath(const QString& relative)
{
    const QString besideExe = QDir(QCoreApplication::applicationDirPath()).filePath(relative);
    if (QFileInfo::exists(besideExe))
        return besideExe;
    return relative;
}

int loadFonts()
{
    int loaded = 0;
    for (const char* path : { FontFile }) {
        QFile file(dataFilePath(QLatin1String(path)));
        if (!file.open(QIODevice::ReadOnly)) {
            qCDebug(lcApp) << "font file not readable:" << file.fileName();
            continue;
        }
        if (QFontDatabase::addApplicationFontFromData(file.readAll()) >= 0)
            ++loaded;
    }
    return loaded;
}

QString chooseLanguage(const QStringList& uiLanguages)
{
    for (const QString& tag : uiLanguages) {
        const QString code = tag.left(2).toLower();
        if (code == QLatin1String("en"))
            break;
        if (code == QLatin1String("de") || code == QLatin1String("it"))
            return code;
    }
    return QStringLiteral("en");
}

void installTranslator(QCoreApplication& app, const QString& language)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("Tavirel_") + language, QStringLiteral(":/Translations/")))
        qCDebug(lcApp) << "no catalogue for" << language;
    app.installTranslator(translator);
}

void registerMetaTypes()
{
    qRegisterMetaType<QHash<QString, QString>>("QHash<QString,QString>");
    qRegisterMetaType<QVariantHash>("QVariantHash");
}

void registerQmlTypes()
{
    const char* intUri = "com.morvane.tavirelint";
    const char* logicUri = "com.morvane.logic";
    qmlRegisterType<DynamicTranslator>("com.morvane.translations", 1, 0, "DynamicTranslator");
    qmlRegisterType<TavirelTheme>(intUri, 1, 0, "TavirelTheme");
    qmlRegisterType<FocusKeeper>(intUri, 1, 0, "FocusKeeper");
    qmlRegisterSingletonType<FocusFrames>(intUri, 1, 0, "FocusFrames", [](QQmlEngine*, QJSEngine*) -> QObject* {
        QQmlEngine::setObjectOwnership(FocusFrames::instance(), QQmlEngine::CppOwnership);
        return FocusFrames::instance();
    });
    qmlRegisterType<MainTabController>(intUri, 1, 0, "MainTabController");
    qmlRegisterType<SourcesView>(intUri, 1, 0, "SourcesView");
    qmlRegisterType<PlayerView>(intUri, 1, 0, "PlayerView");
    qmlRegisterType<Notices>(intUri, 1, 0, "Notices");
    qmlRegisterType<OutputsView>(intUri, 1, 0, "OutputsView");
    qmlRegisterType<SettingsView>(intUri, 1, 0, "SettingsView");
    qmlRegisterType<NavigationView>(intUri, 1, 0, "NavigationView");
    qmlRegisterType<NavigationBar>(intUri, 1, 0, "NavigationBar");
    qmlRegisterType<NavigationController>(intUri, 1, 0, "NavigationController");
    qmlRegisterType<BrowseNavigationController>(intUri, 1, 0, "BrowseNavController");
    qmlRegisterType<BrowseListView>(intUri, 1, 0, "BrowseListView");
    qmlRegisterType<SearchRootView>(intUri, 1, 0, "SearchRootView");
    qmlRegisterType<PlaylistRootView>(intUri, 1, 0, "PlaylistRootView");
    qmlRegisterType<PlaylistNavigationController>(intUri, 1, 0, "PlaylistNavController");
    qmlRegisterType<SettingsRootView>(intUri, 1, 0, "SettingsRootView");
    qmlRegisterType<DeviceFinderView>(intUri, 1, 0, "DeviceFinderView");
    qmlRegisterType<SettingsEditorView>(intUri, 1, 0, "SettingsEditorView");
    qmlRegisterType<PlayerItem>(logicUri, 1, 0, "PlayerItem");
    qmlRegisterType<Song>(logicUri, 1, 0, "Song");
    qmlRegisterType<PlaylistEntry>(logicUri, 1, 0, "PlaylistEntry");
    qmlRegisterType<TavirelPlayer>(logicUri, 1, 0, "TavirelPlayer");
    qmlRegisterType<Source>(logicUri, 1, 0, "Source");
    qmlRegisterType<Output>(logicUri, 1, 0, "Output");
    qmlRegisterType<Tavirel>(logicUri, 1, 0, "Tavirel");
    qmlRegisterType<Device>(logicUri, 1, 0, "Device");
    ZeroConf::registerMetaTypes();
}

void setScreenContext(QQmlContext* context, qreal s)
{
    context->setContextProperty(QStringLiteral("scaleFactor"), s);
    for (int size : { 20, 18, 16, 14, 12, 10 })
        context->setContextProperty(QStringLiteral("fontSize%1").arg(size), size * s);
}
void scheduleQuitFromEnvironment()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("TAVIREL_QUIT_AFTER_MS", &ok);
    if (ok && ms >= 0)
        QTimer::singleShot(ms, QCoreApplication::instance(), &QCoreApplication::quit);
}

void scheduleScreenshotFromEnvironment(QQuickWindow* window)
{
    const QString path = qEnvironmentVariable("TAVIREL_SCREENSHOT");
    if (path.isEmpty())
        return;
    bool ok = false;
    int ms = qEnvironmentVariableIntValue("TAVIREL_SCREENSHOT_AFTER_MS", &ok);
    if (!ok)
        ms = 3000;
    // With TAVIREL_SCREENSHOT_EVERY_MS the picture is taken again and again,
    // so a scripted session can copy the window at any moment.
    bool repeat = false;
    const int every = qEnvironmentVariableIntValue("TAVIREL_SCREENSHOT_EVERY_MS", &repeat);
    auto grab = [window, path] {
        if (!window->grabWindow().save(path))
            qCWarning(lcApp) << "could not save a screenshot to" << path;
    };
    QTimer::singleShot(ms, window, [window, grab, repeat, every] {
        grab();
        if (!repeat || every <= 0)
            return;
        auto* timer = new QTimer(window);
        QObject::connect(timer, &QTimer::timeout, window, grab);
        timer->start(every);
    });
}

void reportFirstFrameFromEnvironment(QQuickWindow* window)
{
    if (qEnvironmentVariableIsEmpty("TAVIREL_FIRST_FRAME_EXIT"))
        return;
    QObject::connect(window, &QQuickWindow::frameSwapped, window, [] {
        static bool reported = false;
        if (reported)
            return;
        reported = true;
        fputs("first-frame\n", stdout);
        fflush(stdout);
        QCoreApplication::exit(0);
    }, Qt::QueuedConnection);
}

void createImageServices()
{
    ImageDownloader::instance();
}

void addImageProvider(QQmlEngine* engine)
{
    engine->addImageProvider(QStringLiteral("async"), new AsyncImageProvider);
    engine->addImageProvider(QStringLiteral("tint"), new TintedIconProvider);
}

void loadTheme(TavirelTheme* theme, const QString& themeFile)
{
    theme->setTheme0File(themeFile);
    if (!theme->applyTheme(TavirelTheme::storedTheme()))
        theme->applyTheme(0);
}

void publishTheme(QQmlContext* context, TavirelTheme* theme)
{
    context->setContextProperty(QStringLiteral("currentTheme"), theme);
    // Setting a context property again re-evaluates every binding that read
    // it, even when the object is the same.
    QObject::connect(theme, &TavirelTheme::themeChanged, context, [context, theme] {
        context->setContextProperty(QStringLiteral("currentTheme"), theme);
    });
}

void followDevice(HouseControl* house, MainTabController* controller)
{
    if (!controller)
        return;
    auto follow = [house, controller] {
        house->setModel(controller->deviceModel());
        house->setDeviceSerial(controller->currentDevice() ? controller->currentDevice()->serialNumber() : QString());
    };
    QObject::connect(controller, &MainTabController::deviceChanged, house, follow);
    follow();
}
}
