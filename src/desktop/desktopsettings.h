#pragma once

#include <QSettings>

// The application's own desktop choices in the user settings, both off
// until the user turns them on.
namespace DesktopSettings {
inline constexpr const char* CloseToTrayKey = "closeToTray";
inline constexpr const char* TrackNotificationsKey = "trackNotifications";

inline bool closeToTray()
{
    return QSettings().value(QLatin1String(CloseToTrayKey), false).toBool();
}
inline bool trackNotifications()
{
    return QSettings().value(QLatin1String(TrackNotificationsKey), false).toBool();
}
inline void set(const char* key, bool on)
{
    QSettings settings;
    settings.setValue(QLatin1String(key), on);
    settings.sync();
}
}
