#!/usr/bin/env bash
# Configures and builds into build/<kind>: build.sh release|test
set -euo pipefail
cd "$(dirname "$0")/.."
kind="${1:-release}"
case "$kind" in
  release) type=Release ;;
  test) type=RelWithDebInfo ;;
  *) echo "usage: build.sh release|test" >&2; exit 2 ;;
esac
cmake -S . -B "build/$kind" -G Ninja -DCMAKE_BUILD_TYPE="$type" >/dev/null
cmake --build "build/$kind" -j"$(nproc)"
