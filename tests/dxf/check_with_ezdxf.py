#!/usr/bin/python3
"""Reads the program's drawings with ezdxf, a DXF reader written independently of it.

    check_with_ezdxf.py <dxf_sample_writer> <work folder> [file.dxf ...]

Runs the writer into the work folder (with the layer colours below), then checks every
case<N>_solid.dxf and case<N>_ribbed_nx<X>_ny<Y>.dxf in it, or only the files given. Exit
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


def check_file(path, problems):
    match = NAME.match(path.name)
    if not match:
        problems.add("unexpected file name")
        return
    support_case = int(match.group(1))
    ribbed = match.group(2) is not None
    nx, ny = (int(match.group(2)), int(match.group(3))) if ribbed else (1, 1)

    data = path.read_bytes()
    raw_entities = check_raw(data, problems)

    collector = WarningCollector()
    logger = logging.getLogger("ezdxf")
    logger.addHandler(collector)
    try:
        doc = ezdxf.readfile(str(path), errors="strict")
    except Exception as error:  # any read error fails the file
        problems.add(f"ezdxf cannot read it: {error!r}")
        return
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

    lines, texts = {}, 0
    entities = list(doc.modelspace())
    for entity in entities:
        layer = entity.dxf.layer
        if not doc.layers.has_entry(layer):
            problems.add(f'{entity.dxftype()} on undefined layer "{layer}"')
        line_type = entity.dxf.get("linetype", "BYLAYER")
        if line_type.upper() not in ("BYLAYER", "BYBLOCK") and not doc.linetypes.has_entry(line_type):
            problems.add(f'{entity.dxftype()} with undefined line type "{line_type}"')
        if entity.dxftype() == "LINE":
            lines[layer.lower()] = lines.get(layer.lower(), 0) + 1
        elif entity.dxftype() == "TEXT":
            if layer != "Texto":
                problems.add(f'TEXT on layer "{layer}"')
            texts += 1
            if entity.dxf.height not in (5.0, 2.5):
                problems.add(f"TEXT height {entity.dxf.height}")
        else:
            problems.add(f"unexpected entity {entity.dxftype()}")
    if len(entities) != raw_entities:
        problems.add(f"ezdxf sees {len(entities)} entities, the file holds {raw_entities}")

    want_lines, want_texts = expected_counts(support_case, ribbed, nx, ny)
    if lines != want_lines:
        problems.add(f"LINE entities per layer {lines}, expected {want_lines}")
    if texts != want_texts:
        problems.add(f"{texts} TEXT entities, expected {want_texts}")
    labels = [e.dxf.text for e in entities if e.dxftype() == "TEXT"]
    if not any("\u00d8" in text for text in labels):
        problems.add('no bar label with "\u00d8" after decoding as Windows-1252')


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
        if len(files) != 12:
            print(f"expected 12 drawings (six cases, solid and ribbed), found {len(files)}")
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
