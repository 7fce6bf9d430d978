#!/usr/bin/env bash
# Mutation testing by hand: plants the plausible bugs listed in
# scripts/mutations.txt one at a time, rebuilds, runs the tests and counts the
# bugs the tests catch (killed) and those they miss (survived). Not run in CI.
#
#   scripts/mutate.sh [--only PATTERN] [--ref REF] [--scratch DIR] [--log FILE]
#   scripts/mutate.sh --check [--ref REF]
#
# The bugs are planted in a scratch worktree of the commit REF (HEAD unless
# told), built in its own folder with ccache and two jobs, so the tree this
# runs from is never touched; uncommitted changes are not part of the run.
# The scratch worktree lives next to the repository (or in DIR) and is
# removed when the script ends, however it ends.
#
#   --check         only verifies that every entry's snippet occurs exactly
#                   once in its file at REF; exits 1 if any does not
#   --only PATTERN  runs the entries whose file or description matches the
#                   extended regular expression PATTERN
#   --list          prints the entries with their numbers and exits
#   --log FILE      where the per-entry results go (default mutate.log in the
#                   scratch folder's parent)
#
# The list's format: entries separated by blank lines, each four lines
#
#   file: src/core/model/SystemCode.cpp
#   from: if ((header & 3) == 3)
#   to: if ((header & 3) == 0)
#   what: the decoder takes a Bio Zone of 4 and refuses 1
#
# "from" is an exact snippet that must occur once in the file; "to" replaces
# it (it may be empty). Text after "key: " is taken exactly. Lines starting
# with "#" are comments.
#
# A bug that does not build (warnings are errors) counts as neither killed
# nor survived; the summary names it so the list can be fixed. Run it niced on a shared machine:
#   nice -n 10 scripts/mutate.sh
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
list="$root/scripts/mutations.txt"
ref=HEAD
only=""
check=0
listOnly=0
scratch=""
log=""
jobs=2

while (($#)); do
    case "$1" in
    --check) check=1 ;;
    --list) listOnly=1 ;;
    --only) only="$2"; shift ;;
    --ref) ref="$2"; shift ;;
    --scratch) scratch="$2"; shift ;;
    --log) log="$2"; shift ;;
    --list-file) list="$2"; shift ;;
    -h | --help) sed -n '2,35p' "$0"; exit 0 ;;
    *) echo "mutate.sh: unknown argument $1" >&2; exit 2 ;;
    esac
    shift
done

# ---- reading the list --------------------------------------------------------
files=() froms=() tos=() whats=()
parse_list() {
    local line key value n=-1 lineNo=0 have=0
    local f="" fr="" t="" w="" hasFrom=0 hasTo=0
    flush() {
        if ((have)); then
            if [[ -z $f || $hasFrom == 0 || $hasTo == 0 || -z $w ]]; then
                echo "mutations.txt: the entry ending at line $lineNo lacks file, from, to or what" >&2
                exit 2
            fi
            files+=("$f") froms+=("$fr") tos+=("$t") whats+=("$w")
        fi
        f="" fr="" t="" w="" hasFrom=0 hasTo=0 have=0
    }
    while IFS= read -r line || [[ -n $line ]]; do
        lineNo=$((lineNo + 1))
        [[ $line == \#* ]] && continue
        if [[ -z $line ]]; then
            flush
            continue
        fi
        key=${line%%:*}
        value=${line#*:}
        value=${value# }
        have=1
        case "$key" in
        file) f=$value ;;
        from) fr=$value; hasFrom=1 ;;
        to) t=$value; hasTo=1 ;;
        what) w=$value ;;
        *) echo "mutations.txt:$lineNo: unknown key '$key'" >&2; exit 2 ;;
        esac
    done <"$list"
    flush
}
parse_list

selected=()
for i in "${!files[@]}"; do
    if [[ -z $only ]] || [[ ${files[$i]} =~ $only ]] || [[ ${whats[$i]} =~ $only ]]; then
        selected+=("$i")
    fi
done

if ((listOnly)); then
    for i in "${selected[@]}"; do
        printf '%3d  %-40s %s\n' "$((i + 1))" "${files[$i]}" "${whats[$i]}"
    done
    exit 0
fi

# How often $2 occurs in $1 (without overlaps).
count_in() {
    local rest=$1 n=0
    while [[ $rest == *"$2"* ]]; do
        n=$((n + 1))
        rest=${rest#*"$2"}
    done
    echo "$n"
}

# ---- --check: every snippet once, read from REF without checking it out -----
if ((check)); then
    bad=0
    for i in "${selected[@]}"; do
        if ! content=$(git -C "$root" show "$ref:${files[$i]}" 2>/dev/null); then
            echo "#$((i + 1)) ${files[$i]}: no such file at $ref"
            bad=$((bad + 1))
            continue
        fi
        n=$(count_in "$content" "${froms[$i]}")
        if ((n != 1)); then
            echo "#$((i + 1)) ${files[$i]}: snippet occurs $n times: ${froms[$i]}"
            bad=$((bad + 1))
        fi
    done
    echo "checked ${#selected[@]} entries at $ref: $bad do not apply exactly once"
    ((bad == 0))
    exit
fi

# ---- the scratch worktree and its build --------------------------------------
# ccache shares objects between folders under its base_dir, so the first
# build of the scratch tree is mostly cache hits.
if [[ -z $scratch ]]; then
    scratch=$(mktemp -d "$(dirname "$root")/mutate-scratch.XXXXXX")
    rmdir "$scratch"
fi
[[ -z $log ]] && log="$(dirname "$scratch")/mutate.log"
commit=$(git -C "$root" rev-parse --verify "$ref^{commit}") || exit 2

# Builds and test runs go in a process group of their own, so that an
# interrupted run stops them at once rather than after they finish.
child=""
run() {
    setsid -w "$@" &
    child=$!
    wait "$child"
    local status=$?
    child=""
    return "$status"
}
cleanup() {
    [[ -n $child ]] && kill -TERM -- "-$child" 2>/dev/null && wait "$child" 2>/dev/null
    git -C "$root" worktree remove --force "$scratch" >/dev/null 2>&1 || rm -rf "$scratch"
    git -C "$root" worktree prune >/dev/null 2>&1
}
trap cleanup EXIT
trap 'exit 130' INT TERM

git -C "$root" worktree add --detach "$scratch" "$commit" >/dev/null || exit 2
build="$scratch/build"
echo "mutate.sh: commit $(git -C "$root" log -1 --format='%h %s' "$commit")"
echo "mutate.sh: building the unchanged tree in $build"
# The flags of the everyday build, warnings as errors included, so that
# ccache has every unchanged object already; a bug that only leaves a warning
# behind shows as one that did not build, and its entry wants changing.
run cmake -S "$scratch" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DKELVANE_WERROR=ON \
    -DKELVANE_BENCH=OFF -DKELVANE_FUZZ=OFF >"$scratch/configure.log" 2>&1 ||
    { cp "$scratch/configure.log" "$log.configure"; echo "configure failed; see $log.configure"; exit 2; }

run_tests() {
    QT_QPA_PLATFORM=offscreen run ctest --test-dir "$build" -j"$jobs" --stop-on-failure --timeout 120 \
        -E '_NOT_BUILT$' >"$1" 2>&1
}

run cmake --build "$build" -j"$jobs" >"$scratch/base-build.log" 2>&1 ||
    { cp "$scratch/base-build.log" "$log.base-build"; echo "the unchanged tree does not build; see $log.base-build"; exit 2; }
if ! run_tests "$scratch/base-tests.log"; then
    cp "$scratch/base-tests.log" "$log.base-tests"
    echo "the unchanged tree fails its tests; see $log.base-tests"
    exit 2
fi

# ---- one bug at a time -------------------------------------------------------
killed=0 survived=0 unbuilt=0 notApplied=0
survivors=() unbuilts=() notApplieds=()
: >"$log"
start=$SECONDS
for i in "${selected[@]}"; do
    n=$((i + 1))
    target="$scratch/${files[$i]}"
    label="#$n ${files[$i]}: ${whats[$i]}"
    if [[ ! -f $target ]]; then
        notApplied=$((notApplied + 1)); notApplieds+=("$label")
        echo "NOT APPLIED  $label" | tee -a "$log"
        continue
    fi
    IFS= read -r -d '' content <"$target"
    if (($(count_in "$content" "${froms[$i]}") != 1)); then
        notApplied=$((notApplied + 1)); notApplieds+=("$label")
        echo "NOT APPLIED  $label" | tee -a "$log"
        continue
    fi
    pre=${content%%"${froms[$i]}"*}
    post=${content#*"${froms[$i]}"}
    printf '%s' "$pre${tos[$i]}$post" >"$target"

    t0=$SECONDS
    if ! run cmake --build "$build" -j"$jobs" >"$scratch/mutant-build.log" 2>&1; then
        result="NO BUILD"
        unbuilt=$((unbuilt + 1)); unbuilts+=("$label")
        grep -m3 -E 'error' "$scratch/mutant-build.log" | sed 's/^/    /' >>"$log"
    elif run_tests "$scratch/mutant-tests.log"; then
        result="SURVIVED"
        survived=$((survived + 1)); survivors+=("$label")
    else
        result="KILLED"
        killed=$((killed + 1))
    fi
    failing=$(grep -m1 -oE '[0-9]+ - [A-Za-z0-9_./]+ \((Failed|Timeout|Subprocess aborted|SEGFAULT|Exception)' \
        "$scratch/mutant-tests.log" 2>/dev/null || true)
    [[ $result != KILLED ]] && failing=""
    printf '%-9s %4ds  %s%s\n' "$result" "$((SECONDS - t0))" "$label" "${failing:+  [$failing]}" | tee -a "$log"
    # Back to the committed file; the next build recompiles it from ccache.
    git -C "$scratch" checkout -q -- "${files[$i]}"
    rm -f "$scratch/mutant-tests.log"
done

tested=$((killed + survived))
echo
echo "killed $killed of $tested ($((SECONDS - start))s; $unbuilt did not build, $notApplied did not apply)"
if ((survived)); then
    echo "survivors:"
    printf '  %s\n' "${survivors[@]}"
fi
if ((unbuilt)); then
    echo "did not build (fix the list):"
    printf '  %s\n' "${unbuilts[@]}"
fi
if ((notApplied)); then
    echo "did not apply (run --check, fix the list):"
    printf '  %s\n' "${notApplieds[@]}"
fi
echo "log: $log"
