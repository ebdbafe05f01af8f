#!/usr/bin/python3
"""A whole observed run of TARNWICK beside scipy + fastcluster, as whole processes.

TARNWICK runs as a user runs it: the real windows (offscreen), the data file
read, Euclidean distance and UPGMA, the report written and the dendrogram
drawn, driven by tarnwick-drive. The peer is a Python process that reads the
same data file, computes scipy's pdist and clusters with fastcluster's
linkage('average'). The two alternate, --repeats times each; the median wall
time and the median peak memory (maximum resident set size of the process)
of each are compared, so that both see the same machine.

Usage: bench/compare_whole_run.py [--bin build/bin] [--stations 10000]
                                  [--species 50] [--repeats 3] [--threads 0]
Build in Release first. The peers come from the Debian packages
python3-scipy and python3-fastcluster, which belong to /usr/bin/python3.
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

PEER = r"""
import sys
import numpy as np
import fastcluster
from scipy.spatial.distance import pdist

def read_data(path):
    with open(path, encoding="utf-8") as f:
        f.readline()                                  # title
        n, s = (int(v) for v in f.readline().replace(",", " ").split())
        f.readline()                                  # species labels
        x = np.empty((n, s))
        for i in range(n):
            label, rest = f.readline().rsplit('"', 1)
            x[i] = np.array(rest.split(), dtype=float)
    return x

x = read_data(sys.argv[1])
z = fastcluster.linkage(pdist(x), method="average")
print(z[-1, 2])
"""


def write_data(path, stations, species):
    import numpy as np

    rng = np.random.default_rng(1)
    x = rng.gamma(0.8, 10.0, size=(stations, species)).round(2)
    with open(path, "w", newline="") as f:
        f.write('"Random %d"\r\n%d, %d\r\n' % (stations, stations, species))
        f.write(",".join(['"STATION"'] + ['"S%d"' % j for j in range(1, species + 1)]) + "\r\n")
        for i, row in enumerate(x, 1):
            f.write('"R%d" ' % i + " ".join("%g" % v for v in row) + "\r\n")
        f.write("0\r\n")


def drive_script(data, report):
    return "\n".join([
        "answer-all yes",  # from the second run on: replace the report of the one before
        "click Form1.Command1",
        f"set Form2.Text1 {data}",
        f"set Form2.Text2 {report}",
        "tick Form2.CheckData",
        "click Form2.Command1",
        "choose Form3.RESMX[0]",
        "choose Form3.LINK_METH[4]",
        "click Form3.Command1",
        "expect-visible Form4",
        "",
    ])


def timed(argv, cwd, env=None):
    """Wall seconds and peak resident memory (MiB) of one whole process."""
    start = time.monotonic()
    proc = subprocess.Popen(argv, cwd=cwd, env=env, stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    wall = time.monotonic() - start
    if status != 0:
        sys.exit(f"{argv[0]} failed with status {status}")
    return wall, usage.ru_maxrss / 1024.0


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--bin", default="build/bin")
    ap.add_argument("--stations", type=int, default=10000)
    ap.add_argument("--species", type=int, default=50)
    ap.add_argument("--repeats", type=int, default=3)
    args = ap.parse_args()

    with tempfile.TemporaryDirectory() as tmp:
        data = os.path.join(tmp, "data.txt")
        write_data(data, args.stations, args.species)
        script = os.path.join(tmp, "run.drive")
        with open(script, "w") as f:
            f.write(drive_script(data, os.path.join(tmp, "report.txt")))
        peer = os.path.join(tmp, "peer.py")
        with open(peer, "w") as f:
            f.write(PEER)
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        drive = os.path.abspath(os.path.join(args.bin, "tarnwick-drive"))

        ours, theirs = [], []
        for _ in range(args.repeats):
            ours.append(timed([drive, script], tmp, env))
            theirs.append(timed(["/usr/bin/python3", peer, data], tmp))

    wall_ours = statistics.median(w for w, _ in ours)
    wall_theirs = statistics.median(w for w, _ in theirs)
    mem_ours = statistics.median(m for _, m in ours)
    mem_theirs = statistics.median(m for _, m in theirs)
    print(f"{args.stations} stations x {args.species} species, median of {args.repeats}, alternating")
    print(f"{'':28}{'wall s':>10}{'peak MiB':>12}")
    print(f"{'TARNWICK (windows, whole run)':28}{wall_ours:10.2f}{mem_ours:12.0f}")
    print(f"{'pdist + fastcluster':28}{wall_theirs:10.2f}{mem_theirs:12.0f}")
    print(f"{'ratio':28}{wall_ours / wall_theirs:9.2f}x{mem_ours / mem_theirs:11.2f}x")


if __name__ == "__main__":
    main()
