#!/usr/bin/python3
"""Reads the worked floor's drawing with ezdxf and its beam loads with Python's csv module.

    check_floor_outputs.py <floor_sample_writer> <work folder>

The worked floor as the floor's design gives it.
Drawing (worked_floor.dxf, "," in its numbers, scale 1:50, wall 0.15 m, cover 1 cm):
- ezdxf reads it strictly, its audit finds nothing to fix;
- the titles of the three plans and of the table are there;
- every bar label "N3 - 36 Ø8,0 c/11 - 413" stands 2 units beside a bar line of its plan whose
  drawn length (with the legs of a top bar) is the label's length, on the right layer;
- every row of the table agrees with its labels: the diameter, the unit length, and the
  quantity as the sum of the labels' counts; every position has a label.
Beam loads (worked_floor.csv and worked_floor_point.csv): UTF-8 with a byte-order mark, read as
six columns with ";", the rows of the worked floor's beams.
Exit status 0 when everything passes; each failure is printed.
"""
import csv
import re
import subprocess
import sys
from collections import defaultdict
from pathlib import Path

import ezdxf

LABEL = re.compile(r"^(N\d+) - (\d+) Ø(\d+,\d) c/(\d+(?:,\d+)?) - (\d+)$")
SCALE = 20.0  # units per metre at 1:50
problems = []


def close(a, b, tol=1e-6):
    return abs(a - b) <= tol


def check_drawing(path):
    doc = ezdxf.readfile(str(path), errors="strict")
    auditor = doc.audit()
    if auditor.has_errors or auditor.has_fixes:
        problems.append(f"audit: {len(auditor.errors)} errors, {len(auditor.fixes)} fixes")
    msp = doc.modelspace()
    texts = [t for t in msp if t.dxftype() == "TEXT"]
    lines = [l for l in msp if l.dxftype() == "LINE"]
    contents = [t.dxf.text for t in texts]
    for title in ("FORMAS", "ARMADURA POSITIVA", "ARMADURA NEGATIVA", "TABELA DE AÇO"):
        if contents.count(title) != 1:
            problems.append(f'title "{title}" appears {contents.count(title)} times')
    if any(t.dxf.layer != "Texto" for t in texts):
        problems.append("a text off layer Texto")

    labels = []
    for t in texts:
        m = LABEL.match(t.dxf.text)
        if m:
            labels.append((t, m))
    if len(labels) != 9:  # 3 slabs × 2 directions, 3 stretches
        problems.append(f"{len(labels)} bar labels, expected 9")

    quantities = defaultdict(int)
    facts = defaultdict(set)
    for t, m in labels:
        name, count, diameter, _, length = m.groups()
        quantities[name] += int(count)
        facts[name].add((diameter, length))
        x, y = t.dxf.insert.x, t.dxf.insert.y
        rotated = close(t.dxf.rotation, 90.0)
        # The bar the label names: 2 units below it (beside it, for a rotated label), its
        # start within the bar's run.
        bar = None
        for line in lines:
            s, e = line.dxf.start, line.dxf.end
            if rotated and close(s.x, x + 2) and close(e.x, x + 2) and min(s.y, e.y) <= y <= max(s.y, e.y):
                bar = line
            if not rotated and close(s.y, y - 2) and close(e.y, y - 2) and min(s.x, e.x) <= x <= max(s.x, e.x):
                bar = line
            if bar is not None:
                break
        if bar is None:
            problems.append(f'no bar beside "{t.dxf.text}"')
            continue
        drawn = abs((bar.dxf.end - bar.dxf.start).magnitude)
        layer = bar.dxf.layer.lower()
        if layer == "ferr-neg":
            legs = [l for l in lines if l.dxf.layer == "Ferr-Neg" and l is not bar and
                    any((p - q).magnitude < 1e-6 for p in (l.dxf.start, l.dxf.end)
                        for q in (bar.dxf.start, bar.dxf.end))]
            if len(legs) != 2:
                problems.append(f'"{t.dxf.text}": {len(legs)} legs, expected 2')
            drawn += sum((l.dxf.end - l.dxf.start).magnitude for l in legs)
        elif layer != "ferr-pos":
            problems.append(f'"{t.dxf.text}" names a line on layer {bar.dxf.layer}')
        if round(drawn / SCALE * 100) != int(length):
            problems.append(f'"{t.dxf.text}": the bar drawn is {drawn / SCALE * 100:.2f} cm')

    # The table: rows are texts of one base line to the right of the three plans.
    table_left = min(t.dxf.insert.x for t in texts if t.dxf.text == "TABELA DE AÇO")
    rows = defaultdict(list)
    for t in texts:
        if t.dxf.insert.x >= table_left and t.dxf.text != "TABELA DE AÇO":
            rows[round(t.dxf.insert.y, 6)].append(t)
    positions = {}
    for cells in rows.values():
        cells.sort(key=lambda c: c.dxf.insert.x)
        words = [c.dxf.text for c in cells]
        if re.fullmatch(r"N\d+", words[0]):
            positions[words[0]] = words
    if set(positions) != set(quantities):
        problems.append(f"table positions {sorted(positions)} vs labels {sorted(quantities)}")
    for name, words in positions.items():
        _, diameter, quantity, unit, _, _ = words
        if facts[name] != {(diameter, unit)}:
            problems.append(f"{name}: table Ø {diameter} {unit} cm, labels {facts[name]}")
        if int(quantity) != quantities[name]:
            problems.append(f"{name}: table {quantity} bars, labels {quantities[name]}")
    # By hand (see the floor's steel-table test): N1 5.0 mm at 413 cm in L1 both ways and L2
    # along y, N5 the 6.3 mm top bars of the three stretches.
    expected = {"N1": ["5,0", "121", "413"], "N5": ["6,3", "137", "166"]}
    for name, (diameter, quantity, unit) in expected.items():
        if positions.get(name, [None] * 6)[1:4] != [diameter, quantity, unit]:
            problems.append(f"{name}: {positions.get(name)}")


def check_csv(path, rows):
    data = path.read_bytes()
    if not data.startswith(b"\xef\xbb\xbf"):
        problems.append(f"{path.name}: no byte-order mark")
    with open(path, newline="", encoding="utf-8-sig") as f:
        read = list(csv.reader(f, delimiter=";"))
    if read != rows:
        problems.append(f"{path.name}: read {read}")


def main():
    writer, folder = sys.argv[1], Path(sys.argv[2])
    subprocess.run([writer, str(folder)], check=True)
    check_drawing(folder / "worked_floor.dxf")
    header = ["Viga", "de (m)", "até (m)", "lajes", "carga (kg/m)", "carga (kN/m)"]
    # The beams of the worked floor: each piece's load is the sum of the reactions of the slabs
    # on its two sides (V2: 2140.10 and 2317.62 kg/m); kN/m is kg/m × 0.01.
    pieces = [
        ("V1", 0, 9, "L3", 723.00), ("V2", 0, 4, "L1, L3", 2140.10),
        ("V2", 4, 9, "L2, L3", 2317.62), ("V3", 0, 4, "L1", 512.40),
        ("V3", 4, 9, "L2", 614.88), ("V4", 0, 4, "L1", 512.40), ("V4", 4, 7, "L3", 411.75),
        ("V5", 0, 4, "L1, L2", 1775.20), ("V6", 0, 4, "L2", 512.40), ("V6", 4, 7, "L3", 411.75),
    ]
    kn = {723.00: "7.23", 2140.10: "21.40", 2317.62: "23.18", 512.40: "5.12", 614.88: "6.15",
          411.75: "4.12", 1775.20: "17.75"}
    for name, separator in (("worked_floor.csv", ","), ("worked_floor_point.csv", ".")):
        rows = [[beam, f"{a:.2f}", f"{b:.2f}", slabs, f"{load:.2f}", kn[load]]
                for beam, a, b, slabs, load in pieces]
        rows = [[c.replace(".", separator) for c in row] for row in rows]
        check_csv(folder / name, [header] + rows)
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
