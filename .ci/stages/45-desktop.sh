#!/usr/bin/env bash
# The program on a real desktop: openbox on a virtual X screen, worked with
# real key and mouse events, checked with what the X server says:
# - the window comes back where the user left it: its frame stands at the
#   saved place after each of three restarts (closed by Alt+F4, by the close
#   box, by Alt+F4), also with the title bar at the top edge of the screen;
#   a saved place that hides the title bar comes back with the title bar on
#   the screen;
# - each close writes the settings file with the frame's place, and the
#   process has ended within 1 s of its window going;
# - About stays above the main window when the user clicks the main window,
#   and the message of its System Info button stays above About and is
#   painted;
# - a long paste into the cash-flow editor shows a painted progress dialog
#   above the main window, which keeps the keyboard: a key typed meanwhile
#   lands once the work is done;
# - screenshots of the main window, the open cash-flow editor, About, a
#   message box and the help viewer, kept in $BUILD_DIR/desktop-screenshots.
# Uses the build tree that scripts/test made (build/, or $QUORVEL_BUILD_DIR).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
source scripts/lib.sh
source .ci/x11.sh

ensure_packages xvfb xauth xdotool xclip x11-utils netpbm imagemagick procps openbox

started=$(date +%s%N)
note() { printf '45-desktop: [%5.1f s] %s\n' "$((($(date +%s%N) - started) / 1000000))e-3" "$*"; }

program=$BUILD_DIR/bin/quorvel-calculator
help_file=$BUILD_DIR/bin/CalcHelp.chm
shots=$BUILD_DIR/desktop-screenshots
[ -x "$program" ] || { echo "45-desktop: FAILED: $program is not built (run scripts/test)" >&2; exit 1; }
[ -f "$help_file" ] || { echo "45-desktop: FAILED: $help_file is not built (run scripts/test)" >&2; exit 1; }
rm -rf "$shots"
mkdir -p "$shots"

work=$(mktemp -d)
app=$work/app
home=$work/home
logs=$work/logs
mkdir -p "$app" "$home/config" "$home/cache" "$logs" "$work/wm-home"
mkdir -m 700 "$work/runtime"
cp "$program" "$help_file" "$app/"
settings=$app/QuorvelCalc.ini

xvfb_pid='' wm_pid='' pid='' clip_pid=''
cleanup() {
  local p
  for p in "$pid" "$clip_pid" "$wm_pid" "$xvfb_pid"; do stop "$p"; done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "45-desktop: FAILED: $*" >&2
  local log
  for log in program wm xvfb; do
    if [ -s "$logs/$log.log" ]; then
      echo "---- $log.log" >&2
      cat "$logs/$log.log" >&2
    fi
  done
  exit 1
}

# find_window PID TITLE SECONDS [OTHER_THAN]: a mapped window of the process
# with exactly that title (and not the window OTHER_THAN).
find_window() {
  local p=$1 title=$2 tries=$(($3 * 20)) other=${4:-} id
  while :; do
    for id in $(x xdotool search --all --pid "$p" --onlyvisible --name "^${title}\$" 2>/dev/null); do
      [ "$id" != "$other" ] || continue
      if x xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
        echo "$id"
        return 0
      fi
    done
    running "$p" || return 1
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.05
  done
}

# stacking: the managed windows, bottom to top, as decimal ids.
stacking() {
  x xprop -root _NET_CLIENT_LIST_STACKING | sed -n 's/.*# *//p' | tr ',' '\n' |
    while read -r id; do [ -n "$id" ] && printf '%d\n' "$id"; done
}
# above UPPER LOWER: UPPER stands higher than LOWER in the stacking order.
above() {
  local order
  order=$(stacking)
  local u l
  u=$(grep -nx "$1" <<<"$order" | cut -d: -f1)
  l=$(grep -nx "$2" <<<"$order" | cut -d: -f1)
  [ -n "$u" ] && [ -n "$l" ] && [ "$u" -gt "$l" ]
}
transient_for() {
  x xprop -id "$1" WM_TRANSIENT_FOR | sed -n 's/.*window id # *//p' | xargs -r printf '%d\n'
}

# shot NAME [WINDOW]: the whole screen, or one window's client area, as
# $shots/NAME.png, read with plain GetImage requests. (xwd is no use here:
# with windows in a colormap of their own it reads their area through the
# lowest window of that colormap and gets black where a higher one covers it,
# so a painted message box over About came out black.)
shot() {
  sleep 0.3  # let the last paint reach the screen
  x import -silent -window "${2:-root}" "png:$shots/$1.png" 2>/dev/null ||
    fail "could not take the screenshot $1"
  [ -s "$shots/$1.png" ] || fail "the screenshot $1 is empty"
}

# gone WINDOW: the window is no longer on the screen.
gone() { ! x xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }

# colours NAME: how many distinct colours the screenshot NAME holds.
colours() { pngtopnm "$shots/$1.png" | ppmhist -noheader | wc -l; }

activate() {
  x xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
  wait_until 2.5 has_focus "$1" || fail "window $1 did not get the keyboard focus"
}

# 1. The X server and the window manager, with Alt+F4 and the close box as
# on an ordinary desktop.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$logs/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  grep -qE '^[0-9]+$' "$work/display" 2>/dev/null && break
  running "$xvfb_pid" || fail "Xvfb did not start"
  sleep 0.1
done
grep -qE '^[0-9]+$' "$work/display" || fail "Xvfb gave no display number"
DISPLAY=:$(cat "$work/display")
export DISPLAY
unset DBUS_SESSION_BUS_ADDRESS

cat >"$work/openbox.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <placement><policy>Smart</policy></placement>
  <theme><name>Clearlooks</name><titleLayout>LC</titleLayout></theme>
  <desktops><number>1</number></desktops>
  <keyboard>
    <keybind key="A-F4"><action name="Close"/></keybind>
  </keyboard>
  <mouse>
    <context name="Titlebar">
      <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
    </context>
    <context name="Client">
      <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
    </context>
    <context name="Close">
      <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
      <mousebind button="Left" action="Click"><action name="Close"/></mousebind>
    </context>
  </mouse>
</openbox_config>
EOF
start_openbox "$work/wm-home" "$work/openbox.xml" "$logs/wm.log" || fail "openbox did not start"
note "X display $DISPLAY with openbox"

# start: runs the program; its main window's id in $main.
start() {
  env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
    XDG_RUNTIME_DIR="$work/runtime" "$app/quorvel-calculator" >"$logs/program.log" 2>&1 &
  pid=$!
  main=$(find_window "$pid" "Quorvel Calculator" 20) || fail "no main window appeared"
  # The frame is known once the window manager has framed the window.
  local _
  for _ in $(seq 40); do
    frame_position "$main" >/dev/null 2>&1 && break
    sleep 0.05
  done
}

# close_by HOW: closes the main window by Alt+F4 or its close box; checks
# that the process ends within 1 s of the window going.
close_by() {
  case $1 in
    alt+f4)
      activate "$main"
      x xdotool key alt+F4
      ;;
    close-box)
      local frame close_box
      frame=$(x xwininfo -id "$main" -children | awk '/Parent window id/{print $4}')
      # The close box: the right-most square child in the frame's title bar.
      close_box=$(x xwininfo -id "$frame" -tree | awk -v w="$(x xwininfo -id "$frame" | awk '/ Width:/{print $NF}')" '
        /^     0x/ { match($0, /[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+  \+-?[0-9]+\+-?[0-9]+$/)
                     split(substr($0, RSTART), g, /[x+ ]+/)
                     title = (g[1] >= w - 4 && g[2] >= 10 && g[2] <= 40 && g[4] <= 4); next }
        title && /^        0x/ {
          match($0, /[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+  \+-?[0-9]+\+-?[0-9]+$/)
          split(substr($0, RSTART), g, /[x+ ]+/)
          if (g[1] == g[2] && g[1] >= 6 && g[3] > best) { best = g[3]; cx = g[5] + g[1] / 2; cy = g[6] + g[2] / 2 }
        }
        END { if (best > 0) printf "%d %d\n", cx, cy }')
      [ -n "$close_box" ] || fail "no close box in the main window's title bar"
      x xdotool mousemove $close_box
      sleep 0.2
      x xdotool click 1
      ;;
  esac
  local tries=200 gone
  while x xwininfo -id "$main" 2>/dev/null | grep -q 'Map State: IsViewable'; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || fail "the main window did not close by $1"
    sleep 0.01
  done
  gone=$(date +%s%N)
  tries=300
  while running "$pid"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || fail "the program did not end after its window closed by $1"
    sleep 0.01
  done
  linger=$((($(date +%s%N) - gone) / 1000000))
  local status=0
  wait "$pid" || status=$?
  pid=
  [ "$status" = 0 ] || fail "the program ended with status $status after $1"
  [ "$linger" -le 1000 ] || fail "the process lingered $linger ms after its window closed by $1"
}

# saved: "X Y" of the settings file in pixels.
saved() {
  local sx sy
  sx=$(tr -d '\r' <"$settings" | sed -n 's/^XPosition=//p')
  sy=$(tr -d '\r' <"$settings" | sed -n 's/^YPosition=//p')
  echo "$((sx / 15)) $((sy / 15))"
}

# 2. Restarts: the frame comes back to the pixel, however the window closed.
restarts() {
  local want_x=$1 want_y=$2 expect_x=$3 expect_y=$4 how n=0 got
  shift 4
  printf '[System]\r\nXPosition=%s\r\nYPosition=%s\r\n' \
    "$(number_text $((want_x * 15)))" "$(number_text $((want_y * 15)))" >"$settings"
  for how in "$@"; do
    n=$((n + 1))
    start
    # A saved place that hides the title bar is corrected once the window
    # manager has framed the window, a moment after it shows.
    for _ in $(seq 40); do
      got=$(frame_position "$main") || fail "the main window's frame cannot be found"
      [ "$got" = "$expect_x $expect_y" ] && break
      sleep 0.05
    done
    [ "$got" = "$expect_x $expect_y" ] ||
      fail "start $n from $want_x,$want_y: the frame stands at ${got/ /,}, not $expect_x,$expect_y"
    close_by "$how"
    [ "$(saved)" = "$expect_x $expect_y" ] ||
      fail "closed by $how, the settings file holds $(saved), not $expect_x $expect_y"
    printf '[System]\r\nXPosition=%s\r\nYPosition=%s\r\n' \
      "$(number_text $((expect_x * 15)))" "$(number_text $((expect_y * 15)))" >"$work/expected.ini"
    cmp -s "$settings" "$work/expected.ini" || fail "the settings file is not exactly the three lines"
    note "start $n: frame at $got, closed by $how, saved, ended $linger ms after the window went"
    want_x=$expect_x want_y=$expect_y
  done
}
restarts 300 200 300 200 alt+f4 close-box alt+f4
restarts 40 0 40 0 close-box alt+f4 alt+f4
# A place that puts the title bar above the screen comes back with the title
# bar on it, at the top edge.
restarts 500 -30 500 0 alt+f4

# 3. About above the main window, its message above About; screenshots.
start
activate "$main"
shot main-window
# The cash-flow editor's button: its tooltip names it; it sits in the panel
# at 152,232 of the client area, below the menu bar and toolbar.
read -r cx cy <<<"$(x xwininfo -id "$main" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} END{print x, y}')"
menu_height=$(($(x xwininfo -id "$main" | awk '/ Height:/{print $NF}') - 488))
x xdotool mousemove $((cx + 152 + 16)) $((cy + menu_height + 232 + 10)) click 1
sleep 0.3
shot cash-flow-editor
# A long list pasted into the editor: a progress dialog, owned by the main
# window, above it and painted, until the list is shown; the main window
# keeps the keyboard throughout.
awk 'BEGIN { printf "-1000000"; for (i = 1; i < 1000000; i++) printf "\n12.5" }' >"$work/list.txt"
xclip -quiet -selection clipboard -i "$work/list.txt" >/dev/null 2>&1 &
clip_pid=$!
sleep 0.3
x xdotool key ctrl+v
progress=$(find_window "$pid" "Quorvel Calculator" 3 "$main") || fail "a long paste showed no progress"
[ "$(transient_for "$progress")" = "$main" ] || fail "the progress dialog is not owned by the main window"
above "$progress" "$main" || fail "the progress dialog opened below the main window"
has_focus "$main" || fail "the progress dialog took the keyboard from the main window"
# Typed while the work runs: it waits, and lands at the end of the list.
x xdotool key 5
shot progress "$progress"
painted=$(colours progress)
[ "$painted" -ge 8 ] || fail "the progress dialog is not painted: $painted colours"
wait_until 30 gone "$progress" || fail "the progress dialog stayed"
wait_until 2 has_focus "$main" || fail "after the paste the keyboard is not the main window's"
stop "$clip_pid"
clip_pid=''
shot long-list
x xdotool key ctrl+a ctrl+c
sleep 0.5
last=$(x xclip -o -selection clipboard | tail -n 1)
[ "$last" = "12.55" ] || fail "the key typed during the paste did not land: the list ends in '$last'"
note "a long paste showed a painted progress dialog above the main window ($painted colours); the keyboard stayed the main window's and a key typed meanwhile landed"
# A click into the display: the editor hides as it loses the focus.
x xdotool mousemove $((cx + 250)) $((cy + menu_height + 70)) click 1
# help_item N: the Help menu's item N, chosen as a user does: a click on
# the menu's title in the menu bar, then the arrow keys and Enter.
help_item() {
  activate "$main"
  x xdotool mousemove $((cx + 58)) $((cy + 9))
  sleep 0.1
  x xdotool click 1
  sleep 0.3
  local keys=()
  for _ in $(seq "$1"); do keys+=(Down); done
  x xdotool key --delay 80 "${keys[@]}" Return
}
help_item 2
about=$(find_window "$pid" "About Quorvel Calculator" 10) || fail "About did not open"
[ "$(transient_for "$about")" = "$main" ] || fail "About is not owned by the main window"
above "$about" "$main" || fail "About opened below the main window"
# A click on the greyed-out main window, away from About.
read -r ax ay <<<"$(frame_position "$main")"
x xdotool mousemove $((ax + 30)) $((ay + 480)) click 1
sleep 0.5
above "$about" "$main" || fail "a click on the main window put it above About: $(stacking | paste -sd' ')"
shot about
note "About is owned by the main window and stays above it after a click on it"
activate "$about"
x xdotool key alt+s
box=$(find_window "$pid" "Quorvel Calculator" 2 "$main") || fail "System Info showed no message"
[ "$(transient_for "$box")" = "$about" ] || fail "the System Info message is not owned by About"
x xdotool mousemove $((ax + 30)) $((ay + 480)) click 1
sleep 0.5
above "$box" "$about" && above "$about" "$main" ||
  fail "after a click on the main window the order is $(stacking | paste -sd' ')"
shot message-box-over-about
shot message-box "$box"
# A painted box has its text and its button; an unpainted one is a single
# colour.
painted=$(colours message-box)
[ "$painted" -ge 16 ] || fail "the System Info message is not painted: $painted colours"
note "the System Info message is owned by About, stays above it and is painted ($painted colours)"
activate "$box"
x xdotool key Return
activate "$about"
x xdotool key Return
wait_until 2 gone "$about" || true
help_item 1
# The viewer runs in a process of its own, started by the calculator.
viewer=''
for _ in $(seq 100); do
  for child in $(pgrep -P "$pid"); do
    viewer=$(x xdotool search --all --pid "$child" --onlyvisible --name 'Help' 2>/dev/null |
      head -n1) || true
    [ -n "$viewer" ] && break 2
  done
  sleep 0.1
done
[ -n "$viewer" ] || fail "Help Topics showed no help viewer"
shot help-viewer
close_by alt+f4
note "with the help viewer open, closed by Alt+F4: ended $linger ms after the window went"
note "screenshots in $shots: $(cd "$shots" && ls | paste -sd' ')"
note "passed"
