#pragma once

#include <QString>

class QObject;
class QQuickItem;

namespace DocumentItem {
// Creates the root item of the document at url in the engine and context of
// creator, shows it under visualParent and leaves it owned by creator.
// Returns null (and logs) when the document does not load.
QQuickItem* create(QQuickItem* creator, const QString& url, QQuickItem* visualParent);
// Marks item as made from the document at url, for openItem.
void markDocument(QObject* item, const QString& url);
// The shown item that creator made from the document at url, or null. A
// dialog asked for again is given the keyboard instead of stacking another.
QQuickItem* openItem(const QObject* creator, const QString& url);
// Gives the keyboard to that item; false when there is none.
bool focusOpenItem(const QObject* creator, const QString& url);
}
