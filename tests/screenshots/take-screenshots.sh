#!/usr/bin/env bash
# Screenshots of the real window program: starts an X server of its own
# (Xvfb), runs scanfee in both editions, reaches every screen through the
# program's own buttons and dialogs as a user would, and saves each window
# as a PNG in OUTDIR. The shop's power of attorney, written on the way, is
# printed with --print-pdf and its first page saved as a PNG as well. Then
# runs the layout test on the same X server.
#   take-screenshots.sh SCANFEE LAYOUT_TEST OUTDIR [GUIDE_IMAGES]
# With GUIDE_IMAGES (docs/images) it also checks that the guide's pictures
# still show the program as it is (tools/update-guide-images.sh renews them).
# Exits 77 (skipped) when Xvfb, xdotool, ImageMagick or pdftoppm is missing.
set -euo pipefail
scanfee=$1 layout_test=$2 outdir=$3 guide_images=${4:-}
data=$(cd "$(dirname "$0")/data" && pwd)

for tool in Xvfb xdotool import identify pdftoppm; do
  if ! command -v "$tool" >/dev/null; then
    echo "screenshots: skipped, $tool is not installed (xvfb, xdotool, imagemagick, poppler-utils)"
    exit 77
  fi
done

work=$(mktemp -d)
source "$(cd "$(dirname "$0")/../window" && pwd)/x11-session.sh"
start_x 1280x1024x24
cp "$data/order.SAV" "$data/shop-order.SAV" "$data/books.csv" "$work/"
rm -rf "$outdir" && mkdir -p "$outdir"

# Answers a dialog the program opened on the way: OK to its notices, cancel
# to the save dialogs and the application number, but the power of
# attorney is kept under a name typed over the proposed one. True if there
# was one.
answer_dialog() {
  local w name key
  for w in $(visible_windows); do
    name=$(xdotool getwindowname "$w" 2>/dev/null) || continue
    case $name in
      *お知らせ*|*チェック*) key=Return ;;
      複写作業の為の委任状の出力)
        xdotool windowfocus --sync "$w"
        xdotool type --delay 10 "$work/attorney"
        xdotool key Return
        wait_gone "$w"
        return 0 ;;
      *の出力|申込み番号の登録) key=Escape ;;
      *) continue ;;
    esac
    xdotool windowfocus --sync "$w"
    xdotool key "$key"
    wait_gone "$w"
    return 0
  done
  return 1
}

# The window whose caption matches $1, once no dialog is in front of it.
window() {
  local w
  for _ in $(seq 150); do
    if ! answer_dialog; then
      w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
      if [ -n "$w" ]; then echo "$w"; return 0; fi
    fi
    sleep 0.1
  done
  [ -z "$program_pid" ] || kill -0 "$program_pid" 2>/dev/null || fail "the program ended: $(cat "$work"/*.log)"
  fail "no window \"$1\" (open: $(for w in $(visible_windows); do xdotool getwindowname "$w"; done | tr '\n' '|'))"
}

# A click at a point of the window, in design pixels; the pointer then
# leaves the windows so that no button is shown hovered.
click() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  xdotool mousemove 1279 1023
}

# Types a path into the file dialog that opens and accepts it.
open_file() {
  local dialog
  dialog=$(window "データファイルの読み込み")
  xdotool windowfocus --sync "$dialog"
  xdotool type --delay 10 "$1"
  xdotool key Return
  wait_gone "$dialog"
}

shot() {
  local w=$1 file="$outdir/$2.png" colours size differ
  # The window is taken once two captures in a row agree: a busy machine
  # may still be repainting what the last keys and clicks changed.
  sleep 0.2
  import -window "$w" "$file"
  for _ in $(seq 30); do
    sleep 0.15
    import -window "$w" "$work/again.png"
    differ=$(compare -metric AE "$file" "$work/again.png" null: 2>&1 || true)
    mv "$work/again.png" "$file"
    [ "$differ" != 0 ] || break
  done
  colours=$(identify -format %k "$file")
  size=$(identify -format %wx%h "$file")
  [ "$colours" -gt 2 ] || fail "$2.png is blank ($colours colours)"
  local geometry
  geometry=$(xdotool getwindowgeometry "$w" | sed -n 's/ *Geometry: //p')
  [ "$size" = "$geometry" ] || fail "$2.png is $size, its window $geometry"
  echo "screenshots: $2.png $size, $colours colours"
}

for edition in customer shop; do
  start_program --edition "$edition" --today 2016/04/29
  summary=$(window "ミクリ計算総合")

  # ロード: the sample order; the shop's as the shop saved it, with the
  # customer's name and an advance (xdotool may lose a Japanese character
  # it types on a busy machine, which would change the picture).
  click "$summary" 488 28
  if [ "$edition" = shop ]; then open_file "$work/shop-order.SAV"; else open_file "$work/order.SAV"; fi
  summary=$(window "ミクリ計算総合")
  shot "$summary" "$edition-summary"

  click "$summary" 132 52      # コミックの申込資料作成
  list=$(window "コミック　申込資料作成画面")
  shot "$list" "$edition-title-list"

  click "$list" 120 112        # the first title
  entry=$(window "タイトル別")
  shot "$entry" "$edition-entry"
  click "$entry" 584 412       # 終　了
  list=$(window "コミック　申込資料作成画面")

  click "$list" 124 20         # ユーザーデータからタイトル名取得
  open_file "$work/books.csv"
  import_screen=$(window "ユーザーデータの読み込み")
  # The second row, 書名, then 巻, which takes its place.
  click "$import_screen" 80 89
  click "$import_screen" 264 84    # →
  click "$import_screen" 80 89
  click "$import_screen" 264 84    # →
  shot "$import_screen" "$edition-import"
  click "$import_screen" 452 316   # キャンセル
  list=$(window "コミック　申込資料作成画面")

  click "$list" 540 24         # 総合画面に戻る
  summary=$(window "ミクリ計算総合")
  click "$summary" 544 60      # 申込用データ出力: the papers cancelled, the statement shown
  statement=$(window "料金明細")
  shot "$statement" "$edition-statement"
  click "$statement" 744 20    # 終了: the fee breakdown
  sleep 0.2
  shot "$statement" "$edition-breakdown"
  click "$statement" 744 20    # 終了: closes the statement screen
  wait_gone "$statement"

  summary=$(window "ミクリ計算総合")
  click "$summary" 544 336     # 終　　　了
  for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.05; done
  if kill -0 "$program_pid" 2>/dev/null; then fail "the $edition edition did not end with its end button"; fi
  wait "$program_pid" || fail "the $edition edition ended with status $?: $(cat "$work/program.log")"
  program_pid=""
done

# The power of attorney: the typed name replaced the proposed "委任状" and
# kept its ".TXT"; printed as Ctrl+P prints it.
[ -f "$work/attorney.TXT" ] || fail "the power of attorney was not saved as attorney.TXT: $(ls "$work")"
"$scanfee" --print-pdf "$work/attorney.TXT" "$work/attorney.pdf" 2>"$work/print.log" \
  || fail "--print-pdf failed: $(cat "$work/print.log")"
pdftoppm -png -r 72 -f 1 -l 1 -singlefile "$work/attorney.pdf" "$outdir/shop-attorney-print"
echo "screenshots: shop-attorney-print.png $(identify -format %wx%h "$outdir/shop-attorney-print.png")"

"$layout_test"

if [ -n "$guide_images" ]; then
  stale=0
  for file in "$outdir"/*.png; do
    name=$(basename "$file")
    [[ $name != *-differs.png ]] || continue
    if [ ! -f "$guide_images/$name" ]; then
      echo "screenshots: $guide_images/$name is missing" >&2; stale=1; continue
    fi
    # A few pixels may differ (a text cursor); a changed screen differs in many.
    differ=$(compare -metric AE -fuzz 10% "$file" "$guide_images/$name" null: 2>&1 || true)
    if ! [ "$differ" -le 100 ] 2>/dev/null; then
      compare -fuzz 10% "$file" "$guide_images/$name" "$outdir/${name%.png}-differs.png" 2>/dev/null || true
      echo "screenshots: $guide_images/$name differs from the program ($differ pixels," \
           "marked in $outdir/${name%.png}-differs.png)" >&2
      stale=1
    fi
  done
  [ $stale -eq 0 ] || fail "the guide's pictures are out of date: run tools/update-guide-images.sh"
  echo "screenshots: the guide's pictures match the program"
fi
