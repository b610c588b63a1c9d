#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on, the libraries instrumented for coverage) in
# build-fuzz, and runs each target for a while from its seed corpus. A crash,
# a sanitizer report or a broken property fails the stage; the input that
# did it is kept in build-fuzz/crashes/<target>/.
#
# FUZZ_SECONDS sets each target's time (default 20).
#
# help_file_fuzz feeds whole help files through chmlib, which is not ours and
# not instrumented. It runs in libFuzzer's fork mode, going on past a crash;
# each crash is then replayed and judged by its stack: one that lies wholly
# inside libchm is reported and kept (the help viewer's own process keeps it
# from the calculator), any other fails the stage like a crash of any target.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
source scripts/lib.sh

ensure_packages "${BUILD_PACKAGES[@]}" clang libclang-rt-14-dev

seconds=${FUZZ_SECONDS:-20}
build_dir=$ROOT/build-fuzz
cmake -S "$ROOT" -B "$build_dir" -G Ninja \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORVEL_FUZZ=ON \
  -DQUORVEL_BUILD_TESTS=OFF \
  -DQUORVEL_BUILD_BENCHMARKS=OFF \
  -DQUORVEL_BUILD_UI=OFF >&2
cmake --build "$build_dir" --target quorvel_fuzz_targets >&2

# The committed seeds stay as they are: each run grows a copy. In memory
# where possible: the settings target writes files at every input.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  scratch=$(mktemp -d -p /dev/shm quorvel-fuzz.XXXXXX)
else
  scratch=$(mktemp -d)
fi
trap 'rm -rf "$scratch"' EXIT

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# What a target says when an input breaks it: a broken property, a sanitizer
# report or libFuzzer's own (a deadly signal, a leak, a timeout).
report='property broken|runtime error:|ERROR: [A-Za-z]*Sanitizer|ERROR: libFuzzer'
# The log from the report on, without the progress lines before it.
show_report() {
  if grep -qE "$report" "$1"; then
    sed -n -E "/$report/,\$p" "$1" | head -n 80
  else
    tail -n 40 "$1"
  fi
}

# The first frame of a report's stack that is neither the sanitizers'
# runtime, libFuzzer nor the C library: where the fault really lies.
first_own_frame() {
  grep -E '^ *#[0-9]+ ' "$1" |
    grep -vE 'sanitizer_common|/asan/|/ubsan/|__interceptor_|__asan_|__sanitizer|compiler-rt|fuzzer::|libc\.so|libc-start|/sysdeps/|libFuzzer' |
    head -n 1
}

# Replays each input the fork-mode run kept and sorts the faults: inside
# libchm, or ours. Returns non-zero when one is ours.
judge_library_crashes() {
  local target=$1 program=$2 artifacts=$3 input frame verdict=0
  for input in "$artifacts"/*; do
    [ -e "$input" ] || continue
    (TMPDIR=$scratch/$target/tmp timeout 120 "$program" "$input") >"$input.report" 2>&1 || true
    frame=$(first_own_frame "$input.report")
    mkdir -p "$build_dir/crashes/$target"
    cp "$input" "$build_dir/crashes/$target"/
    if [[ $frame == *libchm.so* ]]; then
      echo "inside libchm, kept from the calculator by the viewer's process: ${input##*/}"
      echo "    $frame"
    else
      echo "ours: $program '$build_dir/crashes/$target/${input##*/}'"
      show_report "$input.report"
      verdict=1
    fi
  done
  return $verdict
}

failed=()
for seeds in "$ROOT"/fuzz/corpus/*/; do
  target=$(basename "$seeds")
  program=$build_dir/fuzz/$target
  if [ ! -x "$program" ]; then
    echo "no fuzz target $target in $build_dir/fuzz" >&2
    failed+=("$target")
    continue
  fi
  corpus=$scratch/$target/corpus
  artifacts=$scratch/$target/artifacts
  mkdir -p "$corpus" "$artifacts" "$scratch/$target/tmp"
  cp -R "$seeds". "$corpus"/
  max_len=4096
  [ "$target" = help_file_fuzz ] && max_len=262144
  options=(-max_total_time="$seconds" -max_len="$max_len" -timeout=10 -print_final_stats=1
    -artifact_prefix="$artifacts"/)
  if [ "$target" = help_file_fuzz ]; then
    options+=(-fork=1 -ignore_crashes=1 -ignore_ooms=1 -ignore_timeouts=1)
  fi
  dict=$ROOT/fuzz/dict/$target.dict
  [ -f "$dict" ] && options+=(-dict="$dict")

  log=$scratch/$target/log
  rm -rf "$build_dir/crashes/$target"
  echo "--- $target (${seconds} s)"
  # The settings target writes files: into this run's own directory.
  if (cd "$scratch/$target" && TMPDIR=$scratch/$target/tmp "$program" "${options[@]}" \
    "$corpus") >"$log" 2>&1; then
    grep -E '^stat::(number_of_executed_units|new_units_added)|^Done ' "$log" || true
    if [ "$target" = help_file_fuzz ]; then
      # Fork mode prints its progress as "#runs: cov: ... crash: n/n/n".
      grep -E '^#[0-9]+: cov' "$log" | tail -n 1 || true
      judge_library_crashes "$target" "$program" "$artifacts" || failed+=("$target")
    elif grep -qE "$report" "$log"; then
      show_report "$log"
      failed+=("$target")
    fi
  else
    show_report "$log"
    failed+=("$target")
    mkdir -p "$build_dir/crashes/$target"
    cp -R "$artifacts"/. "$build_dir/crashes/$target"/
    for input in "$build_dir/crashes/$target"/*; do
      [ -e "$input" ] && echo "reproduce: $program '$input'"
    done
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing failed: ${failed[*]}" >&2
  exit 1
fi
echo "fuzzing: all targets ran clean"
