#!/usr/bin/env bash
# Prepares a self-contained Mopidy instance with a small tagged music library.
#
#   scripts/mopidy-sample.sh <dir> <port>
#
# Writes <dir>/mopidy.conf (cache, data, config, media and playlist dirs all
# inside <dir>, HTTP on 127.0.0.1:<port>, silent fake audio output), copies the
# sample tracks to <dir>/media, runs the local library scan and prints the path
# of the configuration. Start the server with: mopidy --config <printed path>
#
# The generated audio is cached (TAVIREL_SAMPLE_CACHE, default under /tmp) so
# later runs only copy files.
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 <dir> <port>" >&2
  exit 2
fi
dir=$(mkdir -p "$1" && cd "$1" && pwd)
port=$2
case $port in
  ''|*[!0-9]*) echo "$0: port must be a number" >&2; exit 2 ;;
esac

for tool in mopidy gst-launch-1.0 flac; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is not installed" >&2; exit 1; }
done

cache=${TAVIREL_SAMPLE_CACHE:-${TMPDIR:-/tmp}/tavirel-mopidy-sample-v4-$(id -u)}

# artist|album|track number|title|tone frequency (Hz)|cover test pattern
# ("-": the album has no cover, so clients fall back to other sources)
tracks=(
  "Aster Vale|Northern Lights|1|Polar Morning|330|0"
  "Aster Vale|Northern Lights|2|Ice Harbour|392|0"
  "Aster Vale|Northern Lights|3|Long Night Waltz|440|0"
  "Aster Vale|Quiet Hours|1|Lantern Room|494|18"
  "Aster Vale|Quiet Hours|2|Slow Tide|523|18"
  "Brenna Holt|Salt and Iron|1|Foundry Song|587|4"
  "Brenna Holt|Salt and Iron|2|Rust Belt Lullaby|659|4"
  "Brenna Holt|Salt and Iron|3|Anvil Rain|698|4"
  "Corin Maddox|Glass Orchard|1|Pear Blossom|262|13"
  "Corin Maddox|Glass Orchard|2|Greenhouse Dawn|294|13"
  "Corin Maddox|Glass Orchard|3|Cold Frame|330|13"
  "Corin Maddox|Glass Orchard|4|Pruning Season|349|13"
  "Corin Maddox|Paper Lanterns|1|Kite Festival|392|-"
  "Corin Maddox|Paper Lanterns|2|Rice Paper|440|-"
  "Corin Maddox|Paper Lanterns|3|Night Market|494|-"
  "Corin Maddox|Paper Lanterns|4|Floating Lights|523|-"
  "Corin Maddox|Tin Roof Sessions|1|Rain on Tin|587|20"
  "Corin Maddox|Tin Roof Sessions|2|Porch Swing|659|20"
  "Corin Maddox|Tin Roof Sessions|3|Screen Door|698|20"
  "Delia Marsh|Copper Fields|1|Wheat and Wire|247|14"
  "Delia Marsh|Copper Fields|2|Dust Devil|277|14"
  "Delia Marsh|Copper Fields|3|Silo Song|311|14"
  "Delia Marsh|Copper Fields|4|Harvest Moon Road|370|14"
  "Delia Marsh|Copper Fields|5|Combine at Dusk|415|14"
  "Delia Marsh|Evening Trains|1|Platform Nine|466|-"
  "Delia Marsh|Evening Trains|2|Sleeper Car|554|-"
  "Delia Marsh|Evening Trains|3|Signal Box|622|-"
  "Delia Marsh|Evening Trains|4|Last Departure|740|-"
  "Emeric Sande|Hollow Pines|1|Resin|220|21"
  "Emeric Sande|Hollow Pines|2|Needle Floor|233|21"
  "Emeric Sande|Hollow Pines|3|Woodsmoke|262|21"
  "Emeric Sande|Hollow Pines|4|Owl Hour|277|21"
  "Emeric Sande|Signal Fires|1|Beacon Hill|311|22"
  "Emeric Sande|Signal Fires|2|Ember Code|330|22"
  "Emeric Sande|Signal Fires|3|Watchtower|370|22"
  "Emeric Sande|Signal Fires|4|Ash and Flint|392|22"
  "Emeric Sande|Low Country|1|Marsh Light|415|-"
  "Emeric Sande|Low Country|2|Tidewater|440|-"
  "Emeric Sande|Low Country|3|Heron Walk|466|-"
  "Emeric Sande|Low Country|4|Salt Meadow|494|-"
  "Fenna Quill|Blue Meridian|1|Longitude|494|23"
  "Fenna Quill|Blue Meridian|2|Sextant|523|23"
  "Fenna Quill|Blue Meridian|3|Trade Winds|554|23"
  "Fenna Quill|Blue Meridian|4|Dead Reckoning|587|23"
  "Fenna Quill|Windward|1|Luff and Leech|622|10"
  "Fenna Quill|Windward|2|Close Hauled|659|10"
  "Fenna Quill|Windward|3|Making Way|698|10"
)

generate() {
  local work
  work=$(mktemp -d "${cache}.tmp.XXXXXX")
  trap 'rm -rf "$work"' RETURN
  local row artist album num title freq pattern adir
  for row in "${tracks[@]}"; do
    IFS='|' read -r artist album num title freq pattern <<<"$row"
    adir="$work/$artist/$album"
    mkdir -p "$adir"
    gst-launch-1.0 -q audiotestsrc num-buffers=300 freq="$freq" wave=sine volume=0.2 \
      ! audioconvert ! audio/x-raw,format=S16LE ! wavenc \
      ! filesink location="$work/t.wav" >/dev/null
    flac -s -f -T "ARTIST=$artist" -T "ALBUM=$album" -T "TITLE=$title" \
      -T "TRACKNUMBER=$num" -o "$adir/$(printf '%02d' "$num") $title.flac" "$work/t.wav"
    rm -f "$work/t.wav"
    # One cover per album, each its own picture, found by the local
    # library's album art rule.
    if [ "$pattern" != "-" ] && [ ! -f "$adir/cover.jpg" ]; then
      gst-launch-1.0 -q videotestsrc num-buffers=1 pattern="$pattern" \
        ! video/x-raw,width=300,height=300 ! jpegenc \
        ! filesink location="$adir/cover.jpg" >/dev/null 2>&1 || rm -f "$adir/cover.jpg"
    fi
  done
  # Publish atomically so that concurrent runs never see a half-made cache.
  if ! mv -T "$work" "$cache" 2>/dev/null; then
    rm -rf "$work"
  fi
  trap - RETURN
}

[ -d "$cache" ] || generate

mkdir -p "$dir/cache" "$dir/data" "$dir/config" "$dir/playlists"

# Two stored playlists to start with; playlists made since are kept.
playlist() {
  local name=$1; shift
  local file="$dir/playlists/$name.m3u8" row artist album num title
  [ -e "$file" ] && return
  echo "#EXTM3U" >"$file"
  for row in "$@"; do
    IFS='|' read -r artist album num title <<<"$row"
    printf '#EXTINF:-1,%s - %s\n' "$artist" "$title" >>"$file"
    printf 'local:track:%s\n' "$(python3 -c 'import sys, urllib.parse; print(urllib.parse.quote(sys.argv[1]))' \
      "$artist/$album/$(printf '%02d' "$num") $title.flac")" >>"$file"
  done
}
playlist "Road Trip" "Delia Marsh|Evening Trains|1|Platform Nine" "Emeric Sande|Signal Fires|1|Beacon Hill" \
  "Fenna Quill|Blue Meridian|3|Trade Winds" "Brenna Holt|Salt and Iron|3|Anvil Rain"
playlist "Quiet Evening" "Aster Vale|Quiet Hours|1|Lantern Room" "Aster Vale|Quiet Hours|2|Slow Tide" \
  "Emeric Sande|Hollow Pines|3|Woodsmoke"
rm -rf "$dir/media"
cp -R "$cache" "$dir/media"

conf="$dir/mopidy.conf"
cat >"$conf" <<CONF
[core]
cache_dir = $dir/cache
config_dir = $dir/config
data_dir = $dir/data
restore_state = false

[logging]
color = false

[audio]
output = fakesink sync=true
mixer = software

[http]
enabled = true
hostname = 127.0.0.1
port = $port
zeroconf =

[file]
enabled = true
media_dirs = $dir/media|Media

[m3u]
enabled = true
playlists_dir = $dir/playlists
default_extension = .m3u8

[local]
enabled = true
media_dir = $dir/media
scan_timeout = 5000

[stream]
enabled = true
CONF

# Any other installed extension (a second frontend, an online backend) is
# switched off so the instance stays local and predictable.
keep=" file http m3u softwaremixer stream local "
extra=$(mopidy --config "$conf" config 2>/dev/null | awk -v keep="$keep" '
  /^\[/ { section = substr($0, 2, length($0) - 2); next }
  /^enabled[ \t]*=/ && index(keep, " " section " ") == 0 { print section }')
for ext in $extra; do
  printf '\n[%s]\nenabled = false\n' "$ext" >>"$conf"
done

mopidy --config "$conf" local scan >"$dir/scan.log" 2>&1 || {
  echo "$0: library scan failed, see $dir/scan.log" >&2
  exit 1
}
echo "$conf"
