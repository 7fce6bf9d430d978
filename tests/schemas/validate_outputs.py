#!/usr/bin/env python3
"""Every JSON form kelvane-cli writes, checked against its schema in schemas/
with a real validator: a system, a run of systems, a loaded file, a sector's
index (small, and the largest sector, 64 x 80) and show of it. Altered outputs
must fail, so that a schema that accepts anything cannot pass.

usage: validate_outputs.py SCHEMA_DIR KELVANE_CLI TEST_DATA
"""
import copy
import json
import os
import subprocess
import sys
import tempfile

import jsonschema

schemas, cli, data = sys.argv[1:4]
failures = []


def load_schema(name):
    with open(os.path.join(schemas, name), encoding="utf-8") as f:
        schema = json.load(f)
    jsonschema.Draft202012Validator.check_schema(schema)
    return jsonschema.Draft202012Validator(schema)


def run(*arguments):
    ran = subprocess.run([cli, *arguments], capture_output=True, text=True, check=False)
    if ran.returncode != 0:
        sys.exit(f"kelvane-cli {' '.join(arguments)}: exit {ran.returncode}\n{ran.stderr}")
    return ran.stdout


def expect(validator, document, valid, what):
    errors = [f"{e.json_path}: {e.message[:200]}" for e in validator.iter_errors(document)]
    if valid and errors:
        failures.append(f"{what}: {errors[:3]}")
    if not valid and not errors:
        failures.append(f"{what}: accepted, but should not be")


system = load_schema("system.schema.json")
sector = load_schema("sector.schema.json")

one = json.loads(run("new", "--seed", "1", "--format", "json"))
expect(system, one, True, "new --seed 1")
many = json.loads(run("new", "--seed", "2", "--count", "200", "--life-support", "4", "--biozone", "3",
                      "--format", "json"))
expect(system, many, True, "new --count 200")
expect(system, json.loads(run("new", "--code", one["code"], "--format", "json")), True, "new --code")
loaded = json.loads(run("show", os.path.join(data, "example.KVN"), "--format", "json"))
expect(system, loaded, True, "show example.KVN")

# What a schema must refuse: a missing member, a word outside its list, an
# orbit too many, a code that is not one, a number given as text.
broken = copy.deepcopy(one)
del broken["orbits"][3]["au"]
expect(system, broken, False, "an orbit without au")
broken = copy.deepcopy(one)
broken["orbits"][0]["contents"] = "moon"
expect(system, broken, False, "contents 'moon'")
broken = copy.deepcopy(one)
broken["orbits"].append(broken["orbits"][0])
expect(system, broken, False, "eleven orbits")
broken = copy.deepcopy(one)
broken["code"] = "not a code"
expect(system, broken, False, "a code with spaces")
broken = copy.deepcopy(one)
broken["biozoneMin"] = str(broken["biozoneMin"])
expect(system, broken, False, "biozoneMin as text")
expect(system, [one], False, "an array of one system")

with tempfile.TemporaryDirectory() as folder:
    for width, height, seed in ((3, 4, "7"), (64, 80, "18446744073709551615")):
        target = os.path.join(folder, f"{width}x{height}")
        run("sector", "--seed", seed, "--width", str(width), "--height", str(height), "-o", target)
        with open(os.path.join(target, "sector.json"), encoding="utf-8") as f:
            index = json.load(f)
        expect(sector, index, True, f"sector {width}x{height}")
        shown = json.loads(run("show", os.path.join(target, "sector.json"), "--format", "json"))
        expect(sector, shown, True, f"show of sector {width}x{height}")
        if not index["systems"]:
            failures.append(f"sector {width}x{height}: no systems to check")

    # Named, with notes on an occupied and an empty hex.
    small = os.path.join(folder, "3x4")
    run("rename", small, "The Marches")
    run("note", small, "0101", "Line one\nline \"two\"")
    run("note", small, "0304", "A nebula")
    with open(os.path.join(small, "sector.json"), encoding="utf-8") as f:
        noted = json.load(f)
    expect(sector, noted, True, "a sector with a name and notes")
    notes = {entry["hex"]: entry["notes"] for entry in noted["systems"] + noted.get("emptyHexes", []) if "notes" in entry}
    if noted.get("kelvaneSector") != 2 or noted.get("name") != "The Marches" or len(notes) != 2:
        failures.append(f"a sector with a name and notes: version {noted.get('kelvaneSector')}, notes {notes}")
    broken = copy.deepcopy(noted)
    broken["kelvaneSector"] = 3
    expect(sector, broken, False, "version 3")

    broken = copy.deepcopy(index)
    broken["width"] = 65
    expect(sector, broken, False, "width 65")
    broken = copy.deepcopy(index)
    broken["seed"] = 7
    expect(sector, broken, False, "a seed as a number")
    broken = copy.deepcopy(index)
    broken["systems"][0]["starType"] = "Green (X)"
    expect(sector, broken, False, "star type 'Green (X)'")
    broken = copy.deepcopy(index)
    del broken["systems"][0]["hex"]
    expect(sector, broken, False, "a system without its hex")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
