#!/usr/bin/env python3
"""Builds the game's map files in data/ from the ASCII drawings in src/.

One character per tile. The drawings are what gets reviewed; the .dat files
are what the game reads (decimal tile codes, commas between numbers, one map
row per line).

    python3 tools/maps/build_maps.py          # write data/*.dat
    python3 tools/maps/build_maps.py --check  # fail if data/ is out of date

Only the Python standard library is used.
"""

import argparse
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
SRC = HERE / "src"
DATA = HERE.parent.parent / "data"

# Character -> tile code.
LEGEND = {
    " ": 0,   # outside the hall (void, blocks)
    "g": 1,   # grass
    "w": 2,   # water
    "s": 3,   # sand
    "i": 4,   # ice
    ".": 10,  # wooden floor
    "#": 11,  # red brick wall
    "=": 12,  # red brick wall, lower course (the row that meets the floor)
    "%": 13,  # lavender brick wall
    "-": 14,  # lavender brick wall, lower course
    "h": 15,  # chair
    "C": 16,  # counter
    "U": 17,  # stairs up: room exit, one room back
    "D": 18,  # stairs down: door, one room deeper
    "R": 19,  # railing: the closed hall entrance
}

TERRAIN = set("gwsi")

# name -> (width, height, characters allowed, pad short lines with void)
MAPS = {
    "rftmap": (40, 40, set(LEGEND), True),
    **{f"chk{n}": (19, 14, set(LEGEND) - {" "}, False) for n in range(4)},
    **{f"btl{n}": (19, 14, TERRAIN, False) for n in range(6)},
}
SOURCE_NAME = {"rftmap": "hall", **{f"chk{n}": f"room{n}" for n in range(4)}}


def read_drawing(name):
    width, height, allowed, pad = MAPS[name]
    path = SRC / (SOURCE_NAME.get(name, name) + ".txt")
    lines = path.read_text(encoding="utf-8").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if len(lines) != height:
        sys.exit(f"{path}: {len(lines)} rows, expected {height}")
    rows = []
    for y, line in enumerate(lines, start=1):
        if pad:
            line = line.ljust(width)
        if len(line) != width:
            sys.exit(f"{path}: row {y} is {len(line)} wide, expected {width}")
        for x, ch in enumerate(line, start=1):
            if ch not in allowed:
                sys.exit(f"{path}: row {y}, column {x}: {ch!r} is not allowed here")
        rows.append([LEGEND[ch] for ch in line])
    return rows


def render(rows):
    return "".join(",".join(str(v) for v in row) + "\n" for row in rows)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--check", action="store_true",
                        help="compare with data/ instead of writing")
    args = parser.parse_args()

    stale = []
    for name in MAPS:
        text = render(read_drawing(name))
        target = DATA / f"{name}.dat"
        if args.check:
            if not target.exists() or target.read_text(encoding="utf-8") != text:
                stale.append(target.name)
        else:
            DATA.mkdir(exist_ok=True)
            target.write_text(text, encoding="utf-8", newline="\n")
    if stale:
        sys.exit("out of date, run build_maps.py: " + ", ".join(stale))


if __name__ == "__main__":
    main()
