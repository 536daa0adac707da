#!/usr/bin/env bash
# Runs the demo under a virtual X server and walks the window through
# scripts/tour.txt, saving a picture of every screen, portrait and landscape.
#   scripts/screenshots.sh [output directory]
#       the README's pictures: English, dark theme (default docs/screenshots)
#   scripts/screenshots.sh --every [output directory]
#       every screen in every theme and in English, German and Italian, into
#       <directory>/<language>/<theme>/ (default /tmp/tavirel-screenshots), with
#       a contact sheet of each set as <directory>/<language>-<theme>.png
# LANGUAGE=de or LANGUAGE=it takes the README's pictures in that language.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
every=0
if [ "${1:-}" = "--every" ]; then
  every=1
  shift
fi
if [ "$every" = 1 ]; then
  out=$(realpath -m "${1:-/tmp/tavirel-screenshots}")
else
  out=$(realpath -m "${1:-$root/docs/screenshots}")
fi
mkdir -p "$out"
state=$(mktemp -d)
trap 'rm -rf "$state"' EXIT

# The theme numbers of the settings and the names of their picture folders.
themes=(dark light high-contrast ocean)

# One walk of the tour in one language. With the names of theme folders, the
# tour is walked once per theme, its pictures going to that folder.
walk() {
  local language=$1 dir=$2
  shift 2
  local tour=$state/tour-$language.txt
  if [ $# -eq 0 ]; then
    cp "$root/scripts/tour.txt" "$tour"
  else
    : >"$tour"
    local name n
    for name in "$@"; do
      for n in "${!themes[@]}"; do [ "${themes[$n]}" = "$name" ] && break; done
      mkdir -p "$dir/$name"
      # The theme applies before the first picture; each picture goes to the
      # theme's folder; the tour's last line (quit) waits for the last theme.
      awk -v theme="$n" -v folder="$name" '
        NR == 1 { print; print "js settingsView.setTheme(" theme ")"; print "wait 800"; next }
        /^shot / { print "shot " folder "/" substr($0, 6); next }
        /^quit/ { next }
        { print }' "$root/scripts/tour.txt" >>"$tour"
    done
    echo quit >>"$tour"
  fi
  mkdir -p -m 700 "$state/$language"
  TAVIREL_DEMO_DIR="$state/$language" TAVIREL_TOUR="$tour" TAVIREL_TOUR_DIR="$dir" \
    XDG_RUNTIME_DIR="$state/$language" LANGUAGE="$language" \
    xvfb-run -a -s "-screen 0 1600x1000x24" "$root/scripts/demo.sh"
}

if [ "$every" = 0 ]; then
  walk "${LANGUAGE:-en}" "$out"
  echo "screenshots: $(ls "$out"/*.png | wc -l) pictures in $out"
  exit 0
fi

for language in en de it; do
  walk "$language" "$out/$language" "${themes[@]}"
  for name in "${themes[@]}"; do
    if command -v montage >/dev/null; then
      montage "$out/$language/$name"/*.png -label '%t' -tile 8x -geometry 300x300+4+4 \
        -background '#808080' "$out/$language-$name.png"
    fi
  done
done
echo "screenshots: $(find "$out" -mindepth 3 -name '*.png' | wc -l) pictures in $out"
