#include "logcategories.h"

Q_LOGGING_CATEGORY(lcApp, "tavirel.app", QtInfoMsg)
Q_LOGGING_CATEGORY(lcDevices, "tavirel.devices", QtInfoMsg)
Q_LOGGING_CATEGORY(lcLink, "tavirel.link", QtInfoMsg)
Q_LOGGING_CATEGORY(lcModel, "tavirel.model", QtInfoMsg)
Q_LOGGING_CATEGORY(lcPlayer, "tavirel.player", QtInfoMsg)
Q_LOGGING_CATEGORY(lcImages, "tavirel.images", QtInfoMsg)
Q_LOGGING_CATEGORY(lcNavigation, "tavirel.navigation", QtInfoMsg)
Q_LOGGING_CATEGORY(lcViews, "tavirel.views", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSettings, "tavirel.settings", QtInfoMsg)
