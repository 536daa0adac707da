#!/usr/bin/env bash
# Builds the Debian package from the build tree into a temporary directory and
# checks what a user would install: the files, the dependencies, a valid
# desktop entry, manual page and metainfo that agree on the version, and
# nothing that lintian warns about.
set -euo pipefail
build=$1 source=$2 qmake=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package: $*"; exit 1; }

# The tree is built already: naming a generator without a pre-install step
# keeps cpack from building everything else first.
cpack --config "$build/CPackConfig.cmake" -B "$work" -D CPACK_CMAKE_GENERATOR=Ninja >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/tavirel_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one tavirel_*.deb, got: ${debs[*]}"
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)

files=$(dpkg-deb -c "$deb" | awk '{ sub(/^\./, "", $6); print $6 }')
for f in /usr/bin/tavirel /usr/libexec/tavirel/tavirel /usr/libexec/tavirel/fonts/MorvaneUnicodePN.ttf \
  /usr/libexec/tavirel/themes/theme0.json /usr/share/applications/tavirel.desktop \
  /usr/share/icons/hicolor/scalable/apps/tavirel.svg /usr/share/metainfo/example.orvith.tavirel.metainfo.xml \
  /usr/share/man/man1/tavirel.1.gz /usr/share/doc/tavirel/copyright /usr/share/doc/tavirel/changelog.gz; do
  grep -qxF "$f" <<<"$files" || fail "$f missing"
done
stray=$(grep -vE '^/usr/|^/$' <<<"$files" || true)
[ -z "$stray" ] || fail "files outside /usr: $stray"
! grep -q devicesim <<<"$files" || fail "the device simulator is packaged"

depends=$(dpkg-deb -f "$deb" Depends)
needs() { grep -qE "(^|, )$1( |,|$)" <<<"$depends" || fail "Depends lacks $1 ($2): $depends"; }
for d in libqt5quick5 libqt5websockets5 libavahi-client3 libssl3; do needs $d "a library the program links"; done
needs libqt5svg5 "the documents' icons are SVG"
# Every QML module that a document imports comes from the package that holds
# its qmldir.
qml=$("$qmake" -query QT_INSTALL_QML)
while read -r module major; do
  path=$qml/${module//.//}
  qmldir=$(ls "$path.$major/qmldir" "$path/qmldir" 2>/dev/null | head -1) || true
  [ -n "$qmldir" ] || fail "QML module $module $major not found under $qml"
  needs "$(dpkg -S "$qmldir" | cut -d: -f1)" "the documents import $module"
done < <(grep -rhoE '^\s*import Qt[A-Za-z.]+ [0-9]+' --include='*.qml' "$source/resources" | awk '{ print $2, $3 }' | sort -u)
! grep -q libmicrohttpd <<<"$depends" || fail "Depends names the simulator's libraries: $depends"

root=$work/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/tavirel.desktop"
metainfo=$root/usr/share/metainfo/example.orvith.tavirel.metainfo.xml
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 || { cat "$work/appstream.log"; fail "metainfo invalid"; }
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo does not name release $version"
changelog_version=$(zcat "$root/usr/share/doc/tavirel/changelog.gz" | sed -n '1s/^tavirel (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$version" ] || fail "changelog names $changelog_version, the package $version"
man_warnings=$(man --warnings -l "$root/usr/share/man/man1/tavirel.1.gz" 2>&1 >/dev/null)
[ -z "$man_warnings" ] || fail "manual page: $man_warnings"

lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian reports errors or warnings"; }
echo "$(basename "$deb"): files, dependencies, desktop entry, metainfo, manual page and lintian are in order"
cat "$work/lintian.log"
