#!/usr/bin/python3
"""Slabs per second of `lajes-cli batch` for two builds in the same run (a baseline and the
one under test), reading a file with --input and reading a pipe, on the same mixed input
(make_batch.py). Runs alternate between the builds; the best of each is printed with the
ratio under test / baseline.
Usage: batch_streaming.py BASELINE_CLI TESTED_CLI [N] [RUNS]"""
import os
import subprocess
import sys
import tempfile
import time

baseline = os.path.abspath(sys.argv[1])
tested = os.path.abspath(sys.argv[2])
count = int(sys.argv[3]) if len(sys.argv) > 3 else 100000
runs = int(sys.argv[4]) if len(sys.argv) > 4 else 3
here = os.path.dirname(os.path.abspath(__file__))
with tempfile.TemporaryDirectory() as folder:
    slabs = os.path.join(folder, "slabs.jsonl")
    with open(slabs, "w") as out:
        subprocess.run([sys.executable, os.path.join(here, "make_batch.py"), str(count)],
                       stdout=out, check=True)

    def seconds(cli, piped):
        start = time.perf_counter()
        if piped:
            # cat writes into a pipe as fast as the batch takes the lines.
            subprocess.run(f"cat '{slabs}' | '{cli}' batch > /dev/null", shell=True, cwd=folder,
                           check=True)
        else:
            subprocess.run([cli, "batch", "--input", slabs], cwd=folder,
                           stdout=subprocess.DEVNULL, check=True)
        return time.perf_counter() - start

    for piped in (False, True):
        best = {baseline: None, tested: None}
        for _ in range(runs):
            for cli in (baseline, tested):
                took = seconds(cli, piped)
                best[cli] = took if best[cli] is None else min(best[cli], took)
        base_rate = count / best[baseline]
        test_rate = count / best[tested]
        how = "pipe   " if piped else "--input"
        print(f"{how} baseline {base_rate:10.0f} slabs/s   tested {test_rate:10.0f} slabs/s"
              f"   ratio {test_rate / base_rate:.3f}")
