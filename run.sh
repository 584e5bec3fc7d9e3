#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh release
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "There is no display to show the program on." >&2
  echo "Start it under a virtual display instead:  xvfb-run -a ./run.sh $*" >&2
  exit 1
fi
exec build/release/src/app/fbmorv "$@"
