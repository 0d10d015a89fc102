#!/usr/bin/env bash
# Builds the Debian package from the build folder into a throw-away folder, installs nothing,
# and checks what the package holds and what it declares it needs: every library the program
# links must come from a package it depends on, and the run-time pieces that cannot be read off
# the binary (window-system plugins, fonts) must be there too.
# Usage: package_deb.sh /path/to/build-folder
set -u

name=package_deb
build=${1:?usage: package_deb.sh /path/to/build-folder}
app_id=org.quintelo.Quintelo

fail() {
    echo "$name: FAIL: $*" >&2
    exit 1
}

for tool in cpack dpkg-deb dpkg-shlibdeps readelf; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (packages cmake, dpkg-dev, binutils)"
done

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# gzip rather than the default xz: the package's content is what is checked, and a debug
# build compresses slowly.
(cd "$build" && cpack -G DEB -B "$out" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >"$out/cpack.log" 2>&1) ||
    { cat "$out/cpack.log" >&2; fail "cpack failed"; }
debs=("$out"/*.deb)
[ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb: ${debs[*]}"
deb=${debs[0]}
[ "$(basename "$deb")" = "quintelo_2.02.0005_$(dpkg --print-architecture).deb" ] ||
    fail "the package is named $(basename "$deb")"

field() {
    dpkg-deb -f "$deb" "$1"
}
[ "$(field Package)" = quintelo ] || fail "Package is \"$(field Package)\""
[ "$(field Version)" = 2.02.0005 ] || fail "Version is \"$(field Version)\""
[ "$(field Section)" = graphics ] || fail "Section is \"$(field Section)\""
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is wrong"
[ -n "$(field Maintainer)" ] || fail "the package has no maintainer"

# The package names, without versions, that a field lists.
names_in() {
    field "$1" | tr ',' '\n' | sed 's/[[:space:]]*(.*//; s/^[[:space:]]*//; s/[[:space:]]*$//' |
        grep -v '^$'
}
depends=$(names_in Depends)
declares() {
    printf '%s\n' "$depends" | grep -qx "$1"
}

# The file list: the program, its help, the desktop entry, icons, metadata and copyright, all
# under /usr.
listing=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for file in ./usr/bin/quintelo ./usr/share/quintelo/help/QNT.html \
    ./usr/share/applications/$app_id.desktop ./usr/share/metainfo/$app_id.metainfo.xml \
    ./usr/share/icons/hicolor/32x32/apps/$app_id.png \
    ./usr/share/icons/hicolor/scalable/apps/$app_id.svg ./usr/share/doc/quintelo/copyright; do
    printf '%s\n' "$listing" | grep -qx -- "$file" || fail "the package lacks $file"
done
outside=$(printf '%s\n' "$listing" | grep -v -e '^\./$' -e '^\./usr/' || true)
[ -z "$outside" ] || fail "the package puts files outside /usr: $outside"

# Each shared library the packaged program needs, traced to the package that ships it here.
dpkg-deb -x "$deb" "$out/root"
ldconfig=$(command -v ldconfig || echo /sbin/ldconfig)
needed=$(readelf -d "$out/root/usr/bin/quintelo" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
[ -n "$needed" ] || fail "readelf found no libraries in the packaged program"
for lib in $needed; do
    path=$("$ldconfig" -p | awk -v lib="$lib" '$1 == lib { print $NF; exit }')
    [ -n "$path" ] || fail "$lib is not installed here, so its package cannot be told"
    owner=$(dpkg -S "$(readlink -f "$path")" 2>/dev/null | head -n 1 | cut -d: -f1)
    [ -n "$owner" ] || owner=$(dpkg -S "$path" 2>/dev/null | head -n 1 | cut -d: -f1)
    [ -n "$owner" ] || fail "no package owns $path"
    declares "$owner" || fail "$lib comes from $owner, which Depends does not name: $(field Depends)"
done
for package in qt6-qpa-plugins fonts-noto-cjk fonts-morisawa-bizud-gothic; do
    declares "$package" || fail "Depends does not name $package: $(field Depends)"
done
names_in Recommends | grep -qx xdg-utils || fail "Recommends does not name xdg-utils"

cmp -s "$out/root/usr/share/applications/$app_id.desktop" \
    "$(dirname "$0")/../assets/$app_id.desktop" || fail "the packaged desktop entry differs"
echo "$name: $(basename "$deb") holds the program and declares what it needs"
