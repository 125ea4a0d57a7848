#!/usr/bin/python3
"""Start-up of the desktop program against a bare Qt program, offscreen.

Builds a Release tree (build/bench-release), then runs, interleaved, the program's own start-up
(lajes_startup_probe: the same start-up code as lajes, leaving through "&Arquivos" -> "&Saída"
as soon as the main window is up) and lajes_bare_startup (a maximised QMainWindow with the same
menu bar and a label, leaving the same way). Each prints the wall-clock time at which its main
window was up; the script prints the median time of each from the start of the process to
that moment, and their ratio.

    /usr/bin/python3 bench/startup_ratio.py [runs]     (default 41)
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
build = os.path.join(root, "build", "bench-release")
runs = int(sys.argv[1]) if len(sys.argv) > 1 else 41

subprocess.run(["cmake", "-S", root, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
                "-DLAJES_BUILD_TESTS=ON", "-DLAJES_BUILD_BENCHMARKS=ON"],
               check=True, stdout=subprocess.DEVNULL)
subprocess.run(["cmake", "--build", build, "-j2", "--target", "lajes_startup_probe",
                "lajes_bare_startup"], check=True, stdout=subprocess.DEVNULL)
programs = {
    "lajes": [os.path.join(build, "tests", "ui", "lajes_startup_probe"), "--print-shown-time"],
    "bare Qt": [os.path.join(build, "bench", "lajes_bare_startup")],
}
environment = dict(os.environ, QT_QPA_PLATFORM="offscreen")
environment.setdefault("XDG_RUNTIME_DIR", tempfile.mkdtemp(prefix="lajes-bench-"))
times = {name: [] for name in programs}
with tempfile.TemporaryDirectory() as folder:  # where lajes writes its Quenvor.cfg
    def shown_after(command):
        start = time.time_ns()
        run = subprocess.run(command, cwd=folder, env=environment, check=True,
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        return (int(run.stdout.split()[0]) - start) / 1e6

    for command in programs.values():  # one warm-up run each (disk cache, fonts)
        shown_after(command)
    for _ in range(runs):
        for name, command in programs.items():
            times[name].append(shown_after(command))

medians = {name: statistics.median(values) for name, values in times.items()}
for name, median in medians.items():
    print(f"{name:8s} main window up after {median:6.1f} ms (median of {runs} runs)")
print(f"ratio    {medians['lajes'] / medians['bare Qt']:.2f}")
