#!/usr/bin/env python3
"""Imports every FET example school (Debian's fet-data) with lovaris-cli import-fet and
runs the data check on each project made.

    python3 bench/fet_examples.py [--cli build/src/cli/lovaris-cli]
                                  [--examples /usr/share/doc/fet-data/examples]

Prints one line per file (imported or refused with the reason, time, findings of the
check, classes given more hours than their open week holds) and then the totals: how
many import, how long they take, how many classes are overfull, the reasons of the
refusals, and what the import reports summed over all files. Files ending in .fet.gz
are read after unpacking them to a temporary file.
"""
import argparse
import collections
import gzip
import os
import re
import subprocess
import sys
import tempfile
import time

from plan_vs_fet import class_weeks


def find_files(root):
    for folder, _, names in os.walk(root):
        for name in sorted(names):
            if name.endswith(".fet") or name.endswith(".fet.gz"):
                yield os.path.join(folder, name)


def check_findings(cli, project):
    """The number of findings of the data check; 0 when every page says there are none."""
    out = subprocess.run([cli, "check", project], capture_output=True, text=True)
    if out.returncode != 0:
        return None
    findings = 0
    for line in out.stdout.splitlines():
        if re.match(r"^\d+\. ", line) and "Ошибок не обнаружено." not in line:
            findings += 1
    return findings


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--cli", default="build/src/cli/lovaris-cli")
    parser.add_argument("--examples", default="/usr/share/doc/fet-data/examples")
    args = parser.parse_args()

    files = sorted(find_files(args.examples))
    if not files:
        sys.exit(f"no .fet files under {args.examples}")
    imported = refused = clean = 0
    times = []
    reasons = collections.Counter()
    not_expressed = collections.Counter()
    findings_total = 0
    overfull_classes = overfull_schools = 0
    with tempfile.TemporaryDirectory() as work:
        for n, path in enumerate(files):
            source = path
            if path.endswith(".gz"):
                source = os.path.join(work, f"in{n}.fet")
                with gzip.open(path, "rb") as packed, open(source, "wb") as plain:
                    plain.write(packed.read())
            project = os.path.join(work, f"out{n}.tbl")
            start = time.perf_counter()
            run = subprocess.run([args.cli, "import-fet", source, project, "--report"], capture_output=True, text=True)
            seconds = time.perf_counter() - start
            name = os.path.relpath(path, args.examples)
            if run.returncode != 0:
                refused += 1
                reason = re.sub(r"^import-fet: [^:]*: (строка \d+: )?", "", run.stderr.strip())
                reasons[re.sub(r'"[^"]*"', '"…"', reason)] += 1
                print(f"REFUSED  {seconds:6.2f} s  {name}: {reason}")
                continue
            imported += 1
            times.append(seconds)
            for line in run.stdout.splitlines():
                m = re.match(r"^\s+(\d+)\s+(.*)$", line)
                if m:
                    not_expressed[m.group(2)] += int(m.group(1))
            findings = check_findings(args.cli, project)
            findings_total += findings or 0
            clean += findings == 0
            weeks = class_weeks(args.cli, project) or []
            overfull = sum(1 for hours, open_hours in weeks if hours > open_hours)
            overfull_classes += overfull
            overfull_schools += overfull > 0
            print(f"imported {seconds:6.2f} s  {name}: check findings {findings}, overfull classes {overfull}")
            os.remove(project)

    print()
    print(f"files: {len(files)}, imported: {imported}, refused: {refused}")
    if times:
        times.sort()
        print(f"import time: total {sum(times):.1f} s, median {times[len(times) // 2]:.3f} s, max {times[-1]:.2f} s")
    print(f"imported projects with no finding of the check: {clean} of {imported}; findings in all: {findings_total}")
    print(f"classes with more hours than their open week: {overfull_classes}, in {overfull_schools} schools")
    print("refusals:")
    for reason, count in reasons.most_common():
        print(f"  {count:4}  {reason}")
    print("not expressed, summed over the imported files:")
    for what, count in not_expressed.most_common():
        print(f"  {count:7}  {what}")


if __name__ == "__main__":
    main()
