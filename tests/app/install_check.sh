#!/usr/bin/env bash
# Installs the build into a temporary prefix as a user would, starts the
# installed program from another directory in German and checks that it finds
# its font, theme and catalogue and loads its documents; validates the
# desktop entry.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
desktop-file-validate "$work/prefix/share/applications/tavirel.desktop"
test -f "$work/prefix/share/icons/hicolor/scalable/apps/tavirel.svg"

mkdir -p "$work/elsewhere" "$work/config"
cd "$work/elsewhere"
log=$(env XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work" LANGUAGE=de LANG=de_DE.UTF-8 \
  QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software TAVIREL_QUIT_AFTER_MS=1500 \
  QT_LOGGING_RULES="tavirel.*.debug=true" "$work/prefix/bin/tavirel" 2>&1) || { echo "$log"; exit 1; }
bad=$(grep -E "not readable|no catalogue|qrc:/|ReferenceError|TypeError" <<<"$log" || true)
if [ -n "$bad" ]; then
  echo "installed program reported:"; echo "$bad"; exit 1
fi
echo "installed program started from $work/elsewhere with its font, theme and German catalogue"
