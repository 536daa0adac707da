#include "devicestate.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QHash>

namespace {
const QString kBroad = QStringLiteral("BROAD|");

QString broadcast(int code, const QStringList &payload = {})
{
    QString text = kBroad + QString::number(code) + QStringLiteral("|0");
    for (const QString &field : payload)
        text += QLatin1Char('|') + field;
    return text;
}

bool strictInt(const QString &text, int *value)
{
    bool ok = false;
    *value = text.toInt(&ok, 10);
    return ok;
}

bool unsafeText(const QString &text)
{
    return text.contains(QLatin1Char('|')) || text.contains(QLatin1Char('@'));
}

CommandResult rejected(const QString &why)
{
    CommandResult result;
    result.error = why;
    return result;
}

CommandResult accepted(const QStringList &broadcasts = {})
{
    CommandResult result;
    result.accepted = true;
    result.broadcasts = broadcasts;
    return result;
}

int intOr(const QJsonObject &o, const char *key, int fallback)
{
    return o.value(QLatin1String(key)).toInt(fallback);
}
}

DeviceState DeviceState::defaultState()
{
    DeviceState s;
    const QStringList outputNames { QStringLiteral("Kitchen"), QStringLiteral("Living Room"),
                                    QStringLiteral("Patio"), QStringLiteral("Studio") };
    const int routes[] = { 4, 5, -1, 0 };
    for (int i = 0; i < outputNames.size(); ++i) {
        SimOutput o;
        o.index = i;
        o.name = outputNames.at(i);
        o.volume = 30 + 10 * i;
        o.source = routes[i];
        s.outputs.append(o);
    }
    const QStringList sourceNames { QStringLiteral("Line In 1"), QStringLiteral("Line In 2"),
                                    QStringLiteral("Optical"), QStringLiteral("Tuner"),
                                    QStringLiteral("Player A"), QStringLiteral("Player B") };
    for (int i = 0; i < sourceNames.size(); ++i) {
        SimSource src;
        src.index = i;
        src.name = sourceNames.at(i);
        src.player = i >= 4;
        if (src.player)
            src.host = QStringLiteral("127.0.0.1");
        src.volume = 80;
        s.sources.append(src);
    }
    const QStringList entryNames { QStringLiteral("Morning"), QStringLiteral("Evening"),
                                   QStringLiteral("Party") };
    for (int i = 0; i < entryNames.size(); ++i)
        s.playlistEntries.append({ i + 1, entryNames.at(i), QString() });
    s.settingsGetUrl = QStringLiteral("http://127.0.0.1/cgi-bin/getsettings");
    s.settingsPostUrl = QStringLiteral("http://127.0.0.1/cgi-bin/setsettings");
    return s;
}

bool DeviceState::fromJson(const QByteArray &json, DeviceState *state, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (!doc.isObject()) {
        *error = parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                              : QStringLiteral("not a JSON object");
        return false;
    }
    const QJsonObject root = doc.object();
    DeviceState s;
    const DeviceState defaults = defaultState();
    s.settingsGetUrl = root.value(QLatin1String("settingsGetUrl")).toString(defaults.settingsGetUrl);
    s.settingsPostUrl =
        root.value(QLatin1String("settingsPostUrl")).toString(defaults.settingsPostUrl);

    for (const QJsonValue &v : root.value(QLatin1String("outputs")).toArray()) {
        const QJsonObject o = v.toObject();
        SimOutput out;
        out.index = intOr(o, "index", -1);
        out.name = o.value(QLatin1String("name")).toString();
        out.volume = intOr(o, "volume", out.volume);
        out.mute = o.value(QLatin1String("mute")).toBool();
        out.bass = intOr(o, "bass", 0);
        out.middle = intOr(o, "middle", 0);
        out.treble = intOr(o, "treble", 0);
        out.loudness = intOr(o, "loudness", 0);
        out.source = intOr(o, "source", -1);
        if (out.index < 0 || s.output(out.index)) {
            *error = QStringLiteral("output without a unique index >= 0");
            return false;
        }
        s.outputs.append(out);
    }
    for (const QJsonValue &v : root.value(QLatin1String("sources")).toArray()) {
        const QJsonObject o = v.toObject();
        SimSource src;
        src.index = intOr(o, "index", -1);
        src.name = o.value(QLatin1String("name")).toString();
        src.player = o.value(QLatin1String("player")).toBool();
        src.host = o.value(QLatin1String("host")).toString(src.player ? QStringLiteral("127.0.0.1")
                                                                      : QString());
        src.port = intOr(o, "port", src.port);
        src.volume = intOr(o, "volume", src.volume);
        src.mute = o.value(QLatin1String("mute")).toBool();
        if (src.index < 0 || s.source(src.index)) {
            *error = QStringLiteral("source without a unique index >= 0");
            return false;
        }
        s.sources.append(src);
    }
    for (const QJsonValue &v : root.value(QLatin1String("playlistEntries")).toArray()) {
        const QJsonObject o = v.toObject();
        s.playlistEntries.append({ intOr(o, "id", 0), o.value(QLatin1String("name")).toString(),
                                   o.value(QLatin1String("playlist")).toString() });
    }
    for (const SimOutput &out : s.outputs) {
        if (out.source != -1 && !s.source(out.source)) {
            *error = QStringLiteral("output %1 routed to unknown source %2").arg(out.index).arg(out.source);
            return false;
        }
    }
    QStringList texts;
    for (const SimOutput &out : s.outputs)
        texts << out.name;
    for (const SimSource &src : s.sources)
        texts << src.name << src.host;
    for (const SimPlaylistEntry &e : s.playlistEntries)
        texts << e.name << e.playlist;
    for (const QString &text : texts) {
        if (unsafeText(text)) {
            *error = QStringLiteral("\"%1\" contains '|' or '@'").arg(text);
            return false;
        }
    }
    *state = s;
    return true;
}

QJsonObject DeviceState::toJson() const
{
    QJsonArray outs;
    for (const SimOutput &o : outputs)
        outs.append(QJsonObject { { "index", o.index }, { "name", o.name }, { "volume", o.volume },
                                  { "mute", o.mute }, { "bass", o.bass }, { "middle", o.middle },
                                  { "treble", o.treble }, { "loudness", o.loudness },
                                  { "source", o.source } });
    QJsonArray srcs;
    for (const SimSource &s : sources) {
        QJsonObject o { { "index", s.index }, { "name", s.name }, { "player", s.player },
                        { "volume", s.volume }, { "mute", s.mute } };
        if (s.player) {
            o.insert("host", s.host);
            o.insert("port", s.port);
        }
        srcs.append(o);
    }
    QJsonArray entries;
    for (const SimPlaylistEntry &e : playlistEntries)
        entries.append(QJsonObject { { "id", e.id }, { "name", e.name }, { "playlist", e.playlist } });
    return QJsonObject { { "outputs", outs },
                         { "sources", srcs },
                         { "playlistEntries", entries },
                         { "settingsGetUrl", settingsGetUrl },
                         { "settingsPostUrl", settingsPostUrl } };
}

namespace {
// Calls apply(id, element) for every object of settings[key] with an "id".
template<typename F>
void forEachElement(const QJsonObject &settings, const char *key, F apply)
{
    for (const QJsonValue &v : settings.value(QLatin1String(key)).toArray()) {
        const QJsonObject o = v.toObject();
        if (o.value(QLatin1String("id")).isDouble())
            apply(o.value(QLatin1String("id")).toInt(), o);
    }
}

void copyNames(QJsonObject *settings, const char *key, const QHash<int, QString> &names)
{
    QJsonArray list = settings->value(QLatin1String(key)).toArray();
    for (int i = 0; i < list.size(); ++i) {
        QJsonObject o = list.at(i).toObject();
        const int id = o.value(QLatin1String("id")).toInt(-1);
        if (names.contains(id)) {
            o.insert(QLatin1String("name"), names.value(id));
            list[i] = o;
        }
    }
    settings->insert(QLatin1String(key), list);
}
}

void DeviceState::copyNamesInto(QJsonObject *settings) const
{
    QHash<int, QString> outs, srcs;
    for (const SimOutput &o : outputs)
        outs.insert(o.index, o.name);
    for (const SimSource &s : sources)
        srcs.insert(s.index, s.name);
    copyNames(settings, "outputs", outs);
    copyNames(settings, "sources", srcs);
}

QStringList DeviceState::applySettingsNames(const QJsonObject &settings)
{
    bool outputsChanged = false, sourcesChanged = false;
    auto rename = [](QString *name, const QJsonObject &o, bool *changed) {
        const QString text = o.value(QLatin1String("name")).toString();
        if (text.isEmpty() || unsafeText(text) || text == *name)
            return;
        *name = text;
        *changed = true;
    };
    forEachElement(settings, "outputs", [&](int id, const QJsonObject &o) {
        if (SimOutput *out = output(id))
            rename(&out->name, o, &outputsChanged);
    });
    forEachElement(settings, "sources", [&](int id, const QJsonObject &o) {
        if (SimSource *src = source(id))
            rename(&src->name, o, &sourcesChanged);
    });
    QStringList out;
    if (sourcesChanged)
        out << sourcesBroadcast();
    if (outputsChanged)
        out << outputsBroadcast();
    return out;
}

void DeviceState::overridePlayerAddress(const QString &host, int port)
{
    for (SimSource &s : sources) {
        if (!s.player)
            continue;
        if (!host.isEmpty())
            s.host = host;
        if (port > 0)
            s.port = port;
    }
}

SimOutput *DeviceState::output(int index)
{
    for (SimOutput &o : outputs)
        if (o.index == index)
            return &o;
    return nullptr;
}

SimSource *DeviceState::source(int index)
{
    for (SimSource &s : sources)
        if (s.index == index)
            return &s;
    return nullptr;
}

const SimSource *DeviceState::playlistPlayer() const
{
    // The application browses playlists through the player of source 5.
    const SimSource *first = nullptr;
    for (const SimSource &s : sources) {
        if (!s.player)
            continue;
        if (s.index == 5)
            return &s;
        if (!first)
            first = &s;
    }
    return first;
}

QString DeviceState::sourcesBroadcast() const
{
    QStringList fields;
    for (const SimSource &s : sources) {
        QStringList parts { QString::number(s.index), s.name, s.player ? QStringLiteral("1")
                                                                       : QStringLiteral("0") };
        if (s.player)
            parts << s.host << QString::number(s.port);
        fields << parts.join(QLatin1Char('@'));
    }
    return broadcast(0, fields);
}

QString DeviceState::outputsBroadcast() const
{
    QStringList fields;
    for (const SimOutput &o : outputs)
        fields << QString::number(o.index) + QLatin1Char('@') + o.name;
    return broadcast(1, fields);
}

QString DeviceState::routesBroadcast() const
{
    QStringList fields;
    for (const SimOutput &o : outputs) {
        fields << (o.source >= 0 ? QString::number(o.index) + QLatin1Char('@') + QString::number(o.source)
                                 : QString::number(o.index));
    }
    return broadcast(2, fields);
}

QString DeviceState::outputStateBroadcast(const SimOutput &o) const
{
    return broadcast(3, { QString::number(o.index), QString::number(o.volume),
                          o.mute ? QStringLiteral("1") : QStringLiteral("0"), QString::number(o.bass),
                          QString::number(o.middle), QString::number(o.treble),
                          QString::number(o.loudness) });
}

QString DeviceState::sourceStateBroadcast(const SimSource &s) const
{
    return broadcast(4, { QString::number(s.index), QString::number(s.volume),
                          s.mute ? QStringLiteral("1") : QStringLiteral("0") });
}

QString DeviceState::playlistEntriesBroadcast() const
{
    QStringList fields;
    for (const SimPlaylistEntry &e : playlistEntries)
        fields << QStringList { QString::number(e.id), e.name, e.playlist }.join(QLatin1Char('@'));
    return broadcast(25, fields);
}

QString DeviceState::settingsUrlsBroadcast(bool withPostUrl) const
{
    return withPostUrl ? broadcast(20, { settingsGetUrl, settingsPostUrl })
                       : broadcast(20, { settingsGetUrl });
}

QString DeviceState::readyBroadcast() { return kBroad + QStringLiteral("500"); }
QString DeviceState::keepAliveBroadcast() { return kBroad + QStringLiteral("5"); }
QString DeviceState::playlistsChangedBroadcast() { return broadcast(26); }

QStringList DeviceState::stateBroadcasts() const
{
    QStringList all { sourcesBroadcast(), outputsBroadcast(), routesBroadcast() };
    for (const SimOutput &o : outputs)
        all << outputStateBroadcast(o);
    for (const SimSource &s : sources)
        all << sourceStateBroadcast(s);
    all << playlistEntriesBroadcast();
    return all;
}

CommandResult DeviceState::apply(const QString &command)
{
    const QStringList f = command.split(QLatin1Char('|'));
    int code = 0;
    if (!strictInt(f.at(0), &code))
        return rejected(QStringLiteral("command code is not a number"));
    if (f.size() < 2 || f.at(1) != QLatin1String("100"))
        return rejected(QStringLiteral("second field is not \"100\""));
    const QStringList args = f.mid(2);

    static const QHash<int, int> argCounts { { 2000, 2 }, { 2001, 2 }, { 2002, 5 }, { 2003, 1 },
                                             { 2004, 2 }, { 2010, 2 }, { 2011, 1 }, { 2012, 2 } };
    if (!argCounts.contains(code))
        return rejected(QStringLiteral("unknown command code %1").arg(code));
    if (args.size() != argCounts.value(code))
        return rejected(QStringLiteral("command %1 needs %2 arguments, got %3 (a text with '|'?)")
                            .arg(code)
                            .arg(argCounts.value(code))
                            .arg(args.size()));

    switch (code) {
    case 2000:
    case 2001:
    case 2002: {
        int index = 0;
        SimOutput *o = strictInt(args.at(0), &index) ? output(index) : nullptr;
        if (!o)
            return rejected(QStringLiteral("unknown output \"%1\"").arg(args.at(0)));
        if (code == 2000) {
            int volume = 0;
            if (!strictInt(args.at(1), &volume) || volume < 0 || volume > 100)
                return rejected(QStringLiteral("volume \"%1\" out of 0..100").arg(args.at(1)));
            o->volume = volume;
        } else if (code == 2001) {
            if (args.at(1) != QLatin1String("1") && args.at(1) != QLatin1String("0"))
                return rejected(QStringLiteral("mute \"%1\" is neither 1 nor 0").arg(args.at(1)));
            o->mute = args.at(1) == QLatin1String("1");
        } else {
            int tone[4];
            for (int i = 0; i < 4; ++i) {
                if (!strictInt(args.at(i + 1), &tone[i]) || tone[i] < -20 || tone[i] > 20)
                    return rejected(QStringLiteral("tone \"%1\" out of -20..20").arg(args.at(i + 1)));
            }
            o->bass = tone[0];
            o->middle = tone[1];
            o->treble = tone[2];
            o->loudness = tone[3];
        }
        return accepted({ outputStateBroadcast(*o) });
    }
    case 2003:
        return applyRoute(args);
    case 2004: {
        int index = 0;
        int volume = 0;
        SimSource *s = strictInt(args.at(0), &index) ? source(index) : nullptr;
        if (!s)
            return rejected(QStringLiteral("unknown source \"%1\"").arg(args.at(0)));
        if (!strictInt(args.at(1), &volume) || volume < 0 || volume > 100)
            return rejected(QStringLiteral("volume \"%1\" out of 0..100").arg(args.at(1)));
        s->volume = volume;
        return accepted({ sourceStateBroadcast(*s) });
    }
    case 2010:
    case 2011: {
        if (args.at(0).isEmpty())
            return rejected(QStringLiteral("empty playlist URI"));
        if (code == 2010 && args.at(1).trimmed().isEmpty())
            return rejected(QStringLiteral("empty playlist name"));
        if (!playlistPlayer())
            return rejected(QStringLiteral("no player source to hold playlists"));
        CommandResult result = accepted();
        result.playlist.kind = code == 2010 ? PlaylistRequest::Rename : PlaylistRequest::Delete;
        result.playlist.uri = args.at(0);
        if (code == 2010)
            result.playlist.newName = args.at(1);
        return result;
    }
    case 2012: {
        int id = 0;
        if (!strictInt(args.at(1), &id))
            return rejected(QStringLiteral("entry id \"%1\" is not a number").arg(args.at(1)));
        if (args.at(0).contains(QLatin1Char('@')))
            return rejected(QStringLiteral("playlist URI with '@' cannot be broadcast"));
        for (SimPlaylistEntry &e : playlistEntries) {
            if (e.id == id) {
                e.playlist = args.at(0);
                return accepted({ playlistEntriesBroadcast() });
            }
        }
        return rejected(QStringLiteral("unknown playlist entry %1").arg(id));
    }
    }
    return rejected(QStringLiteral("unhandled command"));
}

CommandResult DeviceState::applyRoute(const QStringList &args)
{
    const QStringList parts = args.at(0).split(QLatin1Char('@'));
    int out = 0;
    int src = 0;
    if (parts.size() != 2 || !strictInt(parts.at(0), &out) || !strictInt(parts.at(1), &src))
        return rejected(QStringLiteral("route \"%1\" is not output@source").arg(args.at(0)));
    SimOutput *o = output(out);
    if (!o)
        return rejected(QStringLiteral("unknown output %1").arg(out));
    if (src != -1 && !source(src))
        return rejected(QStringLiteral("unknown source %1").arg(src));
    o->source = src;
    return accepted({ routesBroadcast() });
}

QStringList DeviceState::playlistRenamed(const QString &oldUri, const QString &newUri)
{
    bool changed = false;
    if (!newUri.isEmpty() && newUri != oldUri && !newUri.contains(QLatin1Char('@'))) {
        for (SimPlaylistEntry &e : playlistEntries) {
            if (e.playlist == oldUri) {
                e.playlist = newUri;
                changed = true;
            }
        }
    }
    QStringList out { playlistsChangedBroadcast() };
    if (changed)
        out << playlistEntriesBroadcast();
    return out;
}

QStringList DeviceState::playlistDeleted(const QString &uri)
{
    bool changed = false;
    for (SimPlaylistEntry &e : playlistEntries) {
        if (e.playlist == uri) {
            e.playlist.clear();
            changed = true;
        }
    }
    QStringList out { playlistsChangedBroadcast() };
    if (changed)
        out << playlistEntriesBroadcast();
    return out;
}
