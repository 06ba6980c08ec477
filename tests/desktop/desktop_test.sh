#!/usr/bin/env bash
# The real program on a real desktop: an X server at a laptop's 1366 x 768 and
# at 1920 x 1080, a real window manager (openbox), real close requests and
# real clicks.
#
#   desktop_test.sh EDITOR DRIVER
#
# At 1366 x 768: every window lies wholly on the screen; close requests (the
# window manager's close, Alt+F4) to the main window and the cross-section
# panel are refused; the map and list windows close and the program keeps
# running; clicks digitise a line and "Write && End" writes exactly that line
# to the documents folder. At 1920 x 1080: the windows open at their designed
# places.
set -uo pipefail

editor=$(realpath "$1")
driver=$(realpath "$2")
for tool in Xvfb openbox xdotool wmctrl xprop xwininfo; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run tools/install-deps.sh"; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# Polls a command for up to $1 seconds.
within() {
  local limit=$1; shift
  local end=$((SECONDS + limit))
  until "$@"; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.1
  done
}

# The client areas of the shown windows as the layout tables design them,
# in pixels: title, left, top, width, height.
designed=(
  "Vrex graphics|464|115|962|606"
  "Vrex --- Cross section|94|478|1152|387"
  "Vrex --- Map |996|785|742|202"
  "List of|1240|501|322|256"
)

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

start_desktop() { # WIDTHxHEIGHT
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  exec 3>&-
  within 10 test -s "$work/display" || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
  export DISPLAY=":$(cat "$work/display")"
  : >"$work/display"
  openbox >"$work/openbox.log" 2>&1 &
  pids+=($!)
  within 10 wm_running || { echo "openbox did not start"; cat "$work/openbox.log"; exit 1; }
}

stop_desktop() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  pids=()
}

start_editor() {
  export HOME="$work/home"
  unset USERPROFILE XDG_CONFIG_HOME
  export QT_QPA_PLATFORM=xcb # the real desktop, whatever the other tests run on
  mkdir -p "$HOME/Documents"
  "$editor" >"$work/editor.log" 2>&1 &
  editor_pid=$!
  pids+=($editor_pid)
  within 15 eval '[ "$(wmctrl -l | wc -l)" -ge 4 ]' || { echo "the four windows did not open"; wmctrl -l; exit 1; }
  sleep 0.5 # let the window manager frame and the program place them
}

window_id() { # exact title, trailing spaces included
  wmctrl -l | sed -nE 's/^(0x[0-9a-f]+) +[^ ]+ +[^ ]+ (.*)$/\1\t\2/p' | awk -F'\t' -v t="$1" '$2 == t { print $1 }'
}

# Client position and size, then the frame's left, right, top, bottom.
client_geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}
frame_extents() {
  xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g'
}

check_on_screen() { # WIDTH HEIGHT
  local entry title id x y w h l r t b
  for entry in "${designed[@]}"; do
    IFS='|' read -r title _ _ _ _ <<<"$entry"
    id=$(window_id "$title")
    [ -n "$id" ] || { fail "no window \"$title\""; continue; }
    read -r x y w h < <(client_geometry "$id")
    read -r l r t b < <(frame_extents "$id")
    if [ $((x - l)) -lt 0 ] || [ $((y - t)) -lt 0 ] || [ $((x + w + r)) -gt "$1" ] || [ $((y + h + b)) -gt "$2" ]; then
      fail "\"$title\" is not wholly on the $1 x $2 screen: frame from $((x - l)),$((y - t)) to $((x + w + r)),$((y + h + b))"
    fi
  done
}

check_designed_places() {
  local entry title left top width height id x y w h
  for entry in "${designed[@]}"; do
    IFS='|' read -r title left top width height <<<"$entry"
    id=$(window_id "$title")
    [ -n "$id" ] || { fail "no window \"$title\""; continue; }
    read -r x y w h < <(client_geometry "$id")
    [ "$x $y $w $h" = "$left $top $width $height" ] ||
      fail "\"$title\" at $x,$y ${w}x$h, designed at $left,$top ${width}x$height"
  done
}

# A real click at a point of a window's client area.
click_in() { # title x y
  local id x y w h
  id=$(window_id "$1")
  wmctrl -i -a "$id"
  sleep 0.3
  read -r x y w h < <(client_geometry "$id")
  xdotool mousemove --sync $((x + $2)) $((y + $3)) click 1
  sleep 0.2
}

# --- A laptop's screen -------------------------------------------------------
start_desktop 1366x768
start_editor
check_on_screen 1366 768
[ "$(xdotool getactivewindow getwindowname)" = "Vrex graphics" ] || fail "the main window is not the active one"

main=$(window_id "Vrex graphics")
panel=$(window_id "Vrex --- Cross section")
wmctrl -i -c "$main"
wmctrl -i -c "$panel"
wmctrl -i -a "$main"
sleep 0.3
xdotool key --clearmodifiers alt+F4
sleep 1
[ -n "$(window_id "Vrex graphics")" ] || fail "a close request closed the main window"
[ -n "$(window_id "Vrex --- Cross section")" ] || fail "a close request closed the cross-section panel"

wmctrl -i -c "$(window_id "Vrex --- Map ")"
wmctrl -i -c "$(window_id "List of")"
within 5 eval '[ -z "$(window_id "Vrex --- Map ")" ] && [ -z "$(window_id "List of")" ]' ||
  fail "the map and list windows did not close"
sleep 0.5
kill -0 "$editor_pid" 2>/dev/null || fail "the program ended when windows were closed"

# Digitise a line through real clicks: the canvas's drawing area starts at
# (56, 128) of the main window; the command row is at y 98 to 120.
click_in "Vrex graphics" 68 109 # "Add a new line"
for p in "120 45" "300 60" "260 190"; do
  read -r px py <<<"$p"
  click_in "Vrex graphics" $((56 + px)) $((128 + py))
done
click_in "Vrex graphics" 351 109 # "Done adding Line"
click_in "Vrex --- Cross section" 749 225 # "Write && End"
within 10 eval '! kill -0 "$editor_pid" 2>/dev/null' || fail "\"Write && End\" did not end the program"
wait "$editor_pid"
status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"

# The same line drawn through the driver gives the file to expect.
mkdir -p "$work/expected/My Documents"
cat >"$work/one_line.vrs" <<'EOF'
click Button1_NewRenameLeft_8cbn
tap 120 45 1
tap 300 60 1
tap 260 190 1
click Button3_EditDone_8cbn
click End8cbn
EOF
(USERPROFILE="$work/expected" QT_QPA_PLATFORM=offscreen "$driver" "$work/one_line.vrs" >/dev/null)
written="$HOME/Documents/Vrex-CAD-float.csv"
if [ ! -f "$written" ]; then
  fail "no export file in $HOME/Documents"
elif ! cmp -s "$work/expected/My Documents/Vrex-CAD-float.csv" "$written"; then
  fail "the export file is not the drawn line"
  diff <(tr -d '\r' <"$work/expected/My Documents/Vrex-CAD-float.csv") <(tr -d '\r' <"$written") | head -20
fi
stop_desktop

# --- A screen where the designed places fit --------------------------------
start_desktop 1920x1080
start_editor
check_on_screen 1920 1080
check_designed_places
stop_desktop

[ "$failed" -eq 0 ] && echo "desktop test passed"
exit "$failed"
