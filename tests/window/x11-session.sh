# Helpers for tests that drive the real window program on an X server of
# their own (Xvfb) with xdotool, as a user would. Sourced by the scripts
# beside it; `work` must name a scratch folder first.
# Exits 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.

for tool in Xvfb xdotool import; do
  if ! command -v "$tool" >/dev/null; then
    echo "$(basename "$0"): skipped, $tool is not installed (xvfb, xdotool, imagemagick)"
    exit 77
  fi
done

xvfb_pid="" program_pid=""
x_cleanup() {
  [ -z "$program_pid" ] || kill -KILL "$program_pid" 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap x_cleanup EXIT

fail() { echo "$(basename "$0"): $*" >&2; exit 1; }

# An X server of the given size on a free display, and a home of its own.
start_x() {
  Xvfb -displayfd 3 -screen 0 "${1:-1280x1024x24}" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
  [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(head -1 "$work/display")" QT_QPA_PLATFORM=xcb
  export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
  unset XDG_STATE_HOME
  mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
}

visible_windows() { xdotool search --onlyvisible --name . 2>/dev/null || true; }

wait_gone() {
  for _ in $(seq 150); do
    visible_windows | grep -qx "$1" || return 0
    sleep 0.1
  done
  fail "window $1 ($(xdotool getwindowname "$1")) stays open"
}

# The first visible window whose caption matches $1.
window() {
  local w
  for _ in $(seq 150); do
    w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    if [ -n "$w" ]; then echo "$w"; return 0; fi
    [ -z "$program_pid" ] || kill -0 "$program_pid" 2>/dev/null || fail "the program ended while waiting for \"$1\""
    sleep 0.1
  done
  fail "no window \"$1\" (open: $(for w in $(visible_windows); do xdotool getwindowname "$w"; done | tr '\n' '|'))"
}

# A click at a point of the window, in design pixels.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# Keys and text into a window, once it has the focus.
keys() { local w=$1; shift; xdotool windowfocus --sync "$w"; xdotool key "$@"; }
type_into() { xdotool windowfocus --sync "$1"; xdotool type --delay 40 "$2"; }

# Starts `scanfee ARGS...` and waits for its summary screen. A client that
# connects while the X server is busy can be refused and end at once; then
# it is started again.
start_program() {
  for attempt in 1 2 3; do
    "$scanfee" "$@" >"$work/program.log" 2>&1 &
    program_pid=$!
    for _ in $(seq 150); do
      [ -z "$(xdotool search --onlyvisible --name "ミクリ計算総合" 2>/dev/null)" ] || return 0
      kill -0 "$program_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -0 "$program_pid" 2>/dev/null && return 0
    echo "the program ended at its start (attempt $attempt): $(cat "$work/program.log")" >&2
    sleep 0.5
  done
  program_pid=""
  fail "the program does not start"
}

# Ends the program as a power cut or a crash would.
kill_program() {
  { kill -KILL "$program_pid" && wait "$program_pid"; } 2>/dev/null || true
  program_pid=""
}

# Waits until the program has ended by itself.
wait_ended() {
  for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || { program_pid=""; return 0; }; sleep 0.05; done
  fail "the program did not end"
}
