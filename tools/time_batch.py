#!/usr/bin/python3
"""Times a batch run of wkv9 from process start to exit, repeated, in a scratch folder.

usage: tools/time_batch.py [--runs N] [--wkv9 PATH] DATAFILE [OPTIONS...]
Prints the median and the spread of the wall times and the peak resident memory.
Defaults: 50 runs, build/bin/wkv9, the options /I /NOGUI.
"""
import argparse
import os
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
parser = argparse.ArgumentParser()
parser.add_argument("--runs", type=int, default=50)
parser.add_argument("--wkv9", default=os.path.join(root, "build", "bin", "wkv9"))
parser.add_argument("datafile")
parser.add_argument("options", nargs="*", default=["/I", "/NOGUI"])
args = parser.parse_args()

with tempfile.TemporaryDirectory() as work:
    home = os.path.join(work, "home")
    os.mkdir(home)
    name = os.path.basename(args.datafile)
    shutil.copy(args.datafile, os.path.join(work, name))
    env = {"PATH": os.environ.get("PATH", ""), "HOME": home,
           "XDG_CONFIG_HOME": os.path.join(home, ".config"), "TEMP": work, "TMPDIR": work}
    times = []
    for _ in range(args.runs):
        start = time.perf_counter()
        done = subprocess.run([args.wkv9, name] + args.options, cwd=work, env=env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        times.append((time.perf_counter() - start) * 1000)
        if done.returncode != 0:
            sys.exit("wkv9 exited with %d: %s" % (done.returncode, done.stderr.decode()))
    made = sorted(set(os.listdir(work)) - {name, "home"})
    if not made:
        sys.exit("wkv9 wrote nothing")
    peak_kib = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    print("%s %s -> %s: %d runs, median %.1f ms (min %.1f, max %.1f), peak memory %.1f MiB"
          % (name, " ".join(args.options), " ".join(made), args.runs, statistics.median(times),
             min(times), max(times), peak_kib / 1024))
