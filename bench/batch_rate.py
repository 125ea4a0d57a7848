#!/usr/bin/python3
"""Slabs per second of `lajes-cli batch`, with and without the steel table (--schedule).

    batch_rate.py <lajes-cli> [slabs] [runs]

Writes `slabs` mixed slabs (make_batch.py, default 100000) to a temporary file, runs
`lajes-cli batch --input <file>` `runs` times (default 3) with and without --schedule,
alternating, and prints the best rate of each, the ratio of the two and whether the table
keeps the goal of 20000 slabs/s. Both are measured in the same run on the same input, so the
ratio holds on a loaded machine too. Exit status 1 when the goal is missed."""
import os
import subprocess
import sys
import tempfile
import time
from pathlib import Path

GOAL = 20000.0  # slabs per second with --schedule


def rate(cli, path, slabs, extra):
    start = time.perf_counter()
    with open(os.devnull, "wb") as sink:
        subprocess.run([cli, "batch", "--input", path, *extra], stdout=sink, check=True)
    return slabs / (time.perf_counter() - start)


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    cli = argv[1]
    slabs = int(argv[2]) if len(argv) > 2 else 100000
    runs = int(argv[3]) if len(argv) > 3 else 3
    make_batch = Path(__file__).with_name("make_batch.py")
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "slabs.jsonl")
        with open(path, "wb") as out:
            subprocess.run([sys.executable, str(make_batch), str(slabs)], stdout=out, check=True)
        plain, table = [], []
        for _ in range(runs):
            plain.append(rate(cli, path, slabs, []))
            table.append(rate(cli, path, slabs, ["--schedule"]))
    best_plain, best_table = max(plain), max(table)
    print(f"batch:            {best_plain:10.0f} slabs/s")
    print(f"batch --schedule: {best_table:10.0f} slabs/s")
    print(f"ratio --schedule / plain: {best_table / best_plain:.3f}")
    met = best_table >= GOAL
    print(f"goal {GOAL:.0f} slabs/s with --schedule: {'met' if met else 'MISSED'}")
    return 0 if met else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
