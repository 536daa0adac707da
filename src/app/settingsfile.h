#pragma once

#include <QString>

// The user settings file, made safe to open before anything reads it.
namespace SettingsFile {

// The file the default QSettings of this application uses.
QString defaultPath();

// Makes the file at path readable by QSettings: a file that cannot be read
// whole (a malformed value can even throw while it is parsed) is kept beside
// it as "<name>.unreadable-<time>" and replaced by the lines that can be read.
// Returns a line for the log when something was repaired, otherwise empty.
QString repair(const QString& path);

// Creates the file when missing and keeps it readable by its owner only: it
// holds the devices' passwords.
bool restrictAccess(const QString& path);
}
