#pragma once

#include <QList>
#include <QString>

class QObject;
class Device;

// Conversions between any QObject's properties and one compact JSON text,
// and the saved-device store in the user settings.
namespace DeviceStore {

inline constexpr const char* SavedKey = "savedTavirel";
inline constexpr const char* LastSelectedKey = "lastSelectedTavirel";

// Every meta-object property of obj as one compact JSON object (keys sorted).
QString objectToText(const QObject* obj);
// Sets every member of a JSON object text as a property of obj; false (and
// nothing set) when the text is not a JSON object.
bool textToObject(QObject* obj, const QString& text);

// Parsed saved devices, parented to parent; texts that are not JSON objects
// are skipped.
QList<Device*> loadSavedDevices(QObject* parent = nullptr);
// Appends the device to the saved list and makes it the last selected one.
void saveNewDevice(const Device* device);
// Makes the device the last selected one.
void selectDevice(const Device* device);
// Sets the credentials of the current device and writes it as the last
// selected one; the saved entry keeps its old credentials.
void updateCredentials(Device* device, const QString& username, const QString& password);
// Writes the device as the last selected one and copies its property
// dictionary into every saved entry that matches it.
void updatePropDictionary(const Device* device);
// Removes entry index of the caller's list (when in range) and rewrites the
// saved list from it either way.
void removeSavedDevice(QList<Device*>& devices, int index);
// Fills device from the last selected text; false when there is none or it
// is not a JSON object.
bool readLastSelected(Device* device);
// Whether two records denote the same saved entry.
bool sameEntry(const Device* a, const Device* b);
}
