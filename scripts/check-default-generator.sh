#!/usr/bin/env bash
# A newcomer's `cmake -S . -B build && cmake --build build` uses the default generator (Unix Makefiles):
# configure with it and build the core library, which carries the generated blank database.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/default-generator -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release \
  -DFB_BUILD_TESTS=OFF -DFB_BUILD_BENCH=OFF >/dev/null
cmake --build build/default-generator --target fbcore -j"$(nproc)" >/dev/null
echo "The default generator builds fbcore."
