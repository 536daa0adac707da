#!/usr/bin/env bash
# Two demos started at the same moment: each must run its own Mopidy and its
# own device simulator, on ports nobody else holds.
#   demo_side_by_side.sh <source dir> <build dir>
set -euo pipefail
src=$1
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export TAVIREL_DEMO_NO_BUILD=1 TAVIREL_BUILD_DIR=$2
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software TAVIREL_QUIT_AFTER_MS=3000
for d in a b; do
  TAVIREL_DEMO_DIR=$work/$d timeout 90 "$src/scripts/demo.sh" >"$work/$d.out" 2>&1 &
  eval "pid_$d=$!"
done
status=0
for d in a b; do
  pid=pid_$d
  if ! wait "${!pid}"; then
    echo "demo $d failed:"; cat "$work/$d.out"; status=1
  fi
done
((status == 0)) || exit 1

port_of() { grep -o "$2.* port [0-9]*" "$work/$1.out" | grep -o '[0-9]*$' | head -n 1; }
ports=()
for d in a b; do
  m=$(port_of "$d" Mopidy) s=$(port_of "$d" simulator)
  [ -n "$m" ] && [ -n "$s" ] || { echo "demo $d names no ports:"; cat "$work/$d.out"; exit 1; }
  ports+=("$m" "$s")
done
if [ "$(printf '%s\n' "${ports[@]}" | sort -u | wc -l)" -ne 4 ]; then
  echo "the demos share ports: ${ports[*]}"
  exit 1
fi
echo "ok: ${ports[*]}"
