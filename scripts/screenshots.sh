#!/usr/bin/env bash
# Runs the demo under a virtual X server and walks the window through
# scripts/tour.txt, saving a picture of every screen, portrait and landscape.
#   scripts/screenshots.sh [output directory]   (default docs/screenshots)
# LANGUAGE=de or LANGUAGE=it takes the pictures in that language.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/docs/screenshots}")
mkdir -p "$out"
state=$(mktemp -d)
trap 'rm -rf "$state"' EXIT
export TAVIREL_DEMO_DIR="$state"
export TAVIREL_TOUR="$root/scripts/tour.txt"
export TAVIREL_TOUR_DIR="$out"
export XDG_RUNTIME_DIR="$state"
xvfb-run -a -s "-screen 0 1600x1000x24" "$root/scripts/demo.sh"
echo "screenshots: $(ls "$out"/*.png | wc -l) pictures in $out"
