#!/usr/bin/env bash
# Builds every test program with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan and runs them once through ctest,
# the Qt ones on the offscreen platform. Any report of either sanitizer fails
# the test that caused it; leaks count too, except those that
# scripts/lsan-suppressions lays at the door of Qt's and the system's
# libraries.
#
#   scripts/sanitize-tests.sh
#
# KELVANE_SANITIZE_TARGETS names test programs to build instead of all of
# them; ctest then runs what was built.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build-asan
root="$PWD"

# -O1 with line tables only: the sanitizers' reports keep file and line, and
# the build of the whole program and its tests stays about half as long as
# with -O2 -g.
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
CXX="${CXX:-clang++}" cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKELVANE_BENCH=OFF -DKELVANE_FUZZ=OFF \
  -DCMAKE_CXX_FLAGS="$sanitizers" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null

# The build runs the test programs to list their tests, so the options hold
# from here on.
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:strict_string_checks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$root/scripts/lsan-suppressions:print_suppressions=0}"
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR="$(mktemp -d "${TMPDIR:-/tmp}/kelvane-runtime.XXXXXX")"
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

if [ -n "${KELVANE_SANITIZE_TARGETS:-}" ]; then
  read -r -a targets <<<"$KELVANE_SANITIZE_TARGETS"
  cmake --build "$build_dir" --target "${targets[@]}"
else
  cmake --build "$build_dir"
fi

# Test programs that were not built show up as *_NOT_BUILT; they are not part
# of this run.
cd "$build_dir"
# The accessibility bus check drives the program from another process
# through D-Bus under a time limit; it checks wiring, not memory, and a
# sanitized program is too slow for it.
ctest --output-on-failure -j "$(nproc)" -E '_NOT_BUILT$|^accessibility_bus$'
