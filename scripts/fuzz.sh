#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and runs each one for
# the given number of seconds (default 60), starting from its kept corpus in
# fuzz/corpus/<target>/. The run works on a copy in a temporary folder, so the
# repository is not written to; a target that crashes leaves the input and
# its log in fuzz-out/<target>/ (ignored by git), and the run fails.
#
# With --merge, what each run found that reaches new code is merged into the
# kept corpus (libFuzzer -merge=1): the corpus grows only by inputs that add
# coverage. Commit the new files.
#
#   scripts/fuzz.sh [--merge] [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."

merge=false
if [ "${1:-}" = --merge ]; then
  merge=true
  shift
fi
seconds="${1:-60}"
case "$seconds" in
  ''|*[!0-9]*) echo "usage: $0 [--merge] [seconds]" >&2; exit 2 ;;
esac

build_dir=build-fuzz
out_dir=fuzz-out

CXX="${CXX:-clang++}" cmake -S . -B "$build_dir" -G Ninja -DKELVANE_FUZZ=ON -DKELVANE_TESTS=OFF \
  -DKELVANE_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug >/dev/null

# target:extra libFuzzer options; the corpus is fuzz/corpus/<target without fuzz_>.
# A sector index is fuzzed up to 1 MiB, and neither its reading nor a code's
# replay may take long: -timeout makes a slow input a failure.
targets=(
  "fuzz_system_file:-dict=fuzz/SystemFile.dict"
  "fuzz_legacy_system_file:"
  "fuzz_profile_file:"
  "fuzz_sector_file:-dict=fuzz/SectorFile.dict -max_len=1048576 -timeout=10"
  "fuzz_system_code:-dict=fuzz/SystemCode.dict -timeout=10"
  "fuzz_system_json:-dict=fuzz/SectorFile.dict"
  "fuzz_cli_arguments:-dict=fuzz/CliArguments.dict"
)

names=()
for entry in "${targets[@]}"; do names+=("${entry%%:*}"); done
cmake --build "$build_dir" --target "${names[@]}"

work_root="$(mktemp -d "${TMPDIR:-/tmp}/kelvane-fuzz.XXXXXX")"
trap 'rm -rf "$work_root"' EXIT

# The smallest set of the kept inputs and those a run found that reaches
# every edge they reach (edges only, not how often each is taken: that keeps
# the corpus to a few hundred KB), put in place of the kept corpus. A kept
# input that stays keeps its name; the new ones are named by their SHA-1, as
# libFuzzer names them.
MergeInto()
{
  local name="$1" options="$2" kept="$3" work="$4"
  mkdir -p "$work/merged"
  # shellcheck disable=SC2086 # options is a list of words
  "$build_dir/fuzz/$name" -merge=1 -use_counters=0 $options "$work/merged" "$kept" "$work/corpus" \
    >"$work/merge.log" 2>&1 || { cat "$work/merge.log" >&2; return 1; }
  local file hash
  for file in "$kept"/*; do
    hash="$(sha1sum "$file" | cut -d' ' -f1)"
    if [ -f "$work/merged/$hash" ]; then
      rm "$work/merged/$hash"
    else
      rm "$file"
    fi
  done
  find "$work/merged" -type f -exec cp {} "$kept/" \;
  echo "kept corpus: $(find "$kept" -type f | wc -l) inputs, $(du -s --apparent-size -B1 "$kept" | cut -f1) bytes"
}

failed=()
for entry in "${targets[@]}"; do
  IFS=: read -r name options <<<"$entry"
  kept="fuzz/corpus/${name#fuzz_}"
  work="$work_root/$name"
  mkdir -p "$work/corpus"
  cp "$kept"/* "$work/corpus/"
  echo "== $name: ${seconds}s from $(find "$kept" -type f | wc -l) kept inputs"
  # shellcheck disable=SC2086 # options is a list of words
  if "$build_dir/fuzz/$name" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/" \
    $options "$work/corpus" >"$work/log" 2>&1; then
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$work/log" || true
    if $merge; then
      MergeInto "$name" "$options" "$kept" "$work"
    fi
  else
    rm -rf "${out_dir:?}/$name"
    mkdir -p "$out_dir/$name"
    cp "$work/log" "$out_dir/$name.log"
    find "$work" -maxdepth 1 -type f -name '*-*' -exec cp {} "$out_dir/$name/" \;
    echo "$name FAILED; see $out_dir/$name.log and the input in $out_dir/$name/"
    grep -E '^(==[0-9]+==ERROR|SUMMARY)' "$out_dir/$name.log" || true
    failed+=("$name")
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "Crashes found by: ${failed[*]}" >&2
  exit 1
fi
echo "No crashes."
