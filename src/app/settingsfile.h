#pragma once

#include <QString>

// The user settings file, made safe to open before anything reads it.
namespace SettingsFile {

// The file the default QSettings of this application uses.
QString defaultPath();

// The argument with which the application, given a file after it, only tells
// by its exit code whether QSettings reads that file whole (0) or not.
inline constexpr const char* ReadCheckArgument = "--check-settings-file";
// Whether QSettings reads every value of the file at path, in this process.
// A malformed serialized value can abort the process here, which is why
// repair() asks a child process when the file holds such values.
bool readsWhole(const QString& path);

// Makes the file at path readable by QSettings: a file that cannot be read
// whole (a malformed value can even throw while it is parsed) is kept beside
// it as "<name>.unreadable-<time>" and replaced by the lines that can be read.
// Serialized values are checked by running the application itself with
// ReadCheckArgument, so main() must answer that argument first thing.
// Returns a line for the log when something was repaired, otherwise empty.
QString repair(const QString& path);

// Creates the file when missing and keeps it readable by its owner only: it
// holds the devices' passwords.
bool restrictAccess(const QString& path);
}
