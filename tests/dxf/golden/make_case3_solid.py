#!/usr/bin/python3
"""Writes case3_solid.dxf, the expected drawing file of the worked example, byte for byte.

The slab: solid, Lx 4 m, Ly 5 m, h 10 cm, support case 3, adjacent span 4 m; wall 0.15 m,
cover 1 cm, scale 1:50 (20 drawing units per metre), layer colours 4, 1, 2, 2; name "L1";
"." as the decimal separator. The coordinates are written out below as exact fractions of
the drawing's hand calculation (k = 2/3 m, t = 1/12 m, e = 0.14 m, v = 0.08 m, a = 0.50 m,
Lbx = 4.13 m, Lby = 5.13 m, Ln = 1.66 m; P(X) = 20 X + 10), not computed by the program,
and the reals are formatted here with Python's decimal module.

Run with Debian's /usr/bin/python3 from this folder to regenerate the file.
"""
from decimal import Decimal, getcontext
from fractions import Fraction as F
from pathlib import Path

getcontext().prec = 60


def real(value):
    """Blank or "-", d.dddddddddddddd, "E", sign, four exponent digits: 23 characters."""
    value = F(value)
    if value == 0:
        return " 0.00000000000000E+0000"
    sign = "-" if value < 0 else " "
    d = Decimal(abs(value).numerator) / Decimal(abs(value).denominator)
    mantissa, exponent = format(d, ".14E").split("E")
    exponent = int(exponent)
    return f"{sign}{mantissa}E{'-' if exponent < 0 else '+'}{abs(exponent):04d}"


FIXED = [
    ("  0", "SECTION"), ("  2", "HEADER"),
    ("  9", "$INSBASE"), (" 10", "0.0"), (" 20", "0.0"),
    ("  9", "$LTSCALE"), (" 40", real(2)),
    ("  9", "$CELTYPE"), ("  6", "BYLAYER"),
    ("  9", "$CECOLOR"), (" 62", "   256"),
    ("  0", "ENDSEC"),
    ("  0", "SECTION"), ("  2", "TABLES"),
    ("  0", "TABLE"), ("  2", "LTYPE"), (" 70", "     2"),
    ("  0", "LTYPE"), ("  2", "CONTINUOUS"), (" 70", "    64"), ("  3", "Solid line"),
    (" 72", "    65"), (" 73", "     0"), (" 40", "0.0"),
    ("  0", "LTYPE"), ("  2", "Dashed"), (" 70", "    64"),
    ("  3", "Dashed __ __ __ __ __ __ __ __ __ __ __ __ __ _"),
    (" 72", "    65"), (" 73", "     2"), (" 40", "0.75"), (" 49", "0.5"), (" 49", "-0.25"),
    ("  0", "ENDTAB"),
    ("  0", "TABLE"), ("  2", "LAYER"), (" 70", "     5"),
    ("  0", "LAYER"), ("  2", "0"), (" 70", "     0"), (" 62", "  7"), ("  6", "CONTINUOUS"),
    ("  0", "LAYER"), ("  2", "Texto"), (" 70", "     0"), (" 62", " 4"), ("  6", "CONTINUOUS"),
    ("  0", "LAYER"), ("  2", "Laje"), (" 70", "     0"), (" 62", " 1"), ("  6", "CONTINUOUS"),
    ("  0", "LAYER"), ("  2", "Ferr-pos"), (" 70", "     0"), (" 62", " 2"),
    ("  6", "CONTINUOUS"),
    ("  0", "LAYER"), ("  2", "Ferr-Neg"), (" 70", "     0"), (" 62", " 2"), ("  6", "Dashed"),
    ("  0", "ENDTAB"),
    ("  0", "TABLE"), ("  2", "STYLE"), (" 70", "     2"),
    ("  0", "STYLE"), ("  2", "STANDARD"), (" 70", "     0"), (" 40", "0.0"), (" 41", "1.0"),
    (" 50", "0.0"), (" 71", "     0"), (" 42", "1.50"), ("  3", "txt"), ("  4", "   "),
    ("  0", "ENDTAB"),
    ("  0", "TABLE"), ("  2", "VIEW"), (" 70", "     0"), ("  0", "ENDTAB"),
    ("  0", "ENDSEC"),
    (" 0", "SECTION"), (" 2", "ENTITIES"),
]
assert len(FIXED) == 84


def text(x, y, height, string, rotated=False):
    pairs = [(" 0", "TEXT"), ("  8", "Texto"), (" 10", real(x)), (" 20", real(y)),
             (" 40", height)]
    if rotated:
        pairs.append((" 50", "90"))
    return pairs + [("1", string)]


def line(layer, x1, y1, x2, y2):
    return [(" 0", "LINE"), ("  8", layer), (" 10", real(x1)), (" 20", real(y1)),
            (" 11", real(x2)), (" 21", real(y2))]


def dec(text_value):
    return F(text_value)


ENTITIES = (
    # Title, scale, name and thickness at the centre.
    text(10, 140, "5.0", "L1")
    + text(10, 135, "2.5", "Esc.: 1:50")
    + text(50, 60, "5.0", "L1")
    + text(44, 54, "2.5", "h = 10.00")
    # Inner faces of the walls: 11.5 to 88.5 by 11.5 to 108.5.
    + line("Laje", dec("11.5"), dec("11.5"), dec("88.5"), dec("11.5"))
    + line("Laje", dec("88.5"), dec("11.5"), dec("88.5"), dec("108.5"))
    + line("Laje", dec("88.5"), dec("108.5"), dec("11.5"), dec("108.5"))
    + line("Laje", dec("11.5"), dec("108.5"), dec("11.5"), dec("11.5"))
    # Outer faces: 8.5 to 91.5 by 8.5 to 111.5.
    + line("Laje", dec("8.5"), dec("8.5"), dec("91.5"), dec("8.5"))
    + line("Laje", dec("91.5"), dec("8.5"), dec("91.5"), dec("111.5"))
    + line("Laje", dec("91.5"), dec("111.5"), dec("8.5"), dec("111.5"))
    + line("Laje", dec("8.5"), dec("111.5"), dec("8.5"), dec("8.5"))
    # Bottom bars at k + t = 0.75 m, from one cover short of the outer face.
    + line("Ferr-Pos", dec("8.7"), 25, dec("91.3"), 25)
    + line("Ferr-Pos", 25, dec("8.7"), 25, dec("111.3"))
    # Labels ten steps beyond the bundles: P(k + 11t) = P(19/12) = 125/3 (41.67).
    + text(F(125, 3), 27, "2.5", "31\u00d86.3c16 - 413")
    + text(23, F(125, 3), "2.5", "25\u00d86.3c16 - 513", rotated=True)
    # Top x pair over X = 0: y1 = P(4.25) = 95, y2 = P(4) = 90, legs 0.08 m = 1.6 units.
    + line("Ferr-Neg", -10, 95, 20, 95)
    + line("Ferr-Neg", 0, 90, 30, 90)
    + line("Ferr-Neg", -10, 95, -10, dec("93.4"))
    + line("Ferr-Neg", 20, 95, 20, dec("93.4"))
    + line("Ferr-Neg", 0, 90, 0, dec("88.4"))
    + line("Ferr-Neg", 30, 90, 30, dec("88.4"))
    # P(-a/2) - 20 = -15; P(-a 2/3) = 10/3 (3.33); P(a) + 1 = 21, P(y1 - v) - 1 = 92.4.
    + text(-15, 97, "2.5", "41\u00d88.0c12 - 166")
    + text(F(10, 3), 91, "2.5", "150")
    + text(21, dec("92.4"), "2.5", "8")
    # Top y pair under Y = Ly: x1 = P(3.25) = 75, x2 = P(3) = 70.
    + line("Ferr-Neg", 75, 130, 75, 100)
    + line("Ferr-Neg", 70, 120, 70, 90)
    + line("Ferr-Neg", 75, 130, dec("76.6"), 130)
    + line("Ferr-Neg", 75, 100, dec("76.6"), 100)
    + line("Ferr-Neg", 70, 120, dec("71.6"), 120)
    + line("Ferr-Neg", 70, 90, dec("71.6"), 90)
    # P(x2) - 2 = 68, P(4.75) - 20 = 85; P(x2 + v) + 1 = 72.6, P(5.5) + 1 = 121;
    # P(x2) + 4 = 74, P(Ly - a 2/3) = 310/3 (103.33).
    + text(68, 85, "2.5", "33\u00d86.3c12 - 166", rotated=True)
    + text(dec("72.6"), 121, "2.5", "8", rotated=True)
    + text(74, F(310, 3), "2.5", "150", rotated=True)
)

CLOSING = [(" 0", "ENDSEC"), (" 0", "EOF")]

lines = [item for pair in FIXED + ENTITIES + CLOSING for item in pair]
data = "".join(f"{item}\r\n" for item in lines).encode("cp1252")
Path(__file__).with_name("case3_solid.dxf").write_bytes(data)
