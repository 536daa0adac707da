#include "settings/tavireltheme.h"

#include "app/logcategories.h"

#include <QColor>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QVariant>

TavirelTheme::TavirelTheme(QObject* parent)
    : QObject(parent)
{
}

void TavirelTheme::loadFromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcSettings) << "theme file not readable:" << path;
        return;
    }
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll());
    if (!doc.isObject()) {
        qCDebug(lcSettings) << "theme file is not a JSON object:" << path;
        return;
    }
    const QJsonObject obj = doc.object();
    for (auto it = obj.constBegin(); it != obj.constEnd(); ++it) {
        if (!it.value().isObject())
            continue;
        const QColor colour(it.value().toObject().value(QLatin1String("hex")).toString());
        setProperty(it.key().toUtf8().constData(), QVariant::fromValue(colour));
    }
}

QString TavirelTheme::getColor(const QString& propName) const
{
    const QByteArray name = propName.toUtf8();
    if (!dynamicPropertyNames().contains(name))
        return QStringLiteral("#000000");
    return property(name.constData()).value<QColor>().name();
}
