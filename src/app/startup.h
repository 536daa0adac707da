#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

class HouseControl;
class MainTabController;
class QCoreApplication;
class QQmlContext;
class QQmlEngine;
class QQuickWindow;
class QSettings;
class TavirelTheme;

namespace Startup {

inline constexpr const char* OrganizationName = "Orvith";
inline constexpr const char* OrganizationDomain = "orvith.example";
inline constexpr const char* ApplicationName = "Tavirel";
inline constexpr const char* ApplicationVersion = "2.5.20";
inline constexpr const char* UniqueIdKey = "uniqueID";
inline constexpr const char* RootDirKey = "RootAppDirectory";
inline constexpr const char* FontFile = "fonts/MorvaneUnicodePN.ttf";
inline constexpr const char* ThemeFile = "themes/theme0.json";

void setIdentity(QCoreApplication& app);
// Repairs a settings file that cannot be read (saying so in the log) and keeps
// it readable by its owner only; runs before anything reads the settings.
void prepareSettingsFile();

// The installation identifier from its parts: a left-justified, the UUID's
// 32 hexadecimal digits, b right-justified, both numbers padded with "0" to
// four characters.
QString formatUniqueId(int a, int b, const QString& uuidDigits);
// A new identifier from a random UUID and the seeded pseudo-random generator.
QString generateUniqueId();
// Whether id has the identifier's form: four digits, 32 lower-case
// hexadecimal digits, four digits.
bool isUniqueId(const QString& id);
// Writes "uniqueID" when absent or malformed (and syncs at once); returns the
// stored value.
QString ensureUniqueId(QSettings& settings);

struct ScreenLayout {
    qreal scaleFactor;
    QSize windowSize;
};
ScreenLayout computeLayout(qreal dpi, const QSize& available);

// Looks a file of the application up beside the executable first, then in
// the working directory; returns the first that exists, or the relative path.
QString dataFilePath(const QString& relative);

// Adds every readable font of the application's list; returns how many.
int loadFonts();
// The catalogue to load: the first of the user's interface languages that we
// translate into ("de", "it"), otherwise "en" (the source texts).
QString chooseLanguage(const QStringList& uiLanguages);
// Installs the catalogue of a language from the resources (whether or not it loads).
void installTranslator(QCoreApplication& app, const QString& language = QStringLiteral("en"));
void registerMetaTypes();
void registerQmlTypes();
void setScreenContext(QQmlContext* context, qreal scaleFactor);
// The single image downloader, and the "async" provider on an engine.
void createImageServices();
// Quits the event loop after TAVIREL_QUIT_AFTER_MS milliseconds when that
// variable is set (smoke tests and scripted runs).
void scheduleQuitFromEnvironment();
// Saves a picture of the window to TAVIREL_SCREENSHOT after
// TAVIREL_SCREENSHOT_AFTER_MS (default 3000) when that variable is set, and
// every TAVIREL_SCREENSHOT_EVERY_MS after that when this one is set too.
void scheduleScreenshotFromEnvironment(QQuickWindow* window);
void addImageProvider(QQmlEngine* engine);
// With TAVIREL_FIRST_FRAME_EXIT set, prints "first-frame" on standard output
// when the window has shown its first frame, then quits (start-up benchmark).
void reportFirstFrameFromEnvironment(QQuickWindow* window);
// Loads the theme the user chose (theme 0 from themeFile when that exists).
void loadTheme(TavirelTheme* theme, const QString& themeFile);
// Publishes the theme as "currentTheme" and publishes it again whenever its
// colours change, so that every document re-reads them at once.
void publishTheme(QQmlContext* context, TavirelTheme* theme);
// Keeps the house control on the window's device model and device.
void followDevice(HouseControl* house, MainTabController* controller);
}
