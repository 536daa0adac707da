#pragma once

#include <QString>

class QQuickItem;

namespace DocumentItem {
// Creates the root item of the document at url in the engine and context of
// creator, shows it under visualParent and leaves it owned by creator.
// Returns null (and logs) when the document does not load.
QQuickItem* create(QQuickItem* creator, const QString& url, QQuickItem* visualParent);
}
