#!/bin/sh
# Fails when the English translation is behind the sources: a text that tr() marks and
# tr/quintelo_en.ts lacks or leaves unfinished, or an entry for a text the sources no longer
# have. The tracked file is left alone; lupdate works on a copy.
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$here/tr/quintelo_en.ts" "$work/quintelo_en.ts"
sh "$here/tools/update_translations.sh" "$work/quintelo_en.ts"
status=0
if ! cmp -s "$here/tr/quintelo_en.ts" "$work/quintelo_en.ts"; then
    echo "tr/quintelo_en.ts is not up to date with the sources; run tools/update_translations.sh:"
    diff -u "$here/tr/quintelo_en.ts" "$work/quintelo_en.ts" | head -40
    status=1
fi
if grep -n 'type="unfinished"\|type="vanished"\|type="obsolete"' "$work/quintelo_en.ts"; then
    echo "tr/quintelo_en.ts has texts without their English"
    status=1
fi
[ "$status" -eq 0 ] && echo "translations: every text has its English"
exit "$status"
