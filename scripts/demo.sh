#!/usr/bin/env bash
# A day's work in a minute: builds the program, makes a demo home (default ~/fbdemo, emptied first) with one
# institution of all three services, a few batches and consents, sends them to the bank simulator through the
# mailbox, lets it answer, receives the results, leaves one more batch awaiting sending and starts the program.
#   scripts/demo.sh [HOME]        (without a display: xvfb-run -a scripts/demo.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
home="$(realpath -m "${1:-$HOME/fbdemo}")"
scripts/install-deps.sh
scripts/build.sh release
bin=build/release
fbctl() { "$bin/src/cli/fbctl" --home "$home" "$@"; }

rm -rf "$home"
fbctl init >/dev/null
fbctl comm config --login DEMO01 --password demo >/dev/null
fbctl sql "UPDATE BANKCODE SET SENDVERSION = '1' WHERE Id = '11'" >/dev/null
fbctl institution put Name=가나상사 TONGOUT=CD123 TONGIN=CD456 TOID10=9900000001 TOPASS=1234 TOBCODE=BK00001 \
  BankNoT1=10020030040 TONG2OUT=CD223 TONG2IN=CD256 TOID210=9900000002 TO2PASS=1234 TO2BCODE=BK00002 \
  BankNoT2=10020030041 APOUT=CD323 APIN=CD356 APID10=9900000003 APPASS=1234 APBCODE=BK00003 >/dev/null
next="$(fbctl business-days | head -1)"

# Salaries, a club's fees and a month of apartment fees; the bank refuses accounts ending in 7.
fbctl batch add deposit --institution 9900000001 --date "$next" --title "12월 급여" >/dev/null
fbctl item add deposit 1 --bank 11 --account 110-12-345678 --amount 2500000 --name 홍길동 --yes >/dev/null
fbctl item add deposit 1 --bank 20 --account 1002-345-678907 --amount 3100000 --name 김영희 --yes >/dev/null
fbctl batch close deposit 1
fbctl batch add withdrawal --institution 9900000002 --date "$next" --title "1월 회비" >/dev/null
fbctl item add withdrawal 1 --bank 11 --account 110-12-345678 --amount 30000 --name 홍길동 --payer 1001 --yes >/dev/null
fbctl item add withdrawal 1 --bank 13 --account 301-0123-4567-81 --amount 30000 --name 이철수 --payer 1002 --yes >/dev/null
fbctl batch close withdrawal 1
fbctl batch add apartment --institution 9900000003 --date "$next" --title "12월 관리비" >/dev/null
fbctl item add apartment 1 --dong 101 --ho 1502 --bank 11 --account 110-12-345679 --amount 185000 --name 김영희 \
  --remark 김영희 --yes >/dev/null
fbctl batch close apartment 1
for consent in "9900000002 11 11012345678 00011012345678 1001" "9900000002 13 3010123456781 03010123456781 1002" \
  "9900000003 11 11012345679 00011012345679 1011502"; do
  read -r institution bank account display payer <<<"$consent"
  fbctl sql "INSERT INTO TongRegister (Giganid, Bankcd, Bankno, DisplayBankno, NapbuNO, Name, Status)
             VALUES ('$institution', '$bank', '$account', '$display', '$payer', '데모', 0)" >/dev/null
done

# The bank side: what it knows of the institution and how it answers.
printf '%s\n' "9900000001 deposit CD456" "9900000002 withdrawal CD256" "9900000003 apartment CD356" \
  "9900000002 consent QK150" "9900000003 consent QK150" >"$home/bank-institutions.txt"
printf '%s\n' "fail-ending 7 0101" >"$home/bank-rules.txt"

echo "== 송신"
fbctl run send --yes
echo "== the bank answers"
"$bin/tools/vansim/fbvan" --mailbox "$home/Van" --institutions "$home/bank-institutions.txt" \
  --rules "$home/bank-rules.txt" --notice "데모: 오늘의 송수신이 끝났습니다."
echo "== 수신"
fbctl run receive

# Tomorrow's work, awaiting sending.
fbctl batch add deposit --institution 9900000001 --date "$next" --title "연말 상여금" >/dev/null
fbctl item add deposit 2 --bank 11 --account 110-12-345678 --amount 500000 --name 홍길동 --yes >/dev/null
fbctl batch close deposit 2

echo "The demo home is $home"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "There is no display: start the program under a virtual one, xvfb-run -a $bin/src/app/fbmorv --home $home" >&2
  exit 0
fi
exec "$bin/src/app/fbmorv" --home "$home"
