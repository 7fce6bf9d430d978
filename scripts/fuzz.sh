#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and runs each one for
# the given number of seconds (default 60) on a copy of its seed corpus in
# fuzz-out/. Fails if any target finds a crash; the input that crashed is
# kept in fuzz-out/<target>/ and the log in fuzz-out/<target>.log.
#
#   scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
case "$seconds" in
  ''|*[!0-9]*) echo "usage: $0 [seconds]" >&2; exit 2 ;;
esac

build_dir=build-fuzz
out_dir=fuzz-out

CXX="${CXX:-clang++}" cmake -S . -B "$build_dir" -G Ninja -DKELVANE_FUZZ=ON -DKELVANE_TESTS=OFF \
  -DKELVANE_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug >/dev/null

# target:corpus folder:extra libFuzzer options
targets=(
  "fuzz_system_file:tagged:-dict=fuzz/SystemFile.dict"
  "fuzz_legacy_system_file:legacy:"
  "fuzz_profile_file:profile:"
  "fuzz_sector_file:sector:-dict=fuzz/SectorFile.dict"
)

names=()
for entry in "${targets[@]}"; do names+=("${entry%%:*}"); done
cmake --build "$build_dir" --target "${names[@]}"

failed=()
for entry in "${targets[@]}"; do
  IFS=: read -r name corpus options <<<"$entry"
  work="$out_dir/$name"
  rm -rf "$work"
  mkdir -p "$work/corpus"
  cp fuzz/corpus/"$corpus"/* "$work/corpus/"
  echo "== $name: ${seconds}s"
  # shellcheck disable=SC2086 # options is a list of words
  if "$build_dir/fuzz/$name" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/" \
    $options "$work/corpus" >"$out_dir/$name.log" 2>&1; then
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$out_dir/$name.log" || true
  else
    echo "$name FAILED; see $out_dir/$name.log and the input in $work/"
    grep -E '^(==[0-9]+==ERROR|SUMMARY)' "$out_dir/$name.log" || true
    failed+=("$name")
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "Crashes found by: ${failed[*]}" >&2
  exit 1
fi
echo "No crashes."
