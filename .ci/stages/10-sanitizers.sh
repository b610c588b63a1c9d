#!/usr/bin/env bash
# Builds the whole program with AddressSanitizer (leak checker on) and
# UndefinedBehaviorSanitizer in a tree of its own, build-sanitize, and runs
# every test there: model tests and window tests. A memory error, a leak or
# any undefined behaviour stops the test that hit it, and fails the stage.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
source scripts/lib.sh

ensure_packages "${BUILD_PACKAGES[@]}"

build_dir=$ROOT/build-sanitize
# -O1 with line tables only: the instrumented build compiles markedly faster
# than at -O2 -g, and reports still name file and line.
cmake -S "$ROOT" -B "$build_dir" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
  -DQUORVEL_SANITIZE=ON \
  -DQUORVEL_BUILD_TESTS=ON \
  -DQUORVEL_BUILD_BENCHMARKS=OFF \
  -DQUORVEL_BUILD_UI=ON >&2
cmake --build "$build_dir" >&2

cd "$build_dir"
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
