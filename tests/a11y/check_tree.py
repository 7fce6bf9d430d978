"""What a screen reader finds in the desktop program, read through AT-SPI.

Waits for the application named kelvane, walks everything it exposes and
checks the names and roles a user of a screen reader depends on. Prints each
finding that fails and exits 1 if any did.
"""
import os
import sys
import time

import pyatspi


def find_application(deadline):
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and (app.name or "").lower() == "kelvane":
                return app
        time.sleep(0.5)
    return None


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def main():
    deadline = time.monotonic() + 30
    app = find_application(deadline)
    if app is None:
        print("no application named kelvane on the accessibility bus")
        return 1
    # The child windows come up after the main window.
    while True:
        nodes = list(walk(app))
        names = {(n.getRoleName(), n.name) for n in nodes}
        sector_ready = not os.environ.get("KELVANE_A11Y_SECTOR") or any(
            n.name == "Sector map" and n.childCount == 6 for n in nodes)
        if (any(n.name == "Orbital Display" and n.childCount == 11 for n in nodes) and sector_ready) or \
                time.monotonic() > deadline:
            break
        time.sleep(0.5)

    failures = []

    def expect(condition, what):
        if not condition:
            failures.append(what)

    buttons = {name for role, name in names if role in ("push button", "toggle button")}
    for command in ("New", "Open...", "Save", "Print", "Print Preview"):
        expect(command in buttons, f"a toolbar button named {command!r}")
    expect(any(role == "text" and name == "System Name" for role, name in names), "the name box named 'System Name'")

    def table(name, rows, columns):
        found = [n for n in nodes if n.name == name and n.getRoleName() == "table"]
        expect(found, f"a table named {name!r}")
        if found:
            grid = found[0].queryTable()
            expect((grid.nRows, grid.nColumns) == (rows, columns),
                   f"{name}: {rows} rows of {columns}, not {grid.nRows} of {grid.nColumns}")
            header = grid.getColumnHeader(0)
            expect(header is not None and header.name == "Orbit", f"{name}: its first column headed 'Orbit'")
            cell = grid.getAccessibleAt(0, 0)
            expect(cell is not None and cell.name == "1", f"{name}: its first row numbered 1")

    table("Orbits", 10, 5)
    table("Elements", 10, 2)

    display = [n for n in nodes if n.name == "Orbital Display" and n.getRoleName() == "list"]
    expect(display, "the Orbital Display as a list")
    if display:
        parts = [display[0].getChildAtIndex(i).name for i in range(display[0].childCount)]
        orbits = [p for p in parts if p.startswith("Orbit ")]
        expect(len(orbits) == 10, f"ten orbits in the Orbital Display, not {len(orbits)}")
        expect(parts and parts[0].startswith("Star: "), "the star first in the Orbital Display")
        print("\n".join(parts))

    if os.environ.get("KELVANE_A11Y_SECTOR"):
        maps = [n for n in nodes if n.name == "Sector map"]
        expect(maps, "the sector map")
        if maps:
            hexes = [maps[0].getChildAtIndex(i).name for i in range(maps[0].childCount)]
            expect(len(hexes) == 6, f"six hexes on the sector map, not {len(hexes)}")
            expect(hexes and hexes[0].startswith("0101") and hexes[0].endswith(", notes"),
                   "hex 0101 first, with its notes said")
            print("\n".join(hexes))

    for failure in failures:
        print("missing:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
