#!/usr/bin/env bash
# Start-up time and memory of Quorvel Calculator against a bare Qt Widgets
# window (bench/startup_bare_window.cpp: a line edit and a grid of buttons),
# both started the same way, one after the other, on a virtual X screen of
# their own with no window manager, each connected to a session bus of the
# run's own (as on a desktop; without one, an installed dbus-x11 would start a
# bus for each start).
#
#   bench/startup_timer.sh [-n RUNS] [-p PROGRAM] [BUILD_DIR]
#
# BUILD_DIR (default build/, or $QUORVEL_BUILD_DIR) holds bench/startup_probe
# and bench/startup_bare_window; PROGRAM defaults to BUILD_DIR/bin/quorvel-calculator.
# startup_probe starts a program and notes when its windows are mapped, then,
# a second later, its memory. For the program:
#   start-up = time to the main window - 3000 ms
# since the program holds its splash for at least 3000 ms and shows the main
# window right after; what remains is its own work (starting, showing the
# splash, building and loading the main window). For the bare window:
#   start-up = time to its window.
# Memory is VmRSS (and PSS) one second after the (main) window was mapped.
# One warm-up round is run first and not counted; then RUNS rounds (default 9),
# the two programs in alternating order; the figures are the medians.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/lib.sh

runs=9
program=
while getopts "n:p:" option; do
  case $option in
    n) runs=$OPTARG ;;
    p) program=$OPTARG ;;
    *) echo "usage: $0 [-n RUNS] [-p PROGRAM] [BUILD_DIR]" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
build_dir=${1:-$BUILD_DIR}
program=${program:-$build_dir/bin/quorvel-calculator}
probe=$build_dir/bench/startup_probe
bare=$build_dir/bench/startup_bare_window
for file in "$program" "$probe" "$bare"; do
  [ -x "$file" ] || { echo "startup_timer: $file is not built" >&2; exit 1; }
done

ensure_packages xvfb xauth dbus-daemon

splash_ms=3000
work=$(mktemp -d)
xvfb_pid='' bus_pid=''
cleanup() {
  [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  grep -qE '^[0-9]+$' "$work/display" 2>/dev/null && break
  sleep 0.1
done
grep -qE '^[0-9]+$' "$work/display" || { cat "$work/xvfb.log" >&2; echo "startup_timer: Xvfb did not start" >&2; exit 1; }
DISPLAY=:$(cat "$work/display")
export DISPLAY
mkdir -m 700 "$work/bus-runtime"
bus=$(env HOME="$work/bus-runtime" XDG_RUNTIME_DIR="$work/bus-runtime" \
  timeout 10 dbus-daemon --session --fork --print-address=1 --print-pid=1)
DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$bus")
export DBUS_SESSION_BUS_ADDRESS
bus_pid=$(sed -n 2p <<<"$bus")
[ -n "$DBUS_SESSION_BUS_ADDRESS" ] && [ -n "$bus_pid" ] || { echo "startup_timer: no session bus" >&2; exit 1; }

# The program in a directory of its own (it looks there for its settings).
mkdir -p "$work/app" "$work/home"
cp "$program" "$work/app/"
[ -f "$(dirname "$program")/CalcHelp.chm" ] && cp "$(dirname "$program")/CalcHelp.chm" "$work/app/"

# probe NAME TITLE... : one start under startup_probe, with the same
# environment for both programs and a fresh runtime directory (the program's
# single-instance lock lives there). Prints the probe's output.
probe() {
  local what=$1
  shift
  rm -rf "$work/runtime"
  mkdir -m 700 "$work/runtime"
  local command=("$bare")
  [ "$what" = program ] && command=("$work/app/quorvel-calculator")
  env HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" \
    XDG_CACHE_HOME="$work/home/cache" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb \
    timeout 60 "$probe" --settle 1000 --timeout 30000 "$@" -- "${command[@]}" 2>"$work/probe.err" ||
    { cat "$work/probe.err" >&2; echo "startup_timer: the $what run failed" >&2; exit 1; }
}

field() { sed -n "s/.*[ ]$1=\([0-9]*\).*/\1/p"; }
# map_time TITLE / map_cpu TITLE: when the window was mapped, and the
# processor time used by then, from the probe's "map MS CPU_MS TITLE" lines.
map_line() { awk -v t="$1" -v c="$2" '$1 == "map" { title = $0; sub(/^map [0-9.]+ [0-9.-]+ /, "", title); if (title == t) print $c }'; }
map_time() { map_line "$1" 2; }
map_cpu() { map_line "$1" 3; }

# Columns of the results file, one line per counted round.
columns=(splash main prog after bare prog_cpu bare_cpu prog_rss bare_rss prog_pss bare_pss)
results=$work/results
: >"$results"
row() { printf '%-5s' "$1"; shift; printf ' %8s' "$@"; printf '\n'; }
row run "${columns[@]}"
row "" ms ms ms ms ms ms ms kB kB kB kB
for round in $(seq 0 "$runs"); do
  order=(program bare)
  [ $((round % 2)) -eq 1 ] && order=(bare program)
  for what in "${order[@]}"; do
    if [ "$what" = program ]; then
      out=$(probe program "Quorvel Calculator Splash" "Quorvel Calculator")
      p_splash=$(map_time "Quorvel Calculator Splash" <<<"$out")
      p_main=$(map_time "Quorvel Calculator" <<<"$out")
      p_cpu=$(map_cpu "Quorvel Calculator" <<<"$out")
      p_rss=$(field VmRSS <<<"$out")
      p_pss=$(field Pss <<<"$out")
    else
      out=$(probe bare "Bare Window")
      b_main=$(map_time "Bare Window" <<<"$out")
      b_cpu=$(map_cpu "Bare Window" <<<"$out")
      b_rss=$(field VmRSS <<<"$out")
      b_pss=$(field Pss <<<"$out")
    fi
  done
  p_startup=$(awk -v m="$p_main" -v s="$splash_ms" 'BEGIN { printf "%.1f", m - s }')
  # The wait starts about when the splash is mapped: what follows it is the
  # main window's own cost.
  p_after=$(awk -v m="$p_main" -v f="$p_splash" -v s="$splash_ms" 'BEGIN { printf "%.1f", m - f - s }')
  values=("$p_splash" "$p_main" "$p_startup" "$p_after" "$b_main" "$p_cpu" "$b_cpu" "$p_rss" "$b_rss"
    "$p_pss" "$b_pss")
  label=$round
  [ "$round" -eq 0 ] && label=warm
  row "$label" "${values[@]}"
  [ "$round" -eq 0 ] || echo "${values[*]}" >>"$results"
done

median() {  # median of the named column of the results
  local c
  for c in "${!columns[@]}"; do [ "${columns[$c]}" = "$1" ] && break; done
  awk -v c=$((c + 1)) '{ print $c }' "$results" | sort -g |
    awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
declare -A m
for c in "${columns[@]}"; do m[$c]=$(median "$c"); done
values=()
for c in "${columns[@]}"; do values+=("${m[$c]}"); done
row median "${values[@]}"
echo
echo "medians of $runs runs; $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'), load average $(cut -d' ' -f1-3 /proc/loadavg)"
printf '  program: splash mapped after %s ms, main window after %s ms\n' "${m[splash]}" "${m[main]}"
printf '  program start-up without the %s ms splash wait: %s ms (of which after the wait: %s ms)\n' \
  "$splash_ms" "${m[prog]}" "${m[after]}"
printf '  bare window mapped after %s ms\n' "${m[bare]}"
printf '  start-up ratio program / bare: %s   (splash alone / bare: %s)\n' \
  "$(ratio "${m[prog]}" "${m[bare]}")" "$(ratio "${m[splash]}" "${m[bare]}")"
printf '  processor time to the (main) window: program %s ms, bare %s ms, ratio %s\n' \
  "${m[prog_cpu]}" "${m[bare_cpu]}" "$(ratio "${m[prog_cpu]}" "${m[bare_cpu]}")"
printf '  memory VmRSS: program %s kB, bare %s kB, ratio %s   (PSS %s / %s kB, ratio %s)\n' \
  "${m[prog_rss]}" "${m[bare_rss]}" "$(ratio "${m[prog_rss]}" "${m[bare_rss]}")" \
  "${m[prog_pss]}" "${m[bare_pss]}" "$(ratio "${m[prog_pss]}" "${m[bare_pss]}")"
