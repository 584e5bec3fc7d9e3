#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through ctest (windows offscreen).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh test
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build/test --output-on-failure -j"$(nproc)"
