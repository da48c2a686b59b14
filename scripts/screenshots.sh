#!/usr/bin/env bash
# Pictures of the menu, of each query window after a query and of the take-off and identification
# windows in use, taken on a virtual X display.
#
#   scripts/screenshots.sh                 remakes the README's pictures in docs/
#   scripts/screenshots.sh --scales DIR    writes DIR/1, DIR/1.5 and DIR/2, one set per
#                                          QT_SCALE_FACTOR, to check the windows at each scale
#
# Builds only the screenshot tool, in build-test (the test command's build directory).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_packages "${BUILD_PACKAGES[@]}" qt6-qpa-plugins xvfb xauth

build=build-test
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target shot_windows -j"$(nproc)" >/dev/null

# The same pictures on every machine: the X platform at 96 dpi, no desktop theme.
shoot() {
    local scale=$1 out=$2
    mkdir -p "$out"
    env -u QT_QPA_PLATFORMTHEME -u QT_QPA_PLATFORM -u QT_FONT_DPI QT_SCALE_FACTOR="$scale" \
        xvfb-run -a -s "-screen 0 1600x1200x24 -dpi 96" "$build/tests/app/shot_windows" "$out"
}

if [ "${1:-}" = --scales ]; then
    for scale in 1 1.5 2; do
        shoot "$scale" "${2:?--scales needs a directory}/$scale"
    done
else
    shoot 1.5 docs
fi
