#pragma once

#include <QList>
#include <QString>

class QObject;
class Device;

// Conversions between any QObject's properties and one compact JSON text,
// and the saved-device store in the user settings.
//
// Every write reads the stored list as it stands now, changes it and writes it
// back, so records the caller read earlier never overwrite newer entries.
namespace DeviceStore {

inline constexpr const char* SavedKey = "savedTavirel";
inline constexpr const char* LastSelectedKey = "lastSelectedTavirel";

// Every meta-object property of obj as one compact JSON object (keys sorted).
QString objectToText(const QObject* obj);
// Sets every member of a JSON object text as a property of obj; false (and
// nothing set) when the text is not a JSON object.
bool textToObject(QObject* obj, const QString& text);

// Fills device from a device text: false when the text is not a JSON object or
// names an address with a port outside 1-65535 (the port would wrap).
// Addresses are trimmed and "host:port" is split, as when typed.
bool readDevice(Device* device, const QString& text);

// A typed address: surrounding space trimmed, "host:port" and "[v6]:port"
// split. error is a user-facing text when the input cannot be used.
struct Address {
    QString host;
    int port = 0;
    QString error;
};
Address parseAddress(const QString& typed, int defaultPort);
// A user-facing text when the credentials cannot travel in the handshake,
// otherwise empty.
QString credentialsProblem(const QString& username, const QString& password);

// Parsed saved devices, parented to parent; unreadable texts are skipped.
QList<Device*> loadSavedDevices(QObject* parent = nullptr);
// Saves the device once: replaces the matching entry when there is one,
// appends it otherwise; then makes it the last selected device.
void saveNewDevice(const Device* device);
// Makes the device the last selected one.
void selectDevice(const Device* device);
// Gives device new credentials and writes it as the last selected one; the
// saved entry that matched its old credentials takes the new ones too.
void updateCredentials(Device* device, const QString& username, const QString& password);
// Writes the device as the last selected one and copies its property
// dictionary into every saved entry that matches it.
void updatePropDictionary(const Device* device);
// Removes every saved entry that matches device.
void removeSavedDevice(const Device* device);
// Takes entry index out of the caller's list (when in range) and removes the
// saved entries that match it; the caller keeps ownership of the record.
void removeSavedDevice(QList<Device*>& devices, int index);
// Fills device from the last selected text; false when there is none or it
// is unreadable.
bool readLastSelected(Device* device);
// Removes the last selected device, credentials and all.
void forgetLastSelected();
// Whether two records denote the same saved entry: the same user name, and
// the same serial number when both have one, otherwise the same addresses.
bool sameEntry(const Device* a, const Device* b);
}
