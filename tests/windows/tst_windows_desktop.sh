#!/usr/bin/env bash
# The real fluvano.exe under Wine on Xvfb with openbox, from the folder
# `cmake --install` lays out, driven with xdotool: the main window appears,
# typing 10 gives the worked example (read back through the clipboard, which
# Wine shares with X), and saving the constants writes the expected file:
# beside the executable in a portable copy, in the user's AppData in an
# installed one (Fluvano.installed), whose program folder stays untouched.
# Leaves a screenshot fluvano-wine.xwd in the build folder.
#
# Usage: tst_windows_desktop.sh BUILD_DIR WINE_RUN
# Exits 77 (skipped) when one of the X tools is not installed.
set -uo pipefail

# The programs as a user starts them: the system's own platform, not the
# offscreen one the Qt Test programs use.
unset QT_QPA_PLATFORM
build=$1
wine_run=$2

for tool in Xvfb openbox xdotool xprop xwd xclip od; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (scripts/windows.sh installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
prefix=${FLUVANO_WINEPREFIX:-$(sed -n 's/^export WINEPREFIX="\${FLUVANO_WINEPREFIX:-\(.*\)}"$/\1/p' "$wine_run")}
xvfb_pid='' wm_pid='' app_pid=''
stop_app() {
    [ -n "$app_pid" ] || return 0
    kill "$app_pid" 2>/dev/null
    wait "$app_pid" 2>/dev/null
    app_pid=''
    WINEPREFIX=$prefix wineserver -w 2>/dev/null
}
cleanup() {
    stop_app
    for pid in $wm_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT

. "$(dirname "$0")/../support/checks.sh"
fatal_details() {
    [ -s "$work/fluvano.log" ] && sed 's/^/fluvano.exe: /' "$work/fluvano.log"
}
# Wine starts slowly: at most 30 s.
poll_tries=150
poll_interval=0.2
start_x_session

# A Wine session started without a display (the offscreen tests) would keep
# this program's windows off the X server: the test has the prefix to itself
# (RUN_SERIAL), so it ends that session first.
WINEPREFIX=$prefix wineserver -k 2>/dev/null
WINEPREFIX=$prefix wineserver -w 2>/dev/null

cmake --install "$build" --prefix "$work/Fluvano" >/dev/null || fatal "cmake --install"
program=$work/Fluvano

visible_window() { # title pattern
    xdotool search --all --onlyvisible --name "$1" 2>/dev/null | head -n 1
}
await_window() {
    found() {
        window=$(visible_window "$1")
        [ -n "$window" ]
    }
    poll found "$1" || fatal "no window \"$1\" appeared"
}
wait_gone() {
    gone() { [ -z "$(visible_window "$1")" ]; }
    poll gone "$1" || fatal "window \"$1\" stayed open"
}
key() { xdotool key --delay 60 "$@"; }
clipboard() { xclip -o -selection clipboard 2>/dev/null | tr -d '\r'; }
record_float() { od -A n -t f4 -j 124 -N 4 "$1" | tr -d ' '; } # the roughness of Mittelschw. Gewinderohr

# Starts fluvano.exe, types 10, checks the copied result, saves a roughness
# through the constants dialog and ends the program.
run_program() { # label
    "$wine_run" "$program/fluvano.exe" >"$work/fluvano.log" 2>&1 &
    app_pid=$!
    await_window "^Fluvano by"
    main=$window
    check "$1: main window title" "Fluvano by qel" "$(xdotool getwindowname "$main")"
    # The standard values show the start window first.
    await_window "Startinformationen\$"
    xdotool windowactivate --sync "$window" 2>/dev/null
    key alt+o
    wait_gone "Startinformationen\$"
    xdotool windowactivate --sync "$main" 2>/dev/null
    xdotool type --delay 60 10
    printf '' | xclip -i -selection clipboard
    key ctrl+c
    copied() { clipboard | grep -q '^Geschwindigkeit w:'; }
    poll copied
    for line in "Leistung: 10 kW" "empfohlenes Rohr: DN 25" "Innen-Nennweite: 27,2 mm" "Rohrwiderstand R: 42,73 Pa/m" \
        "Volumenstrom V: 0,583 m³/h" "Massenstrom m: 573 kg/h" "Geschwindigkeit w: 0,279 m/s"; do
        check "$1: Ctrl+C copies \"$line\"" "$line" "$(clipboard | grep -F -x -- "$line")"
    done
    [ -n "${screenshot:-}" ] && xwd -root -silent >"$screenshot"

    key alt+o
    await_window "^Konstanten zur Berechnung"
    dialog=$window
    xdotool windowactivate --sync "$dialog" 2>/dev/null
    # Tab order from "Speichern + Schließen": Standard, 60° C, Verändern,
    # Mittelschw. Gewinderohr, its roughness.
    key Tab Tab Tab Tab Tab
    xdotool type --delay 60 "0,0333"
    key alt+s
    wait_gone "^Konstanten zur Berechnung"
    stop_app
}

# Portable: the zip's folder, settings beside the executable.
rm -f "$program/Fluvano.installed"
screenshot=$build/fluvano-wine.xwd
standard=$(od -A n -t x1 "$program/Fluvano.qel")
run_program "portable"
check "portable: the roughness saved beside fluvano.exe" "0.0333" "$(record_float "$program/Fluvano.qel")"

# Installed: installed again, with the marker and the standard values; the
# save goes to %APPDATA%\Fluvano.
rm -f "$program/Fluvano.qel"
cmake --install "$build" --prefix "$program" >/dev/null || fatal "cmake --install"
before=$(ls -l --time-style=+%s.%N "$program" | sha256sum)
user_settings=$(find "$prefix/drive_c/users" -maxdepth 1 -mindepth 1 ! -name Public | head -n 1)/AppData/Roaming/Fluvano/Fluvano.qel
rm -f "$user_settings"
screenshot=''
run_program "installed"
check "installed: the roughness saved in AppData" "0.0333" "$(record_float "$user_settings" 2>/dev/null)"
check "installed: the program folder's standard values untouched" "$standard" "$(od -A n -t x1 "$program/Fluvano.qel")"
check "installed: nothing added to the program folder" "$before" "$(ls -l --time-style=+%s.%N "$program" | sha256sum)"
rm -f "$user_settings"

finish
