#!/usr/bin/env bash
# Reads the desktop program through the accessibility bus, as a screen reader
# does: a virtual X screen, a D-Bus session with the AT-SPI bus, the program
# started in a folder of its own, and check_tree.py walking what it exposes.
# Exits 77 (skipped) where the tools are not installed
# (scripts/install-deps.sh installs them).
#
# With kelvane-cli given, a sector with notes is kept as if the program had
# ended with it open, so that the start opens it and its map is read too.
#
#   tests/a11y/run.sh PROGRAM [KELVANE_CLI]
set -euo pipefail
program=$1
cli=${2:-}
here=$(cd "$(dirname "$0")" && pwd)

launcher=/usr/libexec/at-spi-bus-launcher
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || ! command -v xvfb-run >/dev/null ||
    ! command -v dbus-run-session >/dev/null || [ ! -x "$launcher" ]; then
    echo "run.sh: python3-pyatspi, xvfb, dbus or at-spi2-core missing: skipped"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/run"
# A copy keeps its settings beside it, in the folder that goes at the end.
cp "$program" "$work/kelvane"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
if [ -n "$cli" ]; then
    "$cli" sector --seed 7 --width 3 --height 2 --density 0.5 --book off -o "$work/sector"
    "$cli" note "$work/sector" 0101 "A nebula."
    mkdir -p "$work/data/kelvane"
    printf '{"kelvaneSession": 1, "origin": "%s", "unsaved": false}\n' "$work/sector" \
        >"$work/data/kelvane/session.json"
    export KELVANE_A11Y_SECTOR=1
fi
export KELVANE_A11Y_HERE="$here" KELVANE_A11Y_WORK="$work" KELVANE_A11Y_LAUNCHER="$launcher"
# -e: xvfb-run's own errors show in the test's output.
xvfb-run -a -e /dev/stderr -s '-screen 0 1280x1024x24' dbus-run-session -- bash -c '
    "$KELVANE_A11Y_LAUNCHER" --launch-immediately &
    launcher=$!
    sleep 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$KELVANE_A11Y_WORK/kelvane" &
    program=$!
    status=0
    /usr/bin/python3 "$KELVANE_A11Y_HERE/check_tree.py" || status=$?
    kill "$program" "$launcher" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    exit "$status"
'
