"""The runner behind scripts/bench; see there."""

import os
import re
import platform
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

root, runs = sys.argv[1], int(sys.argv[2])
bench = os.path.join(root, "build", "bench")


def run_once(program, *arguments, env=None):
    """Wall time in ms from spawn to exit, and the peak resident memory in MB."""
    start = time.perf_counter()
    pid = os.posix_spawn(program, [program, *arguments], env or os.environ)
    _, status, usage = os.wait4(pid, 0)
    elapsed = (time.perf_counter() - start) * 1000
    if os.waitstatus_to_exitcode(status) != 0:
        raise SystemExit(f"{program} failed with status {status}")
    return elapsed, usage.ru_maxrss / 1024


def spread(values, unit, digits=1):
    f = f"{{:.{digits}f}}"
    return " / ".join(f.format(v) for v in (min(values), statistics.median(values), max(values))) + f" {unit}"


def machine():
    model = "unknown processor"
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    with open("/proc/meminfo") as f:
        memory = int(f.readline().split()[1]) / 1024 / 1024
    qt = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "libqt6core6"],
                        capture_output=True, text=True).stdout or "unknown"
    return (f"{model}, {os.cpu_count()} cores, {memory:.0f} GiB; Linux {platform.release()}; "
            f"Qt {qt}; Xvfb without a window manager")


program, floor = os.path.join(bench, "bench_startup"), os.path.join(bench, "bench_startup_floor")


def words(language):
    """A grid's title in the language, which the floor shows in the same script."""
    if language == "en":
        return "BLUE GAS"
    with open(os.path.join(root, "translations", f"varelux_{language}.ts"), encoding="utf-8") as f:
        return re.search(r"<source>BLUE GAS</source>.*?<translation>([^<]*)<", f.read(), re.S).group(1)


def startup(env, language="en"):
    """Start-up times and peak memory of the program and of its floor, taking turns."""
    env = dict(env, LANGUAGE=language)
    arguments = {program: (), floor: (words(language),)}
    for warm in (program, floor):
        run_once(warm, *arguments[warm], env=env)
    times = {program: [], floor: []}
    memory = {program: [], floor: []}
    for _ in range(runs):
        for which in (program, floor):  # alternating, so both see the same machine
            elapsed, rss = run_once(which, *arguments[which], env=env)
            times[which].append(elapsed)
            memory[which].append(rss)
    return times, memory


# In English, which needs no translation, then in each language, which loads the program's and
# Qt's translations and the fonts of its script, against the floor showing the same script.
english = {k: v for k, v in os.environ.items() if k not in ("LANGUAGE", "LC_ALL", "LC_MESSAGES")}
english["LANG"] = "C.UTF-8"
times, memory = startup(english)
languages = sorted(f[len("varelux_"):-len(".ts")] for f in os.listdir(os.path.join(root, "translations")))
language_ratios = {}
for language in languages:
    taken, _ = startup(english, language)
    language_ratios[language] = statistics.median(taken[program]) / statistics.median(taken[floor])
slowest = max(language_ratios, key=language_ratios.get)

# The chart as a PDF: the program's own export against Chromium printing the same chart, made
# into a web page from the printed tables, to PDF. Each Chromium run starts from a new profile,
# as a one-off command would.
work = tempfile.mkdtemp()
varelux = os.path.join(root, "build", "src", "varelux")
page = "file://" + os.path.join(root, "bench", "chart.html")
chromium = ["/usr/bin/chromium", "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
            "--no-first-run", "--disable-background-networking", "--disable-component-update",
            "--disable-sync", "--no-pdf-header-footer"]
export_times, chromium_times = [], []
for n in range(max(5, runs // 4)):
    export_times.append(run_once(varelux, "--export", os.path.join(work, "chart.pdf"))[0])
    start = time.perf_counter()
    subprocess.run(chromium + [f"--user-data-dir={work}/profile{n}",
                               f"--print-to-pdf={work}/chromium.pdf", page],
                   check=True, capture_output=True)
    chromium_times.append((time.perf_counter() - start) * 1000)
shutil.rmtree(work)
export_ratio = statistics.median(export_times) / statistics.median(chromium_times)

out = subprocess.run([os.path.join(bench, "bench_interaction"), "10000", "300"],
                     capture_output=True, text=True, check=True).stdout
figures = {}
for line in out.splitlines():
    name, low, median, high, _, paints = line.split()
    figures[name] = ([int(low) / 1000, int(median) / 1000, int(high) / 1000], float(paints))

start_ratio = statistics.median(times[program]) / statistics.median(times[floor])
memory_ratio = statistics.median(memory[program]) / statistics.median(memory[floor])
click_ratio = figures["click"][0][1] / figures["repaint"][0][1]
met = (start_ratio <= 1.10 and language_ratios[slowest] <= 1.10 and memory_ratio <= 1.2 and click_ratio <= 2
       and export_ratio <= 0.1)


def us(name):
    low, median, high = figures[name][0]
    return f"{low:.0f} / {median:.0f} / {high:.0f} µs"


def verdict(ratio, goal):
    return f"{ratio:.2f} (goal ≤ {goal}: {'met' if ratio <= goal else 'missed'})"


report = f"""# Performance

Measured by `./scripts/bench {runs}` on {time.strftime('%Y-%m-%d')}.

Machine: {machine()}.

Each figure is min / median / max. Start-up runs alternate between the program and its floor,
{runs} runs each after one warm-up run of each; the ratio is of the medians.

| What | Varelux | Floor | Median ratio |
|---|---|---|---|
| Start-up: process start to the chart window painted, then exit (`LANG=C.UTF-8`) | {spread(times[program], "ms")} | {spread(times[floor], "ms")} | {verdict(start_ratio, 1.10)} |
| The same in each language (`LANGUAGE=xx`: the program's and Qt's translations loaded), each against the floor showing its script, {runs} runs each: {", ".join(f"{l} {r:.2f}" for l, r in language_ratios.items())} | | | {slowest}, the slowest: {verdict(language_ratios[slowest], 1.10)} |
| Peak resident memory of that run | {spread(memory[program], "MB")} | {spread(memory[floor], "MB")} | {verdict(memory_ratio, 1.2)} |
| Cell click (reset, mark) with its repaint, 10,000 clicks alternating between the grids | {us("click")} ({figures["click"][1]:.0f} labels painted per click) | {us("repaint")} (a full repaint: {figures["repaint"][1]:.0f} widgets) | {verdict(click_ratio, 2)} |
| About box: load, show, unload | {us("about")} per cycle, 300 cycles | | |
| The chart as a PDF: `varelux --export chart.pdf`, {len(export_times)} runs | {spread(export_times, "ms")} | {spread(chromium_times, "ms")} (Chromium's headless `--print-to-pdf` of `bench/chart.html`) | {verdict(export_ratio, 0.1)} |

The floors are built in the same tree (`bench/`):
- start-up: `bench_startup_floor`, a plain Qt program with the same two windows: a blank one and
  one of the chart window's size with a menu bar and 226 plain labels, a sixth of them showing a
  grid's title in the language measured, ended after its first paint like `bench_startup`, which
  is the program's own start-up (both windows) ended after the chart window's first paint;
- click: one full repaint of the chart window with no property changed, in the same process
  (`bench_interaction`), taking turns with the clicks;
- the chart as a PDF: Chromium printing the same chart to PDF, from a web page made from the
  printed tables (`bench/chart.html`), a new profile each run, taking turns with the export.

{"All goals are met, so nothing was profiled further." if met else "A goal is missed."} To repeat: `./scripts/bench [RUNS]`.
"""
with open(os.path.join(root, "docs", "performance.md"), "w") as f:
    f.write(report)
print(report)
