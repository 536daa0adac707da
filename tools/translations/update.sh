#!/usr/bin/env bash
# Refreshes resources/Translations/*.ts from the sources and fills in the
# German and Italian texts of catalogue.py (and texts/*.py). Fails when a text
# has none. With --check it works on copies and changes nothing (the test suite
# runs it that way, so a text without a translation fails the suite).
set -euo pipefail
cd "$(dirname "$0")/../.."
out=resources/Translations
if [ "${1:-}" = "--check" ]; then
  out=$(mktemp -d)
  trap 'rm -rf "$out"' EXIT
  cp resources/Translations/Tavirel_de.ts resources/Translations/Tavirel_it.ts "$out/"
fi
for lang in de it; do
  lupdate -silent -no-obsolete -locations none src resources/main.qml resources/Qml \
    -ts "$out/Tavirel_$lang.ts"
done
python3 tools/translations/fill.py "$out/Tavirel_de.ts" de "$out/Tavirel_it.ts" it
if [ "${1:-}" = "--check" ] && ! diff -q "$out/Tavirel_de.ts" resources/Translations/Tavirel_de.ts >/dev/null; then
  echo "resources/Translations/*.ts are out of date: run tools/translations/update.sh"
  exit 1
fi
