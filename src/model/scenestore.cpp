#include "model/scenestore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QUrl>

#include "app/logcategories.h"

namespace SceneStore {
namespace {
// A serial number may hold "/" or other characters that QSettings reads as
// structure; its percent-encoded form is one plain key.
QString key(const QString& serial)
{
    return QStringLiteral("houseScenes/") + QString::fromLatin1(QUrl::toPercentEncoding(serial));
}

QJsonArray toArray(const QVector<House::Scene>& scenes)
{
    QJsonArray array;
    for (const House::Scene& scene : scenes)
        array.append(House::sceneToJson(scene));
    return array;
}

QVector<House::Scene> fromArray(const QJsonArray& array, int* dropped)
{
    QVector<House::Scene> scenes;
    for (const QJsonValue& v : array) {
        House::Scene scene;
        if (!House::sceneFromJson(v.toObject(), &scene)) {
            ++*dropped;
            continue;
        }
        // One scene per name: a later one replaces an earlier.
        const auto same = std::find_if(scenes.begin(), scenes.end(),
                                       [&](const House::Scene& s) { return s.name == scene.name; });
        if (same != scenes.end())
            *same = scene;
        else
            scenes.append(scene);
    }
    return scenes;
}
}

QVector<House::Scene> load(const QString& serial)
{
    if (serial.isEmpty())
        return {};
    QSettings settings;
    const QByteArray text = settings.value(key(serial)).toByteArray();
    if (text.isEmpty())
        return {};
    int dropped = 0;
    const QJsonDocument doc = QJsonDocument::fromJson(text);
    if (!doc.isArray())
        qCDebug(lcModel) << "stored scenes of" << serial << "are not readable; none are used";
    const QVector<House::Scene> scenes = fromArray(doc.array(), &dropped);
    if (dropped)
        qCDebug(lcModel) << dropped << "stored scenes of" << serial << "dropped, not readable";
    return scenes;
}

void save(const QString& serial, const QVector<House::Scene>& scenes)
{
    if (serial.isEmpty())
        return;
    QSettings settings;
    if (scenes.isEmpty())
        settings.remove(key(serial));
    else
        settings.setValue(key(serial), QJsonDocument(toArray(scenes)).toJson(QJsonDocument::Compact));
    settings.sync();
}

QByteArray toFile(const QVector<House::Scene>& scenes)
{
    return QJsonDocument(QJsonObject { { "scenes", toArray(scenes) } }).toJson();
}

bool fromFile(const QByteArray& text, QVector<House::Scene>* scenes, int* dropped)
{
    *dropped = 0;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(text, &error);
    if (!doc.isObject() || !doc.object().value("scenes").isArray()) {
        qCDebug(lcModel) << "not a scene file:" << error.errorString();
        return false;
    }
    *scenes = fromArray(doc.object().value("scenes").toArray(), dropped);
    return true;
}

}
