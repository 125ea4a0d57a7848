#!/usr/bin/python3
"""Slabs per second of `lajes-cli batch`, without and with --nbr2014, on the same mixed input
(make_batch.py) in the same run; prints both rates and their ratio.
Usage: batch_throughput.py path/to/lajes-cli [N]"""
import os
import subprocess
import sys
import tempfile
import time

cli = os.path.abspath(sys.argv[1])
count = int(sys.argv[2]) if len(sys.argv) > 2 else 100000
here = os.path.dirname(os.path.abspath(__file__))
with tempfile.TemporaryDirectory() as folder:
    slabs = os.path.join(folder, "slabs.jsonl")
    with open(slabs, "w") as out:
        subprocess.run([sys.executable, os.path.join(here, "make_batch.py"), str(count)],
                       stdout=out, check=True)

    def rate(extra):
        best = None
        for _ in range(3):
            start = time.perf_counter()
            subprocess.run([cli, "batch", "--input", slabs] + extra, cwd=folder,
                           stdout=subprocess.DEVNULL, check=True)
            elapsed = time.perf_counter() - start
            best = elapsed if best is None else min(best, elapsed)
        return count / best

    plain = rate([])
    verified = rate(["--nbr2014"])
    print(f"batch:            {plain:10.0f} slabs/s")
    print(f"batch --nbr2014:  {verified:10.0f} slabs/s")
    print(f"ratio:            {verified / plain:10.3f}")
