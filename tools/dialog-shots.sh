#!/usr/bin/env bash
# Pictures of the dialogs and printed pages as a dealer sees them: runs the GUI tests on
# a virtual X screen (real X rendering, no window manager) and saves a picture of the
# screen at each dialog into OUTPUT (default BUILD/dialog-shots).
#
#   tools/dialog-shots.sh [OUTPUT]
#
# Environment: QUILMAR_BUILD_DIR (default build/).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUILMAR_BUILD_DIR:-$root/build}
out=${1:-$build/dialog-shots}

command -v xvfb-run >/dev/null || { echo "dialog-shots.sh: xvfb-run is missing (tools/setup.sh)" >&2; exit 1; }
if [[ ! -f $build/CMakeCache.txt ]]; then
    cmake -S "$root" -B "$build" -G Ninja >/dev/null
fi
cmake --build "$build" -j2 --target tests_gui qmr_demo_data qmr_pictures

mkdir -p "$out"
out=$(cd "$out" && pwd)
rm -f "$out"/*.png

export QUILMAR_SHOTS=$out
export QT_QPA_PLATFORM=xcb
xvfb-run -a -s '-screen 0 1280x1024x24' \
    "$build/tests/tests_gui" --gtest_brief=1

ls "$out"
