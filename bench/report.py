#!/usr/bin/env python3
"""Reads Google Benchmark's JSON output and prints the medians and the two
ratios the performance targets are set on (the ratios last)."""

import json
import sys

TO_NS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}

# (label, numerator, denominator, target)
RATIOS = [
    ("scene pass / clear", "BM_ScenePass", "BM_CanvasClear", 2.0),
    ("startup / bare Qt window", "BM_StartUp", "BM_BareWindowStartUp", 1.5),
]


def medians(report):
    """Median real time in nanoseconds by benchmark name."""
    found = {}
    for b in report["benchmarks"]:
        if b.get("aggregate_name") != "median":
            continue
        if b.get("error_occurred"):
            continue
        name = b["run_name"].split("/")[0]
        found[name] = (b["real_time"] * TO_NS[b["time_unit"]], b.get("repetitions", 0))
    return found


def show(ns):
    if ns >= 1e6:
        return f"{ns / 1e6:.1f} ms"
    return f"{ns / 1e3:.1f} us"


def main():
    with open(sys.argv[1]) as f:
        report = json.load(f)
    found = medians(report)
    errors = [b["name"] for b in report["benchmarks"] if b.get("error_occurred")]
    if errors:
        print("failed: " + ", ".join(sorted(set(errors))), file=sys.stderr)
    for name, (ns, reps) in sorted(found.items()):
        print(f"median of {reps}: {name} {show(ns)}")
    lines = []
    missing = False
    for label, num, den, target in RATIOS:
        if num in found and den in found:
            lines.append(f"{label}: {found[num][0] / found[den][0]:.2f}")
        else:
            lines.append(f"{label}: n/a")
            missing = True
    print(f"targets: scene pass / clear <= {RATIOS[0][3]}, startup / bare Qt window <= {RATIOS[1][3]}")
    for line in lines:
        print(line)
    return 1 if missing or errors else 0


if __name__ == "__main__":
    sys.exit(main())
