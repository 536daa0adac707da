#include "app/settingsfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>

#include <new>

namespace SettingsFile {

namespace {
constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Whether QSettings reads every value of content. The probe uses a file of its
// own: QSettings keeps what it parsed per path, and a half-parsed entry for
// the real file must not outlive the probe.
bool readsWhole(const QByteArray& content, const QTemporaryDir& dir, int probe)
{
    const QString path = dir.filePath(QStringLiteral("probe%1.conf").arg(probe));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return false;
    file.close();
    try {
        QSettings settings(path, QSettings::IniFormat);
        const QStringList keys = settings.allKeys();
        for (const QString& key : keys)
            settings.value(key);
        return settings.status() == QSettings::NoError;
    } catch (const std::bad_alloc&) {
        // A malformed serialized value asks for an impossible size.
        return false;
    }
}
}

QString defaultPath()
{
    return QSettings().fileName();
}

QString repair(const QString& path)
{
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray content = file.readAll();
    file.close();
    QTemporaryDir dir;
    if (!dir.isValid())
        return QString();
    int probe = 0;
    if (readsWhole(content, dir, probe++))
        return QString();

    // Keep each key line that reads on its own under its section; the saved
    // devices are plain strings and survive whatever broke beside them.
    QByteArray section = QByteArrayLiteral("[General]");
    QByteArray kept;
    QByteArray keptSection;
    int keptLines = 0;
    int droppedLines = 0;
    for (const QByteArray& raw : content.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            section = line;
            continue;
        }
        if (!line.contains('='))
            continue;
        if (!readsWhole(section + '\n' + line + '\n', dir, probe++)) {
            ++droppedLines;
            continue;
        }
        if (keptSection != section) {
            kept += section + '\n';
            keptSection = section;
        }
        kept += line + '\n';
        ++keptLines;
    }

    const QString copy = path + QStringLiteral(".unreadable-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::copy(path, copy))
        return QStringLiteral("settings file %1 could not be read and no copy could be kept; left as it is")
            .arg(path);
    QFile::setPermissions(copy, OwnerOnly);
    QSaveFile replacement(path);
    if (!replacement.open(QIODevice::WriteOnly) || replacement.write(kept) != kept.size()
        || !replacement.commit())
        return QStringLiteral("settings file %1 could not be read and could not be replaced; a copy is at %2")
            .arg(path, copy);
    return QStringLiteral("settings file %1 could not be read: kept a copy at %2, started with the %3 entries "
                          "that could be read (%4 dropped)")
        .arg(path, copy)
        .arg(keptLines)
        .arg(droppedLines);
}

bool restrictAccess(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
    }
    // QSettings writes through a save file, which keeps these permissions.
    return QFile::setPermissions(path, OwnerOnly);
}
}
