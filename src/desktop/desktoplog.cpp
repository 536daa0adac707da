#include "desktop/desktoplog.h"

Q_LOGGING_CATEGORY(lcDesktop, "tavirel.desktop", QtInfoMsg)
