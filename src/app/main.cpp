#include "app/startup.h"
#include "settings/dynamictranslator.h"
#include "settings/tavireltheme.h"

#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickView>
#include <QScreen>
#include <QSettings>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    Startup::setIdentity(app);
    Startup::prepareSettingsFile();
    QSettings settings;
    Startup::installTranslator(app);
    DynamicTranslator::initTable();
    settings.setValue(QLatin1String(Startup::RootDirKey), QCoreApplication::applicationDirPath());
    Startup::ensureUniqueId(settings);
    Startup::loadFonts();
    Startup::registerMetaTypes();
    Startup::registerQmlTypes();

    auto* theme = new TavirelTheme(&app);
    Startup::loadTheme(theme, Startup::dataFilePath(QLatin1String(Startup::ThemeFile)));
    Startup::createImageServices();

    QQuickView view;
    Startup::addImageProvider(view.engine());
    QQmlContext* context = view.rootContext();
    Startup::publishTheme(context, theme);
    context->setContextProperty(QStringLiteral("selectedLang"), QStringLiteral("en"));
    context->setContextProperty(QStringLiteral("isIOSdevice"), false);
    context->setContextProperty(QStringLiteral("isPhoneX"), false);
    view.setResizeMode(QQuickView::SizeRootObjectToView);

    QScreen* screen = QGuiApplication::primaryScreen();
    const auto layout = Startup::computeLayout(screen->physicalDotsPerInch(), screen->availableSize());
    view.resize(layout.windowSize);
    Startup::setScreenContext(context, layout.scaleFactor);

    view.setTitle(QStringLiteral("Tavirel"));
    view.setSource(QUrl(QStringLiteral("qrc:/main.qml")));
    view.show();
    Startup::scheduleQuitFromEnvironment();
    Startup::scheduleScreenshotFromEnvironment(&view);
    return app.exec();
}
