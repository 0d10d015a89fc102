#!/bin/sh
# Gathers every translatable text of both programs into tr/quintelo_en.ts, keeping the English
# already written and dropping texts the sources no longer have. Run by hand after changing
# texts, then translate what Linguist marks unfinished; the build only reads the file.
# Usage: update_translations.sh [TS_FILE]   (default tr/quintelo_en.ts)
set -e
ts=$(realpath "${1:-$(dirname "$0")/../tr/quintelo_en.ts}")
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate6 || echo /usr/lib/qt6/bin/lupdate)
folders=""
for folder in apps codec export files identity io messages platform render sign tr ui; do
    [ -d "$folder" ] && folders="$folders $folder"
done
# shellcheck disable=SC2086 # the folder list is meant to split
"$lupdate" -silent -no-obsolete -locations none -source-language ja -target-language en \
    -extensions cpp,h -I . $folders -ts "$ts"
