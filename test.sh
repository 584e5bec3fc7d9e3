#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds, runs every test through ctest (windows offscreen)
# and builds the core library once more with the default CMake generator.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/check-format.sh
scripts/build.sh test
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build/test --output-on-failure -j"$(nproc)"
scripts/check-default-generator.sh
