#!/usr/bin/env bash
# Start-up of the Windows build under Wine beside the one-label window built
# the same way, in turn, offscreen (Wine adds its own cost; the ratio is what
# counts). Cross-builds fluvano.exe, the floor and the start-up probe (as Qt's
# generic plugin) into build-windows-bench/ with the Qt of scripts/windows.sh
# (FLUVANO_QT_MINGW), then prints the median and middle half of each:
#   process: from the process's creation, as Windows records it, until the
#            main window is painted and the event loop idles
#   start-up: from Qt's loading of the probe (in QApplication's constructor)
#             until then
#   scripts/bench-wine.sh [runs] [label=program.exe ...]
# Other Windows builds of Fluvano named as arguments start in the same turns.
# Needs what scripts/windows.sh installs (MinGW-w64, Wine) and its Qt.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=${1:-15}
shift || true
qt=${FLUVANO_QT_MINGW:-${XDG_CACHE_HOME:-$HOME/.cache}/fluvano/qt6-mingw}
[ -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ] || {
    echo "No Qt for Windows in $qt: set FLUVANO_QT_MINGW (see scripts/windows.sh)." >&2
    exit 1
}
dir=build-windows-bench
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFLUVANO_BUILD_TESTS=OFF -DFLUVANO_BUILD_BENCH=ON \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >/dev/null
nice cmake --build "$dir" --parallel 2 --target fluvano fluvano-bench-floor startupprobe

export QT_QPA_PLATFORM=offscreen QT_QPA_GENERIC_PLUGINS=startupprobe
export QT_PLUGIN_PATH="Z:${root//\//\\}\\$dir\\bench\\plugins"
wine=$root/$dir/wine-run.sh
labels=("floor: one QLabel of text" "Fluvano main window")
commands=("$root/$dir/fluvano-bench-floor.exe --text" "$root/$dir/fluvano.exe")
for other in "$@"; do
    labels+=("${other%%=*}")
    commands+=("${other#*=}")
done
"$wine" wineboot >/dev/null 2>&1 # the prefix, made once
WINEPREFIX=$root/$dir/wine wineserver -p60 2>/dev/null || true # one server for all runs
trap 'WINEPREFIX=$root/$dir/wine wineserver -k 2>/dev/null || true' EXIT

results=$(mktemp -d)
for ((run = -2; run < runs; run++)); do
    for i in "${!commands[@]}"; do
        # shellcheck disable=SC2086 # a command with its arguments
        line=$("$wine" ${commands[$i]} 2>/dev/null | grep -o 'startup_us=.*' || true)
        [ -n "$line" ] || { echo "${labels[$i]}: no report" >&2; exit 1; }
        [ "$run" -lt 0 ] && continue # warm-up
        sed -E 's/.*startup_us=([0-9]+).*process_us=([0-9]+).*/\2 \1/' <<<"$line" >>"$results/$i"
    done
done

quartiles() { # column file: "q1 median q3" in ms
    sort -n -k"$1" "$2" | awk -v c="$1" '{v[NR]=$c/1000} END {
        n = NR
        printf "%.1f %.1f %.1f", v[int((n-1)/4)+1], (n%2 ? v[(n+1)/2] : (v[n/2]+v[n/2+1])/2), v[int(3*(n-1)/4)+1] }'
}
echo
echo "Start-up under Wine, offscreen, median and middle half of $runs runs each, in turn"
printf '%-28s %12s %14s %12s %8s\n' "" "process ms" "q1-q3" "start-up ms" "x text"
read -r _ floor _ <<<"$(quartiles 1 "$results/0")"
for i in "${!commands[@]}"; do
    read -r q1 median q3 <<<"$(quartiles 1 "$results/$i")"
    read -r _ startup _ <<<"$(quartiles 2 "$results/$i")"
    printf '%-28s %12s %14s %12s %8.2f\n' "${labels[$i]}" "$median" "$q1-$q3" "$startup" \
        "$(awk -v a="$median" -v b="$floor" 'BEGIN {print a / b}')"
done
rm -rf "$results"
