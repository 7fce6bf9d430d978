#!/usr/bin/env bash
# The static checks of the sources git knows, each failing on any finding:
#   tidy      clang-tidy 14 with .clang-tidy (tests/.clang-tidy for the tests),
#             on every source file of src, bench and tests, with the compile
#             commands of BUILD_DIR (configured by make)
#   cppcheck  cppcheck on the same files, without the system's and Qt's
#             headers; scripts/cppcheck-suppressions lists what it may not say
#
#   scripts/static-checks.sh tidy|cppcheck [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."

check="${1:-}"
build_dir="${2:-build}"
jobs="$(nproc)"

mapfile -t sources < <(git ls-files 'src/*.cpp' 'bench/*.cpp' 'tests/*.cpp')

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
    # Headers of the project only, not those CMake generates into the build
    # folder. clang-tidy counts the warnings it was told to hide in Qt's and the
    # system's headers; those counts are left out.
    set +e
    printf '%s\0' "${sources[@]}" |
      xargs -0 -n 4 -P "$jobs" "$tool" -p "$build_dir" --quiet --warnings-as-errors='*' \
        --header-filter="^$PWD/(src|bench|tests)/" 2>&1 |
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
    echo "usage: $0 tidy|cppcheck [BUILD_DIR]" >&2
    exit 2
    ;;
esac
