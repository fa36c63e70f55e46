#!/usr/bin/env bash
# The recovery copy through the driver: a session killed with SIGKILL
# part-way is offered back whole at the next start; Yes restores it, No
# discards it; a saved order is not offered; a damaged copy is set aside
# with a message. Usage: recovery.sh WORKDIR DRIVER [DRIVER ARGS...]
set -euo pipefail
work=$1
shift
driver=("$@" --today 2016/04/29)
rm -rf "$work"
mkdir -p "$work"
cd "$work"
state="$work/state"
fail() { echo "FAIL: $*" >&2; exit 1; }

# The first session is fed through a pipe and killed once its order stands.
mkfifo script.fifo
"${driver[@]}" --recovery "$state" <script.fifo >first.out 2>first.err &
pid=$!
exec 3>script.fifo
send() { printf '%s\n' "$@" >&3; }
await() {  # waits until the session's output holds $1
  for _ in $(seq 1 500); do
    grep -qF -- "$1" first.out 2>/dev/null && return 0
    kill -0 "$pid" 2>/dev/null || fail "the session ended early: $(cat first.err)"
    sleep 0.02
  done
  fail "the session never printed $1"
}
send "click BUTTON5" "select LIST1 0" "type EDIT1 ONE PIECE 1" "click CHECK1" \
     "scroll HSCROLL1 300" "click BUTTON14" "select LIST1 1" "type EDIT1 NARUTO 2" \
     "click BUTTON14" "click BUTTON11" "type COMBO1 1612310042" "click BUTTON15" \
     "var GRAND_TOTAL" "var TITLE(1,0)"
await "NARUTO 2"  # every command before it was played
total=$(sed -n '1p' first.out)
# The title being entered when the power goes is kept too.
send "click BUTTON5" "select LIST1 2" "type EDIT1 BLEACH 3" "print EDIT1"
await "BLEACH 3"
{ kill -KILL "$pid" && wait "$pid"; } 2>/dev/null || true
exec 3>&-
[ -s "$state/customer.SAV" ] || fail "no copy after the kill"

# The next start asks once; Yes brings the whole order back.
printf '%s\n' "answer yes" "var TITLECOUNT(0)" "var TITLE(0,0)" "var DPI(0,0)" \
  "var OPT_EDIT(0,0)" "var TITLE(2,0)" "var COUPON(0)" "var GRAND_TOTAL" >yes.run
"${driver[@]}" --recovery "$state" yes.run >yes.out
grep -q '^msgbox|注文の控え|.*タイトル 3 件、割引券 1 枚.*|yesno|question -> yes$' yes.out \
  || fail "no question: $(cat yes.out)"
expected="3
ONE PIECE 1
300
1
BLEACH 3
1612310042"
[ "$(sed -n '2,7p' yes.out)" = "$expected" ] || fail "restored order: $(cat yes.out)"
[ "$(sed -n '8p' yes.out)" != "$total" ] || fail "the third title was not priced"

# Restored is not saved: the next start asks again; No discards the copy.
printf '%s\n' "answer no" "var TITLECOUNT(0)" >no.run
"${driver[@]}" --recovery "$state" no.run >no.out
grep -q '^msgbox|注文の控え|.*-> no$' no.out || fail "no second question: $(cat no.out)"
[ "$(sed -n '2p' no.out)" = "0" ] || fail "No kept the order: $(cat no.out)"
[ ! -e "$state/customer.SAV" ] || fail "No left the copy"
printf '%s\n' "var TITLECOUNT(0)" >quiet.run
"${driver[@]}" --recovery "$state" quiet.run >quiet.out
[ "$(cat quiet.out)" = "0" ] || fail "asked without a copy: $(cat quiet.out)"

# A saved order is not offered.
printf '%s\n' "click BUTTON5" "select LIST1 0" "type EDIT1 SAVED" "click BUTTON14" \
  "click BUTTON11" "answer file $work/order" "click BUTTON3" "click BUTTON1" >save.run
"${driver[@]}" --recovery "$state" save.run >save.out
[ -s "$work/order.SAV" ] || fail "not saved"
"${driver[@]}" --recovery "$state" quiet.run >saved.out
[ "$(cat saved.out)" = "0" ] || fail "a saved order was offered: $(cat saved.out)"

# A damaged copy is named, set aside, and the run goes on.
printf 'not an order\r\n' >"$state/customer.SAV"
printf '%s\n' "answer ok" "var TITLECOUNT(0)" >damaged.run
"${driver[@]}" --recovery "$state" damaged.run >damaged.out
grep -q "^msgbox|注文の控え|前回の注文の控えを読み込めませんでした。.*customer-damaged-1.SAV|ok|exclamation -> ok$" damaged.out \
  || fail "damaged copy: $(cat damaged.out)"
[ -f "$state/customer-damaged-1.SAV" ] && [ ! -e "$state/customer.SAV" ] || fail "not set aside"

# Without --recovery nothing is kept anywhere.
rm -rf "$state"
printf '%s\n' "click BUTTON5" "select LIST1 0" "type EDIT1 X" >plain.run
XDG_STATE_HOME="$work/xdg" HOME="$work/home" "${driver[@]}" plain.run >/dev/null
[ ! -e "$state" ] && [ ! -e "$work/xdg" ] && [ ! -e "$work/home" ] || fail "a copy without --recovery"
# Named pipes where the program's files belong never block: the lock of
# the copy, an order file, a title list. Each is refused at once by name.
mkdir -p "$state" && mkfifo "$state/customer.lock" pipe.SAV pipe.csv
printf '%s\n' "answer ok" "answer file pipe.SAV" "answer ok" "click BUTTON4" \
  "click BUTTON5" "answer file pipe.csv" "answer ok" "click BUTTON10" "var TITLECOUNT(0)" >pipes.run
timeout 20 "${driver[@]}" --recovery "$state" pipes.run >pipes.out || fail "pipes blocked: $(cat pipes.out)"
[ "$(grep -c '普通のファイルではありません' pipes.out)" = 3 ] || fail "pipes: $(cat pipes.out)"
[ "$(tail -1 pipes.out)" = 0 ] || fail "pipes changed the order: $(cat pipes.out)"
echo "recovery: all checks passed"
