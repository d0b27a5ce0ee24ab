#!/usr/bin/env python3
"""Plans the sample school, the schools of ../shared/schools and the school-like FET
examples three ways and prints the measures of each week side by side: the search
alone as before the improvement (`plan --improve-steps 0`), the planner's stages
first (`plan --stages --improve-steps 0`), and the whole plan with its improvement
(`plan`).

    python3 bench/plan_quality.py [--cli build/src/cli/lovaris-cli] [--seconds 20]
                                  [--schools DIR ...] [--examples DIR] [--fet N | --all]
                                  [--only TEXT ...] [--no-fet-cl]

Per school and way: hours placed of those required, teacher windows, teacher days
over the variant's windows limit, classes with lopsided days (more than 2 lessons
between their longest and shortest open day, and more than the most even split
their open hours allow plus 1) of all classes, teachers short of free days, the
weighted cost and the wall-clock time. Then the goal's figures for each school: the
share of balanced classes, windows against half of the search's, teachers short of
free days against half of the search's, and whether it is as complete as before.
The FET examples are those of Debian's fet-data with at most 6 days and 8 to 40
classes, imported with `import-fet`; by default the first --fet of them (4), all
with --all. Where `fet-cl` is installed, FET plans each of them from its original
file in the same time and the last column gives its week's teacher windows (FET
keeps rules the import drops: no like-for-like comparison).
"""
import argparse
import glob
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ElementTree

from plan_vs_fet import classes_and_room, fet_days, find_files, unpacked

WAYS = [("search", ["--improve-steps", "0"]), ("stages", ["--stages", "--improve-steps", "0"]), ("improved", [])]


def plan(cli, project, seconds, extra, work):
    start = time.perf_counter()
    # A plan whose stages overrun its time by far (a FET example's stages were seen
    # running 20 minutes for 20 seconds) counts as failed.
    try:
        run = subprocess.run([cli, "plan", project, "-o", os.path.join(work, "plan.rsp"), "--seconds", str(seconds),
                              "--json"] + extra, capture_output=True, text=True, timeout=3 * seconds + 30)
    except subprocess.TimeoutExpired:
        return None
    took = time.perf_counter() - start
    if run.returncode not in (0, 3):
        return None
    week = json.loads(run.stdout)
    week["time"] = took
    return week


def fet_windows(source, seconds, work):
    """FET's own week of the school (fet-cl on the original file): its teachers' windows,
    counted as ours are (empty hours between a teacher's first and last lesson of a day,
    the school's breaks and the teacher's unavailable hours left out),
    or None when FET finds no week in the time."""
    out = os.path.join(work, "fet-out")
    shutil.rmtree(out, ignore_errors=True)
    try:
        run = subprocess.run(["fet-cl", f"--inputfile={source}", f"--outputdir={out}",
                              f"--timelimitseconds={int(seconds)}"], capture_output=True, text=True,
                             timeout=seconds + 60)
    except subprocess.TimeoutExpired:
        return None
    if "Simulation successful" not in run.stdout + run.stderr:
        return None
    found = glob.glob(os.path.join(out, "timetables", "*", "*_teachers.xml"))
    if not found:
        return None
    breaks, busy = closed_hours(source)
    windows = 0
    for teacher in ElementTree.parse(found[0]).getroot():
        name = teacher.get("name")
        for day in teacher:
            hours = [(hour.get("name"), any(child.tag == "Activity" for child in hour)) for hour in day]
            taught = [t for _, t in hours]
            if any(taught):
                first, last = taught.index(True), len(taught) - 1 - taught[::-1].index(True)
                windows += sum(1 for hour, t in hours[first:last + 1]
                               if not t and (day.get("name"), hour) not in breaks
                               and (name, day.get("name"), hour) not in busy)
    return windows


def closed_hours(source):
    """The school's breaks and the teachers' unavailable hours at 100 % in a FET file, by
    day and hour name: inside a teacher's day they are no window, as in our measure."""
    root = ElementTree.parse(source).getroot()
    breaks, busy = set(), set()
    for kind in ("ConstraintBreakTimes", "ConstraintTeacherNotAvailableTimes"):
        for constraint in root.iter(kind):
            if constraint.findtext("Active", "true") == "false" or \
                    float(constraint.findtext("Weight_Percentage", "100")) < 100:
                continue
            teacher = constraint.findtext("Teacher")
            for slot in list(constraint.iter("Break_Time")) + list(constraint.iter("Not_Available_Time")):
                day, hour = slot.findtext("Day"), slot.findtext("Hour")
                if teacher is None:
                    breaks.add((day, hour))
                else:
                    busy.add((teacher, day, hour))
    return breaks, busy


def schools(args, work):
    yield "sample school", args.sample, None
    for path in sorted(p for folder in args.schools for p in glob.glob(os.path.join(folder, "*.tbl"))):
        yield os.path.basename(path), path, None
    taken = 0
    for n, path in enumerate(find_files(args.examples) if os.path.isdir(args.examples) else []):
        if not args.all and taken >= args.fet:
            break
        source = unpacked(path, work, n)
        if not 1 <= fet_days(source) <= 6:
            continue
        project = os.path.join(work, f"fet{n}.tbl")
        if subprocess.run([args.cli, "import-fet", source, project], capture_output=True).returncode != 0:
            continue
        classes, _ = classes_and_room(args.cli, project)
        if not 8 <= classes <= 40:
            continue
        taken += 1
        yield os.path.relpath(path, args.examples), project, source


def cells(week):
    if week is None:
        return f"{'failed':>38}"
    h, c = week["hours"], week["classes"]
    return (f"{h['clean']:4}/{h['required']:<4} {week['teacherWindows']['total']:4} "
            f"{week['teacherWindows']['daysOverLimit']:3} {c['lopsided']:3}/{c['count']:<3} "
            f"{week['freeDays']['teachersShort']:3} {week['cost']:7.1f} {week['time']:5.1f}s")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--cli", default="build/src/cli/lovaris-cli")
    parser.add_argument("--sample", default="build/examples/school.tbl")
    parser.add_argument("--schools", nargs="*", default=["../shared/schools"])
    parser.add_argument("--examples", default="/usr/share/doc/fet-data/examples")
    parser.add_argument("--fet", type=int, default=4)
    parser.add_argument("--all", action="store_true")
    parser.add_argument("--seconds", type=float, default=20)
    parser.add_argument("--only", nargs="*", default=None)
    parser.add_argument("--no-fet-cl", action="store_true", help="do not run FET on the FET examples")
    args = parser.parse_args()

    head = f"{'placed':>9} {'win':>4} {'>lim':>3} {'lopsided':>7} {'nfd':>3} {'cost':>7} {'time':>6}"
    print(f"{'school':40} " + " | ".join(f"{name:^38}" for name, _ in WAYS))
    print(f"{'':40} " + " | ".join(head for _ in WAYS))
    goals = []
    use_fet = shutil.which("fet-cl") is not None and not args.no_fet_cl
    with tempfile.TemporaryDirectory() as work:
        for name, project, source in schools(args, work):
            if args.only is not None and not any(text in name for text in args.only):
                continue
            weeks = {way: plan(args.cli, project, args.seconds, extra, work) for way, extra in WAYS}
            print(f"{name[-40:]:40} " + " | ".join(cells(weeks[way]) for way, _ in WAYS), flush=True)
            before, after = weeks["search"], weeks["improved"]
            fet = fet_windows(source, args.seconds, work) if source and use_fet else None
            if before and after:
                goals.append((name, before, after, fet))

    print()
    print(f"{'school':40} {'complete as before':>18} {'balanced':>9} {'windows':>13} {'short of free days':>19}"
          f" {'FET windows':>12}")
    for name, before, after, fet in goals:
        c = after["classes"]
        balanced = 100.0 * (c["count"] - c["lopsided"]) / c["count"] if c["count"] else 100.0
        kept = after["hours"]["clean"] >= before["hours"]["clean"]
        windows = f"{after['teacherWindows']['total']} of {before['teacherWindows']['total']}"
        short = f"{after['freeDays']['teachersShort']} of {before['freeDays']['teachersShort']}"
        print(f"{name[-40:]:40} {'yes' if kept else 'NO':>18} {balanced:8.1f}% {windows:>13} {short:>19}"
              f" {'-' if fet is None else fet:>12}")
    if use_fet:
        print("\nFET windows: the teachers' windows of FET's own week of the original file (fet-cl, the same\n"
              "time), '-' where FET found none. FET keeps rules the import drops, so this is no like-for-like\n"
              "comparison: it says how many windows a week FET accepts has, not which program plans better.")


if __name__ == "__main__":
    main()
