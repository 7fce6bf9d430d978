#!/usr/bin/env bash
# Builds the core tests with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan and runs them once through ctest.
# Any report of either sanitizer fails the test that caused it.
#
#   scripts/sanitize-tests.sh
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build-asan
# The test programs that link only the core library; KELVANE_SANITIZE_TARGETS
# names others instead.
read -r -a targets <<<"${KELVANE_SANITIZE_TARGETS:-platform_tests core_tests settings_tests files_tests drawing_tests export_tests sector_tests}"

flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
CXX="${CXX:-clang++}" cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKELVANE_BENCH=OFF -DKELVANE_FUZZ=OFF \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build_dir" --target "${targets[@]}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:strict_string_checks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
# Test programs that were not built (the command line's, the windows') show
# up as *_NOT_BUILT; they are not part of this run.
cd "$build_dir"
ctest --output-on-failure -j "$(nproc)" -E '_NOT_BUILT$'
