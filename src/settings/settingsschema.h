#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QVariantList>

// The settings schema (":/Settings/SettingsDefaults.json") and the pure steps
// of the settings editor: which rows a node shows and how edited rows go back
// into the node's value.
namespace SettingsSchema {

inline constexpr const char* RootKey = "__root__";

// The shipped schema, read once.
const QJsonObject& shipped();

// What one editor shows: the node's kind and its value.
struct Node
{
    QString type;           // schema key of the node, "__root__" for the root
    QJsonObject object;     // the value when it is an object
    QJsonArray array;       // the value when it is an array (the root: its section keys)
    QStringList addable;    // element types the user may add to a list
};

// Classifies a node value loaded under key (see the editor's loadSettings).
Node load(const QJsonObject& schema, const QJsonValue& value, const QString& key);
// The cell rows of a node, as the list view's "model".
QVariantList rows(const QJsonObject& schema, const Node& node);
// Stores every row's "value" into the object under the row's "key"; a number
// is kept within its row's "min" and "max".
QJsonObject applyRows(QJsonObject object, const QVariantList& rows);
// The unit a number setting is given in, from what its key names: "dB" for
// volumes and the preamplifier, otherwise empty.
QString unitFor(const QString& key);
// A user-facing text when the edited node cannot be saved as it stands (a
// minimum volume above the maximum), otherwise empty.
QString saveProblem(const QJsonObject& object);
// The node type of a list's elements: the part of the list type before the
// first "_" ("nasitem_list" gives "nasitem").
QString elementType(const QString& listType);
}
