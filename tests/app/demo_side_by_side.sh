#!/usr/bin/env bash
# Two demos started at the same moment: while both run, each must have its
# own Mopidy and its own device simulator. A stand-in for the application
# holds each demo open until both are up, so that they surely overlap.
#   demo_side_by_side.sh <source dir> <build dir>
set -euo pipefail
src=$1
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir "$work/bin"
ln -s "$2/tavirel-devicesim" "$work/bin/tavirel-devicesim"
cat >"$work/bin/tavirel" <<'APP'
#!/bin/sh
touch "$TAVIREL_DEMO_DIR/up"
while [ ! -e "$TAVIREL_DEMO_DIR/../done" ]; do sleep 0.2; done
APP
chmod +x "$work/bin/tavirel"
export TAVIREL_DEMO_NO_BUILD=1 TAVIREL_BUILD_DIR=$work/bin
for d in a b; do
  TAVIREL_DEMO_DIR=$work/$d timeout 100 "$src/scripts/demo.sh" >"$work/$d.out" 2>&1 &
  eval "pid_$d=$!"
done
show() { for d in a b; do echo "--- demo $d:"; cat "$work/$d.out"; done; }
for _ in $(seq 1 400); do
  [ -e "$work/a/up" ] && [ -e "$work/b/up" ] && break
  kill -0 "$pid_a" 2>/dev/null && kill -0 "$pid_b" 2>/dev/null || break
  sleep 0.2
done
[ -e "$work/a/up" ] && [ -e "$work/b/up" ] || { echo "the demos did not both come up"; show; exit 1; }

port_of() { grep -o "$2.* port [0-9]*" "$work/$1.out" | grep -o '[0-9]*$' | head -n 1; }
ports=()
for d in a b; do
  m=$(port_of "$d" Mopidy) s=$(port_of "$d" simulator)
  [ -n "$m" ] && [ -n "$s" ] || { echo "demo $d names no ports"; show; exit 1; }
  ports+=("$m" "$s")
done
if [ "$(printf '%s\n' "${ports[@]}" | sort -u | wc -l)" -ne 4 ]; then
  echo "the demos share ports: ${ports[*]}"
  show
  exit 1
fi
touch "$work/done"
for d in a b; do
  pid=pid_$d
  wait "${!pid}" || { echo "demo $d failed"; show; exit 1; }
done
echo "ok: ${ports[*]}"
