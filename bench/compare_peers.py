#!/usr/bin/python3
"""Side-by-side timing: TARNWICK's core against scipy and fastcluster.

The same random data (n objects x s species, fixed seed) go through
  - bench_peers: TARNWICK's resemblance stage (Euclidean distance) and its
    clustering engine (UPGMA), single precision, a host that shows nothing;
  - scipy.spatial.distance.pdist + scipy.cluster.hierarchy.linkage('average');
  - fastcluster.linkage('average') on the same pdist distances.
Every figure is the best processor time of --repeats runs, all measured in
this one run, so the ratios compare like with like even on a busy machine.
The sorted fusion levels are compared as a check that all computed the same
hierarchy (TARNWICK works in single precision, the peers in double).

A second table times TARNWICK's full scan of the triangle at every linkage
(the reference search) against its row-best search on the same data, and
checks that both made exactly the same linkages.

Usage: bench/compare_peers.py [--bin build/bin] [--sizes 1000 2000 4000]
                              [--species 50] [--repeats 3] [--scan-size 1000]
Build bench_peers in Release first (TARNWICK_WITH_BENCH=ON). The peers come
from the Debian packages python3-scipy and python3-fastcluster, which belong
to the system's /usr/bin/python3.
"""
import argparse
import os
import subprocess
import sys
import tempfile
import time

EUCLIDEAN = "1"
UPGMA = "5"


def best_of(repeats, fn):
    best = float("inf")
    result = None
    for _ in range(repeats):
        start = time.process_time()
        result = fn()
        best = min(best, time.process_time() - start)
    return best, result


def write_data(path, data):
    n, s = data.shape
    with open(path, "w") as f:
        f.write(f"{n} {s}\n")
        for row in data:
            f.write(" ".join(repr(float(v)) for v in row) + "\n")


def run_tarnwick(binary, data_path, repeats, search, levels_path):
    """Returns (resemblance seconds, clustering seconds, levels in linkage order)."""
    out = subprocess.run([binary, data_path, EUCLIDEAN, UPGMA, str(repeats), search,
                          levels_path], check=True, capture_output=True, text=True)
    resemblance, clustering = (float(v) for v in out.stdout.split())
    with open(levels_path) as f:
        levels = [line.strip() for line in f if line.strip()]
    return resemblance, clustering, levels


def max_relative_gap(a, b):
    gap = 0.0
    for x, y in zip(a, b):
        scale = max(abs(x), abs(y), 1e-12)
        gap = max(gap, abs(x - y) / scale)
    return gap


def peers_table(args, binary, rng, workdir, np, hierarchy, distance, fastcluster):
    print(f"Euclidean distance + UPGMA, {args.species} species, "
          f"best processor time of {args.repeats} (seconds)")
    print(f"{'n':>5} | {'TW resembl.':>11} {'TW cluster':>10} {'TW total':>9} |"
          f" {'pdist':>6} {'scipy lnk':>9} {'fastcl lnk':>10} |"
          f" {'total/scipy':>11} {'total/fastcl':>12} {'cluster/fastcl':>14} | {'level gap':>9}")
    for n in args.sizes:
        data = rng.gamma(0.6, 20.0, size=(n, args.species)).round(1)
        data_path = os.path.join(workdir, f"data_{n}.txt")
        write_data(data_path, data)
        res_s, clu_s, levels = run_tarnwick(binary, data_path, args.repeats, "fast",
                                            os.path.join(workdir, f"levels_{n}.txt"))
        pdist_s, d = best_of(args.repeats, lambda: distance.pdist(data, "euclidean"))
        scipy_s, z = best_of(args.repeats, lambda: hierarchy.linkage(d, method="average"))
        fast_s, _ = best_of(args.repeats, lambda: fastcluster.linkage(d, method="average"))
        gap = max_relative_gap(sorted(float(v) for v in levels), sorted(z[:, 2]))
        total = res_s + clu_s
        print(f"{n:>5} | {res_s:11.3f} {clu_s:10.3f} {total:9.3f} |"
              f" {pdist_s:6.3f} {scipy_s:9.3f} {fast_s:10.3f} |"
              f" {total / (pdist_s + scipy_s):10.2f}x {total / (pdist_s + fast_s):11.2f}x"
              f" {clu_s / fast_s:13.2f}x | {gap:9.1e}")


def search_table(args, binary, rng, workdir):
    n = args.scan_size
    data = rng.gamma(0.6, 20.0, size=(n, args.species)).round(1)
    data_path = os.path.join(workdir, f"scan_data_{n}.txt")
    write_data(data_path, data)
    _, fast_s, fast_levels = run_tarnwick(binary, data_path, args.repeats, "fast",
                                          os.path.join(workdir, "fast_levels.txt"))
    _, scan_s, scan_levels = run_tarnwick(binary, data_path, 1, "scan",
                                          os.path.join(workdir, "scan_levels.txt"))
    same = "identical" if fast_levels == scan_levels else "DIFFERENT"
    print()
    print(f"TARNWICK clustering alone, n = {n}, UPGMA (seconds)")
    print(f"{'full scan':>10} {'row bests':>10} {'speed-up':>9}  levels")
    print(f"{scan_s:10.3f} {fast_s:10.3f} {scan_s / fast_s:8.1f}x  {same}")
    return same == "identical"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser.add_argument("--bin", default=os.path.join(root, "build", "bin"))
    parser.add_argument("--sizes", type=int, nargs="+", default=[1000, 2000, 4000])
    parser.add_argument("--species", type=int, default=50)
    parser.add_argument("--repeats", type=int, default=3)
    parser.add_argument("--scan-size", type=int, default=1000)
    args = parser.parse_args()

    binary = os.path.join(args.bin, "bench_peers")
    if not os.path.exists(binary):
        sys.exit(f"{binary} not found: build the benchmarks first (TARNWICK_WITH_BENCH=ON)")
    try:
        import numpy as np
        from scipy.cluster import hierarchy
        from scipy.spatial import distance
        import fastcluster
    except ImportError as missing:
        sys.exit(f"{missing}: install python3-scipy and python3-fastcluster "
                 "and run this script with /usr/bin/python3")

    rng = np.random.default_rng(20261206)
    with tempfile.TemporaryDirectory() as workdir:
        peers_table(args, binary, rng, workdir, np, hierarchy, distance, fastcluster)
        if not search_table(args, binary, rng, workdir):
            sys.exit("the two searches made different linkages")


if __name__ == "__main__":
    main()
