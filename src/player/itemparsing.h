#pragma once
#include "player/playeritem.h"
#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

class Song;
class Album;

namespace ItemParsing {

// Cover choice from an image table; empty string for an empty table.
QString smallImage(const PlayerItem::ImageTable &images);
QString mediumImage(const PlayerItem::ImageTable &images);
QString largeImage(const PlayerItem::ImageTable &images);

// A Mopidy Image list as a table: "uri" under "width" (0 when missing).
// Elements that are not objects are skipped.
PlayerItem::ImageTable imageTable(const QJsonArray &mopidyImages);

// Milliseconds to whole seconds, rounded up; negative values give 0.
int secondsFromMs(qint64 ms);

struct Artists
{
    QStringList uris;  // the "uri" of each artist that has one
    QStringList names; // the "name" of each artist that has one
};
// The two lists may differ in length: each key is taken where present.
Artists artists(const QJsonArray &mopidyArtists);

// Fills `song` from a Mopidy Track object through its setters, so each
// assignment emits. `withDuration` only for the player's current song.
void fillSongFromTrack(Song *song, const QJsonObject &track, bool withDuration);
// A new parentless Song filled from a Track object.
Song *songFromTrack(const QJsonObject &track, bool withDuration);

// A Mopidy Ref becomes a Song ("track"), an Album ("album") or a plain
// PlayerItem carrying the ref's type. New and parentless.
PlayerItem *itemFromRef(const QJsonObject &ref);
// The ref as a list shows it: a folder of one album's tracks (a query with
// type=track and album=<album uri>, as the local library lists an artist's
// albums) stands for that album, with its cover, details and menu. Any
// other ref is returned unchanged.
QJsonObject listedRef(const QJsonObject &ref);
// A Mopidy Playlist becomes a plain PlayerItem; its type stays empty.
PlayerItem *itemFromPlaylist(const QJsonObject &playlist);

}
