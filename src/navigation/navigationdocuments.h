#pragma once
#include <QString>

class QObject;
class QQuickItem;

namespace NavigationDocuments {
// Creates the root object of the document at `url` in the engine and context
// of `creator`, owned from C++ (no QObject parent yet, not shown). Null, with
// a debug line, when the document does not load or `creator` has no engine.
QObject *create(QQuickItem *creator, const QString &url);
}
