#!/usr/bin/env bash
# Opens the application on the embedded default: a local Mopidy with sample
# music, the device simulator playing the part of a Tavirel (its player
# sources use that Mopidy), and the application with a settings directory of
# its own whose last selected device is the simulator. The user's real
# settings are not touched. Everything started here stops with the window.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
SETUP_NO_BUILD=${TAVIREL_DEMO_NO_BUILD:-0} "$root/scripts/setup.sh"

state=${TAVIREL_DEMO_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/tavirel-demo}
mkdir -p "$state"

free_port() {
  python3 - "$1" <<'PY'
import socket, sys
want = int(sys.argv[1])
for port in [want] + [0]:
    s = socket.socket()
    try:
        s.bind(("127.0.0.1", port))
        print(s.getsockname()[1]); break
    except OSError:
        continue
    finally:
        s.close()
PY
}

mopidy_port=$(free_port 6680)
device_port=$(free_port 7550)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait 2>/dev/null || true; }
trap cleanup EXIT INT TERM

echo "demo: preparing Mopidy with sample music on port $mopidy_port"
config=$("$root/scripts/mopidy-sample.sh" "$state/mopidy" "$mopidy_port" | tail -n 1)
mopidy --config "$config" >"$state/mopidy.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do
  (exec 3<>"/dev/tcp/127.0.0.1/$mopidy_port") 2>/dev/null && break
  sleep 0.2
done

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

echo "demo: starting the device simulator on port $device_port"
"$root/build/tavirel-devicesim" --port "$device_port" --user demo --password demo \
  --mopidy-host 127.0.0.1 --mopidy-port "$mopidy_port" "${announce[@]}" >"$state/devicesim.log" 2>&1 &
pids+=($!)

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
"$root/build/tavirel" "$@"
