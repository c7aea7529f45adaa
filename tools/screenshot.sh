#!/usr/bin/env bash
# Builds the program, starts it on a virtual X screen with a job file and saves a picture
# of the screen (there is no window manager: the window has no title bar).
#
#   tools/screenshot.sh [OUTPUT.png] [JOB.qms]
#
# OUTPUT defaults to BUILD/screenshot.png, JOB to tools/demo-jobs/demo.qms.
# Environment: QUILMAR_BUILD_DIR (default build/), QUILMAR_SHOT_DELAY seconds to wait
# before the picture (default 3, after the 2 s splash).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUILMAR_BUILD_DIR:-$root/build}
out=${1:-$build/screenshot.png}
job=${2:-$root/tools/demo-jobs/demo.qms}
delay=${QUILMAR_SHOT_DELAY:-3}

for tool in xvfb-run import cmake; do
    command -v "$tool" >/dev/null || { echo "screenshot.sh: $tool is missing (tools/setup.sh)" >&2; exit 1; }
done
[[ -f $job ]] || { echo "screenshot.sh: no job file $job" >&2; exit 1; }

if [[ ! -f $build/CMakeCache.txt ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DQUILMAR_GUI=ON >/dev/null
fi
cmake --build "$build" -j2 --target quilmar qmr_demo_data

mkdir -p "$(dirname "$out")"
out=$(cd "$(dirname "$out")" && pwd)/$(basename "$out")
job=$(cd "$(dirname "$job")" && pwd)/$(basename "$job")

# A private instance name: a running program of the user is neither activated nor blocking.
export QUILMAR_INSTANCE_ID="screenshot-$$"
unset QT_QPA_PLATFORM

xvfb-run -a -s '-screen 0 1280x1024x24' bash -c '
    program=$1 job=$2 out=$3 delay=$4
    "$program" "$job" &
    pid=$!
    sleep "$delay"
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "screenshot.sh: the program ended before the picture" >&2
        exit 1
    fi
    import -window root "$out"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
' bash "$build/bin/quilmar" "$job" "$out" "$delay"

echo "$out"
