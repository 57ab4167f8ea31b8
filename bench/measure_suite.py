#!/usr/bin/env python3
"""Runs the benchmark program and tells what each benchmark cost the machine.

Every line the program prints is shown with the seconds it took since the line before and the
bytes the program wrote meanwhile (wchar: bytes handed to write calls; disk: write_bytes less
cancelled_write_bytes, what reached or was bound for the disk). The totals of the whole run
come last; the suite is meant to finish in under 10 minutes and write under 20 GB.

    bench/measure_suite.py build-test/bench/scoreink_bench [benchmark options...]
"""
import os
import subprocess
import sys
import time

GB = 1 << 30


def io_counts(pid):
    counts = {}
    try:
        with open(f"/proc/{pid}/io") as io:
            for line in io:
                name, value = line.split(":")
                counts[name] = int(value)
    except OSError:
        return None
    return counts


def written(counts):
    return counts["wchar"], counts["write_bytes"] - counts["cancelled_write_bytes"]


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    env = dict(os.environ, QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"))
    start = time.monotonic()
    child = subprocess.Popen(sys.argv[1:], stdout=subprocess.PIPE, text=True, env=env)
    last_time, last = start, (0, 0)
    for line in child.stdout:
        counts = io_counts(child.pid)
        now = time.monotonic()
        if counts:
            wchar, disk = written(counts)
            print(f"{now - last_time:7.1f}s {(wchar - last[0]) / GB:8.2f} GB "
                  f"{(disk - last[1]) / GB:8.2f} GB  {line}", end="", flush=True)
            last = (wchar, disk)
        else:
            print(f"{now - last_time:7.1f}s {'':23} {line}", end="", flush=True)
        last_time = now
    # A reaped child's counts are added to its parent's, and nothing else here writes much.
    status = child.wait()
    wchar, disk = written(io_counts("self"))
    print(f"whole run: {time.monotonic() - start:.0f} s, wchar {wchar / GB:.2f} GB, "
          f"disk {disk / GB:.2f} GB, exit status {status}")
    sys.exit(status)


if __name__ == "__main__":
    main()
