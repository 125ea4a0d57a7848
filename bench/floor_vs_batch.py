#!/usr/bin/python3
"""Cost of `lajes-cli floor` on a 20 x 20 floor against `lajes-cli batch` on its 400 slabs.

    floor_vs_batch.py <lajes-cli> [runs]

Writes a 20 x 20 grid of solid slabs (spans 3.5 to 5.5 m, h 10 to 12 cm) as a .pavimento file,
runs `floor` on it once to learn each slab's support case and orientation, and writes the same
400 slabs, as the floor analyses them, as JSON Lines for `batch`. Then runs both `runs` times
(default 10), alternating, and prints the best time of each and their ratio. Exit status 1 when
the floor costs more than 3 times the batch."""
import json
import os
import subprocess
import sys
import tempfile
import time

GOAL = 3.0


def grid(columns=20, rows=20):
    slabs, y = [], 0.0
    for row in range(rows):
        Ly, x = 3.5 + 0.5 * (row % 5), 0.0
        for column in range(columns):
            Lx = 4.0 + 0.5 * (column % 4)
            slabs.append({"name": "L%d" % (row * columns + column + 1), "x": x, "y": y,
                          "Lx": Lx, "Ly": Ly, "h": 10 + (row + column) % 3, "g": 150, "q": 200})
            x += Lx
        y += Ly
    return {"format": "lajes-pavimento", "version": 1, "name": "Grade 20 x 20", "fck": 25,
            "SteelGrade": "CA-50A", "slabs": slabs}


def best(command, runs):
    times = []
    with open(os.devnull, "wb") as sink:
        for _ in range(runs):
            start = time.perf_counter()
            subprocess.run(command, stdout=sink, check=False)
            times.append(time.perf_counter() - start)
    return min(times)


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    cli, runs = argv[1], int(argv[2]) if len(argv) > 2 else 10
    floor = grid()
    with tempfile.TemporaryDirectory() as folder:
        floor_path = os.path.join(folder, "grade.pavimento")
        with open(floor_path, "w") as out:
            json.dump(floor, out)
        designed = json.loads(subprocess.run([cli, "floor", "--input", floor_path],
                                             capture_output=True, check=False).stdout)
        lines = []
        for slab, result in zip(floor["slabs"], designed["slabs"]):
            Lx, Ly = (slab["Ly"], slab["Lx"]) if result["rotated"] else (slab["Lx"], slab["Ly"])
            line = {"SupportCase": result["case"], "fck": 25, "Lx": Lx, "Ly": Ly, "h": slab["h"],
                    "g": slab["g"], "q": slab["q"]}
            if result["case"] != 1:
                line["AdjacentSpan"] = min(Lx, Ly)
            lines.append(json.dumps(line))
        batch_path = os.path.join(folder, "grade.jsonl")
        with open(batch_path, "w") as out:
            out.write("\n".join(lines) + "\n")
        floor_time, batch_time = float("inf"), float("inf")
        for _ in range(runs):
            floor_time = min(floor_time, best([cli, "floor", "--input", floor_path], 1))
            batch_time = min(batch_time, best([cli, "batch", "--input", batch_path], 1))
    ratio = floor_time / batch_time
    print("floor 20 x 20: %.1f ms" % (floor_time * 1000))
    print("batch of its 400 slabs: %.1f ms" % (batch_time * 1000))
    print("ratio: %.2f (goal <= %.1f): %s" % (ratio, GOAL, "ok" if ratio <= GOAL else "MISSED"))
    return 0 if ratio <= GOAL else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
