#!/usr/bin/env python3
"""Side-by-side timing: TARNWICK's core against scipy and fastcluster.

The same random data (n objects x s species, fixed seed) go through
  - build/bin/bench_peers (Euclidean distance + UPGMA, single precision),
  - scipy.spatial.distance.pdist + scipy.cluster.hierarchy.linkage('average'),
  - fastcluster.linkage on the same condensed distances, method 'average'.
Each timing is the best of --repeats runs, all measured in this one run, and
the ratios are printed in a table. The fusion levels are compared as a check
that all three computed the same hierarchy.

Usage: bench/compare_peers.py [--bin build/bin] [--sizes 1000 2000 4000]
                              [--species 50] [--repeats 3]
"""
import argparse
import os
import subprocess
import sys
import tempfile
import time


def best_of(repeats, fn):
    best = float("inf")
    result = None
    for _ in range(repeats):
        start = time.perf_counter()
        result = fn()
        best = min(best, time.perf_counter() - start)
    return best, result


def tarnwick_time(binary, data, n, s, repeats, workdir):
    path = os.path.join(workdir, f"data_{n}.txt")
    levels_path = os.path.join(workdir, f"levels_{n}.txt")
    with open(path, "w") as f:
        f.write(f"{n} {s}\n")
        for row in data:
            f.write(" ".join(repr(float(v)) for v in row) + "\n")
    out = subprocess.run([binary, path, "1", "5", str(repeats), levels_path],
                         check=True, capture_output=True, text=True)
    with open(levels_path) as f:
        levels = sorted(float(line) for line in f if line.strip())
    return float(out.stdout.strip()), levels


def max_relative_gap(a, b):
    gap = 0.0
    for x, y in zip(a, b):
        scale = max(abs(x), abs(y), 1e-12)
        gap = max(gap, abs(x - y) / scale)
    return gap


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser.add_argument("--bin", default=os.path.join(root, "build", "bin"))
    parser.add_argument("--sizes", type=int, nargs="+", default=[1000, 2000, 4000])
    parser.add_argument("--species", type=int, default=50)
    parser.add_argument("--repeats", type=int, default=3)
    args = parser.parse_args()

    binary = os.path.join(args.bin, "bench_peers")
    if not os.path.exists(binary):
        sys.exit(f"{binary} not found: build the benchmarks first (cmake --build build)")
    try:
        import numpy as np
        from scipy.cluster import hierarchy
        from scipy.spatial import distance
    except ImportError:
        sys.exit("python3-scipy is not installed: scripts/install-deps.sh installs it")
    try:
        import fastcluster
    except ImportError:
        fastcluster = None
        print("python3-fastcluster is not installed: its column is left empty")

    rng = np.random.default_rng(20261206)
    print(f"Euclidean distance + UPGMA, {args.species} species, best of {args.repeats}")
    print(f"{'n':>6} {'TARNWICK s':>11} {'scipy s':>9} {'fastcl. s':>10}"
          f" {'vs scipy':>9} {'vs fastcl.':>11} {'level gap':>10}")
    with tempfile.TemporaryDirectory() as workdir:
        for n in args.sizes:
            data = rng.gamma(0.6, 20.0, size=(n, args.species)).round(1)
            ours, our_levels = tarnwick_time(binary, data, n, args.species,
                                             args.repeats, workdir)
            scipy_s, z = best_of(args.repeats, lambda: hierarchy.linkage(
                distance.pdist(data, "euclidean"), method="average"))
            gap = max_relative_gap(our_levels, sorted(z[:, 2]))
            fast_s = None
            if fastcluster is not None:
                fast_s, _ = best_of(args.repeats, lambda: fastcluster.linkage(
                    distance.pdist(data, "euclidean"), method="average"))
            fast_col = f"{fast_s:10.3f}" if fast_s else f"{'-':>10}"
            ratio_fast = f"{ours / fast_s:10.2f}x" if fast_s else f"{'-':>11}"
            print(f"{n:>6} {ours:11.3f} {scipy_s:9.3f} {fast_col}"
                  f" {ours / scipy_s:8.2f}x {ratio_fast} {gap:10.1e}")


if __name__ == "__main__":
    main()
