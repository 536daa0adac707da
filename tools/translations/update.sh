#!/usr/bin/env bash
# Refreshes resources/Translations/*.ts from the sources and fills in the
# German and Italian texts of catalogue.py. Fails when a text has none.
set -euo pipefail
cd "$(dirname "$0")/../.."
for lang in de it; do
  lupdate -silent -no-obsolete -locations none src resources/main.qml resources/Qml \
    -ts "resources/Translations/Tavirel_$lang.ts"
done
python3 tools/translations/fill.py resources/Translations/Tavirel_de.ts de resources/Translations/Tavirel_it.ts it
