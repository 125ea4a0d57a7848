#!/usr/bin/python3
"""Writes N mixed slabs as JSON Lines for timing `lajes-cli batch`: all six support cases,
solid and ribbed, spans 3 to 7 m, thicknesses 8 to 16 cm. Usage: make_batch.py N > slabs.jsonl"""
import json
import random
import sys

count = int(sys.argv[1]) if len(sys.argv) > 1 else 100000
rng = random.Random(6118)
for i in range(count):
    case = 1 + i % 6
    lx = round(rng.uniform(3, 7), 2)
    ly = round(rng.uniform(lx, lx * 1.8), 2) if case in (1, 3, 6) else round(rng.uniform(3, 7), 2)
    slab = {"SupportCase": case, "Lx": lx, "Ly": ly, "h": rng.choice([8, 10, 12, 14, 16]),
            "g": rng.choice([50, 100, 150]), "q": rng.choice([150, 200, 300, 500]),
            "fck": rng.choice([20, 25, 30]), "SteelGrade": rng.choice(["CA-50A", "CA-60B", "CA-25"])}
    if case != 1:
        slab["AdjacentSpan"] = round(rng.uniform(3, 6), 2)
    elif i % 12 == 0:
        slab.update({"Ribbed": True, "h": 25, "a": 40, "bw": 10, "hb": 20, "bf": 5,
                     "BlockDensity": 450})
    print(json.dumps(slab, separators=(",", ":")))
