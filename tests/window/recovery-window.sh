#!/usr/bin/env bash
# The recovery copy of the real window program under Xvfb: an order typed and
# then ended with the end button, or killed while a title is being entered,
# comes back whole at the next start after one question; No discards it.
#   recovery-window.sh SCANFEE [OUTDIR]   (OUTDIR keeps the question's picture)
set -euo pipefail
scanfee=$1 outdir=${2:-}
work=$(mktemp -d)
source "$(dirname "$0")/x11-session.sh"
start_x
state="$HOME/.local/state/scanfee"

# Enters a comic title on the title list that is open, by keyboard alone.
enter_title() {
  local list=$1 entry
  click "$list" 120 112 # タイトルを追加 (the first free row)
  entry=$(window "タイトル別")
  type_into "$entry" "$2"
  echo "$entry"
}

# Saves the order on screen as $1 through "セーブ".
save_as() {
  local summary dialog
  summary=$(window "ミクリ計算総合")
  click "$summary" 572 28 # セーブ
  dialog=$(window "申込みデータの保存")
  type_into "$dialog" "$1"
  keys "$dialog" Return
  wait_gone "$dialog"
  for _ in $(seq 50); do [ -s "$1.SAV" ] && return 0; sleep 0.1; done
  fail "not saved as $1.SAV"
}

answer_question() {
  local question
  question=$(window "注文の控え")
  [ -z "$outdir" ] || { mkdir -p "$outdir"; sleep 0.3; import -window "$question" "$outdir/recovery-question.png"; }
  keys "$question" "$1"
  wait_gone "$question"
}

# 1. Typed, then ended with the end button.
start_program --edition customer --today 2016/04/29
summary=$(window "ミクリ計算総合")
click "$summary" 132 52 # コミックの申込資料作成
list=$(window "コミック　申込資料作成画面")
entry=$(enter_title "$list" "ONE PIECE 1")
click "$entry" 584 412 # 終　了
list=$(window "コミック　申込資料作成画面")
entry=$(enter_title "$list" "NARUTO 2")
click "$entry" 584 412
list=$(window "コミック　申込資料作成画面")
click "$list" 540 24 # 総合画面に戻る
summary=$(window "ミクリ計算総合")
click "$summary" 544 336 # 終　　　了: ends at once, asks nothing
wait_ended
[ -s "$state/customer.SAV" ] || fail "no recovery copy after the end button"
cp "$state/customer.SAV" "$work/left.SAV"

start_program --edition customer --today 2016/04/29
answer_question Return # はい
save_as "$work/restored"
cmp "$work/restored.SAV" "$work/left.SAV" || fail "the order did not come back whole"
summary=$(window "ミクリ計算総合")
click "$summary" 544 336
wait_ended
[ ! -e "$state/customer.SAV" ] || fail "a saved order left its copy"

# 2. Killed while a title is being entered; the next start is not asked
#    about the saved order, then the killed one comes back.
start_program --edition customer --today 2016/04/29
summary=$(window "ミクリ計算総合")
[ -z "$(xdotool search --onlyvisible --name "注文の控え" 2>/dev/null)" ] || fail "asked about a saved order"
click "$summary" 132 52
list=$(window "コミック　申込資料作成画面")
entry=$(enter_title "$list" "BLEACH 3")
for _ in $(seq 50); do grep -q "BLEACH 3" "$state/customer.SAV" 2>/dev/null && break; sleep 0.1; done
kill_program

start_program --edition customer --today 2016/04/29
answer_question Return
save_as "$work/killed"
grep -q "^013,0000,156,0,BLEACH 3"$'\r'"$" "$work/killed.SAV" || fail "the title being entered was lost: $(cat "$work/killed.SAV")"
summary=$(window "ミクリ計算総合")
click "$summary" 544 336
wait_ended

# 3. No discards the copy: the order stays empty and the next start asks nothing.
start_program --edition customer --today 2016/04/29
summary=$(window "ミクリ計算総合")
click "$summary" 132 52
list=$(window "コミック　申込資料作成画面")
entry=$(enter_title "$list" "DISCARD ME")
kill_program
start_program --edition customer --today 2016/04/29
answer_question alt+n # いいえ
[ ! -e "$state/customer.SAV" ] || fail "No left the copy"
summary=$(window "ミクリ計算総合")
click "$summary" 544 336
wait_ended
echo "recovery-window: all checks passed"
