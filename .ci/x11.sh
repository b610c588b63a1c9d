# Shared by the stages that drive the program on a virtual X screen: X tools
# with a time limit, waiting for processes, and where a window's frame stands.
# Sourced, not run.

x() { timeout 10 "$@"; }

# running PID: the child has not ended yet (a zombie has ended).
running() {
  local state
  state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 1
  [ "$state" != Z ]
}

# stop PID: ends a process of the run, forcibly if it does not end soon.
stop() {
  [ -n "$1" ] || return 0
  kill "$1" 2>/dev/null || return 0
  local _
  for _ in $(seq 30); do
    running "$1" || break
    sleep 0.1
  done
  kill -9 "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

# frame_position WINDOW: "X Y" of the outer frame on the screen, from the
# client's place and the frame extents that the window manager announces,
# checked against the frame window itself.
frame_position() {
  local window=$1 cx cy extents left top parent px py
  cx=$(x xwininfo -id "$window" | awk '/Absolute upper-left X/{print $NF}')
  cy=$(x xwininfo -id "$window" | awk '/Absolute upper-left Y/{print $NF}')
  extents=$(x xprop -id "$window" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p')
  [ -n "$extents" ] || return 1
  IFS=', ' read -r left _ top _ <<<"$extents"
  parent=$(x xwininfo -id "$window" -children | awk '/Parent window id/{print $4}')
  px=$(x xwininfo -id "$parent" | awk '/Absolute upper-left X/{print $NF}')
  py=$(x xwininfo -id "$parent" | awk '/Absolute upper-left Y/{print $NF}')
  [ "$((cx - left)) $((cy - top))" = "$px $py" ] || return 1
  echo "$((cx - left)) $((cy - top))"
}

# number_text N: N as the settings file writes a number, a blank before a
# positive one.
number_text() { if [ "$1" -ge 0 ]; then echo " $1"; else echo "$1"; fi; }

# wait_until SECONDS COMMAND...: runs COMMAND every 0.05 s until it succeeds;
# fails when it has not within SECONDS (whole seconds or tenths).
wait_until() {
  local tries
  tries=$(awk -v s="$1" 'BEGIN { print int(s * 20) }')
  shift
  until "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.05
  done
}

# has_focus WINDOW: the window has the keyboard.
has_focus() { [ "$(x xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

# start_openbox HOME CONFIG LOG: openbox on $DISPLAY, its process in
# $wm_pid and the attempt that started it in $attempt; fails when five
# attempts did not. Now and then (about one start in fifty here) openbox
# fails to open a display that has only just come up, while other clients
# connect to it fine: it is started again then.
start_openbox() {
  for attempt in 1 2 3 4 5; do
    env HOME="$1" openbox --sm-disable --config-file "$2" >"$3" 2>&1 &
    wm_pid=$!
    wait_until 10 wm_settled && wm_is_up && return 0
    stop "$wm_pid"
    wm_pid=
    sleep 0.2
  done
  return 1
}
wm_is_up() {
  running "$wm_pid" && x xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}
# Up, or ended without coming up.
wm_settled() { wm_is_up || ! running "$wm_pid"; }
