#include "model/devicemessages.h"

#include "app/logcategories.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace DeviceMessages {

int toInt(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

int toVolume(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return 0;
    const double rounded = std::round(value);
    if (rounded >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (rounded <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(rounded);
}

bool toIndex(const QString& text, int* index)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (ok)
        *index = value;
    return ok;
}

bool messageCode(const QStringList& fields, int* code)
{
    if (fields.size() < 3)
        return false;
    bool ok = false;
    const int value = fields.at(2).toInt(&ok, 10);
    if (!ok)
        return false;
    *code = value;
    return true;
}

namespace {
// A list message names at most MaxListEntries objects; the rest is dropped.
bool roomForMore(int count, const char* what)
{
    if (count < MaxListEntries)
        return true;
    qCDebug(lcModel) << "more than" << MaxListEntries << what << "in one message, the rest dropped";
    return false;
}
}

QVector<SourceRecord> parseSources(const QStringList& fields)
{
    QVector<SourceRecord> records;
    for (int i = PayloadStart; i < fields.size(); ++i) {
        const QStringList parts = fields.at(i).split(QLatin1Char('@'));
        if (parts.size() < 3)
            continue;
        SourceRecord r;
        if (!toIndex(parts.at(0), &r.index)) {
            qCDebug(lcModel) << "source without a numeric index dropped:" << fields.at(i);
            continue;
        }
        if (!roomForMore(records.size(), "sources"))
            break;
        r.name = parts.at(1);
        r.isPlayer = parts.at(2) == QLatin1String("1");
        if (parts.size() >= 5) {
            r.hasAddress = true;
            r.ipAddress = parts.at(3);
            r.port = parts.at(4);
        }
        records.append(r);
    }
    return records;
}

QVector<OutputRecord> parseOutputs(const QStringList& fields)
{
    QVector<OutputRecord> records;
    if (fields.size() < PayloadStart + 1)
        return records;
    for (int i = PayloadStart; i < fields.size(); ++i) {
        const QStringList parts = fields.at(i).split(QLatin1Char('@'));
        if (parts.size() < 2)
            continue;
        int index = -1;
        if (!toIndex(parts.at(0), &index)) {
            qCDebug(lcModel) << "output without a numeric index dropped:" << fields.at(i);
            continue;
        }
        if (!roomForMore(records.size(), "outputs"))
            break;
        records.append({ index, parts.at(1) });
    }
    return records;
}

QVector<RouteRecord> parseRoutes(const QStringList& fields)
{
    QVector<RouteRecord> records;
    for (int i = PayloadStart; i < fields.size(); ++i) {
        const QString& field = fields.at(i);
        if (field.isEmpty())
            continue;
        const QStringList parts = field.split(QLatin1Char('@'));
        RouteRecord r;
        r.detach = parts.size() == 1;
        if (!toIndex(parts.at(0), &r.output) || (!r.detach && !toIndex(parts.at(1), &r.source))) {
            qCDebug(lcModel) << "route without numeric indices dropped:" << field;
            continue;
        }
        records.append(r);
    }
    return records;
}

QVector<EntryRecord> parsePlaylistEntries(const QStringList& fields)
{
    QVector<EntryRecord> records;
    for (int i = PayloadStart; i < fields.size(); ++i) {
        const QStringList parts = fields.at(i).split(QLatin1Char('@'));
        if (parts.size() < 3)
            continue;
        int id = -1;
        if (!toIndex(parts.at(0), &id)) {
            qCDebug(lcModel) << "playlist entry without a numeric id dropped:" << fields.at(i);
            continue;
        }
        if (!roomForMore(records.size(), "playlist entries"))
            break;
        records.append({ id, parts.at(1), parts.at(2) });
    }
    return records;
}

bool parseSourceLevel(const QStringList& fields, SourceLevelRecord* out)
{
    if (fields.size() < SourceLevelMinFields || !toIndex(fields.at(4), &out->index))
        return false;
    out->volume = toVolume(fields.at(5));
    out->hasMute = fields.size() > 6;
    out->mute = out->hasMute && fields.at(6) == QLatin1String("1");
    return true;
}

bool parseAirPlay(const QStringList& fields, AirPlayRecord* out)
{
    if (fields.size() < AirPlayMinFields || !toIndex(fields.at(4), &out->sourceIndex))
        return false;
    out->playing = fields.at(5) == QLatin1String("1");
    out->hasMetadata = fields.size() >= AirPlayMetadataFields;
    if (out->hasMetadata) {
        out->track = fields.at(6);
        out->album = fields.at(7);
        out->artist = fields.at(8);
        out->image = fields.at(9);
    }
    return true;
}

QString formatCommand(int code, const QStringList& args)
{
    QStringList fields { QString::number(code), QStringLiteral("100") };
    fields += args;
    return fields.join(QLatin1Char('|'));
}

bool isSingleField(const QString& text) { return !text.contains(QLatin1Char('|')); }

bool isEntryText(const QString& text) { return isSingleField(text) && !text.contains(QLatin1Char('@')); }

bool isEqualizerString(const QString& text)
{
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]+$"));
    const QStringList parts = text.split(QLatin1Char('|'));
    if (parts.size() != 5)
        return false;
    for (const QString& part : parts) {
        bool ok = false;
        part.toInt(&ok, 10);
        if (!ok || !integer.match(part).hasMatch())
            return false;
    }
    return true;
}

}
