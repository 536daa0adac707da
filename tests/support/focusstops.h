#pragma once

#include <QString>

class QQuickItem;

namespace FocusStops {
// What a screen reader says for the item: its own accessible name, or the
// name that the toolkit derives (a button's text).
QString spokenName(QQuickItem* item);
// Whether the item says Accessible.ignored.
bool ignored(const QQuickItem* item);
// The item's class and name and those of a few ancestors, for messages.
QString describe(const QQuickItem* item);
// Why the user could not see the item as a focus stop (hidden, transparent,
// scrolled or clipped out of sight, outside the window, no name), or empty.
QString whyUnseen(QQuickItem* item);
}
