#!/usr/bin/python3
"""Side-by-side timing: TARNWICK's ordination against R's vegan metaMDS.

For each size, bench_ordination simulates its community table (N samples x
60 species, fixed seed), writes it, and times its non-metric scaling
(Bray-Curtis, 2 axes, STARTS starts) on one thread and on THREADS; then R
times vegan's metaMDS(vegdist(x, "bray"), k = 2, try = STARTS,
trymax = STARTS, autotransform = FALSE, parallel = THREADS) on the same
table (vegan makes one start from metric scaling, then STARTS random ones).
Both are measured in this one run, so the ratio compares like with like on
a busy machine; the load average is printed beside them.

Usage: bench/compare_vegan.py [--bin build/bin] [--sizes 500 2000]
                              [--starts 20] [--threads 2]
Needs R with vegan (Debian: r-base-core, r-cran-vegan).
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile

R_TIMING = r"""
args <- commandArgs(trailingOnly = TRUE)
suppressPackageStartupMessages(library(vegan))
x <- as.matrix(read.csv(args[1], header = FALSE))
starts <- as.integer(args[2])
threads <- as.integer(args[3])
set.seed(1)
before <- proc.time()
m <- metaMDS(vegdist(x, "bray"), k = 2, try = starts, trymax = starts,
             autotransform = FALSE, trace = 0, parallel = threads)
t <- proc.time() - before
cat(t[["elapsed"]], t[["user.self"]] + t[["user.child"]], m$stress, "\n")
"""


def run_tarnwick(binary, objects, starts, threads, table):
    out = subprocess.run([binary, str(objects), str(starts), str(threads), table],
                         check=True, capture_output=True, text=True).stdout
    every = next(line for line in out.splitlines() if line.startswith("every core"))
    wall, cpu, stress = re.search(r"([\d.]+) s \(CPU +([\d.]+) s\)\s+stress ([\d.]+)",
                                  every).groups()
    return float(wall), float(cpu), float(stress), "same solution: yes" in out


def run_vegan(script, table, starts, threads):
    out = subprocess.run(["Rscript", script, table, str(starts), str(threads)], check=True,
                         capture_output=True, text=True).stdout
    wall, cpu, stress = (float(v) for v in out.split())
    return wall, cpu, stress


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin", default="build/bin")
    parser.add_argument("--sizes", type=int, nargs="+", default=[500, 2000])
    parser.add_argument("--starts", type=int, default=20)
    parser.add_argument("--threads", type=int, default=2)
    args = parser.parse_args()
    binary = os.path.join(args.bin, "bench_ordination")
    print("| Objects | TARNWICK, %d threads (CPU) | vegan metaMDS, parallel = %d (CPU) "
          "| vegan / TARNWICK | Stress TARNWICK, vegan | Load |" % (args.threads, args.threads))
    print("|---|---|---|---|---|---|")
    with tempfile.TemporaryDirectory() as folder:
        script = os.path.join(folder, "timing.R")
        with open(script, "w") as f:
            f.write(R_TIMING)
        for n in args.sizes:
            table = os.path.join(folder, "table_%d.csv" % n)
            wall, cpu, stress, same = run_tarnwick(binary, n, args.starts, args.threads, table)
            if not same:
                sys.exit("bench_ordination: one thread and %d gave different solutions"
                         % args.threads)
            v_wall, v_cpu, v_stress = run_vegan(script, table, args.starts, args.threads)
            load = os.getloadavg()[0]
            print("| %d x %d | %.2f s (%.2f s) | %.2f s (%.2f s) | %.1fx | %.5f, %.5f | %.1f |"
                  % (n, args.starts, wall, cpu, v_wall, v_cpu, v_wall / wall, stress, v_stress,
                     load), flush=True)


if __name__ == "__main__":
    main()
