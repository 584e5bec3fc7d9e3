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

# An institution of all three services with a few batches, so that the batch lists have rows to show.
fbctl() { "$bin/cli/fbctl" --home "$home" "$@" >/dev/null; }
fbctl institution put Name=가나상사 TONGOUT=CD123 TONGIN=CD456 TOID10=9900000001 TOPASS=1234 TOBCODE=BK00001 \
  BankNoT1=10020030040 TONG2OUT=CD223 TONG2IN=CD256 TOID210=9900000002 TO2PASS=1234 TO2BCODE=BK00002 \
  BankNoT2=10020030041 APOUT=CD323 APIN=CD356 APID10=9900000003 APPASS=1234 APBCODE=BK00003
today="$(date +%F)"
next="$("$bin/cli/fbctl" --home "$home" business-days | head -1)"
for title in "12월 급여" "연말 상여금"; do
  fbctl batch add deposit --institution 9900000001 --date "$next" --title "$title" --today "$today"
done
fbctl item add deposit 1 --bank 11 --account 110-12-345678 --amount 250000 --name 홍길동 --yes
fbctl item add deposit 1 --bank 20 --account 1002-345-678900 --amount 310000 --name 김영희 --yes
fbctl item add deposit 2 --bank 13 --account 301-0123-4567-81 --amount 50000 --name 이철수 --yes
fbctl batch close deposit 1
fbctl batch close deposit 2
fbctl batch add withdrawal --institution 9900000002 --date "$next" --title "1월 회비" --password 1234 --today "$today"
fbctl item add withdrawal 1 --bank 11 --account 110-12-345678 --amount 30000 --name 홍길동 --payer 1001 --yes
fbctl item add withdrawal 1 --bank 13 --account 301-0123-4567-81 --amount 30000 --name 이철수 --payer 1002 --yes
fbctl sql "INSERT INTO TongRegister (Giganid, Bankcd, Bankno, NapbuNO, Status) VALUES ('9900000002', '11', '11012345678', '1001', 2)"
fbctl batch close withdrawal 1
fbctl batch add apartment --institution 9900000003 --date "$next" --title "12월 관리비" --password 1234 --today "$today"
fbctl item add apartment 1 --dong 101 --ho 1502 --bank 11 --account 110-12-345679 --amount 185000 --name 김영희 \
  --remark 김영희 --yes
fbctl item add apartment 1 --dong 102 --ho 301 --bank 16 --account 301-0123-4567-82 --amount 172000 --name 박민수 \
  --remark 박민수 --yes
fbctl batch close apartment 1

mkdir -p "$out"
QT_QPA_PLATFORM=offscreen "$bin/app/fbmorv" --home "$home" --screenshot-tour "$out"
ls "$out"
