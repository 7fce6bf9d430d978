#!/usr/bin/env bash
# The static checks of the sources git knows, each failing on any finding:
#   tidy      clang-tidy 14 with .clang-tidy (tests/.clang-tidy for the tests),
#             on every source file of src, bench, tests, fuzz and packaging,
#             with the compile commands of BUILD_DIR (configured by make)
#   cppcheck  cppcheck on the same files, without the system's and Qt's
#             headers; scripts/cppcheck-suppressions lists what it may not say
# Files named after BUILD_DIR are checked instead of all of them.
#
# The fuzz targets are built only by clang with KELVANE_FUZZ=ON, so BUILD_DIR
# has no commands for them: each is checked with the command of a core source
# file, whose include paths and language flags are theirs too.
#
#   scripts/static-checks.sh tidy|cppcheck [BUILD_DIR [FILE...]]
set -euo pipefail
cd "$(dirname "$0")/.."

check="${1:-}"
build_dir="${2:-build}"
shift $(($# < 2 ? $# : 2))
jobs="$(nproc)"

if [ $# -gt 0 ]; then
  sources=("$@")
else
  mapfile -t sources < <(git ls-files 'src/*.cpp' 'bench/*.cpp' 'tests/*.cpp' 'fuzz/*.cpp' 'packaging/*.cpp')
fi

# BUILD_DIR's compile commands with one for each fuzz target added, in a
# folder of their own; prints the folder.
CompileCommandsWithFuzz()
{
  local folder
  folder="$(mktemp -d "${TMPDIR:-/tmp}/kelvane-tidy.XXXXXX")"
  python3 - "$build_dir/compile_commands.json" "$folder/compile_commands.json" "$PWD" \
    "$(git ls-files 'fuzz/*.cpp')" <<'PY'
import json, os, sys
source, target, root, fuzz = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4].split()
commands = json.load(open(source))
model = next(c for c in commands if c["file"].endswith("/src/core/model/SystemCode.cpp"))
for name in fuzz:
    path = os.path.join(root, name)
    entry = dict(model)
    entry["file"] = path
    if "arguments" in entry:
        entry["arguments"] = [path if a == model["file"] else a for a in entry["arguments"]]
    else:
        entry["command"] = entry["command"].replace(model["file"], path)
    commands.append(entry)
json.dump(commands, open(target, "w"), indent=1)
PY
  echo "$folder"
}

case "$check" in
  tidy)
    tool="${CLANG_TIDY:-clang-tidy-14}"
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "$0: $tool not found; scripts/install-deps.sh installs it" >&2
      exit 2
    fi
    if [ ! -f "$build_dir/compile_commands.json" ]; then
      echo "$0: no $build_dir/compile_commands.json; configure first (make configure)" >&2
      exit 2
    fi
    commands="$(CompileCommandsWithFuzz)"
    trap 'rm -rf "$commands"' EXIT
    # Headers of the project only, not those CMake generates into the build
    # folder. clang-tidy counts the warnings it was told to hide in Qt's and the
    # system's headers; those counts are left out.
    set +e
    printf '%s\0' "${sources[@]}" |
      xargs -0 -n 4 -P "$jobs" "$tool" -p "$commands" --quiet --warnings-as-errors='*' \
        --header-filter="^$PWD/(src|bench|tests|fuzz|packaging)/" 2>&1 |
      grep -Ev '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$'
    status="${PIPESTATUS[1]}"
    set -e
    if [ "$status" -ne 0 ]; then
      echo "clang-tidy found something; see above" >&2
      exit 1
    fi
    echo "clang-tidy: ${#sources[@]} files, nothing found"
    ;;
  cppcheck)
    cppcheck --version >/dev/null 2>&1 || { echo "$0: cppcheck not found; scripts/install-deps.sh installs it" >&2; exit 2; }
    cppcheck --quiet --error-exitcode=1 -j "$jobs" --std=c++20 --language=c++ \
      --enable=warning,style,performance,portability --inline-suppr \
      --library=qt --library=googletest \
      --suppressions-list=scripts/cppcheck-suppressions \
      -I src -I "$build_dir/generated" \
      --template='{file}:{line}: {severity}: {message} [{id}]' \
      "${sources[@]}"
    echo "cppcheck: ${#sources[@]} files, nothing found"
    ;;
  *)
    echo "usage: $0 tidy|cppcheck [BUILD_DIR [FILE...]]" >&2
    exit 2
    ;;
esac
