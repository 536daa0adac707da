#include "settings/dynamictranslator.h"

#include <QCoreApplication>
#include <QHash>
#include <mutex>

namespace {
struct Entry {
    const char* key;
    const char* label;
};

// The labels are marked for lupdate with the context "DynamicTranslator".
const Entry kTable[] = {
    { "track", QT_TRANSLATE_NOOP("DynamicTranslator", "Tracks") },
    { "album", QT_TRANSLATE_NOOP("DynamicTranslator", "Albums") },
    { "artist", QT_TRANSLATE_NOOP("DynamicTranslator", "Artists") },
    { "all", QT_TRANSLATE_NOOP("DynamicTranslator", "All services") },
    { "spotify", QT_TRANSLATE_NOOP("DynamicTranslator", "Spotify") },
    { "spotifytunigo", QT_TRANSLATE_NOOP("DynamicTranslator", "Spotify browse") },
    { "local", QT_TRANSLATE_NOOP("DynamicTranslator", "Local files") },
    { "m3u", QT_TRANSLATE_NOOP("DynamicTranslator", "Local playlists") },
    { "podcast", QT_TRANSLATE_NOOP("DynamicTranslator", "Podcasts") },
    { "podcast+itunes", QT_TRANSLATE_NOOP("DynamicTranslator", "iTunes Store: Podcasts") },
    { "dirble", QT_TRANSLATE_NOOP("DynamicTranslator", "Dirble") },
    { "tunein", QT_TRANSLATE_NOOP("DynamicTranslator", "TuneIn") },
    { "soundcloud", QT_TRANSLATE_NOOP("DynamicTranslator", "SoundCloud") },
    { "gmusic", QT_TRANSLATE_NOOP("DynamicTranslator", "Google Music") },
    { "internetarchive", QT_TRANSLATE_NOOP("DynamicTranslator", "Internet Archive") },
    { "somafm", QT_TRANSLATE_NOOP("DynamicTranslator", "Soma FM") },
    { "youtube", QT_TRANSLATE_NOOP("DynamicTranslator", "YouTube") },
    { "audioaddict", QT_TRANSLATE_NOOP("DynamicTranslator", "AudioAddict") },
    { "subsonic", QT_TRANSLATE_NOOP("DynamicTranslator", "Subsonic") },
    { "It_PlayNow", QT_TRANSLATE_NOOP("DynamicTranslator", "Play Now") },
    { "It_PlayNow_All", QT_TRANSLATE_NOOP("DynamicTranslator", "Play All Now") },
    { "It_PlayAfter", QT_TRANSLATE_NOOP("DynamicTranslator", "Play Next") },
    { "It_AddToQueue", QT_TRANSLATE_NOOP("DynamicTranslator", "Add to Queue") },
    { "It_AddToQueue_All", QT_TRANSLATE_NOOP("DynamicTranslator", "Add All to Queue") },
    { "It_AddToPlaylist", QT_TRANSLATE_NOOP("DynamicTranslator", "Add to Playlist") },
    { "It_AddToPlaylist_All", QT_TRANSLATE_NOOP("DynamicTranslator", "Add All to Playlist") },
    { "It_RemoveQueue", QT_TRANSLATE_NOOP("DynamicTranslator", "Remove from Queue") },
    { "It_ShowAlbum", QT_TRANSLATE_NOOP("DynamicTranslator", "Show Album") },
    { "It_Rename", QT_TRANSLATE_NOOP("DynamicTranslator", "Rename") },
    { "It_Delete", QT_TRANSLATE_NOOP("DynamicTranslator", "Delete") },
    { "It_Associate", QT_TRANSLATE_NOOP("DynamicTranslator", "Assign to a Tavirel preset") },
    { "hw_ver", QT_TRANSLATE_NOOP("DynamicTranslator", "Hardware version") },
    { "fw_ver", QT_TRANSLATE_NOOP("DynamicTranslator", "Firmware version") },
    { "expansions", QT_TRANSLATE_NOOP("DynamicTranslator", "Expansions") },
    { "model", QT_TRANSLATE_NOOP("DynamicTranslator", "Model") },
    { "serial", QT_TRANSLATE_NOOP("DynamicTranslator", "Serial") },
    { "this_tavirel", QT_TRANSLATE_NOOP("DynamicTranslator", "This Tavirel") },
    { "outputs", QT_TRANSLATE_NOOP("DynamicTranslator", "Outputs") },
    { "sources", QT_TRANSLATE_NOOP("DynamicTranslator", "Sources") },
    { "users", QT_TRANSLATE_NOOP("DynamicTranslator", "Users") },
    { "mix", QT_TRANSLATE_NOOP("DynamicTranslator", "Mix") },
    { "usb", QT_TRANSLATE_NOOP("DynamicTranslator", "USB") },
    { "nas", QT_TRANSLATE_NOOP("DynamicTranslator", "Network storage") },
    { "services", QT_TRANSLATE_NOOP("DynamicTranslator", "Services") },
    { "name", QT_TRANSLATE_NOOP("DynamicTranslator", "Name") },
    { "min_volume", QT_TRANSLATE_NOOP("DynamicTranslator", "Minimum volume") },
    { "max_volume", QT_TRANSLATE_NOOP("DynamicTranslator", "Maximum volume") },
    { "ch_mode", QT_TRANSLATE_NOOP("DynamicTranslator", "Enable mono") },
    { "name_virtual", QT_TRANSLATE_NOOP("DynamicTranslator", "Name when mono") },
    { "inputs", QT_TRANSLATE_NOOP("DynamicTranslator", "Permits only some inputs") },
    { "mix_volume", QT_TRANSLATE_NOOP("DynamicTranslator", "Mix volume") },
    { "vol_preamp", QT_TRANSLATE_NOOP("DynamicTranslator", "Preamplified volume") },
    { "icon", QT_TRANSLATE_NOOP("DynamicTranslator", "Icon") },
    { "player_btn", QT_TRANSLATE_NOOP("DynamicTranslator", "Refresh libraries") },
    { "auto_play", QT_TRANSLATE_NOOP("DynamicTranslator", "Automatically play when inserted") },
    { "player", QT_TRANSLATE_NOOP("DynamicTranslator", "Player to use") },
    { "nasitem", QT_TRANSLATE_NOOP("DynamicTranslator", "NAS") },
    { "path", QT_TRANSLATE_NOOP("DynamicTranslator", "Path") },
    { "username", QT_TRANSLATE_NOOP("DynamicTranslator", "Username") },
    { "password", QT_TRANSLATE_NOOP("DynamicTranslator", "Password") },
    { "feedback", "" },
    { "country", QT_TRANSLATE_NOOP("DynamicTranslator", "Country") },
    { "service_spotify", QT_TRANSLATE_NOOP("DynamicTranslator", "Spotify") },
    { "service_tunein", QT_TRANSLATE_NOOP("DynamicTranslator", "TuneIn") },
    { "service_itunes", QT_TRANSLATE_NOOP("DynamicTranslator", "iTunes Podcasts") },
    { "enabled", QT_TRANSLATE_NOOP("DynamicTranslator", "Enabled") },
    { "players", QT_TRANSLATE_NOOP("DynamicTranslator", "Players") },
};

QHash<QString, const char*>& table()
{
    static QHash<QString, const char*> t;
    return t;
}
std::once_flag tableOnce;
}

DynamicTranslator::DynamicTranslator(QObject* parent)
    : QObject(parent)
{
    initTable();
}

void DynamicTranslator::initTable()
{
    std::call_once(tableOnce, [] {
        for (const Entry& e : kTable)
            table().insert(QString::fromLatin1(e.key), e.label);
    });
}

QString DynamicTranslator::sourceLabel(const QString& origin)
{
    initTable();
    const auto it = table().constFind(origin);
    if (it == table().constEnd())
        return QString();
    return QString::fromUtf8(it.value());
}

QString DynamicTranslator::label(const QString& origin)
{
    initTable();
    const auto it = table().constFind(origin);
    if (it == table().constEnd() || !*it.value())
        return QString(QLatin1String(""));
    return QCoreApplication::translate("DynamicTranslator", it.value());
}

QString DynamicTranslator::translate(const QString& origin) const
{
    return label(origin);
}
