#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Files per second of Trellis's puzzle readers against the npm package
@xwordly/xword-parser, for each format over the shared corpus.

    bench/formats/compare.py [--bench PROGRAM] [--corpus DIR]
                             [--repetitions N] [--min-time SECONDS]

Trellis is timed by its Google Benchmark program (BM_Read*Corpus of
trellis_model_bench, a Release build); the package by
xword-parser-bench.mjs beside this script, the same way: each format's files
read into memory, then parsed again and again, refused files included. Each
side goes from the bytes to the puzzle it hands on: the package to the
object its parse returns, Trellis to the puzzle the program shows (the
model's grid, numbering and clues, as Load Puzzle makes them after reading
the file). Both count process CPU time, so that other work on the machine
weighs less; wall time is shown as well. The figures are medians of the
repetitions.

The package is installed with npm into a temporary folder outside the
repository and removed afterwards. Without node and npm only Trellis's
figures are shown. Standard library only.
"""

import argparse
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
FORMATS = ("puz", "ipuz", "jpz", "xd")
PACKAGE = "@xwordly/xword-parser"
# 1.1.0 depends on a package the registry does not serve; 1.0.5 installs.
PACKAGE_FALLBACK = PACKAGE + "@1.0.5"


def trellis_rates(program, repetitions, min_time):
    """{format: (files, cpu files/s, wall files/s)} from the benchmark program."""
    command = [
        program,
        "--benchmark_filter=^BM_Read(Puz|Ipuz|Jpz|Xd)Corpus$",
        "--benchmark_repetitions=%d" % repetitions,
        "--benchmark_report_aggregates_only=true",
        "--benchmark_min_time=%g" % min_time,
        "--benchmark_format=json",
    ]
    print("$ " + " ".join(command), file=sys.stderr)
    report = json.loads(subprocess.run(command, check=True, capture_output=True, text=True).stdout)
    scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
    rates = {}
    for entry in report["benchmarks"]:
        if entry.get("aggregate_name") != "median":
            continue
        format_ = entry["run_name"][len("BM_Read"):-len("Corpus")].lower()
        files = int(entry["files"])
        wall = files / (entry["real_time"] * scale[entry["time_unit"]])
        rates[format_] = (files, entry["items_per_second"], wall)
    return rates


def install_package(prefix):
    """The version installed into prefix, or None when npm could not."""
    for wanted in (PACKAGE, PACKAGE_FALLBACK):
        command = ["npm", "install", "--prefix", prefix, "--no-save", "--no-audit", "--no-fund", wanted]
        print("$ " + " ".join(command), file=sys.stderr)
        if subprocess.run(command, capture_output=True, text=True).returncode == 0:
            manifest = os.path.join(prefix, "node_modules", "@xwordly", "xword-parser", "package.json")
            with open(manifest, encoding="utf-8") as f:
                return json.load(f)["version"]
        print("  (npm could not install %s)" % wanted, file=sys.stderr)
    return None


def package_rates(prefix, corpus, repetitions, min_time):
    command = ["node", os.path.join(HERE, "xword-parser-bench.mjs"), prefix, corpus, str(repetitions), str(min_time)]
    print("$ " + " ".join(command), file=sys.stderr)
    report = json.loads(subprocess.run(command, check=True, capture_output=True, text=True).stdout)
    return {
        f: (r["files"], r["cpu_files_per_second"], r["wall_files_per_second"], r["refused"])
        for f, r in report.items()
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bench", default=os.path.join(ROOT, "build", "release", "bench", "model",
                                                        "trellis_model_bench"))
    parser.add_argument("--corpus", default=os.path.join(os.path.dirname(ROOT), "shared", "corpus"),
                        help="the corpus the benchmark program was built with (TRELLIS_CORPUS_DIR)")
    parser.add_argument("--repetitions", type=int, default=10)
    parser.add_argument("--min-time", type=float, default=0.5, help="seconds of CPU time per repetition")
    args = parser.parse_args()

    if not os.access(args.bench, os.X_OK):
        print("no benchmark program at %s; build it with\n"
              "  cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRELLIS_TESTS=OFF\n"
              "  cmake --build build/release --target trellis_model_bench" % args.bench, file=sys.stderr)
        return 2
    trellis = trellis_rates(args.bench, args.repetitions, args.min_time)

    package, version = {}, None
    if shutil.which("node") and shutil.which("npm"):
        prefix = tempfile.mkdtemp(prefix="trellis-xword-parser-")
        try:
            version = install_package(prefix)
            if version:
                package = package_rates(prefix, args.corpus, args.repetitions, args.min_time)
        finally:
            shutil.rmtree(prefix, ignore_errors=True)
    else:
        print("node and npm are not both present: Trellis alone", file=sys.stderr)

    print()
    print("Files per second, medians of %d repetitions of at least %g s of CPU time" % (args.repetitions,
                                                                                         args.min_time))
    if version:
        print("against %s %s (node %s)" % (PACKAGE, version,
                                           subprocess.run(["node", "--version"], capture_output=True,
                                                          text=True).stdout.strip()))
    print()
    print("%-6s %6s | %12s %12s %8s | %12s %12s %8s | %s" % ("format", "files", "Trellis CPU", "package CPU",
                                                            "ratio", "Trellis wall", "package wall", "ratio",
                                                            "package refused"))
    ratios = []
    for format_ in FORMATS:
        if format_ not in trellis:
            continue
        files, cpu, wall = trellis[format_]
        row = "%-6s %6d | %12.0f" % (format_, files, cpu)
        if format_ in package:
            pfiles, pcpu, pwall, refused = package[format_]
            if pfiles != files:
                row += "  (the package read %d files: not the same corpus)" % pfiles
            ratios.append(cpu / pcpu)
            row += " %12.0f %7.1fx | %12.0f %12.0f %7.1fx | %d" % (pcpu, cpu / pcpu, wall, pwall, wall / pwall, refused)
        else:
            row += " %12s %8s | %12.0f" % ("-", "-", wall)
        print(row)
    if ratios:
        print()
        print("ratio per format (CPU): lowest %.1fx, geometric mean %.1fx" % (
            min(ratios), statistics.geometric_mean(ratios)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
