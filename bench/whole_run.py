#!/usr/bin/env python3
"""Whole-run benchmark: the largest normal job (3125 cases, 543,750 records) against the
floor of one write per record, alternating, with medians; peak memory of 1 and 3125 cases;
the count of write calls.

Usage: python3 bench/whole_run.py [--runs N] [--build DIR] [--dir SCRATCH]
Build first: cmake -S . -B build && cmake --build build -j
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def run_timed(argv, stdin_path=None, cwd=None):
    """Runs a command; gives (wall seconds, user seconds, system seconds)."""
    stdin = open(stdin_path, "rb") if stdin_path else subprocess.DEVNULL
    start = time.perf_counter()
    proc = subprocess.Popen(argv, stdin=stdin, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, cwd=cwd)
    _, status, usage = os.wait4(proc.pid, 0)
    wall = time.perf_counter() - start
    if stdin_path:
        stdin.close()
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{argv[0]} failed with status {os.waitstatus_to_exitcode(status)}")
    return wall, usage.ru_utime, usage.ru_stime


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--build", default=os.path.join(HERE, "..", "build"))
    parser.add_argument("--dir", default=None, help="scratch folder on the local disk")
    args = parser.parse_args()

    vortanex = os.path.abspath(os.path.join(args.build, "vortanex"))
    floor = os.path.abspath(os.path.join(args.build, "bench", "replay_floor"))
    scratch = os.path.abspath(args.dir or os.path.join(args.build, "bench-run"))
    os.makedirs(scratch, exist_ok=True)
    answers = os.path.join(HERE, "answers-3125.txt")
    report = os.path.join(scratch, "bench.rpt")
    replayed = os.path.join(scratch, "replayed.rpt")

    def whole_run():
        if os.path.exists(report):
            os.remove(report)
        return run_timed([vortanex], answers, cwd=scratch)

    def floor_run():
        if os.path.exists(replayed):
            os.remove(replayed)
        return run_timed([floor, report, replayed])

    whole_run()  # warm the page cache and produce the report the floor replays
    size = os.path.getsize(report)
    records = open(report, "rb").read().count(b"\r")
    print(f"report: {size} bytes, {records} records")

    pairs = []
    for _ in range(args.runs):
        w = whole_run()
        f = floor_run()
        pairs.append((w, f))
    if open(report, "rb").read() != open(replayed, "rb").read():
        sys.exit("the floor did not reproduce the report")

    wall_run = statistics.median(w[0] for w, _ in pairs)
    wall_floor = statistics.median(f[0] for _, f in pairs)
    ratio = statistics.median(w[0] / f[0] for w, f in pairs)
    user_share = statistics.median(w[1] / w[0] for w, _ in pairs)
    print(f"whole run, median of {args.runs}: {wall_run * 1000:.0f} ms "
          f"(user {statistics.median(w[1] for w, _ in pairs) * 1000:.0f} ms, "
          f"system {statistics.median(w[2] for w, _ in pairs) * 1000:.0f} ms)")
    print(f"floor,     median of {args.runs}: {wall_floor * 1000:.0f} ms "
          f"(user {statistics.median(f[1] for _, f in pairs) * 1000:.0f} ms, "
          f"system {statistics.median(f[2] for _, f in pairs) * 1000:.0f} ms)")
    print(f"whole run / floor, median of paired ratios: {ratio:.3f}")
    print(f"user time (dialog, design, editing) / whole run: {user_share * 100:.1f} %")

    # Peak resident memory as /usr/bin/time reports it (the rusage of a child forked from
    # Python would include Python's own pages from before the exec).
    one = os.path.join(scratch, "one")
    os.makedirs(one, exist_ok=True)
    if os.path.exists("/usr/bin/time"):
        for name, path, cwd in (("1 case", os.path.join(HERE, "answers-1.txt"), one),
                                ("3125 cases", answers, scratch)):
            target = os.path.join(cwd, "bench.rpt")
            if os.path.exists(target):
                os.remove(target)
            with open(path, "rb") as stdin:
                done = subprocess.run(["/usr/bin/time", "-f", "%M", vortanex], stdin=stdin,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                      cwd=cwd, check=True)
            print(f"peak resident memory, {name}: {done.stderr.decode().split()[-1]} KiB")

    if shutil.which("strace"):
        os.remove(report)
        trace = os.path.join(scratch, "strace.txt")
        with open(answers, "rb") as stdin:
            subprocess.run(["strace", "-f", "-c", "-e", "trace=write", "-o", trace, vortanex],
                           stdin=stdin, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                           cwd=scratch, check=True)
        for line in open(trace):
            if line.rstrip().endswith(" write"):
                calls = int(line.split()[3])
                print(f"write calls: {calls} = {records} records + "
                      f"{calls - records} (console lines and the final line feed)")


if __name__ == "__main__":
    main()
