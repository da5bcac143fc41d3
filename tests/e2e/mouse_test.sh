#!/usr/bin/env bash
# The real Rublet.exe under Wine, driven with the mouse and keyboard through
# xdotool on the sandbox's display: the program menu, exit, the Recycle Bin
# menu and dragging. Run by CTest inside scripts/test's sandbox.
#   mouse_test.sh <folder of Rublet.exe>
set -uo pipefail
: "${RUBLET_SANDBOX:?run the tests with scripts/test}"
source_dir=$1
. "$(dirname "$0")/../../scripts/wine-sandbox"
wine_choose_loader 2>/dev/null
if ! wine_runs_program "$source_dir/Rublet.exe"; then
  echo "Skipped: Rublet.exe is a 32-bit program. $RUBLET_WINE_WHY."
  exit 77
fi
name=$(basename "$(dirname "$source_dir")")-mouse
target=$RUBLET_SANDBOX/work/bin/$name
mkdir -p "$target"
cp "$source_dir/Rublet.exe" "$source_dir/Rublet.bmp" "$target/"
shots=${RUBLET_SCREENSHOTS:-$RUBLET_SANDBOX/work/screenshots}
mkdir -p "$shots"
passed=0 failed=0

check() {  # description, expected, actual
  if [ "$2" = "$3" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $1: expected '$2', got '$3'"
  fi
}

check_between() {  # description, low, high, actual
  if [ -n "$4" ] && [ "$4" -ge "$2" ] && [ "$4" -le "$3" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $1: expected $2 to $3, got '$4'"
  fi
}

stored() {
  wine reg query 'HKCU\Software\Rublet\setting' /v "$1" 2>/dev/null | tr -d '\r' | awk -v key="$1" '$1 == key { print $3 }'
}

start_rublet() {
  wine "T:\\bin\\$name\\Rublet.exe" >/dev/null 2>&1 &
  rublet=$!
  for _ in $(seq 1 100); do
    window=$(xdotool search --class 'rublet.exe' 2>/dev/null | head -1)
    [ -n "$window" ] && break
    sleep 0.1
  done
  sleep 1
}

ended() {
  for _ in $(seq 1 100); do
    kill -0 "$rublet" 2>/dev/null || return 0
    sleep 0.1
  done
  kill "$rublet" 2>/dev/null
  return 1
}

wine reg delete 'HKCU\Software\Rublet' /f >/dev/null 2>&1

# The bin starts at the middle of the 1024 x 768 screen: (512, 384).
start_rublet
xdotool mousemove 528 400 click 3
sleep 1
import -display "$DISPLAY" -window root "$shots/program-menu.png"
# The last item of the program menu is "終了".
xdotool key Up
sleep 0.3
xdotool key Return
ended && check "終了 ends the program" yes yes || check "終了 ends the program" yes no
check "Defleft stored at exit" 7680 "$(stored Defleft)"
check "Deftop stored at exit" 5760 "$(stored Deftop)"

# A left-button drag moves the window by the distance dragged.
start_rublet
xdotool mousemove 528 400
sleep 0.3
xdotool mousedown 1
sleep 0.3
# Small steps, as a hand moves: 40 pixels right and 20 down.
for _ in $(seq 1 20); do
  xdotool mousemove_relative -- 2 1
  sleep 0.15
done
xdotool mouseup 1
sleep 0.5
# A click and a double-click without movement do not move it.
xdotool mousemove 568 420 click 1
sleep 0.3
xdotool click --repeat 2 --delay 80 1
sleep 1
import -display "$DISPLAY" -window root "$shots/trash-menu.png"
xdotool key Escape
sleep 0.3
xdotool mousemove 568 420 click 3
sleep 0.5
xdotool key Up
sleep 0.3
xdotool key Return
ended && check "終了 after the drag" yes yes || check "終了 after the drag" yes no
# The move loop starts from where the pointer is once the first movement
# has been seen, so the window may trail the pointer by that first step.
check_between "Defleft after the drag" $(((512 + 38) * 15)) $(((512 + 40) * 15)) "$(stored Defleft)"
check_between "Deftop after the drag" $(((384 + 19) * 15)) $(((384 + 20) * 15)) "$(stored Deftop)"

echo "mouse: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
