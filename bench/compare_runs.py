#!/usr/bin/env python3
"""Times two whole commands in turn and prints their medians and ratio.

usage: compare_runs.py RUNS GOAL NAME_A NAME_B -- A... -- B...

Each command runs RUNS times, A and B in turn so both see the same load,
output thrown away. For each it prints the median wall time and the median
processor time (user + system of the process, from the operating system's
accounting), and for the ratio A / B both: on a busy machine the wall times
also measure the waiting, the processor times do not. The verdict compares
the wall ratio with GOAL, and the processor ratio when the two differ.
"""
import os
import resource
import statistics
import subprocess
import sys
import time


def run_once(command):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    subprocess.run(command, stdout=subprocess.DEVNULL, stdin=subprocess.DEVNULL, check=False)
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return wall, cpu


def main():
    args = sys.argv[1:]
    runs, goal, name_a, name_b = int(args[0]), float(args[1]), args[2], args[3]
    rest = args[5:]
    split = rest.index("--")
    command_a, command_b = rest[:split], rest[split + 1:]
    walls = {name_a: [], name_b: []}
    cpus = {name_a: [], name_b: []}
    for _ in range(runs):
        for name, command in ((name_a, command_a), (name_b, command_b)):
            wall, cpu = run_once(command)
            walls[name].append(wall)
            cpus[name].append(cpu)
    for name in (name_a, name_b):
        print(f"{name + ':':12} median {statistics.median(walls[name]) * 1000:.1f} ms wall, "
              f"{statistics.median(cpus[name]) * 1000:.1f} ms processor, over {runs} runs")
    wall_ratio = statistics.median(walls[name_a]) / statistics.median(walls[name_b])
    cpu_ratio = statistics.median(cpus[name_a]) / max(statistics.median(cpus[name_b]), 1e-6)
    verdict = "meets" if wall_ratio <= goal else "MISSES"
    print(f"ratio:       {wall_ratio:.2f} wall ({verdict} the goal of at most {goal:g}), "
          f"{cpu_ratio:.2f} processor")
    return 0


if __name__ == "__main__":
    sys.exit(main())
