#!/usr/bin/python3
"""Reads the program's drawings with ezdxf, a DXF reader written independently of it.

    check_with_ezdxf.py <dxf_sample_writer> <work folder> [file.dxf ...]

Runs the writer into the work folder (with the layer colours below), then checks every
case<N>_solid.dxf and case<N>_ribbed_nx<X>_ny<Y>.dxf in it, and the designed slabs with their
steel table, schedule_<E>edge_<slab>.dxf (see check_schedule_file), or only the files given. Exit
status 0 when every file passes, 1 otherwise; each failure is printed.

Per file:
- the raw bytes: CR LF after every line, "EOF" last, pairs of lines, the 23-character reals;
- ezdxf.readfile with strict decoding reads it without a warning, and doc.audit() finds
  neither errors nor fixes (audit repairs quietly, so both counts are checked, and the entity
  counts below catch what a lenient reader drops);
- the tables: exactly the five layers with their colours and line types, the two line types;
- every entity's layer and line type is defined in the tables;
- the number of LINE entities per layer and of TEXT entities on "Texto", from the rules of
  the drawing: 8 outline lines; 1 bottom bar per direction (solid) or X and Y (ribbed); top
  bars in x: a staggered pair of 6 lines and 3 texts where an x edge is fixed (cases 2 to 6),
  otherwise 1 straight line and 1 text when the slab is ribbed; in y the same with cases 3, 5
  and 6.
"""
import logging
import re
import subprocess
import sys
from pathlib import Path

import ezdxf

COLOURS = {"Texto": 4, "Laje": 1, "Ferr-pos": 3, "Ferr-Neg": 12}
LAYERS = {  # name: (colour, line type)
    "0": (7, "CONTINUOUS"),
    "Texto": (COLOURS["Texto"], "CONTINUOUS"),
    "Laje": (COLOURS["Laje"], "CONTINUOUS"),
    "Ferr-pos": (COLOURS["Ferr-pos"], "CONTINUOUS"),
    "Ferr-Neg": (COLOURS["Ferr-Neg"], "Dashed"),
}
LINE_TYPES = {"CONTINUOUS", "Dashed"}
REAL = re.compile(r"^[ -]\d\.\d{14}E[+-]\d{4}$")
NAME = re.compile(r"^case([1-6])_(?:solid|ribbed_nx(\d+)_ny(\d+))\.dxf$")
# Designed slabs with their steel table; the number is how many edges each top bar
# direction has fixed (its top positions count the label's bars that many times).
SCHEDULE_NAME = re.compile(r"^schedule_(\d)edge_\w+\.dxf$")
LINEAR_MASS = {5.0: 0.154, 6.3: 0.245, 8.0: 0.395, 10.0: 0.617, 12.5: 0.963, 16.0: 1.578,
               20.0: 2.466, 25.0: 3.853, 32.0: 6.313, 40.0: 9.865}


class Problems:
    def __init__(self, path):
        self.path = path
        self.items = []

    def add(self, text):
        self.items.append(f"{self.path.name}: {text}")


class WarningCollector(logging.Handler):
    def __init__(self):
        super().__init__(level=logging.WARNING)
        self.messages = []

    def emit(self, record):
        self.messages.append(record.getMessage())


def expected_counts(support_case, ribbed, nx, ny):
    """(LINE per lower-case layer name, TEXT on "texto")."""
    x_fixed = 2 <= support_case <= 6
    y_fixed = support_case in (3, 5, 6)
    neg_lines = texts = 0
    for fixed in (x_fixed, y_fixed):
        if fixed:
            neg_lines, texts = neg_lines + 6, texts + 3
        elif ribbed:
            neg_lines, texts = neg_lines + 1, texts + 1
    lines = {"laje": 8, "ferr-pos": nx + ny, "ferr-neg": neg_lines}
    return {k: v for k, v in lines.items() if v}, 6 + texts


def check_raw(data, problems):
    """The bytes as the writer must produce them, independently of any DXF reader."""
    if not data.endswith(b"EOF\r\n"):
        problems.add('does not end with "EOF" and CR LF')
    if data.replace(b"\r\n", b"").find(b"\n") >= 0 or data.replace(b"\r\n", b"").find(b"\r") >= 0:
        problems.add("has a line break other than CR LF")
    lines = data.split(b"\r\n")[:-1]
    if len(lines) % 2:
        problems.add("has an odd number of lines")
    pairs = list(zip(lines[0::2], lines[1::2]))
    entities = [v for c, v in pairs if c.strip() == b"0" and v in (b"TEXT", b"LINE")]
    in_entities = False
    for code, value in pairs:
        if code == b" 2" and value == b"ENTITIES":
            in_entities = True
        if in_entities and code in (b" 10", b" 20", b" 11", b" 21"):
            if not REAL.match(value.decode("ascii", "replace")):
                problems.add(f"coordinate {value!r} is not in the 23-character form")
    layer_entries = sum(1 for c, v in pairs if c == b"  0" and v == b"LAYER")
    ltype_entries = sum(1 for c, v in pairs if c == b"  0" and v == b"LTYPE")
    if layer_entries != 5:
        problems.add(f"layer table holds {layer_entries} layers, not 5")
    if ltype_entries != 2:
        problems.add(f"line-type table holds {ltype_entries} line types, not 2")
    return len(entities)


def read_drawing(path, problems):
    """Raw checks, ezdxf reading and audit, the tables; the model-space entities or None."""
    data = path.read_bytes()
    raw_entities = check_raw(data, problems)

    collector = WarningCollector()
    logger = logging.getLogger("ezdxf")
    logger.addHandler(collector)
    try:
        doc = ezdxf.readfile(str(path), errors="strict")
    except Exception as error:  # any read error fails the file
        problems.add(f"ezdxf cannot read it: {error!r}")
        return None
    finally:
        logger.removeHandler(collector)
    for message in collector.messages:
        problems.add(f"ezdxf warning while reading: {message}")

    auditor = doc.audit()
    if auditor.has_errors or auditor.has_fixes or len(auditor.errors) or len(auditor.fixes):
        for entry in list(auditor.errors) + list(auditor.fixes):
            problems.add(f"audit: {entry.message}")
        problems.add(f"audit: {len(auditor.errors)} errors, {len(auditor.fixes)} fixes")

    # ezdxf adds its own "Defpoints" layer and "ByBlock"/"ByLayer" line types on loading;
    # the raw check above counts what the file itself defines.
    for name, (colour, line_type) in LAYERS.items():
        if not doc.layers.has_entry(name):
            problems.add(f'layer "{name}" missing')
            continue
        layer = doc.layers.get(name)
        if layer.dxf.name != name:
            problems.add(f'layer "{name}" is named "{layer.dxf.name}"')
        if layer.dxf.color != colour:
            problems.add(f'layer "{name}" has colour {layer.dxf.color}, not {colour}')
        if layer.dxf.linetype != line_type:
            problems.add(f'layer "{name}" has line type {layer.dxf.linetype}, not {line_type}')
    for line_type in LINE_TYPES:
        if not doc.linetypes.has_entry(line_type):
            problems.add(f'line type "{line_type}" missing')
    if doc.linetypes.has_entry("Dashed"):
        pattern = [(t.code, t.value) for t in doc.linetypes.get("Dashed").pattern_tags.tags]
        if pattern != [(72, 65), (73, 2), (40, 0.75), (49, 0.5), (49, -0.25)]:
            problems.add(f'line type "Dashed" has the pattern {pattern}')
    if doc.header.get("$LTSCALE") != 2.0:  # scale 1:50
        problems.add(f"$LTSCALE is {doc.header.get('$LTSCALE')}, not 2")

    entities = list(doc.modelspace())
    for entity in entities:
        layer = entity.dxf.layer
        if not doc.layers.has_entry(layer):
            problems.add(f'{entity.dxftype()} on undefined layer "{layer}"')
        line_type = entity.dxf.get("linetype", "BYLAYER")
        if line_type.upper() not in ("BYLAYER", "BYBLOCK") and not doc.linetypes.has_entry(line_type):
            problems.add(f'{entity.dxftype()} with undefined line type "{line_type}"')
        if entity.dxftype() == "TEXT":
            if layer != "Texto":
                problems.add(f'TEXT on layer "{layer}"')
            if entity.dxf.height not in (5.0, 2.5):
                problems.add(f"TEXT height {entity.dxf.height}")
        elif entity.dxftype() != "LINE":
            problems.add(f"unexpected entity {entity.dxftype()}")
    if len(entities) != raw_entities:
        problems.add(f"ezdxf sees {len(entities)} entities, the file holds {raw_entities}")
    labels = [e.dxf.text for e in entities if e.dxftype() == "TEXT"]
    if not any("\u00d8" in text for text in labels):
        problems.add('no bar label with "\u00d8" after decoding as Windows-1252')
    return entities


def check_file(path, problems):
    match = NAME.match(path.name)
    if not match:
        schedule = SCHEDULE_NAME.match(path.name)
        if schedule:
            check_schedule_file(path, problems, int(schedule.group(1)))
        else:
            problems.add("unexpected file name")
        return
    support_case = int(match.group(1))
    ribbed = match.group(2) is not None
    nx, ny = (int(match.group(2)), int(match.group(3))) if ribbed else (1, 1)

    entities = read_drawing(path, problems)
    if entities is None:
        return
    lines, texts = {}, 0
    for entity in entities:
        if entity.dxftype() == "LINE":
            layer = entity.dxf.layer.lower()
            lines[layer] = lines.get(layer, 0) + 1
        elif entity.dxftype() == "TEXT":
            texts += 1
    want_lines, want_texts = expected_counts(support_case, ribbed, nx, ny)
    if lines != want_lines:
        problems.add(f"LINE entities per layer {lines}, expected {want_lines}")
    if texts != want_texts:
        problems.add(f"{texts} TEXT entities, expected {want_texts}")


def bar_layer(label, entities):
    """The layer of the bar a label stands on: 2 units below a label, 2 right of a rotated one."""
    rotated = label.dxf.rotation == 90
    x, y = label.dxf.insert.x, label.dxf.insert.y
    for line in entities:
        if line.dxftype() != "LINE" or line.dxf.layer.lower() not in ("ferr-pos", "ferr-neg"):
            continue
        start, end = line.dxf.start, line.dxf.end
        if rotated and abs(start.x - end.x) < 1e-6 and abs(start.x - (x + 2)) < 1e-6:
            return line.dxf.layer.lower()
        if not rotated and abs(start.y - end.y) < 1e-6 and abs(start.y - (y - 2)) < 1e-6:
            return line.dxf.layer.lower()
    return None


def number(text):
    return float(text.replace(",", "."))


def check_schedule_file(path, problems, fixed_edges):
    """A drawing with its steel table, read back: every table text is there, each position
    row agrees with the bar label its mark stands beside, and the sums add up.

    The quantity of a position is the product of the label's leading numbers (bars, or ribs
    x bars per rib), times `fixed_edges` for a top bar (a label standing on a "Ferr-Neg"
    line); its unit length is the label's number
    after " - "; mass = quantity x length / 100 x the NBR 7480 mass of the diameter."""
    entities = read_drawing(path, problems)
    if entities is None:
        return
    texts = [e for e in entities if e.dxftype() == "TEXT"]
    grid = [e for e in entities if e.dxftype() == "LINE" and e.dxf.layer == "Texto"]
    if not grid:
        problems.add('no table lines on layer "Texto"')
    values = [t.dxf.text for t in texts]
    for wanted in ("TABELA DE A\u00c7O", "Posi\u00e7\u00e3o", "\u00d8 (mm)", "Quant.",
                   "Compr. unit. (cm)", "Compr. total (m)", "Massa (kg)", "RESUMO", "TOTAL",
                   "TOTAL + 10%"):
        if wanted not in values:
            problems.add(f'table text "{wanted}" missing')
    header = next((t for t in texts if t.dxf.text == "Posi\u00e7\u00e3o"), None)
    if header is None:
        return
    left = header.dxf.insert.x

    # Rows of the table: texts at the same base line, left to right.
    rows = {}
    for t in texts:
        if t.dxf.insert.x >= left - 1e-6 and t.dxf.rotation == 0:
            rows.setdefault(round(t.dxf.insert.y, 6), []).append(t)
    table = [sorted(r, key=lambda t: t.dxf.insert.x) for _, r in sorted(rows.items(), reverse=True)]
    table = [[t.dxf.text for t in r] for r in table]
    positions = [r for r in table if re.fullmatch(r"N\d+", r[0]) and len(r) == 6]
    if not positions:
        problems.add("no position rows in the table")
    labels = [t for t in texts if " - " in t.dxf.text]
    total_mass = 0.0
    by_diameter = {}
    for name, diameter, quantity, length, total_length, mass in positions:
        marks = [t for t in texts if t.dxf.text == name and t.dxf.insert.x < left - 1e-6]
        if len(marks) != 1:
            problems.add(f"{name}: {len(marks)} marks beside the drawing, not 1")
            continue
        mark = marks[0]
        rotated = mark.dxf.rotation == 90
        dx, dy = (4, 0) if rotated else (0, -4)
        label = next((t for t in labels if abs(t.dxf.insert.x - mark.dxf.insert.x - dx) < 1e-6
                      and abs(t.dxf.insert.y - mark.dxf.insert.y - dy) < 1e-6), None)
        if label is None:
            problems.add(f"{name}: no bar label 4 units from its mark")
            continue
        description, label_length = label.dxf.text.split(" - ")
        counts = re.match(r"^(\d+)(?:x(\d+))?\u00d8([\d.]+)", description)
        if not counts:
            problems.add(f"{name}: label {label.dxf.text!r} not understood")
            continue
        bars = int(counts.group(1)) * int(counts.group(2) or 1)
        top = bar_layer(label, entities) == "ferr-neg"
        want_quantity = bars * (fixed_edges if top else 1)
        if int(quantity) != want_quantity:
            problems.add(f"{name}: quantity {quantity}, the label gives {want_quantity}")
        if number(diameter) != float(counts.group(3)):
            problems.add(f"{name}: diameter {diameter}, the label says {counts.group(3)}")
        if length != label_length:
            problems.add(f"{name}: length {length}, the label says {label_length}")
        want_total = int(quantity) * int(length) / 100
        want_mass = want_total * LINEAR_MASS[float(counts.group(3))]
        if abs(number(total_length) - want_total) > 0.005 or abs(number(mass) - want_mass) > 0.005:
            problems.add(f"{name}: {total_length} m, {mass} kg; expected {want_total:.2f}, "
                         f"{want_mass:.2f}")
        total_mass += want_mass
        entry = by_diameter.setdefault(number(diameter), [0.0, 0.0])
        entry[0] += want_total
        entry[1] += want_mass
    summary = [r for r in table if len(r) == 3]
    if len(summary) != len(by_diameter):
        problems.add(f"{len(summary)} summary rows, {len(by_diameter)} diameters")
    for (diameter, total_length, mass), (want_diameter, (want_total, want_mass)) in zip(
            summary, sorted(by_diameter.items())):
        if number(diameter) != want_diameter or abs(number(total_length) - want_total) > 0.005 \
                or abs(number(mass) - want_mass) > 0.005:
            problems.add(f"summary row {diameter} {total_length} {mass}: expected "
                         f"{want_diameter} {want_total:.2f} {want_mass:.2f}")
    totals = {r[0]: number(r[1]) for r in table if len(r) == 2}
    if abs(totals.get("TOTAL", -1) - total_mass) > 0.005:
        problems.add(f"TOTAL {totals.get('TOTAL')}, expected {total_mass:.2f}")
    if abs(totals.get("TOTAL + 10%", -1) - total_mass * 1.1) > 0.005:
        problems.add(f"TOTAL + 10% {totals.get('TOTAL + 10%')}, expected {total_mass * 1.1:.2f}")


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    writer, folder = argv[1], Path(argv[2])
    files = [Path(p) for p in argv[3:]]
    if not files:
        folder.mkdir(parents=True, exist_ok=True)
        for old in folder.glob("*.dxf"):
            old.unlink()
        colours = [str(COLOURS[n]) for n in ("Texto", "Laje", "Ferr-pos", "Ferr-Neg")]
        subprocess.run([writer, str(folder), *colours], check=True)
        files = sorted(folder.glob("*.dxf"))
        if len(files) != 15:
            print(f"expected 15 drawings (six cases, solid and ribbed, and three with the steel "
                  f"table), found {len(files)}")
            return 1
    failures = []
    for path in files:
        problems = Problems(path)
        check_file(path, problems)
        failures += problems.items
        print(f"{path.name}: {'FAILED' if problems.items else 'ok'}")
    for failure in failures:
        print(failure)
    print(f"ezdxf {ezdxf.__version__}: {len(files)} files, {len(failures)} problems")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
