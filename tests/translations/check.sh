#!/usr/bin/env bash
# Every .ts file is up to date and complete: lupdate over today's sources,
# into a copy, changes nothing and leaves no entry unfinished. A text added
# to the program without its translation, or one gone from it, fails here.
set -euo pipefail
lupdate=$1 source=$2 work=$3
mkdir -p "$work"
status=0
for ts in "$source"/translations/*.ts; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  "$lupdate" -silent -no-obsolete -locations none -tr-function-alias QT_TRANSLATE_NOOP+=KELVANE_TEXT \
    -I "$source/src" "$source/src/gui" "$source/src/render" "$source/src/core" -ts "$copy"
  if grep -n -E 'type="(unfinished|vanished|obsolete)"' "$copy"; then
    echo "$ts: the entries above have no translation"
    status=1
  fi
  if ! cmp -s "$ts" "$copy"; then
    diff "$ts" "$copy" || true
    echo "$ts: not up to date with the sources; build the update_translations target"
    status=1
  fi
done
exit $status
