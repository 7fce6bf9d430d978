#!/usr/bin/env bash
# Formats every C++ file git knows with .clang-format, or with --check only
# reports the files that differ and fails. The formatter's major version is
# pinned: another one lays out some lines differently, and the check would
# fail on well-formatted code or pass badly formatted code.
#
#   scripts/format.sh [--check]
set -euo pipefail
cd "$(dirname "$0")/.."

wanted=14
tool="${CLANG_FORMAT:-clang-format-$wanted}"

if ! command -v "$tool" >/dev/null 2>&1; then
  echo "$0: $tool not found; scripts/install-deps.sh installs clang-format $wanted" >&2
  exit 2
fi
version="$("$tool" --version | sed -n 's/.*clang-format version \([0-9][0-9]*\)\..*/\1/p')"
if [ "$version" != "$wanted" ]; then
  echo "$0: $tool is clang-format ${version:-of an unknown version}, but the format is that of" \
    "clang-format $wanted; install clang-format-$wanted or point CLANG_FORMAT at it" >&2
  exit 2
fi

case "${1:-}" in
  --check) git ls-files -z '*.h' '*.cpp' | xargs -0 "$tool" --dry-run --Werror ;;
  '') git ls-files -z '*.h' '*.cpp' | xargs -0 "$tool" -i ;;
  *) echo "usage: $0 [--check]" >&2; exit 2 ;;
esac
