#pragma once
#include <QString>
#include <QStringList>
#include <QVector>

// Pure helpers that turn the device's "|"-separated broadcasts into values and
// format the commands sent back. Field 0 and field 3 of a broadcast carry
// nothing for the model; the payload starts at field 4.
namespace DeviceMessages {

enum Code {
    SourcesList = 0,
    OutputsList = 1,
    Routes = 2,
    OutputState = 3,
    SourceLevel = 4,
    AirPlayState = 10,
    PlaylistEntries = 25,
    PlaylistsChanged = 26,
};

constexpr int PayloadStart = 4;
constexpr int OutputStateMinFields = 11;
constexpr int SourceLevelMinFields = 6;
constexpr int AirPlayMinFields = 6;
constexpr int AirPlayMetadataFields = 10;
// What one list message may name; a flood of objects would only freeze the
// views.
constexpr int MaxListEntries = 1024;
// The model's browse player is the one on this source.
constexpr int BrowseSourceIndex = 5;

// Decimal integer; text that is not one gives 0 (tone values).
int toInt(const QString& text);
// Strict decimal integer: false, and `index` untouched, for anything else
// (an empty text included). Indices and ids are read with this: a field that
// names no index names no object at all.
bool toIndex(const QString& text, int* index);
// Decimal number rounded to the nearest integer, halves away from zero.
// Text that is not a finite number gives 0; values beyond int are clamped.
int toVolume(const QString& text);
// Field 2 as a decimal integer. False when the message has no field 2 or the
// field is not a number: such a message is malformed, not "code 0".
bool messageCode(const QStringList& fields, int* code);

struct SourceRecord
{
    int index = -1;
    QString name;
    bool isPlayer = false;
    bool hasAddress = false;
    QString ipAddress;
    QString port;
};
QVector<SourceRecord> parseSources(const QStringList& fields);

struct OutputRecord
{
    int index = -1;
    QString name;
};
QVector<OutputRecord> parseOutputs(const QStringList& fields);

struct RouteRecord
{
    int output = -1;
    bool detach = false; // the output alone: it plays no source
    int source = -1;
};
QVector<RouteRecord> parseRoutes(const QStringList& fields);

struct EntryRecord
{
    int entryId = -1;
    QString name;
    QString playlistRef;
};
QVector<EntryRecord> parsePlaylistEntries(const QStringList& fields);

struct SourceLevelRecord
{
    int index = -1;
    int volume = 0;
    bool hasMute = false;
    bool mute = false;
};
bool parseSourceLevel(const QStringList& fields, SourceLevelRecord* out);

struct AirPlayRecord
{
    int sourceIndex = -1;
    bool playing = false;
    bool hasMetadata = false;
    QString track;
    QString album;
    QString artist;
    QString image;
};
bool parseAirPlay(const QStringList& fields, AirPlayRecord* out);

// "<code>|100|<arg>|<arg>...", the text that follows "UI_COMMAND|".
QString formatCommand(int code, const QStringList& args);
// A text argument must stay one field: a "|" inside it would split the command.
bool isSingleField(const QString& text);
// A text that comes back inside a playlist entry ("id@name@uri") must not hold
// "@" either, or the entry would be cut short.
bool isEntryText(const QString& text);
// The equaliser string: output index, bass, middle, treble, loudness, each a
// decimal integer, joined by "|".
bool isEqualizerString(const QString& text);

}
