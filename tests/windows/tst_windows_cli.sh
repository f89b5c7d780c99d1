#!/usr/bin/env bash
# fluvano-cli.exe under Wine against the Linux program: the worked example,
# a CSV batch (umlauts, byte-order mark, rows not computed), the valve series
# and the exit statuses are the same bytes, line ends included; --help names
# fluvano-cli.
#
# Usage: tst_windows_cli.sh BUILD_DIR WINE_RUN LINUX_FLUVANO
# Exits 77 (skipped) without the Linux program to compare with.
set -uo pipefail

# The programs as a user starts them: the system's own platform, not the
# offscreen one the Qt Test programs use.
unset QT_QPA_PLATFORM
build=$1
wine_run=$2
linux=$3

if [ ! -x "$linux" ]; then
    echo "SKIP: no Linux program $linux to compare with (build it: cmake --build build --target fluvano)"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

. "$(dirname "$0")/../support/checks.sh"
same_bytes() { # description, linux file, windows file
    if cmp -s "$2" "$3"; then
        passes=$((passes + 1))
        echo "PASS: $1"
    else
        failures=$((failures + 1))
        echo "FAIL: $1"
        diff <(od -c "$2") <(od -c "$3") | head -n 20
    fi
}

# The Windows folder as the zip has it; the Linux program beside the same settings.
cmake --install "$build" --prefix "$work/windows" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
rm -f "$work/windows/Fluvano.installed"
mkdir "$work/linux"
cp "$linux" "$work/linux/fluvano"
cp "$work/windows/Fluvano.qel" "$work/linux/Fluvano.qel"

run_both() { # name, arguments... (standard input from $work/input when present)
    local name=$1
    shift
    local input=/dev/null
    [ -f "$work/input" ] && input=$work/input
    LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen "$work/linux/fluvano" "$@" <"$input" >"$work/$name.linux.out" 2>"$work/$name.linux.err"
    echo $? >"$work/$name.linux.status"
    "$wine_run" "$work/windows/fluvano-cli.exe" "$@" <"$input" >"$work/$name.windows.out" 2>"$work/$name.windows.err"
    echo $? >"$work/$name.windows.status"
    same_bytes "$name: standard output" "$work/$name.linux.out" "$work/$name.windows.out"
    check "$name: exit status" "$(cat "$work/$name.linux.status")" "$(cat "$work/$name.windows.status")"
}

run_both "worked example" --heat-output 10 --delta-t 15 --material 1
check "worked example: the recommended pipe" "empfohlenes Rohr: DN 25" \
    "$(grep -a '^empfohlenes Rohr' "$work/worked example.windows.out" | tr -d '\r')"
run_both "chosen diameter, decimal point" --heat-output 10.5 --delta-t 20 --material 2 --diameter 27.2

printf '\xef\xbb\xbfLeistung_kW;Temperaturdifferenz_K;Material;Innen_mm\r\n10;15;1\r\n2,5;10;3\r\n100000;15;1\r\nzehn;15;1\r\n10;15;1;21,6\r\n10;15;7\r\n' >"$work/input"
run_both "CSV batch from standard input" --csv -
check "CSV batch: starts with the byte-order mark" "efbbbf" "$(head -c 3 "$work/CSV batch from standard input.windows.out" | od -A n -t x1 | tr -d ' ')"
cp "$work/input" "$work/kreise.csv"
rm "$work/input"
( cd "$work" && "$wine_run" windows/fluvano-cli.exe --csv kreise.csv >ergebnis.csv 2>/dev/null )
same_bytes "CSV batch from a file, redirected to a file" "$work/CSV batch from standard input.linux.out" "$work/ergebnis.csv"

run_both "usage error" --heat-output 10
run_both "valve series" --valves
"$wine_run" "$work/windows/fluvano-cli.exe" --help >"$work/help.out" 2>&1
check "--help names fluvano-cli" "yes" "$(grep -q 'fluvano-cli' "$work/help.out" && echo yes || echo no)"
check "--help keeps its umlauts" "yes" "$(grep -q 'gewählte Innen-Nennweite' "$work/help.out" && echo yes || echo no)"

finish
