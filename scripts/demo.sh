#!/usr/bin/env bash
# Opens the application on the embedded default: a local Mopidy with sample
# music, the device simulator playing the part of a Tavirel (its player
# sources use that Mopidy), and the application with a settings directory of
# its own whose last selected device is the simulator. The user's real
# settings are not touched. Everything started here stops with the window.
# TAVIREL_DEMO_DIR keeps the state elsewhere (demos with their own run side by
# side); TAVIREL_BUILD_DIR names another build tree.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVIREL_BUILD_DIR:-$root/build}
SETUP_NO_BUILD=${TAVIREL_DEMO_NO_BUILD:-0} "$root/scripts/setup.sh"

state=${TAVIREL_DEMO_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/tavirel-demo}
mkdir -p "$state"

# The wanted port when it is free at this moment, otherwise one that the
# system hands out. Another demo may take it before our server binds it, so
# each server below is checked and started again on another port if need be.
free_port() {
  python3 - "$1" <<'PY'
import socket, sys
for port in (int(sys.argv[1]), 0):
    s = socket.socket()
    try:
        s.bind(("127.0.0.1", port))
        print(s.getsockname()[1])
        break
    except OSError:
        continue
    finally:
        s.close()
PY
}

fail() { echo "demo: $*" >&2; exit 1; }

pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait 2>/dev/null || true; }
trap cleanup EXIT INT TERM

echo "demo: preparing Mopidy with sample music"
config=$("$root/scripts/mopidy-sample.sh" "$state/mopidy" 6680 | tail -n 1)
# Mopidy stays up when its web server cannot bind, so its log tells.
start_mopidy() {
  mopidy --config "$config" -o "http/port=$1" >"$state/mopidy.log" 2>&1 &
  mopidy_pid=$!
  pids+=("$mopidy_pid")
  for _ in $(seq 1 150); do
    grep -q "HTTP server running" "$state/mopidy.log" && return 0
    kill -0 "$mopidy_pid" 2>/dev/null || return 1
    if grep -q "HTTP server startup failed" "$state/mopidy.log"; then
      kill "$mopidy_pid"
      wait "$mopidy_pid" 2>/dev/null || true
      return 1
    fi
    sleep 0.2
  done
  kill "$mopidy_pid" 2>/dev/null || true
  return 1
}
mopidy_port=
for want in 6680 0 0; do
  port=$(free_port "$want")
  if start_mopidy "$port"; then mopidy_port=$port; break; fi
done
[ -n "$mopidy_port" ] || fail "Mopidy did not start; see $state/mopidy.log"
echo "demo: Mopidy with sample music on port $mopidy_port"

# A queue from the start, playing on repeat, so the player page shows a song
# at once.
python3 - "$mopidy_port" <<'PY' || echo "demo: could not fill the starting queue" >&2
import json, sys, urllib.request
url = "http://127.0.0.1:%s/mopidy/rpc" % sys.argv[1]
def call(method, **params):
    body = json.dumps({"jsonrpc": "2.0", "id": 1, "method": method, "params": params}).encode()
    req = urllib.request.Request(url, body, {"Content-Type": "application/json"})
    with urllib.request.urlopen(req, timeout=10) as reply:
        return json.load(reply).get("result")
albums = call("core.library.browse", uri="local:directory?type=album") or []
uris = []
for album in albums[:3]:
    uris += [t["uri"] for t in call("core.library.browse", uri=album["uri"]) or [] if t["type"] == "track"]
if uris:
    call("core.tracklist.clear")
    call("core.tracklist.add", uris=uris)
    call("core.tracklist.set_repeat", value=True)
    call("core.playback.play")
PY

# With an Avahi daemon on this computer the simulator announces itself, so
# that the device finder lists it.
announce=()
if command -v avahi-daemon >/dev/null && avahi-daemon --check 2>/dev/null; then
  announce=(--announce "Demo Tavirel" --serial SIM-0001 --model Simulator)
  echo "demo: the simulator announces itself as \"Demo Tavirel\""
fi

# The simulator says which port it listens on, or leaves when it cannot.
start_simulator() {
  "$build/tavirel-devicesim" --port "$1" --user demo --password demo \
    --mopidy-host 127.0.0.1 --mopidy-port "$mopidy_port" "${announce[@]}" >"$state/devicesim.log" 2>&1 &
  device_pid=$!
  pids+=("$device_pid")
  for _ in $(seq 1 100); do
    device_port=$(sed -n 's/^devicesim: listening on .*:\([0-9]*\)$/\1/p' "$state/devicesim.log")
    [ -n "$device_port" ] && return 0
    kill -0 "$device_pid" 2>/dev/null || return 1
    sleep 0.1
  done
  kill "$device_pid" 2>/dev/null || true
  return 1
}
# Port 0 lets the simulator take whichever port it can bind.
start_simulator "$(free_port 7550)" || start_simulator 0 \
  || fail "the device simulator did not start; see $state/devicesim.log"
echo "demo: device simulator on port $device_port"

export XDG_CONFIG_HOME="$state/config"
mkdir -p "$XDG_CONFIG_HOME/Orvith"
device=$(printf '{"localIp":"127.0.0.1","localPort":%d,"objectName":"","password":"demo","propDictionary":{"model":"Simulator","name":"Demo Tavirel"},"remoteIp":"","remotePort":0,"serialNumber":"SIM-0001","username":"demo"}' "$device_port")
python3 - "$XDG_CONFIG_HOME/Orvith/Tavirel.conf" "$device" <<'PY'
import configparser, sys
path, device = sys.argv[1], sys.argv[2]
cfg = configparser.RawConfigParser()
cfg.optionxform = str
cfg.read(path)
if not cfg.has_section("General"):
    cfg.add_section("General")
quoted = '"' + device.replace('\\', '\\\\').replace('"', '\\"') + '"'
cfg.set("General", "lastSelectedTavirel", quoted)
cfg.set("General", "savedTavirel", quoted)
with open(path, "w") as f:
    cfg.write(f, space_around_delimiters=False)
PY

echo "demo: opening the application (logs in $state)"
"$build/tavirel" "$@"
