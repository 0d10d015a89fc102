#!/usr/bin/env bash
# Installs the build under a throw-away prefix and checks that a Linux desktop would find
# everything there: the program, its help, the menu entry with its icon and the software
# centre metadata, each valid by the desktop's own validators where they are installed.
# Usage: install_tree.sh /path/to/build-folder
set -u

name=install_tree
build=${1:?usage: install_tree.sh /path/to/build-folder}
app_id=org.quintelo.Quintelo

fail() {
    echo "$name: FAIL: $*" >&2
    exit 1
}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
for file in bin/quintelo share/quintelo/help/QNT.html share/applications/$app_id.desktop \
    share/metainfo/$app_id.metainfo.xml share/icons/hicolor/32x32/apps/$app_id.png \
    share/icons/hicolor/scalable/apps/$app_id.svg share/doc/quintelo/copyright; do
    [ -s "$prefix/$file" ] || fail "$file is not installed"
done
[ -x "$prefix/bin/quintelo" ] || fail "bin/quintelo is not executable"
unexpected=$(cd "$prefix" && find . -type f | grep -v -e '^\./bin/' -e '^\./share/' || true)
[ -z "$unexpected" ] || fail "installed outside bin/ and share/: $unexpected"

version=$(timeout 10 "$prefix/bin/quintelo" --version) || fail "the installed program failed"
[ "$version" = "Quintelo 2.02.0005" ] || fail "the installed program printed \"$version\""

# The entry's fields must lead to what was installed, not merely parse.
field() {
    sed -n "s/^$1=//p" "$desktop" | head -n 1
}
[ "$(field Exec)" = quintelo ] || fail "Exec is \"$(field Exec)\", not the installed program"
[ "$(field Icon)" = "$app_id" ] || fail "Icon is \"$(field Icon)\", not the installed icon"
[ "$(field Type)" = Application ] || fail "the entry is not an application"
field Categories | grep -q '^Graphics;' || fail "the entry is not in the Graphics category"
[ -n "$(field 'Name\[ja\]')" ] || fail "the entry has no Japanese name"
[ -n "$(field 'Comment\[ja\]')" ] || fail "the entry has no Japanese comment"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch $app_id.desktop"
grep -q "<id>$app_id</id>" "$metainfo" || fail "the metadata's id is not $app_id"
grep -q '<screenshot type="default">' "$metainfo" || fail "the metadata has no screenshot"

# PNG keeps its width and height as big-endian words at bytes 16 and 20.
png=$prefix/share/icons/hicolor/32x32/apps/$app_id.png
size=$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ' ' ')
[ "$size" = " 0 0 0 32 0 0 0 32" ] || fail "the 32x32 icon measures$size"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejected the entry"
else
    echo "$name: desktop-file-validate is not installed (package desktop-file-utils); not run"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" >/dev/null ||
        { appstreamcli validate --no-net "$metainfo" >&2; fail "appstreamcli rejected the metadata"; }
else
    echo "$name: appstreamcli is not installed (package appstream); not run"
fi
echo "$name: the installed tree is complete and valid"
