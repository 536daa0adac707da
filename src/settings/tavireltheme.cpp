#include "settings/tavireltheme.h"

#include "app/logcategories.h"

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QVariant>

TavirelTheme::TavirelTheme(QObject* parent)
    : QObject(parent)
{
}

QString TavirelTheme::resourcePath(int theme)
{
    return QStringLiteral(":/Themes/theme%1.json").arg(theme);
}

int TavirelTheme::storedTheme()
{
    return QSettings().value(QLatin1String(SettingsKey), 0).toInt();
}

bool TavirelTheme::loadFromFile(const QString& path)
{
    return readColours(path, false);
}

bool TavirelTheme::readColours(const QString& path, bool keepOthers)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcSettings) << "theme file not readable:" << path;
        return false;
    }
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll());
    if (!doc.isObject()) {
        qCDebug(lcSettings) << "theme file is not a JSON object:" << path;
        return false;
    }
    // Colours of the previous theme that this one lacks must not linger.
    if (!keepOthers) {
        for (const QByteArray& name : dynamicPropertyNames())
            setProperty(name.constData(), QVariant());
    }
    const QJsonObject obj = doc.object();
    for (auto it = obj.constBegin(); it != obj.constEnd(); ++it) {
        if (!it.value().isObject())
            continue;
        const QColor colour(it.value().toObject().value(QLatin1String("hex")).toString());
        setProperty(it.key().toUtf8().constData(), QVariant::fromValue(colour));
    }
    return true;
}

QString TavirelTheme::getColor(const QString& propName) const
{
    const QByteArray name = propName.toUtf8();
    if (!dynamicPropertyNames().contains(name))
        return QStringLiteral("#000000");
    return property(name.constData()).value<QColor>().name();
}

bool TavirelTheme::applyTheme(int theme)
{
    if (theme < 0 || theme >= ThemeCount) {
        qCDebug(lcSettings) << "no theme number" << theme;
        return false;
    }
    if (!loadFromFile(resourcePath(theme)))
        return false;
    // A file of one's own written for an older version may lack colours that
    // the documents now ask for: those keep the shipped values.
    if (theme == 0 && !m_theme0File.isEmpty() && QFileInfo::exists(m_theme0File))
        readColours(m_theme0File, true);
    m_current = theme;
    Q_EMIT themeChanged();
    return true;
}
