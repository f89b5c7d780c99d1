#!/usr/bin/env bash
# The real program on a real X server (Xvfb) with a window manager (openbox),
# driven with xdotool as a user would: window titles as the window manager
# shows them, each window that opens has the keyboard, accelerators, typing
# over the heat output, the clipboard, and the end of the program.
#
# Usage: tst_desktop.sh FLUVANO STANDARD_SETTINGS_TOOL
# Exits 77 (skipped) when one of the X tools is not installed.
set -uo pipefail

exe=$1
settings_tool=$2

for tool in Xvfb openbox xdotool xprop xwininfo xwd xclip od; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (scripts/deps.sh installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid='' wm_pid='' app_pid=''
cleanup() {
    for pid in $app_pid $wm_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null
    done
    for pid in $app_pid $wm_pid $xvfb_pid; do
        wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT

. "$(dirname "$0")/support/checks.sh"
start_x_session

# A portable copy: the settings file beside the executable, start and end
# windows shown (standard values).
mkdir -m 700 "$work/runtime"
cp "$exe" "$work/fluvano"
"$settings_tool" "$work/Fluvano.qel" || fatal "no settings file"
settings="$work/Fluvano.qel"
QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" "$work/fluvano" >"$work/fluvano.log" 2>&1 &
app_pid=$!

visible_window() { # exact title
    xdotool search --all --onlyvisible --pid "$app_pid" --name "^$1\$" 2>/dev/null | head -n 1
}
# Waits for the window with that exact title; its id goes to $window.
await_window() {
    found() {
        window=$(visible_window "$1")
        [ -n "$window" ]
    }
    poll found "$1" || fatal "no window \"$1\" appeared"
}

wait_gone() {
    viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }
    gone() { ! viewable "$1"; }
    poll gone "$1" || fatal "window $1 stayed open"
}
title() {
    xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'
}
check_active() { # description, window
    is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" == "$1" ]; }
    poll is_active "$2"
    check "$1 is the active window" "$2" "$(xdotool getactivewindow 2>/dev/null)"
}
check_title() { # window, caption
    check "title \"$2\"" "$2" "$(title "$1")"
}
key() { xdotool key --delay 40 "$@"; }
clipboard() { xclip -o -selection clipboard 2>/dev/null; }
# The heat output as the clipboard receives it by Ctrl+A, Ctrl+C.
check_heat_output() { # description, expected
    key ctrl+a ctrl+c
    copied() { [ "$(clipboard)" == "$1" ]; }
    poll copied "$2"
    check "$1" "$2" "$(clipboard)"
}
# A pixel of a window as "r,g,b", from its XWD image (32-bit true colour).
pixel() { # window, x, y
    xwd -id "$1" -silent >"$work/shot.xwd" || return 1
    # Header words: size, ..., byte order (7), bits per pixel (11), bytes per
    # line (12), ..., colour entries (19); then the colours, 12 bytes each.
    local header
    read -r -a header <<<"$(od -A n -t u4 --endian=big -N 100 "$work/shot.xwd" | tr -s ' \n' ' ')"
    local at=$((header[0] + header[19] * 12 + $3 * header[12] + $2 * header[11] / 8))
    local bytes
    read -r -a bytes <<<"$(od -A n -t u1 -j "$at" -N 4 "$work/shot.xwd")"
    if [ "${header[7]}" -eq 0 ]; then
        echo "${bytes[2]},${bytes[1]},${bytes[0]}"
    else
        echo "${bytes[1]},${bytes[2]},${bytes[3]}"
    fi
}
# A float of the settings record, by byte offset.
record_float() { od -A n -t f4 -j "$1" -N 4 "$settings" | tr -d ' '; }

await_window "Fluvano by qel"
main=$window
check_title "$main" "Fluvano by qel"

await_window "qel Fluvano - Startinformationen"
start=$window
check_title "$start" "qel Fluvano - Startinformationen"
check_active "start window" "$start"
key alt+o # "&OK", not the main window's "K&onstanten"
wait_gone "$start"
check_active "main window after the start window" "$main"
[ -z "$(visible_window "Konstanten zur Berechnung")" ] || fatal "Alt+O in the start window opened the constants dialog"

xdotool type --delay 40 25
check_heat_output "typing replaces the heat output" "25"
printf '3.5 kW' | xclip -i -selection clipboard >/dev/null 2>&1
key ctrl+a ctrl+v
check_heat_output "Ctrl+V pastes by the typing rules" "3,5"
printf '12.5x' | xclip -i -selection clipboard >/dev/null 2>&1
key ctrl+a shift+Insert
check_heat_output "Shift+Insert pastes by the typing rules" "12,5"

before=$(od -A n -t x1 "$settings")
key alt+o
await_window "Konstanten zur Berechnung"
dialog=$window
check_title "$dialog" "Konstanten zur Berechnung"
check_active "constants dialog after Alt+O" "$dialog"
key alt+a
wait_gone "$dialog"
check "Alt+A leaves the settings file alone" "$before" "$(od -A n -t x1 "$settings")"
check_active "main window after Abbruch" "$main"

key alt+o
await_window "Konstanten zur Berechnung"
dialog=$window
check_active "constants dialog after Alt+O again" "$dialog"
# Tab order from "Speichern + Schließen": Standard, 60° C, Verändern,
# Mittelschw. Gewinderohr, its roughness.
key Tab Tab Tab Tab Tab
xdotool type --delay 40 "0,0333"
key alt+s
wait_gone "$dialog"
check "Alt+S saves the typed roughness" "0.0333" "$(record_float 124)"

key alt+o
await_window "Konstanten zur Berechnung"
dialog=$window
key Tab Tab Tab Tab Tab
xdotool type --delay 40 ","
key alt+s
await_window "Eingabe überprüfen"
box=$window
check_title "$box" "Eingabe überprüfen"
check_active "message box" "$box"
key Return
wait_gone "$box"
check_active "constants dialog after the message" "$dialog"
key alt+a
wait_gone "$dialog"

# The question-mark button, 23 x 25 at 378, 306 of the client area.
xdotool mousemove --window "$main" 389 318 click 1
await_window "Informationen zu Fluvano"
info=$window
check_title "$info" "Informationen zu Fluvano"
check_active "information window" "$info"
key alt+s # "&Schließen"
wait_gone "$info"
check_active "main window after the information window" "$main"

key alt+b # the main window's "&Beenden" asks for the end window
await_window "qel Fluvano beenden"
end=$window
check_title "$end" "qel Fluvano beenden"
check_active "end window" "$end"
key alt+o # "&OK": back to the program
wait_gone "$end"
check_active "main window after OK" "$main"

key alt+b
await_window "qel Fluvano beenden"
end=$window
check_active "second end window" "$end"
key alt+b # the end window's "&Beenden"
ended() { ! kill -0 "$app_pid" 2>/dev/null; }
if poll ended; then
    wait "$app_pid"
    check "program ends by Beenden with exit code 0" 0 $?
    app_pid=''
else
    check "program ends by Beenden" "ended" "running"
fi

# A dark desktop theme leaves the designed light look: button-face grey
# window, white edit.
QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark XDG_RUNTIME_DIR="$work/runtime" \
    "$work/fluvano" >"$work/fluvano-dark.log" 2>&1 &
app_pid=$!
await_window "Fluvano by qel"
main=$window
await_window "qel Fluvano - Startinformationen"
key Return
wait_gone "$window"
check_active "main window under a dark theme" "$main"
check "window face under a dark theme" "240,240,240" "$(pixel "$main" 5 5)"
check "heat output field under a dark theme" "255,255,255" "$(pixel "$main" 165 28)"

finish
