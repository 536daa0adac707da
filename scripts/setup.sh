#!/usr/bin/env bash
# Installs every Debian package the project needs (idempotent, quiet when all
# is present) and builds the project into ./build.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  cmake g++ make pkg-config clang libclang-rt-14-dev
  qtbase5-dev qtbase5-dev-tools qtdeclarative5-dev qtquickcontrols2-5-dev
  libqt5websockets5-dev libqt5svg5-dev qttools5-dev qttools5-dev-tools
  qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-controls2
  qml-module-qtquick-templates2 qml-module-qtquick-layouts qml-module-qtgraphicaleffects
  qml-module-qtqml-models2 libqt5svg5
  libssl-dev openssl libmicrohttpd-dev
  mopidy mopidy-local gstreamer1.0-tools gstreamer1.0-plugins-base gstreamer1.0-plugins-good flac
  xvfb xauth libgl1-mesa-dri
  avahi-daemon avahi-utils dbus dbus-daemon dbus-bin iproute2 desktop-file-utils libavahi-client-dev
  python3 iso-codes
  dpkg-dev lintian appstream man-db
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if [ "${SETUP_NO_BUILD:-0}" != 1 ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build -j"$(nproc)"
fi
