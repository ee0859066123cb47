#!/usr/bin/env python3
"""Measures the program's speed and memory and compares them with the stored baseline and the targets.

Runs the Google Benchmark cases (medians of a few repetitions) and times whole processes: the desktop
program from its start to the first painted window with a day open (offscreen) and its resident memory,
and `mealwright-cli analyze` of a typical day. A benchmark that crashes or a figure that is no longer
measured always fails the run, and so does peak memory more than twice its baseline, which does not depend
on how busy the machine is. Times are only compared by default: a time more than twice its baseline is
reported, not failed, since on a loaded machine any time can be. With --strict such a time is measured once
more (longer) and fails the run when it is still over the line; scripts/bench.sh runs that.

    bench/check.py --build build-release                     # compare with bench/baseline.json
    bench/check.py --build build-release --strict            # and fail on a slower time
    bench/check.py --build build-release --update-baseline   # store this run as the new baseline
    bench/check.py --build build-release --write-readme      # put this run's table into bench/README.md
"""

import argparse
import datetime
import json
import os
import re
import shutil
import statistics
import struct
import subprocess
import sys
import tempfile
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
# The benchmark that measures the machine rather than the program.
MACHINE_SPEED = "BM_MachineSpeed"
BASELINE = HERE / "baseline.json"
README = HERE / "README.md"
ALLOWED_SLOWDOWN = 2.0

# What a user waits for, with its target and the figure that measures it.
TARGETS = [
    ("Entry nutrients of a standard food", 50, "ns", "BM_EntryNutrientsStandardFood"),
    ("Entry nutrients of a personal food", 50, "ns", "BM_EntryNutrientsPersonalFood"),
    ("Global search over 643 + 4000 foods (\"Chicken\")", 2, "ms", "BM_GlobalSearchChicken"),
    ("Global search over 643 + 4000 foods (\"БОРЩ 12\")", 2, "ms", "BM_GlobalSearchCyrillic"),
    ("Global search over 643 + 4000 foods (\"!e\")", 2, "ms", "BM_GlobalSearchExclusion"),
    ("Sorting 4643 foods by a nutrient", 3, "ms", "BM_SortEveryFoodByNutrient"),
    ("Sorting 4643 list items by a nutrient (as the view does)", 3, "ms", "BM_SortEveryFoodItemByNutrient"),
    ("One menu generation (3000 kcal, the longest)", 2, "ms", "BM_GenerateMenu/3000"),
    ("Reading a day of 100,000 entries (file to document, its totals summed)", 20, "ms", "BM_LoadDayFile/100000/real_time"),
    ("Writing a day of 100,000 entries (atomic save, synced)", 20, "ms", "BM_SaveDayFile/100000/real_time"),
    ("Recomputing a day of 1,000 entries (totals and analysis)", 100, "us", "BM_RecomputeDay/1000"),
    ("USDA food search over 8,858 foods (\"milk\")", 5, "ms", "BM_UsdaSearchMilk"),
    ("USDA food search over 8,858 foods (\"cheese cheddar !low\")", 5, "ms", "BM_UsdaSearchTwoWordsAndExclusion"),
    ("USDA food search over 8,858 foods (all found and ranked)", 5, "ms", "BM_UsdaSearchEveryFood"),
    ("Summarising 365 day files (read, summed, averaged)", 200, "ms", "BM_SummarizeDays/365/real_time"),
    ("Summarising 365 day files in a folder of 3,650 day files", 150, "ms",
     "BM_SummarizeDaysOfAFullFolder/365/real_time"),
    ("Diary of 3,650 days: the calendar's marks of one month", 20, "ms", "BM_DiaryCalendarMonth/real_time"),
    ("Diary of 3,650 days: summarising the last 365 days", 150, "ms", "BM_DiarySummarizeLast365/real_time"),
    ("Weight log of 3,650 daily weigh-ins read and its trend computed", 10, "ms", "BM_WeightLogTrend/real_time"),
    ("Balance the Day over 643 + 1,000 foods, K = 3, amounts fixed, to the proven optimum", 1, "s",
     "BM_BalanceDayThreeFoods/real_time"),
    ("Balance the Day, K = 8, changing amounts, 40-entry day, to the proven optimum", 2, "s",
     "BM_BalanceDayEightFoodsChangingAmounts/60/real_time"),
    ("Desktop program: start to first painted day window, whole process", 150, "ms", "process:desktop-start"),
    ("Desktop program with Open Today at Start: start to today's painted diary day, beyond the start above", 20, "ms",
     "process:desktop-start-today-extra"),
    ("Desktop program: resident memory at its peak", 60, "MB", "process:desktop-rss"),
    ("Desktop program: memory added by opening the USDA food dialog and searching", 15, "MB",
     "process:usda-dialog-growth"),
    ("`mealwright-cli analyze` of a typical day, whole process", 30, "ms", "process:cli-analyze"),
    ("`mealwright-cli report` of one entry of a 100,000-character name, whole process", 1, "s",
     "process:report-long-name"),
    ("`mealwright-cli report` of 100,000 entries of a 100,000-character name, whole process", 60, "s",
     "process:report-long-names"),
    ("`mealwright-cli report` of 100,000 entries of a 100,000-character name: peak resident memory", 500, "MB",
     "process:report-long-names-rss"),
    ("`mealwright-cli diary list` of a year in a diary of 3,650 days, whole process", 150, "ms",
     "process:cli-diary-list"),
    ("`mealwright-cli weight trend` of 3,650 daily weigh-ins, whole process", 50, "ms", "process:cli-weight-trend"),
]

UNIT_NS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}
# Differences of two timings, near zero by design: checked against their targets, never against a baseline.
DIFFERENCE_KEYS = {"process:desktop-start-today-extra"}
# Figures in megabytes rather than nanoseconds; they do not depend on the machine's speed.
MEMORY_KEYS = {"process:desktop-rss", "process:usda-dialog-growth", "process:report-long-names-rss"}
# The printed report's hostile case: a personal food whose name is this long, eaten this many times in one day.
LONG_NAME_LENGTH = 100000
LONG_NAME_ENTRIES = 100000

# Intake preferences as the dialog stores them: From and To of nutrients 1..27.
PREFERENCES = [
    (2343, 2864), (52, 69), (325, 487), (43, 86), (14, 28), (13, 39), (13, 26), (0, 300), (24, 36),
    (800, 1200), (8, 12), (48, 72), (1200, 1800), (1360, 2040), (15, 22), (1600, 2400), (160, 240), (1, 2),
    (640, 960), (640, 960), (280, 420), (8, 12), (12, 18), (1, 2), (1100, 2800), (2000, 3000), (0, 0),
]

# A profile whose caloric need and intake preferences are stored, so no first-start dialog comes up.
PROFILE = """[Caloric Need]
Age=40
Weight=160
Ideal Weight=160
Activity=5
Sex=0

[NIP]
""" + "".join(f"F{n}={low}\nT{n}={high}\n" for n, (low, high) in enumerate(PREFERENCES, start=1))


def run_benchmarks(executable, name_filter=None, repetitions=3, min_time=0.1):
    """Median real time in nanoseconds of every benchmark (or of those matching name_filter)."""
    with tempfile.NamedTemporaryFile(suffix=".json") as out:
        command = [str(executable), f"--benchmark_repetitions={repetitions}", f"--benchmark_min_time={min_time}",
                   "--benchmark_report_aggregates_only=true", f"--benchmark_out={out.name}",
                   "--benchmark_out_format=json"]
        if name_filter:
            command.append(f"--benchmark_filter={name_filter}")
        finished = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        if finished.returncode != 0:
            sys.exit(f"{executable} failed:\n{finished.stderr}")
        report = json.load(open(out.name, encoding="utf-8"))
    medians = {}
    for entry in report["benchmarks"]:
        if entry.get("aggregate_name") == "median":
            medians[entry["run_name"]] = entry["real_time"] * UNIT_NS[entry["time_unit"]]
    return medians


def userfood_line(index):
    values = ", ".join(f"{(index * 7 + n * 13) % 500 + 0.25:g}" for n in range(1, 28))
    return f'"Recipe {index} [1 serving]", {100 + index % 50}, {values}, \r\n'


def day_file_bytes(entries, food, grams):
    """A day whose breakfast is entries entries of one food, byte for byte as the program writes it."""
    count = struct.pack("<H", entries) if entries < 0xFFFF else struct.pack("<HI", 0xFFFF, entries)
    first = struct.pack("<HHH", 0xFFFF, 0, 5) + b"CFood" + struct.pack("<HH", food, grams)
    rest = (struct.pack("<HHH", 0x8001, food, grams)) * (entries - 1)
    return count + (first + rest if entries else b"") + b"\0\0" * 5


class LongNameReport:
    """A data folder whose one personal food has a 100,000-character name, and days of it to print."""

    def __init__(self, cli, folder, env):
        self.cli = cli
        self.env = env
        self.data = folder / "long-name"
        self.data.mkdir()
        words = "Lentil soup with carrots and onions "
        name = (words * (LONG_NAME_LENGTH // len(words) + 1))[:LONG_NAME_LENGTH]
        (self.data / "userfood.txt").write_text(f'"{name} [1 bowl]", 250, ' + "3, " * 27 + "\r\n", encoding="utf-8")
        for entries in (1, LONG_NAME_ENTRIES):
            (self.data / f"day{entries}.ypd").write_bytes(day_file_bytes(entries, 643, 250))

    def command(self, entries):
        return [str(self.cli), "--data-dir", str(self.data), "report", str(self.data / f"day{entries}.ypd"), "-o",
                str(self.data / "report.pdf")]

    def seconds_and_peak_mb(self, runs=3):
        """Median wall time in nanoseconds and median peak resident memory in MB of the long report."""
        times, peaks = [], []
        for _ in range(runs):
            result = subprocess.run(["/usr/bin/time", "-f", "%e %M"] + self.command(LONG_NAME_ENTRIES), env=self.env,
                                    check=True, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
            seconds, kilobytes = result.stderr.strip().splitlines()[-1].split()
            times.append(float(seconds) * 1e9)
            peaks.append(int(kilobytes) / 1024)
        return statistics.median(times), statistics.median(peaks)


class ProcessBench:
    """A data folder with 4000 personal foods, a profile and a generated day, and the programs to time."""

    def __init__(self, build, folder):
        self.desktop = build / "src" / "app" / "mealwright"
        self.cli = build / "src" / "cli_main" / "mealwright-cli"
        self.usda_dialog = build / "bench" / "usda_dialog_memory"
        self.data = folder / "data"
        self.day = folder / "typical.ypd"
        self.data.mkdir()
        (self.data / "userfood.txt").write_text("".join(userfood_line(i) for i in range(4000)), encoding="utf-8")
        config = folder / "config" / "Mealwright"
        config.mkdir(parents=True)
        (config / "mealwright.ini").write_text(PROFILE, encoding="utf-8")
        runtime = folder / "runtime"
        runtime.mkdir(mode=0o700)
        self.env = dict(os.environ, XDG_CONFIG_HOME=str(folder / "config"), XDG_RUNTIME_DIR=str(runtime),
                        QT_QPA_PLATFORM="offscreen")
        subprocess.run([str(self.cli), "--data-dir", str(self.data), "generate", "--calories", "2000", "--seed", "7",
                        "-o", str(self.day)], check=True, env=self.env, stdout=subprocess.DEVNULL)
        self.long_names = LongNameReport(self.cli, folder, self.env)
        self.long_report = None
        self.diary = folder / "diary"
        self.write_diary()
        self.today_env = self.today_profile(folder)

    def write_diary(self, days=3650):
        """Ten years of the typical day, one file a date, and a weight for every date."""
        self.diary.mkdir()
        day_bytes = self.day.read_bytes()
        first = datetime.date(2017, 1, 1)
        lines = ["date,weight_lb"]
        for d in range(days):
            date = first + datetime.timedelta(days=d)
            (self.diary / f"{date.isoformat()}.ypd").write_bytes(day_bytes)
            lines.append(f"{date.isoformat()},{(1800 - d % 90 + (d * 7) % 13) / 10:.1f}")
        (self.diary / "weight.csv").write_text("\n".join(lines) + "\n", encoding="utf-8")

    def today_profile(self, folder):
        """A profile with Open Today at Start on, and today's day of the diary the typical day."""
        config = folder / "config-today" / "Mealwright"
        config.mkdir(parents=True)
        (config / "mealwright.ini").write_text(PROFILE + "\n[Options]\nOpen Today at Start=1\n", encoding="utf-8")
        (self.diary / f"{datetime.date.today().isoformat()}.ypd").write_bytes(self.day.read_bytes())
        return dict(self.env, XDG_CONFIG_HOME=str(folder / "config-today"))

    def today_start_command(self):
        return [str(self.desktop), "--quit-when-painted", "--data-dir", str(self.data), "--diary", str(self.diary)]

    def today_start_extra_ns(self, runs):
        """The median start on today's diary day less the median start on the typical day's file; the two
        programs take turns, so both meet the same load of the machine."""
        plain, today = [], []
        for i in range(runs + 3):
            for command, env, times in ((self.desktop_command(), self.env, plain),
                                        (self.today_start_command(), self.today_env, today)):
                start = time.perf_counter_ns()
                subprocess.run(command, check=True, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                if i >= 3:
                    times.append(time.perf_counter_ns() - start)
        return statistics.median(today) - statistics.median(plain)

    def diary_command(self, *arguments):
        return [str(self.cli), "--data-dir", str(self.data), "--diary", str(self.diary)] + list(arguments)

    def desktop_command(self):
        return [str(self.desktop), "--quit-when-painted", "--data-dir", str(self.data), str(self.day)]

    def cli_command(self):
        return [str(self.cli), "--data-dir", str(self.data), "analyze", str(self.day)]

    def median_wall_ns(self, command, runs):
        if shutil.which("hyperfine"):
            return self._hyperfine(command, runs)
        return self._timed_loop(command, runs)

    def _hyperfine(self, command, runs):
        with tempfile.NamedTemporaryFile(suffix=".json") as out:
            finished = subprocess.run(["hyperfine", "--shell=none", "--warmup", "3", "--runs", str(runs), "--style",
                                       "none", "--export-json", out.name, subprocess.list2cmdline(command)],
                                      env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
            if finished.returncode != 0:
                sys.exit(f"hyperfine failed on {command[0]}:\n{finished.stderr}")
            report = json.load(open(out.name, encoding="utf-8"))
        return report["results"][0]["median"] * 1e9

    def _timed_loop(self, command, runs):
        times = []
        for i in range(runs + 3):
            start = time.perf_counter_ns()
            subprocess.run(command, check=True, env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if i >= 3:
                times.append(time.perf_counter_ns() - start)
        return statistics.median(times)

    def median_peak_rss_mb(self, command, runs=5):
        peaks = []
        for _ in range(runs):
            result = subprocess.run(["/usr/bin/time", "-f", "%M"] + command, env=self.env, check=True,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
            peaks.append(int(result.stderr.strip().splitlines()[-1]) / 1024)
        return statistics.median(peaks)

    def usda_dialog_growth_mb(self, runs=3):
        """Median growth of resident memory when the USDA food dialog opens (bench/usda_dialog_memory)."""
        growths = []
        for _ in range(runs):
            result = subprocess.run([str(self.usda_dialog)], env=self.env, check=True, capture_output=True, text=True)
            growths.append(float(re.search(r"growth ([0-9.]+) MB", result.stdout).group(1)))
        return statistics.median(growths)

    def measure(self, key, runs=20):
        if key == "process:desktop-start":
            return self.median_wall_ns(self.desktop_command(), runs)
        if key == "process:desktop-start-today-extra":
            return self.today_start_extra_ns(runs)
        if key == "process:cli-analyze":
            return self.median_wall_ns(self.cli_command(), runs)
        if key == "process:cli-diary-list":
            return self.median_wall_ns(self.diary_command("diary", "list", "--from", "2025-01-01", "--to", "2025-12-31"),
                                       runs)
        if key == "process:cli-weight-trend":
            return self.median_wall_ns(self.diary_command("weight", "trend"), runs)
        if key == "process:desktop-rss":
            return self.median_peak_rss_mb(self.desktop_command())
        if key == "process:usda-dialog-growth":
            return self.usda_dialog_growth_mb()
        if key == "process:report-long-name":
            return self.median_wall_ns(self.long_names.command(1), min(runs, 10))
        if key in ("process:report-long-names", "process:report-long-names-rss"):
            # Both figures come from the same few runs, each of them long.
            if self.long_report is None:
                self.long_report = self.long_names.seconds_and_peak_mb()
            return self.long_report[0 if key == "process:report-long-names" else 1]
        raise KeyError(key)


def measure_all(build, folder):
    figures = run_benchmarks(build / "bench" / "mealwright_benchmarks")
    processes = ProcessBench(build, folder)
    for _, _, _, key in TARGETS:
        if key.startswith("process:"):
            figures[key] = processes.measure(key)
    return figures, processes


def remeasure(key, build, processes):
    if key.startswith("process:"):
        processes.long_report = None  # measured afresh, not taken from the first runs
        return processes.measure(key, runs=30)
    pattern = "^" + re.escape(key.split("/real_time")[0]) + "(/real_time)?$"
    return run_benchmarks(build / "bench" / "mealwright_benchmarks", pattern, repetitions=5, min_time=0.3).get(key)


def in_unit(value, key, unit):
    """A figure (nanoseconds, or megabytes for memory) in the unit of its target."""
    return value if key in MEMORY_KEYS else value / UNIT_NS[unit]


def format_figure(value):
    return f"{value:.3g}" if value < 100 else f"{value:.0f}"


def describe(key, value):
    """A figure with its unit: memory in MB, times in the unit that keeps them readable."""
    if key in MEMORY_KEYS:
        return f"{format_figure(value)} MB"
    unit = next(u for u in ("s", "ms", "us", "ns") if abs(value) >= UNIT_NS[u] or u == "ns")
    sign = "-" if value < 0 else ""  # a difference may come out below zero
    return f"{sign}{format_figure(abs(value) / UNIT_NS[unit])} {shown_unit(unit)}"


def shown_unit(unit):
    return "µs" if unit == "us" else unit


def target_table(figures):
    lines = ["| What | Target | Measured | Met |", "|---|---|---|---|"]
    for what, target, unit, key in TARGETS:
        measured = in_unit(figures[key], key, unit)
        lines.append(f"| {what} | ≤ {target} {shown_unit(unit)} | {describe(key, figures[key])} | "
                     f"{'yes' if measured <= target else '**no**'} |")
    return "\n".join(lines)


def write_readme(figures):
    text = README.read_text(encoding="utf-8")
    begin, end = "<!-- measured:begin -->", "<!-- measured:end -->"
    stamp = time.strftime("%Y-%m-%d", time.gmtime())
    block = f"{begin}\nMeasured {stamp}, one run of `bench/check.py`, medians:\n\n{target_table(figures)}\n{end}"
    text = re.sub(re.escape(begin) + ".*?" + re.escape(end), lambda _: block, text, flags=re.S)
    README.write_text(text, encoding="utf-8")


def machine_slowdown(figures, baseline):
    """How much slower this machine is now than the one the baseline was measured on; 1 when it is not."""
    if MACHINE_SPEED not in figures or MACHINE_SPEED not in baseline:
        return 1.0
    return max(1.0, figures[MACHINE_SPEED] / baseline[MACHINE_SPEED])


def fails_by_default(key):
    """Peak memory fails the run whatever the machine's load; the dialog's growth is only reported, like times."""
    return key in ("process:desktop-rss", "process:report-long-names-rss")


def missed_differences(figures):
    """The differences over their targets; a difference has no baseline to be compared with."""
    return [f"{key}: {describe(key, figures[key])} against a target of {target} {shown_unit(unit)}"
            for _, target, unit, key in TARGETS if key in DIFFERENCE_KEYS and in_unit(figures[key], key, unit) > target]


def regressions(figures, baseline, build, processes, strict):
    """The figures over the line that fail the run, and those that are only reported."""
    failed, reported = [], []
    (failed if strict else reported).extend(missed_differences(figures))
    slowdown = machine_slowdown(figures, baseline)
    print("Against the baseline (measured / stored):")
    for key, base in sorted(baseline.items()):
        if key in figures:
            print(f"  {key:<40} {describe(key, figures[key]):>10}  {figures[key] / base:5.2f}x")
    if slowdown > 1.05:
        print(f"This machine is {slowdown:.2f}x slower than the baseline's; every time limit grows by that much.")
    for key, base in sorted(baseline.items()):
        if key == MACHINE_SPEED:
            continue
        if key not in MEMORY_KEYS:  # memory does not depend on the machine's speed
            base *= slowdown
        measured = figures.get(key)
        if measured is None:
            failed.append(f"{key}: in the baseline but no longer measured")
            continue
        if measured > ALLOWED_SLOWDOWN * base and (strict or fails_by_default(key)):
            again = remeasure(key, build, processes)
            print(f"{key}: {measured / base:.2f}x the baseline, measured again: {again / base:.2f}x")
            measured = min(measured, again)
            figures[key] = measured
        if measured > ALLOWED_SLOWDOWN * base:
            line = (f"{key}: {describe(key, measured)} against a baseline of {describe(key, base)} "
                    f"({measured / base:.2f}x)")
            (failed if strict or fails_by_default(key) else reported).append(line)
    return failed, reported


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", type=Path, required=True, help="a build folder with benchmarks enabled")
    parser.add_argument("--baseline", type=Path, default=BASELINE, help="the stored figures to compare with")
    parser.add_argument("--update-baseline", action="store_true", help="store this run as the baseline")
    parser.add_argument("--write-readme", action="store_true", help="put this run's figures into the README")
    parser.add_argument("--strict", action="store_true",
                        help="fail when a time is more than twice its baseline (on a quiet machine)")
    args = parser.parse_args()

    with tempfile.TemporaryDirectory(prefix="mealwright-bench-") as folder:
        figures, processes = measure_all(args.build.resolve(), Path(folder))
        print(target_table(figures))
        if args.update_baseline:
            stored = {k: round(v, 3) for k, v in sorted(figures.items()) if k not in DIFFERENCE_KEYS}
            args.baseline.write_text(json.dumps(stored, indent=1) + "\n",
                                encoding="utf-8")
            print(f"Baseline stored in {args.baseline}")
        else:
            failed, reported = regressions(figures, json.loads(args.baseline.read_text(encoding="utf-8")),
                                           args.build.resolve(), processes, args.strict)
            if reported:
                print(f"More than {ALLOWED_SLOWDOWN:g}x the baseline, not failed (times are checked with --strict "
                      f"or scripts/bench.sh, on a quiet machine):\n  " + "\n  ".join(reported))
            if failed:
                print(f"More than {ALLOWED_SLOWDOWN:g}x the baseline:\n  " + "\n  ".join(failed), file=sys.stderr)
                return 1
            if not reported:
                print(f"No figure is more than {ALLOWED_SLOWDOWN:g}x its baseline.")
        if args.write_readme:
            write_readme(figures)
    return 0


if __name__ == "__main__":
    sys.exit(main())
