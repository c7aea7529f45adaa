#!/usr/bin/env bash
# Sets up, builds and starts the program from its program folder (build/bin).
set -euo pipefail
cd "$(dirname "$0")"
bash tools/setup.sh
launcher=""; command -v ccache >/dev/null && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
cmake -S . -B build -G Ninja $launcher >/dev/null
cmake --build build -j"$(nproc)"
exec build/bin/quilmar "$@"
