#!/usr/bin/env python3
"""Plans every school-like FET example (Debian's fet-data: at most 6 days, 8 to 40
classes) with lovaris-cli plan and, where fet-cl is installed, solves the original
with FET, one school at a time, and prints both side by side.

    python3 bench/plan_vs_fet.py [--cli build/src/cli/lovaris-cli] [--import-cli CLI]
                                 [--examples /usr/share/doc/fet-data/examples]
                                 [--seconds 60] [--fet-seconds 60] [--no-fet]
                                 [--fet-strict] [--judge [--judge-seconds 30]] [--only TEXT ...]
                                 [--same-problem [--sample build/examples/school.tbl]
                                  [--projects ../shared/schools]]

Each file is imported with `import-fet` (by --import-cli, the same tool by default)
and planned with `plan --seconds S`; our time is the wall-clock time of the plan.
FET runs with `--timelimitseconds=60` and every constraint of its file; a school is
solved when it reports "Simulation successful", its time is the process's wall-clock
time. With --fet-strict FET also runs on a copy of each file held to the rules plan
keeps: pupils' days gapless (ConstraintStudentsMaxGapsPerWeek 0 at 100 %, where the
file lets pupils have gaps) and the activities of a split on different days (its
ConstraintMinDaysBetweenActivities at 100 %, where it holds no more activities than
the week has days), as a lesson's spread has one block a day ("strict" columns; "="
where the file already asks for both). --only keeps the schools whose path holds one
of the texts. With --judge our week is written back into the school's FET file
(`export-fet`: every activity it places locked at its time and room) and fet-cl
judges it with --judge-seconds: "accepted" when FET reports "Simulation successful"
with every activity locked, so the week keeps every constraint of weight 100 % of
the original; "accepted+" when FET also had to place, and could, the activities the
week or the import left out; else "no" and the start of FET's reason. The "times"
column judges the week's times alone (`export-fet --times-only`: no room locked). The table gives per school: classes, hours required, the hours that fit in the
classes' open hours at all ("fit"), hours placed, the share placed, class gaps,
subgroups without a room and our time, beside FET's solved flag
and time; then the totals and the medians (our share and time over all schools, FET's
time over the schools it solved).

With --same-problem both solve the same problem: each school is imported, the project
is planned with `plan --seconds S --json`, written as a FET school held to plan's rules
(`export-fet PROJECT -o OUT.fet`), solved by fet-cl with the same time limit, and FET's
week (its `..._data_and_timetable.fet`) read back as a variant (`import-fet-week`) and
measured by `variant-show --json` after `rooms --all` has seated it (FET is given no
rooms). The sample school (--sample) comes first, then the projects of the folders
--projects names, then the FET examples. Per school and side: hours placed of
those required, class gaps (0 on both sides: both keep the classes' days gapless),
subgroup-hours without a room, teacher windows, lopsided classes, teachers short of free days,
and the wall-clock time; FET's "solved" is "Simulation successful".
"""
import argparse
import glob
import gzip
import json
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def find_files(root):
    for folder, _, names in sorted(os.walk(root)):
        for name in sorted(names):
            if name.endswith(".fet") or name.endswith(".fet.gz"):
                yield os.path.join(folder, name)


def unpacked(path, work, n):
    """The FET file itself: a packed one (.gz) is unpacked into `work` first."""
    if not path.endswith(".gz"):
        return path
    source = os.path.join(work, f"in{n}.fet")
    with gzip.open(path, "rb") as packed, open(source, "wb") as plain:
        plain.write(packed.read())
    return source


def fet_days(path):
    with open(path, "rb") as f:
        text = f.read().decode("utf-8", "replace")
    m = re.search(r"<Number_of_Days>\s*(\d+)\s*</Number_of_Days>", text)
    if m:
        return int(m.group(1))
    days = re.search(r"<Days_List>(.*?)</Days_List>", text, re.S)
    return len(re.findall(r"<Day>", days.group(1))) if days else 0


def class_weeks(cli, project):
    """Per class of the project: its curriculum hours and the hours of the week it is
    open; None when the project cannot be read."""
    out = subprocess.run([cli, "export-json", project], capture_output=True, text=True)
    if out.returncode != 0:
        return None
    school = json.loads(out.stdout)
    per_day = school["params"]["lessonsPerDay"]
    weeks = []
    for klass in school["classes"]["items"]:
        closed = sum(1 for b in klass["busy"] if b["lesson"] <= per_day)
        hours = sum(sum(l["spread"]) for l in school["lessons"]["items"] if l["klass"] == klass["id"])
        weeks.append((hours, 6 * per_day - closed))
    return weeks


def classes_and_room(cli, project):
    """The number of classes, and the hours that fit at all: each class's curriculum
    hours up to the hours of the week it is open (an import that gives a class more
    hours than that leaves a school no plan can finish)."""
    weeks = class_weeks(cli, project)
    if weeks is None:
        return 0, 0
    return len(weeks), sum(min(hours, open_hours) for hours, open_hours in weeks)


def figure(text, label):
    m = re.search(label + r": *(\d+)", text)
    return int(m.group(1)) if m else None


def plan(cli, project, seconds, work):
    start = time.perf_counter()
    run = subprocess.run([cli, "plan", project, "-o", os.path.join(work, "plan.rsp"), "--seconds", str(seconds)],
                         capture_output=True, text=True)
    took = time.perf_counter() - start
    if run.returncode not in (0, 3):
        return None
    return {
        "required": figure(run.stdout, "Hours required"),
        "placed": figure(run.stdout, "in the clean copy"),
        "gaps": figure(run.stdout, "Class gaps"),
        "roomless": figure(run.stdout, "Subgroups without a room"),
        "time": took,
    }


def fet(source, seconds, work, name="fet"):
    out = os.path.join(work, name)
    shutil.rmtree(out, ignore_errors=True)
    start = time.perf_counter()
    # fet-cl does not always stop at its limit (a school may hang before its search
    # starts): it is ended a while later, unsolved.
    try:
        run = subprocess.run(["fet-cl", f"--inputfile={source}", f"--outputdir={out}",
                              f"--timelimitseconds={seconds}", "--htmllevel=0", "--writetimetablesxml=false"],
                             capture_output=True, text=True, timeout=seconds + 30)
        output = run.stdout + run.stderr
    except subprocess.TimeoutExpired:
        output = ""
    took = time.perf_counter() - start
    return {"solved": "Simulation successful" in output, "time": took, "output": output}


def fet_reason(output):
    """Why FET did not accept a file: its first warning (and how many there are), or
    "time" when it only ran out of time."""
    refusals = [m for m in re.findall(r"Title: FET warning\s*Message: (.*)", output)
                if not m.startswith("Optimization tip")]
    if refusals:
        return f"{len(refusals)}x {refusals[0].strip()}"
    return "time"


def judge(cli, project, source, seconds, work, times_only=False):
    """Our week written back into the FET file and judged by fet-cl."""
    out = os.path.join(work, "judged.fet")
    run = subprocess.run([cli, "export-fet", project, os.path.join(work, "plan.rsp"), "--into", source, "-o", out]
                         + (["--times-only"] if times_only else []), capture_output=True, text=True)
    if run.returncode != 0:
        return {"accepted": False, "all": False, "time": 0.0, "reason": "export-fet: " + run.stderr.strip()}
    result = fet(out, seconds, work, "judge")
    return {"accepted": result["solved"], "all": "оставлены незакрепленными" not in run.stdout, "time": result["time"],
            "reason": "" if result["solved"] else fet_reason(result["output"])}


def verdict(j):
    return ("accepted" if j["all"] else "accepted+") if j["accepted"] else "no"


GAPS_OF_PUPILS = re.compile(r"<ConstraintStudents(Set)?MaxGapsPer(Week|Day)>(?:(?!</Constraint).)*?"
                            r"<Weight_Percentage>\s*100\s*</Weight_Percentage>(?:(?!</Constraint).)*?"
                            r"<Max_Gaps>\s*0\s*</Max_Gaps>", re.S)
MIN_DAYS = re.compile(r"<ConstraintMinDaysBetweenActivities>.*?</ConstraintMinDaysBetweenActivities>", re.S)


def strict_copy(source, days, work):
    """A copy of the FET file held to plan's rules, or None when it already is."""
    with open(source, "rb") as f:
        text = f.read().decode("utf-8", "replace")
    if "</Time_Constraints_List>" not in text:
        return None
    strict = text
    if not any(m.group(1) is None for m in GAPS_OF_PUPILS.finditer(text)):
        rule = ("<ConstraintStudentsMaxGapsPerWeek><Weight_Percentage>100</Weight_Percentage>"
                "<Max_Gaps>0</Max_Gaps><Active>true</Active><Comments></Comments></ConstraintStudentsMaxGapsPerWeek>")
        strict = strict.replace("</Time_Constraints_List>", rule + "</Time_Constraints_List>", 1)

    def held(m):
        block = m.group(0)
        count = re.search(r"<Number_of_Activities>\s*(\d+)", block)
        weight = re.search(r"<Weight_Percentage>\s*([\d.]+)", block)
        if count is None or int(count.group(1)) > days or (weight and float(weight.group(1)) >= 100):
            return block
        # One block a day is a minimum of one day between them; a softer wish for more
        # days stays beside it as it was.
        hard = re.sub(r"<Weight_Percentage>[^<]*</Weight_Percentage>", "<Weight_Percentage>100</Weight_Percentage>",
                      block, count=1)
        hard = re.sub(r"<MinDays>\s*\d+\s*</MinDays>", "<MinDays>1</MinDays>", hard, count=1)
        days_wished = re.search(r"<MinDays>\s*(\d+)", block)
        return hard + block if days_wished and int(days_wished.group(1)) > 1 else hard

    strict = MIN_DAYS.sub(held, strict)
    if strict == text:
        return None
    copy = os.path.join(work, "strict.fet")
    with open(copy, "w", encoding="utf-8") as f:
        f.write(strict)
    return copy


def measure_of(cli, args):
    """The week's measure as the tool prints it in JSON, or None."""
    run = subprocess.run([cli] + args, capture_output=True, text=True)
    if run.returncode not in (0, 3):
        return None
    data = json.loads(run.stdout)
    return data.get("measure", data)


def week_figures(measure, took):
    return {"placed": measure["hours"]["clean"], "required": measure["hours"]["required"],
            "gaps": measure["classGaps"], "noroom": measure["subgroupsWithoutRoom"], "windows": measure["teacherWindows"]["total"], "lopsided": measure["classes"]["lopsided"],
            "short": measure["freeDays"]["teachersShort"], "time": took}


def same_problem(cli, project, seconds, work):
    """Both weeks of one project: plan's, and FET's on the project's FET export."""
    start = time.perf_counter()
    ours = measure_of(cli, ["plan", project, "-o", os.path.join(work, "plan.rsp"), "--seconds", str(seconds), "--json"])
    ours = week_figures(ours, time.perf_counter() - start) if ours else None
    school = os.path.join(work, "same.fet")
    if subprocess.run([cli, "export-fet", project, "-o", school], capture_output=True).returncode != 0:
        return ours, None
    result = fet(school, max(1, round(seconds)), work, "same")
    weeks = [os.path.join(folder, name) for folder, _, names in os.walk(os.path.join(work, "same"))
             for name in names if name.endswith("_data_and_timetable.fet")]
    theirs = None
    if weeks:
        variant = os.path.join(work, "fet.rsp")
        read = subprocess.run([cli, "import-fet-week", project, sorted(weeks)[0], "-o", variant], capture_output=True)
        # FET was given no rooms: room assignment seats its week as it seats ours.
        seated = os.path.join(work, "fet-rooms.rsp")
        if read.returncode == 0:
            subprocess.run([cli, "rooms", project, variant, "--all", "-o", seated], capture_output=True)
        measure = measure_of(cli, ["variant-show", project, seated, "--json"]) if read.returncode == 0 else None
        theirs = week_figures(measure, result["time"]) if measure else None
    if theirs is None:
        theirs = {"placed": None, "required": ours["required"] if ours else None, "gaps": None, "noroom": None,
              "windows": None,
                  "lopsided": None, "short": None, "time": result["time"]}
    theirs["solved"] = result["solved"]
    return ours, theirs


def cell(value, width):
    return f"{'-' if value is None else value:>{width}}"


SAME_PROBLEM_HEADER = (f"{'school':44} {'req':>5} | {'plan':>5} {'gaps':>4} {'noroom':>6} {'win':>4} {'lop':>3} "
                       f"{'free':>4} {'time':>6} | {'FET':>6} {'placed':>6} {'gaps':>4} {'noroom':>6} {'win':>4} {'lop':>3} "
                       f"{'free':>4} {'time':>6}")


def print_same_problem(name, ours, theirs):
    o = ours or {}
    t = theirs or {}
    print(f"{name[-44:]:44} {cell(o.get('required'), 5)} | {cell(o.get('placed'), 5)} {cell(o.get('gaps'), 4)} "
          f"{cell(o.get('noroom'), 6)} {cell(o.get('windows'), 4)} {cell(o.get('lopsided'), 3)} {cell(o.get('short'), 4)} "
          f"{o.get('time', 0):5.1f}s | {('solved' if t.get('solved') else 'no'):>6} {cell(t.get('placed'), 6)} "
          f"{cell(t.get('gaps'), 4)} {cell(t.get('noroom'), 6)} {cell(t.get('windows'), 4)} "
          f"{cell(t.get('lopsided'), 3)} {cell(t.get('short'), 4)} {t.get('time', 0):5.1f}s", flush=True)


def run_same_problem(args, importer):
    rows = []
    with tempfile.TemporaryDirectory() as work:
        schools = [("sample school", args.sample)] if args.sample and os.path.exists(args.sample) else []
        schools += [(os.path.basename(path), path) for folder in args.projects
                    for path in sorted(glob.glob(os.path.join(folder, "*.tbl")))]
        for n, path in enumerate(find_files(args.examples)):
            if args.only is not None and not any(text in path for text in args.only):
                continue
            source = unpacked(path, work, n)
            if not 1 <= fet_days(source) <= 6:
                continue
            project = os.path.join(work, f"school{n}.tbl")
            if subprocess.run([importer, "import-fet", source, project], capture_output=True).returncode != 0:
                continue
            if not 8 <= classes_and_room(args.cli, project)[0] <= 40:
                continue
            schools.append((os.path.relpath(path, args.examples), project))
        print(SAME_PROBLEM_HEADER)
        for name, project in schools:
            ours, theirs = same_problem(args.cli, project, args.seconds, work)
            rows.append((name, ours, theirs))
            print_same_problem(name, ours, theirs)
    complete = [r for r in rows if r[1] and r[1]["placed"] == r[1]["required"]]
    solved = [r for r in rows if r[2] and r[2]["solved"]]
    print()
    print(f"schools: {len(rows)}; plan places every hour of {len(complete)}, FET solves {len(solved)}; "
          f"both: {sum(1 for r in complete if r in solved)}")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--cli", default="build/src/cli/lovaris-cli")
    parser.add_argument("--import-cli", default=None, help="the tool that has import-fet (default: --cli)")
    parser.add_argument("--examples", default="/usr/share/doc/fet-data/examples")
    parser.add_argument("--seconds", type=float, default=60)
    parser.add_argument("--fet-seconds", type=int, default=60)
    parser.add_argument("--no-fet", action="store_true")
    parser.add_argument("--fet-strict", action="store_true")
    parser.add_argument("--judge", action="store_true")
    parser.add_argument("--judge-seconds", type=int, default=30)
    parser.add_argument("--only", nargs="*", default=None)
    parser.add_argument("--same-problem", action="store_true")
    parser.add_argument("--sample", default="build/examples/school.tbl")
    parser.add_argument("--projects", nargs="*", default=[],
                        help="with --same-problem, the projects (.tbl) of these folders too")
    args = parser.parse_args()
    importer = args.import_cli or args.cli
    if args.same_problem:
        if shutil.which("fet-cl") is None:
            sys.exit("--same-problem needs fet-cl")
        run_same_problem(args, importer)
        return
    with_fet = not args.no_fet and shutil.which("fet-cl") is not None

    rows = []
    print(f"{'school':58} {'cls':>3} {'req':>5} {'fit':>5} {'placed':>6} {'share':>7} {'gaps':>4} {'noroom':>6} {'time':>7}"
          f"  {'FET':>6} {'time':>6}" + (f"  {'strict':>7} {'time':>6}" if args.fet_strict else "")
          + (f"  {'judged':>9} {'time':>6} {'times':>9}" if args.judge and with_fet else ""))
    with tempfile.TemporaryDirectory() as work:
        for n, path in enumerate(find_files(args.examples)):
            source = unpacked(path, work, n)
            if not 1 <= fet_days(source) <= 6:
                continue
            if args.only is not None and not any(text in path for text in args.only):
                continue
            project = os.path.join(work, "school.tbl")
            if subprocess.run([importer, "import-fet", source, project], capture_output=True).returncode != 0:
                continue
            classes, fit = classes_and_room(args.cli, project)
            if not 8 <= classes <= 40:
                continue
            name = os.path.relpath(path, args.examples)
            ours = plan(args.cli, project, args.seconds, work)
            theirs = fet(source, args.fet_seconds, work) if with_fet else None
            if theirs is not None and args.fet_strict:
                copy = strict_copy(source, fet_days(source), work)
                theirs["strict"] = fet(copy, args.fet_seconds, work) if copy else dict(theirs, same=True)
            if ours is not None and args.judge and with_fet:
                ours["judge"] = judge(args.cli, project, source, args.judge_seconds, work)
                ours["judge_times"] = judge(args.cli, project, source, args.judge_seconds, work, times_only=True)
            rows.append((name, classes, ours, theirs))
            if ours is not None:
                ours["fit"] = fit
            if ours is None:
                print(f"{name[-58:]:58} {classes:3}  plan failed")
                continue
            share = 100.0 * ours["placed"] / ours["required"] if ours["required"] else 100.0
            ours["share"] = share
            fet_text = f"{'solved' if theirs['solved'] else 'no':>6} {theirs['time']:6.1f}" if theirs else ""
            if theirs and "strict" in theirs:
                g = theirs["strict"]
                fet_text += f"  {'=' if g.get('same') else 'solved' if g['solved'] else 'no':>7} {g['time']:6.1f}"
            if "judge" in ours:
                j, t = ours["judge"], ours["judge_times"]
                fet_text += f"  {verdict(j):>9} {j['time']:6.1f} {verdict(t):>9}"
                fet_text += "".join(f"  {k}: {x['reason'][:100]}" for k, x in (("rooms", j), ("times", t))
                                    if not x["accepted"])
            print(f"{name[-58:]:58} {classes:3} {ours['required']:5} {fit:5} {ours['placed']:6} {share:6.2f}% "
                  f"{ours['gaps']:4} {ours['roomless']:6} {ours['time']:6.2f}s  {fet_text}", flush=True)

    planned = [r for r in rows if r[2] is not None]
    if not planned:
        sys.exit("no school-like example found")
    complete = sum(1 for r in planned if r[2]["placed"] == r[2]["required"])
    fitting = sum(1 for r in planned if r[2]["placed"] == r[2]["fit"])
    print()
    print(f"schools: {len(rows)}; every hour placed by plan: {complete}; every hour that fits: {fitting}")
    print(f"plan: median share {statistics.median(r[2]['share'] for r in planned):.2f} %, "
          f"worst {min(r[2]['share'] for r in planned):.2f} %, "
          f"median time {statistics.median(r[2]['time'] for r in planned):.2f} s, "
          f"median time where complete "
          f"{statistics.median([r[2]['time'] for r in planned if r[2]['placed'] == r[2]['required']] or [0]):.2f} s")
    if with_fet:
        solved = [r for r in rows if r[3] and r[3]["solved"]]
        median = statistics.median(r[3]["time"] for r in solved) if solved else 0
        print(f"FET: solved {len(solved)}, median time to a solution {median:.2f} s")
        if args.fet_strict:
            strict = [r for r in rows if r[3] and r[3]["strict"]["solved"]]
            median = statistics.median(r[3]["strict"]["time"] for r in strict) if strict else 0
            both = sum(1 for r in strict if r[2] is not None and r[2]["placed"] == r[2]["required"])
            print(f"FET held to plan's rules: solved {len(strict)}, median time to a solution {median:.2f} s; "
                  f"plan places every hour of {both} of them")
        if args.judge:
            judged = [r for r in planned if "judge" in r[2]]
            accepted = [r for r in judged if r[2]["judge"]["accepted"]]
            whole = [r for r in accepted if r[2]["judge"]["all"]]
            both = sum(1 for r in accepted if r[3] and r[3]["solved"])
            print(f"FET judges our week: accepted {len(accepted)} of {len(judged)} "
                  f"({len(whole)} with every activity locked, {len(accepted) - len(whole)} where FET placed "
                  f"what the week or the import left out); FET solved {both} of those itself")
            times = [r for r in judged if r[2]["judge_times"]["accepted"]]
            print(f"FET judges our week's times alone (no room locked): accepted {len(times)} of {len(judged)} "
                  f"({sum(1 for r in times if r[2]['judge_times']['all'])} with every activity locked)")


if __name__ == "__main__":
    main()
