#!/usr/bin/env bash
# Writes a picture of every screen built so far (TfmMain.png, TfmFileView.png, ...) into DIR
# (default docs/screenshots), taken on a fresh demo home under the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-docs/screenshots}")"
scripts/build.sh release
bin=build/release/src

home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
"$bin/cli/fbctl" --home "$home" init >/dev/null
# A delivered notice, so that the notice viewer has something to show.
printf '%s\r\n' "[공지] 12월 31일 22시부터 01시까지 전산 점검으로 송수신이 중단됩니다." \
  "점검 시간 전에 송신을 마쳐 주십시오." | iconv -f UTF-8 -t CP949 >"$home/Result/Notice.inf"

mkdir -p "$out"
QT_QPA_PLATFORM=offscreen "$bin/app/fbmorv" --home "$home" --screenshot-tour "$out"
ls "$out"
