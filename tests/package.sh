#!/usr/bin/env bash
# Installs the build under a throw-away prefix and builds the Debian package into a throw-away
# folder, then checks that a Linux desktop finds everything (validated by the desktop's own
# tools) and that the package declares every library the program links and what it needs at
# run time that cannot be read off the binary.
# Usage: QUINTELO_VERSION=<version> package.sh /path/to/build-folder
set -u
name=package
build=${1:?usage: package.sh /path/to/build-folder}
version=${QUINTELO_VERSION:?the version the build was configured with}
app_id=org.quintelo.Quintelo
fail() {
    echo "$name: FAIL: $*" >&2
    exit 1
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
files="bin/quintelo share/quintelo/help/QNT.html share/applications/$app_id.desktop
    share/metainfo/$app_id.metainfo.xml share/icons/hicolor/32x32/apps/$app_id.png
    share/icons/hicolor/scalable/apps/$app_id.svg share/doc/quintelo/copyright
    share/mime/packages/$app_id.xml bin/quintelo-render share/man/man1/quintelo-render.1
    share/man/en/man1/quintelo-render.1 share/thumbnailers/quintelo.thumbnailer"
for file in $files; do
    [ -s "$prefix/$file" ] || fail "$file is not installed"
done
[ "$("$prefix/bin/quintelo" --version)" = "Quintelo $version" ] || fail "installed --version"
# Every installed file that names the version names this one.
for file in share/quintelo/help/QNT.html share/metainfo/$app_id.metainfo.xml \
    share/doc/quintelo/copyright share/man/man1/quintelo-render.1 \
    share/man/en/man1/quintelo-render.1; do
    grep -q "$version" "$prefix/$file" && ! grep -q '@[A-Z_]*@' "$prefix/$file" ||
        fail "$file does not name the version $version"
done
# The thumbnailer's command, as a file manager runs it, makes a PNG of the size asked for.
printf '{"format": "quintelo-roll", "version": 1, "frames": [{}]}\n' >"$work/thumb.quintelo"
exec_line=$(sed -n 's/^Exec=quintelo-render //p' "$prefix/share/thumbnailers/quintelo.thumbnailer")
exec_line=${exec_line//%s/128}
exec_line=${exec_line//%i/$work/thumb.quintelo}
# shellcheck disable=SC2086
env -u DISPLAY "$prefix/bin/quintelo-render" ${exec_line//%o/$work/thumb} 2>/dev/null ||
    fail "the thumbnailer's command failed"
[ "$(od -An -tu1 -j16 -N8 "$work/thumb" | tr -s ' ')" = " 0 0 0 128 0 0 0 43" ] ||
    fail "the thumbnail is not a 128-pixel-wide PNG"
# Videos are written by a module the installed programs find where it is installed.
env -u DISPLAY "$prefix/bin/quintelo-render" "$work/thumb.quintelo" --video "$work/roll.webm" \
    --fps 2 2>/dev/null || fail "the installed renderer wrote no video"
[ "$(od -An -tx1 -N4 "$work/roll.webm" | tr -d ' ')" = "1a45dfa3" ] ||
    fail "the installed renderer's video is no WebM file"
desktop=$prefix/share/applications/$app_id.desktop
grep -qx "Exec=quintelo %f" "$desktop" && grep -qx "Icon=$app_id" "$desktop" ||
    fail "the menu entry does not lead to the installed program and icon"
size=$(od -An -tu1 -j16 -N8 "$prefix/share/icons/hicolor/32x32/apps/$app_id.png" | tr -s ' ')
[ "$size" = " 0 0 0 32 0 0 0 32" ] || fail "the 32x32 icon measures$size"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejected the entry"
# The desktop's own tools (xdg-mime asks shared-mime-info through `mimetype`) agree that a roll file is of the type the menu entry opens.
update-mime-database "$prefix/share/mime" 2>/dev/null || fail "update-mime-database failed"
printf '{"format": "quintelo-roll", "version": 1, "frames": [{}]}\n' >"$work/roll.quintelo"
type=$(XDG_DATA_DIRS=$prefix/share:/usr/share xdg-mime query filetype "$work/roll.quintelo")
grep -qx "MimeType=$type;" "$desktop" || fail "a roll file is $type, which the entry does not open"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >"$work/as.log" ||
    { cat "$work/as.log" >&2; fail "appstreamcli rejected the metadata"; }

# gzip rather than xz: the content is what is checked, and a debug build compresses slowly.
(cd "$build" && cpack -G DEB -B "$work/deb" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip \
    >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$work/deb/quintelo_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "cpack made no $(basename "$deb"): $(ls "$work/deb")"
for file in $files; do
    dpkg-deb -c "$deb" | awk '{print $NF}' | grep -qx -- "./usr/$file" || fail "the package lacks $file"
done
depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/(.*//; s/[[:space:]]//g')
dpkg-deb -x "$deb" "$work/root"
module=$(cd "$work/root" && find usr/lib -name 'quintelo_video.so' | head -n 1)
[ -n "$module" ] || fail "the package lacks the video module"
for lib in $(readelf -d "$work/root/usr/bin/quintelo" "$work/root/$module" |
    sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | sort -u); do
    path=$(/sbin/ldconfig -p | awk -v lib="$lib" '$1 == lib { print $NF; exit }')
    owner=$(dpkg -S "$(readlink -f "$path")" 2>/dev/null | head -n 1 | cut -d: -f1)
    [ -n "$owner" ] || owner=$(dpkg -S "$path" 2>/dev/null | head -n 1 | cut -d: -f1)
    printf '%s\n' "$depends" | grep -qx "$owner" || fail "$lib comes from \"$owner\", not in Depends"
done
for package in qt6-qpa-plugins fonts-noto-cjk fonts-morisawa-bizud-gothic; do
    printf '%s\n' "$depends" | grep -qx "$package" || fail "Depends does not name $package"
done
echo "$name: the installed tree is valid and $(basename "$deb") declares what it needs"
