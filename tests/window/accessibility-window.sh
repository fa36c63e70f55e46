#!/usr/bin/env bash
# What a screen reader finds in the real window program, under Xvfb on a
# D-Bus session of its own with the accessibility bus (AT-SPI): on every
# screen of the customer edition and on the shop's summary, every shown
# control with its role and a name, the boxes labelled by their labels, the
# radio buttons as radio buttons named by their group, each screen a window
# named by its caption, read in the order Tab walks it; and the keyboard in
# the dialogs: Tab stays inside, Esc or Enter answers, the focus comes back
# to the control that opened it.
#   accessibility-window.sh SCANFEE [OUTDIR]   (OUTDIR keeps the trees read)
set -euo pipefail
python=/usr/bin/python3
if ! command -v dbus-run-session >/dev/null || ! "$python" -c 'import pyatspi' 2>/dev/null; then
  echo "accessibility-window: skipped, needs dbus-run-session, at-spi2-core and python3-pyatspi"
  exit 77
fi
[ -n "${SCANFEE_OWN_BUS:-}" ] || SCANFEE_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
scanfee=$1 outdir=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
data=$(cd "$here/../screenshots/data" && pwd)
work=$(mktemp -d)
source "$here/x11-session.sh"
start_x
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
[ -z "$outdir" ] || mkdir -p "$outdir"
tree="${outdir:-$work}/accessibility-tree.txt"
rm -f "$tree"

check() { "$python" "$here/atspi_check.py" "$@" || fail "$1 \"$3\" (the tree read so far: $tree)"; }
screen() { check screen "$@" --dump "$tree"; }

open_file() {
  local dialog
  dialog=$(window "データファイルの読み込み")
  type_into "$dialog" "$1"
  keys "$dialog" Return
  wait_gone "$dialog"
}

start_program --edition customer --today 2016/04/29
summary=$(window "ミクリ計算総合")
screen "$summary" "ミクリ計算総合画面" --labels 15 --heading "作業代小計" --tab

# A refused coupon: the message box is an alert that says why; Enter
# answers it and the focus is back in the coupon box.
click "$summary" 70 236
type_into "$summary" 1
keys "$summary" Return
refusal=$(window "入力エラーメッセージ")
check dialog "$refusal" "入力エラーメッセージ" "ミクリ計算総合" "割引券番号" Return --tabs 3 --alert "割引券"

# ロード: Tab goes round the file dialog, Esc cancels it, the focus is back
# on the button; then the sample order.
click "$summary" 488 28
load=$(window "データファイルの読み込み")
check dialog "$load" "データファイルの読み込み" "ミクリ計算総合" "ロード" Escape --tabs 14
click "$summary" 488 28
open_file "$data/order.SAV"
summary=$(window "ミクリ計算総合")

click "$summary" 132 52 # コミックの申込資料作成
list=$(window "コミック　申込資料作成画面")
screen "$list" "コミック　申込資料作成画面" --labels 2 --tab

click "$list" 120 112 # the first title (a comic: no price, pages or kind of book)
entry=$(window "タイトル別")
screen "$entry" "タイトル別" --tab --labelled "タイトル" \
  --radio "解体のみ=作業内容の指定" --radio "解体・データ化再製本=作業内容の指定" \
  --value "取り込み解像度=dpi"
click "$entry" 584 412 # 終　了
list=$(window "コミック　申込資料作成画面")

click "$list" 124 20 # ユーザーデータからタイトル名取得
open_file "$data/books.csv"
import_screen=$(window "ユーザーデータの読み込み")
screen "$import_screen" "ユーザーデータの読み込み" --tab --labelled "元データの項目" --labelled "抽出タイトル部"
click "$import_screen" 452 316 # キャンセル
list=$(window "コミック　申込資料作成画面")
click "$list" 540 24 # 総合画面に戻る
summary=$(window "ミクリ計算総合")

# 申込用データ出力: the notice goes round its two buttons and Esc answers
# it; the mail attachment is not written; the statement is shown.
click "$summary" 544 60
notice=$(window "お知らせ")
check dialog "$notice" "お知らせ" "ミクリ計算総合" - Escape --tabs 4
keys "$(window "作業代明細書出力のお知らせ")" Return
statement=$(window "料金明細")
screen "$statement" "料金明細" --tab
kill_program

start_program --edition shop --today 2016/04/29
summary=$(window "ミクリ計算総合")
screen "$summary" "ミクリ計算総合編集画面" --labels 22 --heading "作業代小計" --tab \
  --labelled "前受け金" --labelled "調整割引" --labelled "お客様の氏名"
kill_program

echo "accessibility-window: all checks passed ($(grep -c '^  ' "$tree") controls read)"
