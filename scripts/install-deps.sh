#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libqt6sql6-sqlite libsqlite3-dev libgl-dev
  libzip-dev libxlsxwriter-dev libpugixml-dev libfreexl-dev
  libgtest-dev libgmock-dev
  fonts-nanum xvfb xauth poppler-utils
  clang clang-format libclang-rt-14-dev
)

missing=()
for package in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null; then
    SUDO="sudo"
  else
    echo "Missing packages (${missing[*]}) and no sudo: run this script as root." >&2
    exit 1
  fi
fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
