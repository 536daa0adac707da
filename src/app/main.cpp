#include "app/commandline.h"
#include "app/graphicsprobe.h"
#include "app/maintabcontroller.h"
#include "app/settingsfile.h"
#include "app/startup.h"
#include "app/tourrunner.h"
#include "desktop/houseservice.h"
#include "desktop/mprisservice.h"
#include "desktop/singleinstance.h"
#include "desktop/playerfocus.h"
#include "desktop/tracknotifier.h"
#include "desktop/traycontroller.h"
#include "desktop/windowmemory.h"
#include "devices/device.h"
#include "model/housecontrol.h"
#include "settings/dynamictranslator.h"
#include "settings/tavireltheme.h"

#include <QDBusConnection>
#include <QGuiApplication>
#include <QLocale>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickView>
#include <QScreen>
#include <QSettings>

int main(int argc, char* argv[])
{
    if (argc == 3 && qstrcmp(argv[1], SettingsFile::ReadCheckArgument) == 0)
        return SettingsFile::readsWhole(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    if (const int code = CommandLine::answerWithoutWindow(argc, argv); code >= 0)
        return code;
    QGuiApplication app(argc, argv);
    Startup::setIdentity(app);
    Startup::prepareSettingsFile();
    QSettings settings;
    const QString language = Startup::chooseLanguage(QLocale::system().uiLanguages());
    Startup::installTranslator(app, language);
    const CommandLine::Options options = CommandLine::parse(app.arguments());
    if (options.action != CommandLine::Action::Run)
        return CommandLine::answer(options);
    SingleInstance instance;
    if (instance.claim(QDBusConnection::sessionBus(), settings.fileName()) == SingleInstance::Outcome::Handed)
        return 0;
    GraphicsProbe::selectRenderer();
    DynamicTranslator::initTable();
    settings.setValue(QLatin1String(Startup::RootDirKey), QCoreApplication::applicationDirPath());
    Startup::ensureUniqueId(settings);
    CommandLine::applyDevice(options);
    Startup::loadFonts();
    Startup::registerMetaTypes();
    Startup::registerQmlTypes();

    auto* theme = new TavirelTheme(&app);
    Startup::loadTheme(theme, Startup::dataFilePath(QLatin1String(Startup::ThemeFile)));
    Startup::createImageServices();

    // Outlives the window, whose documents bind to it.
    HouseControl house;
    QQuickView view;
    Startup::addImageProvider(view.engine());
    QQmlContext* context = view.rootContext();
    Startup::publishTheme(context, theme);
    context->setContextProperty(QStringLiteral("selectedLang"), language);
    context->setContextProperty(QStringLiteral("isIOSdevice"), false);
    context->setContextProperty(QStringLiteral("isPhoneX"), false);
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    context->setContextProperty(QStringLiteral("house"), &house);

    QScreen* screen = QGuiApplication::primaryScreen();
    const auto layout = Startup::computeLayout(screen->physicalDotsPerInch(), screen->availableSize());
    view.resize(layout.windowSize);
    Startup::setScreenContext(context, layout.scaleFactor);

    view.setTitle(QStringLiteral("Tavirel"));
    view.setSource(QUrl(QStringLiteral("qrc:/main.qml")));

    WindowMemory windowMemory;
    auto* controller = qobject_cast<MainTabController*>(view.rootObject());
    windowMemory.followTabs(controller);
    TrayController tray;
    tray.setEngine(view.engine());
    tray.followTabs(controller);
    tray.setHouse(&house);
    tray.watchWindow(&view);
    PlayerFocus* focus = tray.focus();
    Startup::followDevice(&house, controller);
    MprisService mpris;
    QObject::connect(focus, &PlayerFocus::modelChanged, &mpris, [&mpris, focus] { mpris.setDeviceModel(focus->model()); });
    QObject::connect(focus, &PlayerFocus::sourceChanged, &mpris, [&mpris, focus] { mpris.setSource(focus->source()); });
    TrackNotifier notifier(focus);
    auto raise = [&view] {
        view.show();
        view.raise();
        view.requestActivate();
    };
    QObject::connect(&mpris, &MprisService::raiseRequested, &view, raise);
    QObject::connect(&instance, &SingleInstance::activationRequested, &view, raise);
    QObject::connect(&mpris, &MprisService::quitRequested, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    QObject::connect(&tray, &TrayController::showWindowRequested, &view, raise);
    QObject::connect(&tray, &TrayController::quitRequested, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    mpris.publish(QDBusConnection::sessionBus());
    tray.publish();
    HouseService houseService(&house);
    houseService.publish(QDBusConnection::sessionBus());
    windowMemory.restoreAndShow(&view, layout.windowSize);
    Startup::scheduleQuitFromEnvironment();
    Startup::scheduleScreenshotFromEnvironment(&view);
    Startup::reportFirstFrameFromEnvironment(&view);
    TourRunner::startFromEnvironment(&view);
    return app.exec();
}
