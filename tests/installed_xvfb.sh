#!/usr/bin/env bash
# Installs the build under a throw-away prefix and uses the installed program as a person
# would, on a virtual X server, from a folder that has nothing of Quintelo's: F1 must open the
# installed help, and the plate it saves must be the very picture the program in the build tree
# saves, which it is only when both draw with the same fonts.
# Usage: installed_xvfb.sh /path/to/build-folder /path/to/build-tree/quintelo
set -u

name=installed_xvfb
build=${1:?usage: installed_xvfb.sh /path/to/build-folder /path/to/quintelo}
bin=${2:?usage: installed_xvfb.sh /path/to/build-folder /path/to/quintelo}
build=$(readlink -f "$build")
bin=$(readlink -f "$bin")
main_title=QuinteloVersion2
save_title=方向幕画像の保存
source "$(dirname "$0")/xvfb_lib.sh"

# Saves the whole plate with Alt+S into folder/plate.bmp, typing the name into the save dialog.
save_plate_from() {
    local program=$1 folder=$2 main dialog
    start_program "$program" "$folder"
    main=$(await_window "$main_title") || fail "$program showed no main window"
    press_in "$main" alt+s
    dialog=$(await_window "$save_title") || fail "Alt+S opened no save dialog in $program"
    timeout 5 xdotool windowfocus --sync "$dialog" 2>/dev/null
    sleep 0.3
    xdotool type --delay 50 plate.bmp
    xdotool key --clearmodifiers Return
    wait_for test -s "$folder/plate.bmp" || fail "$program saved no $folder/plate.bmp"
}

if [ "${3:-}" = "--inside-xvfb" ]; then
    work=$(mktemp -d)
    trap 'stop_program; rm -rf "$work"' EXIT
    prefix=$work/prefix
    cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
    installed=$prefix/bin/quintelo

    # The program hands documents to the desktop's opener; this one only writes down what it
    # was given.
    mkdir "$work/opener" "$work/elsewhere" "$work/built"
    cat >"$work/opener/xdg-open" <<OPENER
#!/bin/sh
printf '%s\n' "\$@" >>"$work/opened"
OPENER
    chmod +x "$work/opener/xdg-open"
    export PATH=$work/opener:$PATH

    start_program "$installed" "$work/elsewhere"
    main=$(await_window "$main_title") || fail "the installed program showed no main window"
    wm_class=$(xprop -id "$main" WM_CLASS)
    menu_class=$(sed -n 's/^StartupWMClass=//p' "$prefix/share/applications/org.quintelo.Quintelo.desktop")
    printf '%s\n' "$wm_class" | grep -q "\"$menu_class\"" ||
        fail "the window's $wm_class does not match the menu entry's StartupWMClass=$menu_class"
    press_in "$main" F1
    wait_for test -s "$work/opened" || fail "F1 opened nothing"
    opened=$(head -n 1 "$work/opened")
    help=$prefix/share/quintelo/help/QNT.html
    [ "$opened" = "$help" ] || [ "$opened" = "file://$help" ] ||
        fail "F1 opened \"$opened\", not the installed help $help"
    stop_program

    save_plate_from "$installed" "$work/elsewhere"
    stop_program
    save_plate_from "$bin" "$work/built"
    stop_program

    cmp "$work/elsewhere/plate.bmp" "$work/built/plate.bmp" ||
        fail "the installed program's plate differs from the build tree's"
    # A blank plate would compare equal too; this one has letters in several shades.
    shades=$(od -An -v -tu1 -j54 "$work/built/plate.bmp" | tr -s ' ' '\n' | sort -u | wc -l)
    [ "$shades" -gt 8 ] || fail "the saved plate has only $shades byte values; no text was drawn"
    echo "$name: the installed program opens its help and saves the same plate as the build"
    exit 0
fi

rerun_inside_xvfb 120 "$build" "$bin"
