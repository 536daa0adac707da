#include "settings/settingsschema.h"

#include <QCoreApplication>

#include "app/logcategories.h"
#include "settings/countrynames.h"
#include "settings/dynamictranslator.h"

#include <QRegularExpression>

#include <algorithm>

#include <QFile>
#include <QJsonDocument>

namespace SettingsSchema {

namespace {
QString text(const char* s) { return QString::fromLatin1(s); }

QVariantMap enumEntries(const QJsonObject& schema, const QString& type, const QJsonObject& value,
                        const QString& key)
{
    struct Entry
    {
        QString value;
        QString label;
        QString sortKey;
    };
    QVector<Entry> entries;
    const bool countries = type == QLatin1String("country_enum");
    for (const QJsonValue& e : schema.value(type).toArray()) {
        const QJsonObject o = e.toObject();
        const QJsonValue v = o.value(text("value"));
        const QString label = o.value(text("label")).toString();
        entries.append({ v.isString() ? v.toString() : v.toVariant().toString(),
                         countries ? CountryNames::translated(label) : label, QString() });
    }
    // Countries in the order of their names in the user's language, as the
    // shipped English list is: accents and case do not count.
    if (countries) {
        static const QRegularExpression marks(QStringLiteral("\\p{Mn}"));
        for (Entry& entry : entries)
            entry.sortKey = entry.label.normalized(QString::NormalizationForm_KD).remove(marks).toCaseFolded();
        std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
            return a.sortKey != b.sortKey ? a.sortKey < b.sortKey : a.label < b.label;
        });
    }
    QStringList values;
    QVariantList labels;
    for (const Entry& entry : entries) {
        values << entry.value;
        labels << entry.label;
    }
    QVariantMap row;
    row.insert(text("values"), values);
    row.insert(text("labels"), labels);
    QVariant current;
    QString label;
    if (value.contains(key)) {
        current = value.value(key).toVariant();
        const int at = values.indexOf(current.toString());
        if (at >= 0)
            label = labels.at(at).toString();
    } else if (!values.isEmpty()) {
        current = values.first();
        label = labels.first().toString();
    }
    row.insert(text("value"), current);
    row.insert(text("label"), label);
    return row;
}
}

const QJsonObject& shipped()
{
    static const QJsonObject schema = [] {
        QFile file(QStringLiteral(":/Settings/SettingsDefaults.json"));
        if (!file.open(QIODevice::ReadOnly))
            qCWarning(lcSettings) << "settings schema missing from the resources";
        return QJsonDocument::fromJson(file.readAll()).object();
    }();
    return schema;
}

QString elementType(const QString& listType)
{
    return listType.section(QLatin1Char('_'), 0, 0);
}

Node load(const QJsonObject& schema, const QJsonValue& value, const QString& key)
{
    Node node;
    if (key == QLatin1String(RootKey)) {
        node.type = key;
        node.object = value.toObject();
        node.array = schema.value(text("priority_keys")).toArray();
        return node;
    }
    if (value.isArray()) {
        const QJsonObject listSchema = schema.value(key).toObject();
        node.array = value.toArray();
        node.type = listSchema.value(text("type")).toString();
        for (const QJsonValue& t : listSchema.value(text("editable_list")).toArray())
            node.addable << t.toString();
        return node;
    }
    if (value.isObject()) {
        node.object = value.toObject();
        node.type = key;
        // Service elements name their own kind.
        if (!schema.contains(key) && node.object.value(text("type")).isString())
            node.type = node.object.value(text("type")).toString();
    }
    return node;
}

QVariantList rows(const QJsonObject& schema, const Node& node)
{
    QVariantList out;
    if (node.type == QLatin1String(RootKey)) {
        for (const QJsonValue& k : node.array) {
            out << QVariantMap { { text("key"), k.toString() },
                                 { text("title"), DynamicTranslator::label(k.toString()) } };
        }
        return out;
    }
    if (node.type.endsWith(QLatin1String("_list")) || node.object.isEmpty()) {
        for (const QJsonValue& e : node.array)
            out << QVariantMap { { text("title"), e.toObject().value(text("name")).toVariant().toString() } };
        return out;
    }
    const QJsonObject nodeSchema = schema.value(node.type).toObject();
    for (const QJsonValue& k : nodeSchema.value(text("priority_keys")).toArray()) {
        const QString key = k.toString();
        const QJsonObject field = nodeSchema.value(key).toObject();
        const QString type = field.value(text("type")).toString();
        // Rows for media players only (refreshing the libraries, the player's
        // feedback) stay off line inputs; a player's source has the icon "player".
        if (field.value(text("visible")).toString() == QLatin1String("is_player")
            && node.object.value(text("icon")).toString() != QLatin1String("player"))
            continue;
        QVariantMap row { { text("key"), key }, { text("title"), DynamicTranslator::label(key) },
                          { text("type"), type } };
        if (type.endsWith(QLatin1String("_enum"))) {
            row.insert(enumEntries(schema, type, node.object, key));
        } else if (node.object.contains(key)) {
            row.insert(text("value"), node.object.value(key).toVariant());
        } else if (type == QLatin1String("string") || type == QLatin1String("password")
                   || type == QLatin1String("path")) {
            row.insert(text("value"), QString(QLatin1String("")));
        } else if (type == QLatin1String("bool")) {
            row.insert(text("value"), false);
        }
        if (type == QLatin1String("string"))
            row.insert(text("editable"), field.value(text("editable")).toBool(true));
        else if (type == QLatin1String("path"))
            row.insert(text("hint"), field.value(text("hint")).toString());
        else if (type == QLatin1String("number")) {
            for (const char* limit : { "min", "max", "step" })
                row.insert(text(limit), field.value(text(limit)).toInt(0));
            row.insert(text("unit"), unitFor(key));
        }
        out << row;
    }
    return out;
}

QJsonObject applyRows(QJsonObject object, const QVariantList& rows)
{
    for (const QVariant& r : rows) {
        const QVariantMap row = r.toMap();
        const QString key = row.value(text("key")).toString();
        // Rows without a value (buttons, lists, sliders of missing keys)
        // leave the settings as they were.
        if (key.isEmpty() || !row.contains(text("value")) || !row.value(text("value")).isValid())
            continue;
        QJsonValue value = QJsonValue::fromVariant(row.value(text("value")));
        const int min = row.value(text("min")).toInt();
        const int max = row.value(text("max")).toInt();
        if (row.value(text("type")).toString() == QLatin1String("number") && value.isDouble() && min < max)
            value = qBound(double(min), value.toDouble(), double(max));
        object.insert(key, value);
    }
    return object;
}

QString unitFor(const QString& key)
{
    if (key.endsWith(QLatin1String("_volume")) || key.startsWith(QLatin1String("vol_")))
        return QStringLiteral("dB");
    return QString();
}

QString saveProblem(const QJsonObject& object)
{
    const QJsonValue min = object.value(text("min_volume"));
    const QJsonValue max = object.value(text("max_volume"));
    if (min.isDouble() && max.isDouble() && min.toDouble() > max.toDouble())
        return QCoreApplication::translate("SettingsSchema",
                                           "The minimum volume (%1 dB) cannot be above the maximum volume (%2 dB).")
            .arg(min.toDouble())
            .arg(max.toDouble());
    return QString();
}
}
