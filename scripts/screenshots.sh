#!/usr/bin/env bash
# Renews the README's pictures: docs/main-window.png (the worked example,
# 10 kW at 15 K), docs/context-menu.png (its result menu), docs/pipe-overview.png
# (the Rohrübersicht beside it), docs/constants-dialog.png,
# docs/series-dialog.png (the Rohrsysteme editor), docs/valves-dialog.png (the
# Ventile editor), docs/sections.png (the Teilstrecken window with a small
# house) and docs/settings-sheet.png (the first page of its Einstellwerte).
# Builds the screenshot helper in build-bench/ and runs the real windows under
# Xvfb with openbox (for window frames) and the standard settings. Needs xvfb
# (xvfb-run), xauth and openbox.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${FLUVANO_BENCH_DIR:-build-bench}

cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFLUVANO_BUILD_BENCH=ON >/dev/null
cmake --build "$dir" --parallel 2 --target fluvano-screenshots

mkdir -p docs
# 96 dpi, as the forms are laid out in pixels; 24-bit colour.
QT_QPA_PLATFORM=xcb xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -dpi 96" \
    sh -c 'openbox >/dev/null 2>&1 & sleep 1; "$0" "$@"; status=$?; kill $! 2>/dev/null; exit $status' \
    "$dir/tools/fluvano-screenshots" docs
