"""The runner behind scripts/bench; see there. Run on a virtual X screen (xcb)."""

import html
import json
import os
import platform
import re
import shlex
import subprocess
import sys
import tempfile
import time

root, runs = sys.argv[1], int(sys.argv[2])
bench = os.path.join(root, "build", "bin")
program, floor = os.path.join(bench, "bench_startup"), os.path.join(bench, "bench_startup_floor")
work = tempfile.mkdtemp()

# The floor's captions, in the order bench/startup_floor.cpp takes them.
SOURCES = ["Form1", "%1 - Version %2.%3", "&View", "&Chart Only", "&Hide Crosshairs", "&About",
           "Compliments of ORVELLE", "BLUE GAS", "NEON GAS", "Diameter in mm", "Volts"]


def captions(language):
    """The chart's captions in the language, as its translation has them."""
    if language == "en":
        return SOURCES
    with open(os.path.join(root, "translations", f"varelux_{language}.ts"), encoding="utf-8") as f:
        pairs = re.findall(r"<source>(.*?)</source>.*?<translation[^>]*>(.*?)</translation>",
                           f.read(), re.S)
    found = {}
    for source, translation in pairs:
        found.setdefault(html.unescape(source), html.unescape(translation))
    return [found.get(s) or s for s in SOURCES]


def environment(language):
    env = {k: v for k, v in os.environ.items() if k not in ("LANGUAGE", "LC_ALL", "LC_MESSAGES")}
    env.update(LANG="C.UTF-8", QT_QPA_PLATFORM="xcb")
    if language != "en":
        env["LANGUAGE"] = language
    return env


def instructions(command, language):
    """Instructions from process start to exit, all threads, as callgrind counts them."""
    out = os.path.join(work, "callgrind.out")
    subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}", *command],
                   env=environment(language), check=True, capture_output=True)
    with open(out) as f:
        return int(re.search(r"^(?:summary|totals): (\d+)", f.read(), re.M).group(1))


def wall(commands, language, name):
    """hyperfine's mean and standard deviation (ms) for each command, run twice in turn with the
    order swapped (hyperfine runs one command's runs, then the next's), each after a warm-up."""
    times = {c: [] for c in commands}
    for order in (commands, commands[::-1]):
        export = os.path.join(work, "hyperfine.json")
        subprocess.run(["hyperfine", "-N", "--warmup", "3", "--runs", str(runs), "--style", "none",
                        "--export-json", export,
                        "--export-markdown", os.path.join(work, f"{name}.md"), *order],
                       env=environment(language), check=True, capture_output=True)
        with open(export) as f:
            for result in json.load(f)["results"]:
                times[result["command"]] += result["times"]
    return {c: sorted(t)[len(t) // 2] * 1000 for c, t in times.items()}  # medians


def floor_command(language):
    return [floor, *captions(language)]


languages = ["en"] + sorted(f[len("varelux_"):-len(".ts")]
                            for f in os.listdir(os.path.join(root, "translations")))
rows = []
for language in languages:
    counted = (instructions([program], language), instructions(floor_command(language), language))
    timed = wall([program, shlex.join(floor_command(language))], language, language)
    rows.append((language, counted, tuple(timed.values())))
    print(language, counted, timed, flush=True)


def machine():
    model = "unknown processor"
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    qt = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "libqt6core6"],
                        capture_output=True, text=True).stdout or "unknown"
    chinese = subprocess.run(["fc-match", "-f", "%{family[0]}", "sans:lang=zh-cn"],
                             capture_output=True, text=True).stdout
    return (f"{model}, {os.cpu_count()} cores; Linux {platform.release()}; Qt {qt}; "
            f"Xvfb without a window manager; Chinese font: {chinese}")


def verdict(ratio, goal):
    return f"{ratio:.3f} ({'met' if ratio <= goal else 'missed'})"


table_i = "\n".join(f"| {l} | {p:,} | {f:,} | {verdict(p / f, 1.05)} |" for l, (p, f), _ in rows)
table_t = "\n".join(f"| {l} | {p:.1f} | {f:.1f} | {verdict(p / f, 1.10)} |" for l, _, (p, f) in rows)
report = f"""# Performance

Measured by `./scripts/bench {runs}` on {time.strftime('%Y-%m-%d')}.

Machine: {machine()}.

Start-up is the program's own start-up (`bench_startup`: both windows, ended once the chart
window has been painted) against its floor (`bench_startup_floor`): the least a Qt program
showing the chart must do, a blank window and one of the chart window's size with a menu bar of
one menu with three items, whose client is one widget painting the chart's texts with QPainter
in the chart's faces (8.25 pt regular, bold and underlined, 9.75 pt bold, resolved as the
program resolves them: "MS Sans Serif", then Liberation Sans), ended after its first paint
likewise. In each language the floor shows that language's captions, taken from
`translations/*.ts`, so that both load the same fonts. Both run on Xvfb (`QT_QPA_PLATFORM=xcb`),
`LANG=C.UTF-8` and `LANGUAGE` set to the language.

## Instructions (goal: within 1.05 of the floor)

Counted by `valgrind --tool=callgrind` from process start to exit, all threads; the count is the
same run after run to within about 0.2%.

| Language | Varelux | Floor | Ratio |
|---|---:|---:|---:|
{table_i}

## Wall clock (goal: within 1.10 of the floor)

Timed by `hyperfine -N --warmup 3 --runs {runs}`, twice, the second time with the order of the
two commands swapped; each figure is the median of the {2 * runs} runs, in ms.

| Language | Varelux | Floor | Ratio |
|---|---:|---:|---:|
{table_t}

To repeat: `./scripts/bench [RUNS]`.
"""
with open(os.path.join(root, "docs", "performance.md"), "w") as f:
    f.write(report)
print(report)
