#!/usr/bin/env bash
# End-to-end run of the built program on a virtual X screen, driven by real X
# key and mouse events, the way a user works it:
# - a fresh copy of the program and its help file in a scratch directory;
#   start it: the splash window, then, once the splash has gone and at least
#   3000 ms after it came, the main window (393 px client area);
# - type 12+3 and Enter into the main display, select the display with
#   Shift+Home, copy with Ctrl+C: the X clipboard holds exactly "15";
# - open the calculation tape and the amortization schedule with their
#   shortcuts, copy from each, close each with Esc;
# - start a second copy: it shows only a message box, titled "Quorvel
#   Calculator", with the refusal text (read back through the accessibility
#   bus) and a single OK button; Enter dismisses it, the process ends and has
#   written nothing;
# - move the main window to a known place (partly off the left edge), close it
#   by its close box under a real window manager: the program exits with 0
#   and leaves QuorvelCalc.ini beside it, exactly "[System]", "XPosition=" and
#   "YPosition=" with CR LF line ends and the frame's position in twips.
# Uses the build tree that scripts/test made (build/, or $QUORVEL_BUILD_DIR).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
source scripts/lib.sh
source .ci/x11.sh

ensure_packages xvfb xauth xdotool xclip x11-utils openbox dbus-daemon at-spi2-core \
  python3-pyatspi

started=$(date +%s%N)
note() { printf '40-e2e: [%5.1f s] %s\n' "$((($(date +%s%N) - started) / 1000000))e-3" "$*"; }

program=$BUILD_DIR/bin/quorvel-calculator
help_file=$BUILD_DIR/bin/CalcHelp.chm
[ -x "$program" ] || { echo "40-e2e: FAILED: $program is not built (run scripts/test)" >&2; exit 1; }
[ -f "$help_file" ] || { echo "40-e2e: FAILED: $help_file is not built (run scripts/test)" >&2; exit 1; }

work=$(mktemp -d)
app=$work/app        # the program's directory: its settings file lands here
home=$work/home      # HOME and XDG directories of the program
logs=$work/logs
mkdir -p "$app" "$home/config" "$home/cache" "$logs" "$work/bus-home"
mkdir -m 700 "$work/runtime" "$work/bus-runtime"
cp "$program" "$help_file" "$app/"

xvfb_pid='' wm_pid='' bus_pid='' spy_pid='' first_pid='' second_pid=''
cleanup() {
  local pid
  for pid in "$second_pid" "$first_pid" "$spy_pid" "$wm_pid" "$bus_pid" "$xvfb_pid"; do
    stop "$pid"
  done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "40-e2e: FAILED: $*" >&2
  local log
  for log in first second wm xvfb; do
    if [ -s "$logs/$log.log" ]; then
      echo "---- $log.log (stdout and stderr)" >&2
      cat "$logs/$log.log" >&2
    fi
  done
  exit 1
}

# wait_exit PID SECONDS: waits for the child to end; its status in $status.
wait_exit() {
  local pid=$1 tries=$(($2 * 10))
  while running "$pid"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
  status=0
  wait "$pid" || status=$?
}

# find_window PID TITLE SECONDS: the id of a visible window of that process
# with exactly that title, once there is one.
find_window() {
  local pid=$1 title=$2 tries=$(($3 * 10)) id
  while :; do
    id=$(x xdotool search --all --pid "$pid" --onlyvisible --name "^${title}\$" 2>/dev/null |
      head -n1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    running "$pid" || return 1
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

# listed_at WINDOW [off]: the first line of the client-list log (time, then
# the list) that holds the window, or with "off" the first line after that
# which no longer holds it; printed as "LINE-NUMBER TIME".
listed_at() {
  local hex
  hex=$(printf '0x%x' "$1")
  awk -v w="$hex" -v off="${2:-}" '{
      listed = 0
      for (i = 2; i <= NF; i++) { f = $i; sub(/,$/, "", f); if (f == w) listed = 1 }
      if (!seen && listed) { seen = 1; if (off == "") { print NR, $1; exit } }
      else if (seen && !listed && off != "") { print NR, $1; exit }
    }' "$logs/clients.log"
}

# Files under the scratch directory with size and time: what a process wrote.
snapshot() { (cd "$work" && find app home runtime -printf '%p %s %T@\n' | sort); }

# 1. The X server, a session bus (for reading the message box through the
# accessibility bus), a window manager.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$logs/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  grep -qE '^[0-9]+$' "$work/display" 2>/dev/null && break
  running "$xvfb_pid" || { cat "$logs/xvfb.log" >&2; fail "Xvfb did not start"; }
  sleep 0.1
done
grep -qE '^[0-9]+$' "$work/display" || fail "Xvfb gave no display number"
DISPLAY=:$(cat "$work/display")
export DISPLAY

bus=$(env HOME="$work/bus-home" XDG_RUNTIME_DIR="$work/bus-runtime" \
  timeout 10 dbus-daemon --session --fork --print-address=1 --print-pid=1)
DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$bus")
export DBUS_SESSION_BUS_ADDRESS
bus_pid=$(sed -n 2p <<<"$bus")
[ -n "$DBUS_SESSION_BUS_ADDRESS" ] && [ -n "$bus_pid" ] || fail "no session bus: $bus"

# Only what this run needs of the window manager: focus for new windows, and
# a title bar with a close box that closes on a left click.
cat >"$work/openbox.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <placement><policy>Smart</policy></placement>
  <theme><name>Clearlooks</name><titleLayout>LC</titleLayout></theme>
  <desktops><number>1</number></desktops>
  <keyboard></keyboard>
  <mouse>
    <context name="Close">
      <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
      <mousebind button="Left" action="Click"><action name="Close"/></mousebind>
    </context>
  </mouse>
</openbox_config>
EOF
start_openbox "$work/bus-home" "$work/openbox.xml" "$logs/wm.log" ||
  fail "openbox did not start (tried 5 times)"
[ "$attempt" -eq 1 ] || note "openbox started at the attempt $attempt"
note "X display $DISPLAY with openbox"

# The program's environment: a home, a configuration place and a runtime
# directory (where the single-instance lock lives) of its own. Run in the
# background, so that $! is the program's own process id.
run_program() {
  exec env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
    XDG_RUNTIME_DIR="$work/runtime" "$@" "$app/quorvel-calculator"
}

# 2. Start: the splash, then the main window. The window manager's list of
# the windows it manages is logged with the time of each change.
stdbuf -oL xprop -spy -root _NET_CLIENT_LIST \
  > >(while IFS= read -r line; do echo "${EPOCHREALTIME/,/.} $line"; done >"$logs/clients.log") 2>&1 &
spy_pid=$!
for _ in $(seq 50); do
  [ -s "$logs/clients.log" ] && break
  sleep 0.1
done
[ -s "$logs/clients.log" ] || fail "cannot follow the window manager's list of windows"
run_program >"$logs/first.log" 2>&1 &
first_pid=$!
splash=$(find_window "$first_pid" "Quorvel Calculator Splash" 20) ||
  fail "no splash window \"Quorvel Calculator Splash\" appeared"
note "splash window shown"
main=$(find_window "$first_pid" "Quorvel Calculator" 20) ||
  fail "no main window \"Quorvel Calculator\" appeared after the splash"
# From the window manager's list of windows: the splash went before the main
# window came, and stood at least 3000 ms (less a little for the window
# manager's own latency, which differs between the two windows).
sleep 0.2
read -r splash_line splash_on <<<"$(listed_at "$splash")"
read -r gone_line _ <<<"$(listed_at "$splash" off)"
read -r main_line main_on <<<"$(listed_at "$main")"
[ -n "$splash_line" ] && [ -n "$main_line" ] ||
  { cat "$logs/clients.log" >&2; fail "the window manager's list of windows lacks the splash or the main window"; }
[ -n "$gone_line" ] && [ "$gone_line" -le "$main_line" ] ||
  { cat "$logs/clients.log" >&2; fail "the splash window was still there when the main window came"; }
splash_ms=$(awk -v a="$splash_on" -v b="$main_on" 'BEGIN { printf "%d", (b - a) * 1000 }')
[ "$splash_ms" -ge 2950 ] || fail "the main window came ${splash_ms} ms after the splash, not 3000"
if x xdotool search --all --pid "$first_pid" --onlyvisible --name '^Quorvel Calculator Splash$' \
  >/dev/null 2>&1; then
  fail "the splash window is still shown beside the main window"
fi
width=$(x xwininfo -id "$main" | awk '/ Width:/{print $NF}')
[ "$width" = 393 ] || fail "the main window's client area is $width px wide, not 393"
note "main window shown ${splash_ms} ms after the splash (which had gone), 393 px wide"

# 3. Type a calculation into the display and copy the result.
x xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
wait_until 5 has_focus "$main" || fail "the main window did not get the keyboard focus"
x xdotool type --delay 60 '12+3'
x xdotool key --delay 60 Return shift+Home ctrl+c
copied=
for _ in $(seq 50); do
  copied=$(x xclip -o -selection clipboard 2>/dev/null) || copied=
  [ "$copied" = 15 ] && break
  sleep 0.1
done
[ "$copied" = 15 ] || fail "after typing 12+3 Enter, Shift+Home, Ctrl+C the clipboard holds '$copied', not '15'"
note "typed 12+3 Enter, copied the display: clipboard holds '15'"

# 3b. The calculation tape: Ctrl+Shift+T opens it over the main window; it
# lists the sum just typed (Ctrl+A, Ctrl+C copy it) and closes with Esc. The
# amortization schedule: NPer 12, Interest 1, Present Value 1000 typed into
# the panel (Tab from the display), Ctrl+Shift+A opens it; its Copy button
# (Alt+C) copies the table for a spreadsheet; Esc closes it.
gone() { ! x xdotool search --all --pid "$first_pid" --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
clipboard_line() { x xclip -o -selection clipboard 2>/dev/null | tr -d '\r' | sed -n "${1}p"; }
clipboard_is() { [ "$(clipboard_line "$1")" = "$2" ]; }
x xdotool key --delay 60 ctrl+shift+t
tape=$(find_window "$first_pid" "Calculation Tape" 20) ||
  fail "Ctrl+Shift+T opened no window \"Calculation Tape\""
x xdotool windowactivate --sync "$tape" >/dev/null 2>&1 || true
x xdotool key --delay 60 ctrl+a ctrl+c
wait_until 5 clipboard_is 1 "12  +  3 = 15" ||
  fail "the tape's copy holds '$(clipboard_line 1)', not '12  +  3 = 15'"
x xdotool key Escape
wait_until 5 gone "Calculation Tape" || fail "Esc did not close the calculation tape"
note "Ctrl+Shift+T: the tape lists '12  +  3 = 15'; Esc closed it"
x xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
x xdotool key --delay 60 Tab
x xdotool type --delay 60 '12'
x xdotool key --delay 60 Tab
x xdotool type --delay 60 '1'
x xdotool key --delay 60 Tab
x xdotool type --delay 60 '1000'
x xdotool key --delay 60 ctrl+shift+a
schedule=$(find_window "$first_pid" "Amortization Schedule" 20) ||
  fail "Ctrl+Shift+A opened no window \"Amortization Schedule\""
x xdotool windowactivate --sync "$schedule" >/dev/null 2>&1 || true
x xdotool key --delay 60 alt+c
row=$'3\t-88.85\t-8.42\t-80.43\t-27.63\t-238.92\t761.08'
wait_until 5 clipboard_is 4 "$row" ||
  fail "the schedule's copy has '$(clipboard_line 4)' for period 3, not '$row'"
x xdotool key Escape
wait_until 5 gone "Amortization Schedule" || fail "Esc did not close the amortization schedule"
note "Ctrl+Shift+A: the schedule's period 3 is '$row'; Esc closed it"

# 4. A second start is refused with a message box and ends without writing.
before=$(snapshot)
[ ! -e "$app/QuorvelCalc.ini" ] || fail "QuorvelCalc.ini was written before the program ended"
run_program QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 >"$logs/second.log" 2>&1 &
second_pid=$!
box=$(find_window "$second_pid" "Quorvel Calculator" 20) ||
  fail "the second start showed no window titled \"Quorvel Calculator\""
count=$(x xdotool search --all --pid "$second_pid" --onlyvisible --name '.' 2>/dev/null | wc -l)
[ "$count" = 1 ] || fail "the second start shows $count windows, not only the message box"
# What the message box says, read through the accessibility bus: one line per
# object, role and name separated by a tab.
tree=$(timeout 30 /usr/bin/python3 - "$second_pid" 20 <<'EOF'
import sys, time
import pyatspi

pid, deadline = int(sys.argv[1]), time.time() + float(sys.argv[2])

def dump(obj, depth, out):
    out.append("%s%s\t%s" % ("  " * depth, obj.getRoleName(), obj.name))
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            dump(child, depth + 1, out)

while True:
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        application = desktop.getChildAtIndex(i)
        try:
            if application is None or application.get_process_id() != pid:
                continue
            out = []
            dump(application, 0, out)
        except Exception:
            continue
        if any(line.strip().startswith("push button") for line in out):
            print("\n".join(out))
            sys.exit(0)
    if time.time() > deadline:
        sys.exit(1)
    time.sleep(0.2)
EOF
) || fail "the second start's message box could not be read through the accessibility bus"
while IFS= read -r line; do echo "40-e2e:     $line"; done <<<"$tree"
tab=$'\t'
windows=$(grep -cE "^  (alert|dialog|frame|window)$tab" <<<"$tree" || true)
[ "$windows" = 1 ] || fail "the second start has $windows top-level windows, not one message box"
grep -qxE "  (alert|dialog)${tab}Quorvel Calculator" <<<"$tree" ||
  fail "the message box is not titled \"Quorvel Calculator\""
grep -qxE " +label${tab}Another Quorvel Calculator already running, will quit this program\." \
  <<<"$tree" || fail "the message box does not say the refusal text"
buttons=$(grep -E "^ +push button$tab" <<<"$tree" | sed "s/.*$tab//" | paste -sd,)
[ "$buttons" = OK ] || fail "the message box's buttons are '$buttons', not a single OK"
x xdotool windowactivate --sync "$box" >/dev/null 2>&1 || true
wait_until 5 has_focus "$box" || true
x xdotool key Return
wait_exit "$second_pid" 15 || fail "the second start did not end after its message box was dismissed"
second_pid=
[ "$status" -lt 128 ] || fail "the second start died by a signal (status $status)"
running "$first_pid" || fail "the first instance ended when the second was refused"
after=$(snapshot)
[ "$before" = "$after" ] || fail "the refused start wrote files: $(diff <(echo "$before") <(echo "$after") || true)"
note "second start refused with the message box, dismissed by Enter, ended (status $status), wrote nothing"

# 5. Put the main window somewhere known, close it by its close box.
read -r left _ top _ <<<"$(x xprop -id "$main" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ',')"
want_x=-40 want_y=100
x xdotool windowmove --sync "$main" "$((want_x + left))" "$((want_y + top))" >/dev/null 2>&1 || true
for _ in $(seq 50); do
  [ "$(frame_position "$main")" = "$want_x $want_y" ] && break
  sleep 0.1
done
frame=$(frame_position "$main") || fail "the main window's frame cannot be found"
read -r frame_x frame_y <<<"$frame"
[ "$frame_x $frame_y" = "$want_x $want_y" ] ||
  fail "the window's frame is at $frame_x,$frame_y after moving it to $want_x,$want_y"
note "main window's frame moved to $frame_x,$frame_y"

# The close box: the right-most square button in the frame's title bar.
frame=$(x xwininfo -id "$main" -children | awk '/Parent window id/{print $4}')
read -r frame_w <<<"$(x xwininfo -id "$frame" | awk '/ Width:/{print $NF}')"
close_box=$(x xwininfo -id "$frame" -tree | awk -v w="$frame_w" '
  # the title bar: a direct child of the frame almost as wide as the frame
  /^     0x/ { match($0, /[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+  \+-?[0-9]+\+-?[0-9]+$/)
               split(substr($0, RSTART), g, /[x+ ]+/)
               title = (g[1] >= w - 4 && g[2] >= 10 && g[2] <= 40 && g[4] <= 4); next }
  title && /^        0x/ {
    match($0, /[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+  \+-?[0-9]+\+-?[0-9]+$/)
    split(substr($0, RSTART), g, /[x+ ]+/)
    if (g[1] == g[2] && g[1] >= 6 && g[3] > best) { best = g[3]; cx = g[5] + g[1] / 2; cy = g[6] + g[2] / 2 }
  }
  END { if (best > 0) printf "%d %d\n", cx, cy }')
[ -n "$close_box" ] || fail "no close box found in the window frame's title bar"
read -r close_x close_y <<<"$close_box"
x xdotool mousemove "$close_x" "$close_y"
sleep 0.2
x xdotool click 1
wait_exit "$first_pid" 20 || fail "the program did not end after its close box was clicked"
first_pid=
[ "$status" = 0 ] || fail "the program ended with status $status after its close box was clicked"
note "closed by the close box at $close_x,$close_y: the program ended with status 0"

settings=$app/QuorvelCalc.ini
[ -f "$settings" ] || fail "no QuorvelCalc.ini beside the program; it holds: $(ls -A "$app")"
printf '[System]\r\nXPosition=%s\r\nYPosition=%s\r\n' \
  "$(number_text $((frame_x * 15)))" "$(number_text $((frame_y * 15)))" >"$work/expected.ini"
if ! cmp -s "$settings" "$work/expected.ini"; then
  echo "expected:" >&2; od -c "$work/expected.ini" >&2
  echo "written:" >&2; od -c "$settings" >&2
  fail "QuorvelCalc.ini does not hold the frame's position $frame_x,$frame_y px in twips"
fi
left_over=$(find "$app" -mindepth 1 -printf '%P\n' |
  grep -vxE 'quorvel-calculator|CalcHelp\.chm|QuorvelCalc\.ini' || true)
[ -z "$left_over" ] || fail "the program left other files beside it: $left_over"
note "QuorvelCalc.ini: $(sed -n 2,3p "$settings" | tr -d '\r' | paste -sd' ') (CR LF)"
note "passed"
