#!/usr/bin/python3
"""The same whole run through tarnwick-batch and through the windows, side by side.

Each run is one whole process, timed from start to exit, so starting up,
showing the windows and every repaint count against the windows. The batch
command and the windows (driven by tarnwick-drive) alternate, --repeats
times each, on one made-up survey of single stations (five communities):

  observed  Euclidean, UPGMA, savelinks 0, to the dendrogram; the script then
            runs out, which ends the program as Exit would
            (batch: --no-bootstrap)
  test      the same with a bootstrap of --replicates per linkage, Continue,
            the results window filled, and Finish (batch: --replicates N)

The windows run offscreen and, when Xvfb is installed, on an Xvfb screen
started once for the whole benchmark (as a desktop's display is already up
when a user starts the program). Every run's report is compared with the
batch command's: the same bytes, except that the windows' observed run ends
with the one line Exit adds to a report it stops; the test's SIGLIST.TXT too.

Prints the medians of wall and processor time (user + system of the
process; the X server's own work is not in it), and the windows' ratio to
the batch command's, with the load average before and after.

Usage: bench/window/batch_beside_windows.py [--bin build/bin] [--stations 10000]
           [--species 50] [--repeats 5] [--replicates 1] [--no-xvfb]
"""
import argparse
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

STOP_LINE = (b"*** RUN STOPPED while waiting for the test of the linkages to be started: "
             b"this report is incomplete. ***\r\n")


def write_data(path, stations, species):
    """Abundances from five communities, one station per group."""
    rng = random.Random(7)
    with open(path, "w", newline="") as f:
        f.write('"Batch beside windows"\r\n%d, %d\r\n"STATION"' % (stations, species))
        f.write("".join(',"S%d"' % j for j in range(1, species + 1)) + "\r\n")
        for i in range(stations):
            home = i % 5
            row = [int(rng.gammavariate(2.0, 4.0 if j % 5 == home else 1.0)) for j in range(species)]
            f.write('"T%d" %s\r\n' % (i + 1, " ".join(map(str, row))))
        f.write("0\r\n")


def drive_script(data, replicates):
    lines = [
        "seed 5",
        "answer-all yes",  # the warning about single stations before a bootstrap
        "click Form1.Command1",
        f"set Form2.Text1 {data}",
        "set Form2.Text2 report.txt",
        "set Form2.savelinks 0",
        "tick Form2.CheckData",
        "click Form2.Command1",
        "choose Form3.RESMX[0]",
        "choose Form3.LINK_METH[4]",
        # The report names the replicates per linkage even when no test follows.
        f"set Form3.Text1 {replicates or 10}",
        "click Form3.Command1",
        "expect-visible Form4",
    ]
    if replicates:
        lines += ["click Form4.Command1", "expect-visible FORM5", "click FORM5.Command1"]
    return "\n".join(lines) + "\n"


def batch_argv(bin_dir, data, replicates):
    argv = [os.path.join(bin_dir, "tarnwick-batch"), "--measure", "euclidean",
            "--linkage", "upgma", "--savelinks", "0", "--seed", "5", "--yes", "--quiet",
            "--report", "report.txt"]
    argv += ["--replicates", str(replicates or 10)] + ([] if replicates else ["--no-bootstrap"])
    return argv + [data]


def timed(argv, cwd, env):
    """Wall and processor seconds of one whole process."""
    start = time.monotonic()
    proc = subprocess.Popen(argv, cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE)
    err = proc.stderr.read()
    _, status, usage = os.wait4(proc.pid, 0)
    wall = time.monotonic() - start
    if status != 0:
        sys.exit(f"{' '.join(argv)} failed (status {status}):\n{err.decode(errors='replace')}")
    return wall, usage.ru_utime + usage.ru_stime


def read(path):
    with open(path, "rb") as f:
        return f.read()


def same_outputs(batch_dir, run_dir, stopped):
    """The windows wrote what the batch command wrote (Exit's line aside)."""
    ours = read(os.path.join(run_dir, "report.txt"))
    theirs = read(os.path.join(batch_dir, "report.txt"))
    if stopped:
        if not ours.endswith(STOP_LINE):
            return False
        ours = ours[: -len(STOP_LINE)]
    if ours != theirs:
        return False
    sig = [os.path.join(d, "SIGLIST.TXT") for d in (batch_dir, run_dir)]
    if not stopped and read(sig[0]) != read(sig[1]):
        return False
    return True


def start_xvfb():
    """An Xvfb screen for the whole benchmark, or None without Xvfb."""
    if not shutil.which("Xvfb"):
        return None, None
    r, w = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(w), "-screen", "0", "1600x1000x24",
                               "-nolisten", "tcp"], pass_fds=(w,), stderr=subprocess.DEVNULL)
    os.close(w)
    with os.fdopen(r) as f:
        display = f.readline().strip()
    if not display:
        server.kill()
        return None, None
    return server, ":" + display


def load():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--bin", default="build/bin")
    ap.add_argument("--stations", type=int, default=10000)
    ap.add_argument("--species", type=int, default=50)
    ap.add_argument("--repeats", type=int, default=5)
    ap.add_argument("--replicates", type=int, default=1,
                    help="bootstrap replicates per linkage of the test line (0: no test line)")
    ap.add_argument("--no-xvfb", action="store_true")
    args = ap.parse_args()
    bin_dir = os.path.abspath(args.bin)

    server, display = (None, None) if args.no_xvfb else start_xvfb()
    base = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    platforms = {"offscreen": dict(base, QT_QPA_PLATFORM="offscreen")}
    if display:
        platforms["xvfb"] = dict(base, QT_QPA_PLATFORM="xcb", DISPLAY=display)
    lines = [("observed", 0)] + ([("test", args.replicates)] if args.replicates else [])

    print(f"load before: {load()}", flush=True)
    times = {}
    try:
        with tempfile.TemporaryDirectory() as tmp:
            data = os.path.join(tmp, "data.txt")
            write_data(data, args.stations, args.species)
            for line, replicates in lines:
                script = os.path.join(tmp, f"{line}.drive")
                with open(script, "w") as f:
                    f.write(drive_script(data, replicates))
                for i in range(args.repeats):
                    batch_dir = os.path.join(tmp, f"{line}-{i}-batch")
                    os.mkdir(batch_dir)
                    times.setdefault((line, "batch"), []).append(
                        timed(batch_argv(bin_dir, data, replicates), batch_dir, base))
                    for name, env in platforms.items():
                        run_dir = os.path.join(tmp, f"{line}-{i}-{name}")
                        os.mkdir(run_dir)
                        argv = [os.path.join(bin_dir, "tarnwick-drive"), script]
                        times.setdefault((line, name), []).append(timed(argv, run_dir, env))
                        if not same_outputs(batch_dir, run_dir, stopped=not replicates):
                            sys.exit(f"{line}, {name}: the windows' report differs from the batch's")
                        shutil.rmtree(run_dir)
                    shutil.rmtree(batch_dir)
                    print(f"{line} {i + 1}/{args.repeats}: " + "  ".join(
                        f"{who} {times[(line, who)][-1][0]:.2f} s" for who in
                        ["batch"] + list(platforms)), flush=True)
    finally:
        if server:
            server.terminate()
            server.wait()
    print(f"load after: {load()}")

    print(f"\n{args.stations} stations x {args.species} species, Euclidean, UPGMA, savelinks 0; "
          f"median of {args.repeats}, alternating; reports identical")
    print(f"{'':30}{'wall s':>9}{'ratio':>8}{'cpu s':>9}{'ratio':>8}")
    for line, replicates in lines:
        label = line if not replicates else f"{line} ({replicates}/linkage)"
        base_wall = statistics.median(w for w, _ in times[(line, "batch")])
        base_cpu = statistics.median(c for _, c in times[(line, "batch")])
        for who in ["batch"] + list(platforms):
            wall = statistics.median(w for w, _ in times[(line, who)])
            cpu = statistics.median(c for _, c in times[(line, who)])
            print(f"{label + ', ' + who:30}{wall:9.2f}{wall / base_wall:7.2f}x"
                  f"{cpu:9.2f}{cpu / base_cpu:7.2f}x")


if __name__ == "__main__":
    main()
