#!/usr/bin/env python3
"""Corvane's benchmark: what one run costs in wall time and memory for a fixed set of charts,
held against the libharu floor (bench/baseline.cpp), gnuplot's pdfcairo terminal where gnuplot
is installed, and the budgets the project keeps. It reports misses of a budget but stops with
an error when a run fails, since a failed run measures nothing.

Usage: bench/bench.py BUILD_DIR [RUNS]
  BUILD_DIR holds corvane and bench/corvane_baseline (a Release build with CORVANE_BENCH=ON).
"""
import math
import os
import random
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

BENCH_DIR = os.path.dirname(os.path.abspath(__file__))
GNUPLOT_RUNS = 10  # gnuplot takes far longer a run; ten keep its median steady enough
RSS_RUNS = 5
RSS_TYPICAL_KIB = 4 * 1024
RSS_LARGE_KIB = 8 * 1024
RSS_BATCH_KIB = 32 * 1024
BATCH_CHARTS = 1000
BATCH_JOBS = 2
RSS_IMAGE_KIB = 16 * 1024
TYPICAL = ["-Chart", "Bar", "V", "-BarColor", "#3366CC", "#99CCFF", "-Datum", "North", "12.5",
           "-Datum", "South", "8", "-Title", "Sales"]
# The charts every run measures; their options files are written by make_inputs.
CHARTS = [
    ("typical bar", TYPICAL),
    ("line 1000 x 10", ["-Options", "line-1000.txt"]),
    ("pie 200 Spoke", ["-Options", "pie.txt"]),
    ("area 1000 times", ["-Options", "area.txt"]),
    ("bar H 1000", ["-Options", "hbar.txt"]),
    ("Greek and Cyrillic", ["-Options", "greek.txt"]),
    ("Chinese", ["-Options", "chinese.txt"]),
]
# Texts beyond Windows-1252: a bar chart whose heading, labels and legend are in Greek and
# Cyrillic (drawn in DejaVu Sans), and the same in Chinese (in the CJK font installed).
GREEK = ["Αθήνα", "Θεσσαλονίκη", "Πάτρα", "Ηράκλειο", "Λάρισα", "Москва", "Киев", "София", "Белград",
         "Минск", "Ереван", "Тбилиси"]
CHINESE = ["北京", "上海", "广州", "深圳", "天津", "重庆", "成都", "武汉", "南京", "西安", "杭州", "沈阳"]
SERIES_COLORS = ["#1F77B4", "#FF7F0E", "#2CA02C", "#D62728", "#9467BD",
                 "#8C564B", "#E377C2", "#7F7F7F", "#BCBD22", "#17BECF"]
AXES = """-AxesLabelX 8 Helvetica #333333 Normal
-AxesLabelY 8 Helvetica #333333 Normal
-AxesLine 1 #333333 XY
-AxesGridLine 0.4 #D0D0D0
"""


class RunFailed(Exception):
    pass


def series_values(rng, n):
    """n items of ten series: waves around 50 with some noise, the same on every run."""
    return [[50 + 30 * math.sin(k / 37 + s) + 10 * rng.random() for s in range(10)] for k in range(n)]


def line_options(n, rng):
    """The curved line chart of n items and 10 series, with markers, legend and all four reference lines."""
    markers = ["FilledCircle {} 3", "OutlineCircle {} 3 0.5", "FilledSquare {} 3", "OutlineSquare {} 3 0.5",
               "Cross {} 3 0.5", "FilledDiamond {} 3", "OutlineDiamond {} 3 0.5", "FilledCircle {} 2",
               "FilledSquare {} 2", "FilledDiamond {} 2"]
    lines = ["-Chart Line Curved", f'-Title "Ten series" -Subject "{n} items"',
             "-Line " + " ".join(f"{c} 1" for c in SERIES_COLORS),
             "-DataSeriesLegend Below #888888 0.5 #FFFFFF 8 Helvetica #222222 Normal", AXES.strip(),
             '-AverageLine #7F7F7F 1 "Average"', '-TargetLine #D62728 1 60 "Target 60"',
             "-MovingAverageLine 10 #9467BD 1.5", "-MovingAverageMarker FilledDiamond #9467BD 3",
             "-LineOfBestFit #8C564B 1", "-DataSeriesLabel " + " ".join(f"S{s + 1}" for s in range(10))]
    values = series_values(rng, n)
    lines += [f"-Datum I{k + 1} " + " ".join(f"{v:.2f}" for v in row) for k, row in enumerate(values)]
    # LineMarker reads groups to the end of its line, so it comes last.
    lines.append("-LineMarker " + " ".join(m.format(c) for m, c in zip(markers, SERIES_COLORS)))
    return "\n".join(lines) + "\n", values


def pie_options(rng):
    colors = " ".join(f"-PieColor {c}" for c in SERIES_COLORS[:6])
    lines = ["-Chart Pie 2D", '-Title "Two hundred slices"', colors, "-PieOutlineColor #FFFFFF 0.5",
             '-PieLabel Spoke "VVVV" 6 Helvetica #222222 Normal',
             '-Legend Right #555555 0.5 #FAFAFA "TTTT (VVVV)" 6 Helvetica #222222 Normal', "-DecimalPoints 1"]
    lines += [f"-Datum P{k + 1} {1 + 20 * rng.random():.1f}" for k in range(200)]
    return "\n".join(lines) + "\n"


def hbar_options(rng):
    lines = ["-Chart Bar H", '-Title "A thousand bars"', "-BarColor #74C476 #006D2C", "-BarLabel AxesAndEnd",
             AXES.strip()]
    lines += [f"-Datum B{k + 1} {5 + 95 * rng.random():.1f}" for k in range(1000)]
    return "\n".join(lines) + "\n"


def lap_dataset(rng):
    """1000 time values; no line end after the last, since a full table followed by one is refused."""
    laps = []
    for k in range(1000):
        seconds = 270 + 20 * math.sin(k / 50) + 10 * rng.random()
        laps.append(f"Lap {k + 1},{int(seconds // 60)}:{seconds % 60:04.1f}")
    return "\n".join(laps)


def script_options(title, subject, labels, rng):
    lines = ["-Chart Bar V", f'-Title "{title}" -Subject "{subject}"', "-ChartHeading Top Centre",
             "-BarColor #9ECAE1 #08519C", "-BarLabel AxesAndEnd", AXES.strip(),
             f'-AxesCaptionY 9 Helvetica-Oblique #333333 Normal Middle "{subject}"',
             "-DataSeriesLegend Below #888888 0.5 #FFFFFF 8 Helvetica #222222 Normal",
             f'-DataSeriesLabel "{labels[0]} {labels[5]}"']
    lines.insert(-1, "\n".join(f'-Datum "{label}" {10 + 90 * rng.random():.1f}' for label in labels))
    return "\n".join(lines) + "\n"


def sales_rows(rng):
    """1000 items of three series, as a CSV export holds them."""
    return [(f"Item {k + 1}", [20 + 10 * math.sin(k / 40 + s) + 5 * rng.random() for s in range(3)])
            for k in range(1000)]


def csv_dataset(rows):
    """A header row and comma-separated values, as spreadsheets write them."""
    lines = ["Item,North,South,East"]
    lines += [f"{label}," + ",".join(f"{v:.2f}" for v in values) for label, values in rows]
    return "\n".join(lines)


def blank_dataset(rows):
    """The same data as Corvane has always read it: the label, a comma, values between blanks."""
    return "\n".join(f"{label}," + " ".join(f"{v:.2f}" for v in values) for label, values in rows)


def dataset_line_options(dataset, extra=""):
    return ("-Chart Line Standard\n" '-Title "A thousand items"\n' "-Line #1F77B4 1 #FF7F0E 1 #2CA02C 1\n" + AXES +
            extra + f"-Dataset {dataset}\n")


def area_options():
    return ("-Chart Area Stepped\n" '-Title "A thousand laps"\n' "-Area #08519C 1 #9ECAE1\n" + AXES +
            "-DecimalPoints 1\n-Dataset laps.csv\n")


def write(name, text):
    with open(name, "w", encoding="utf-8") as f:
        f.write(text)


def make_inputs():
    """Writes every input, Corvane's and gnuplot's, into the current folder."""
    rng = random.Random(7)
    for n in (10, 100):
        write(f"line-{n}.txt", line_options(n, rng)[0])
    text, values = line_options(1000, rng)
    write("line-1000.txt", text)
    write("pie.txt", pie_options(rng))
    write("hbar.txt", hbar_options(rng))
    write("laps.csv", lap_dataset(rng))
    write("area.txt", area_options())
    rows = sales_rows(rng)
    write("sales.csv", csv_dataset(rows))
    write("sales-blanks.csv", blank_dataset(rows))
    write("csv.txt", dataset_line_options("sales.csv"))
    write("blanks.txt", dataset_line_options("sales-blanks.csv", '-DataSeriesLabel North South East\n'))
    write("greek.txt", script_options("Πληθυσμός / Население", "Χιλιάδες / Тысячи", GREEK, rng))
    write("chinese.txt", script_options("人口", "千人", CHINESE, rng))
    write("bar.dat", "North 12.5 0x99CCFF\nSouth 8 0x3C6FD1\n")
    # gnuplot gets each item's mean over the series and its ten-item moving average as columns,
    # as Corvane draws its average, moving average and best fit from those means.
    means = [sum(row) / 10 for row in values]
    rows = []
    for k, row in enumerate(values):
        moving = sum(means[k - 9:k + 1]) / 10 if k >= 9 else float("nan")
        rows.append(f"{k + 1} " + " ".join(f"{v:.2f}" for v in row) + f" {means[k]:.4f} {moving:.4f}")
    write("line.dat", "\n".join(rows) + "\n")


def fail_with_output(argv, pdf, code):
    shown = subprocess.run(argv, capture_output=True, text=True)
    raise RunFailed(f"{' '.join(argv)}\n  exit code {code}, PDF {pdf} "
                    f"{'written' if os.path.isfile(pdf) else 'not written'}\n{shown.stdout}{shown.stderr}")


def written(pdf):
    return os.path.isfile(pdf) and os.path.getsize(pdf) > 0


def time_once(argv, pdf):
    """Wall time and CPU time (user and system) in ns of one run, which must succeed and write pdf."""
    if os.path.exists(pdf):
        os.remove(pdf)
    quiet = [(os.POSIX_SPAWN_OPEN, 1, os.devnull, os.O_WRONLY, 0),
             (os.POSIX_SPAWN_OPEN, 2, os.devnull, os.O_WRONLY, 0)]
    start = time.perf_counter_ns()
    pid = os.posix_spawn(argv[0], argv, os.environ, file_actions=quiet)
    _, status, usage = os.wait4(pid, 0)
    elapsed = time.perf_counter_ns() - start
    code = os.waitstatus_to_exitcode(status)
    if code != 0 or not written(pdf):
        fail_with_output(argv, pdf, code)
    return elapsed, round((usage.ru_utime + usage.ru_stime) * 1e9)


def peak_rss_once(argv, pdf):
    """Peak resident memory in KiB of one run, by /usr/bin/time: the harness's own memory would
    count in a child it spawned itself, before the child's exec."""
    if os.path.exists(pdf):
        os.remove(pdf)
    done = subprocess.run(["/usr/bin/time", "-f", "%M", *argv], stdout=subprocess.DEVNULL,
                          stderr=subprocess.PIPE, text=True)
    if done.returncode != 0 or not written(pdf):
        fail_with_output(argv, pdf, done.returncode)
    return int(done.stderr.split()[-1])


class Result:
    def __init__(self, name, samples_ns, rss_kib, pdf_bytes):
        times = sorted(wall / 1e6 for wall, _ in samples_ns)
        self.name = name
        self.median = statistics.median(times)
        self.cpu = statistics.median(cpu / 1e6 for _, cpu in samples_ns)
        deciles = statistics.quantiles(times, n=10) if len(times) >= 2 else [times[0]] * 9
        self.p10, self.p90 = deciles[0], deciles[-1]
        self.rss = rss_kib
        self.pdf_bytes = pdf_bytes


def measure(name, argv, pdf, runs):
    time_once(argv, pdf)  # a first run fills the page cache so that every timed run starts alike
    samples = [time_once(argv, pdf) for _ in range(runs)]
    rss = max(peak_rss_once(argv, pdf) for _ in range(RSS_RUNS))
    return Result(name, samples, rss, os.path.getsize(pdf))


def measure_chart(name, corvane, args, runs):
    return measure(name, [corvane, *args, "-Output", "chart"], "chart.pdf", runs)


def print_table(header, rows):
    widths = [max(len(str(r[i])) for r in [header] + rows) for i in range(len(header))]

    def line(row):
        cells = [str(c).ljust(w) if i == 0 else str(c).rjust(w) for i, (c, w) in enumerate(zip(row, widths))]
        return "  ".join(cells).rstrip()

    print(line(header))
    print("  ".join("-" * w for w in widths))
    for r in rows:
        print(line(r))
    print()


def budget_cells(checks):
    """The budget and holds? cells of a row: the limits, and which measures miss theirs."""
    if not checks:
        return "", ""
    limits = "; ".join(f"{measure} {limit}" for measure, limit, _ in checks)
    missed = [measure for measure, _, holds in checks if not holds]
    return limits, "NO: " + ", ".join(missed) if missed else "yes"


def result_row(r, checks):
    return [r.name, f"{r.median:.2f}", f"{r.p10:.2f}-{r.p90:.2f}", f"{r.cpu:.2f}", r.rss, r.pdf_bytes,
            *budget_cells(checks)]


def page_content(pdf):
    """The PDF's streams, uncompressed: for a one-page chart, its drawing operators."""
    text = subprocess.run(["qpdf", "--qdf", "--object-streams=disable", pdf, "-"],
                          capture_output=True, check=True).stdout
    return re.findall(rb"\nstream\n(.*?)endstream", text, re.S)


def page_content_of_typical(corvane):
    time_once([corvane, *TYPICAL, "-Output", "typical"], "typical.pdf")
    return page_content("typical.pdf")


GNUPLOT_CHARTS = (("typical bar", "gnuplot-bar.gp"), ("line 1000 x 10", "gnuplot-line.gp"))


def gnuplot_rows(corvane_results, runs):
    print("gnuplot's pdfcairo terminal on the same data (budget: Corvane at least 10 times faster)")
    if shutil.which("gnuplot") is None:
        for name, _ in GNUPLOT_CHARTS:
            print(f"  {name}: gnuplot not installed")
        print()
        return
    header = ["chart", "gnuplot ms", "spread ms", "CPU ms", "peak RSS KiB", "PDF bytes", "Corvane ms",
              "ratio", "budget", "holds?"]
    rows = []
    for name, script in GNUPLOT_CHARTS:
        g = measure(name, [shutil.which("gnuplot"), os.path.join(BENCH_DIR, script)], "gnuplot.pdf", runs)
        c = corvane_results[name]
        ratio = g.median / c.median
        rows.append([name, f"{g.median:.2f}", f"{g.p10:.2f}-{g.p90:.2f}", f"{g.cpu:.2f}", g.rss, g.pdf_bytes,
                     f"{c.median:.2f}", f"{ratio:.1f}x", ">= 10x", "yes" if ratio >= 10 else "NO"])
    print_table(header, rows)


# The images: each chart, format, Corvane's budget, and gnuplot's terminal for the same picture
# (the script's pdfcairo terminal swapped for it).
IMAGE_CHARTS = (
    ("typical bar", TYPICAL, "gnuplot-bar.gp", "png", 15, 'pngcairo size 1067,800 font "Times,13"'),
    ("typical bar", TYPICAL, "gnuplot-bar.gp", "svg", 10, 'svg size 800,600 font "Times,10"'),
    ("line 1000 x 10", ["-Options", "line-1000.txt"], "gnuplot-line.gp", "png", 80,
     'pngcairo size 1067,800 font "Helvetica,11"'),
)


def gnuplot_script(script, extension, terminal):
    """The benchmark's gnuplot script with its terminal and output for the image format."""
    with open(os.path.join(BENCH_DIR, script), encoding="utf-8") as f:
        text = f.read()
    text = re.sub(r"set terminal pdfcairo[^\n]*", "set terminal " + terminal, text)
    text = text.replace('"gnuplot.pdf"', f'"gnuplot.{extension}"')
    name = f"{script}.{extension}.gp"
    write(name, text)
    return name


def image_rows(corvane, runs):
    """PNG at 96 dpi and SVG: Corvane's time against its budget and gnuplot's cairo terminals."""
    print("Images: PNG at 96 dpi and SVG (budget: the time given, RSS <= 16 MiB, and at least 5 times "
          "faster than gnuplot's pngcairo and svg terminals)")
    header = ["chart", "format", "median ms", "CPU ms", "peak RSS KiB", "bytes", "gnuplot ms", "ratio", "budget",
              "holds?"]
    rows = []
    for name, args, script, extension, limit, terminal in IMAGE_CHARTS:
        c = measure(name, [corvane, *args, "-Output", "chart." + extension], "chart." + extension, runs)
        checks = [("time", f"<= {limit} ms", c.median <= limit), ("RSS", "<= 16 MiB", c.rss <= RSS_IMAGE_KIB)]
        gnuplot, ratio = "not installed", ""
        if shutil.which("gnuplot") is not None:
            g = measure(name, [shutil.which("gnuplot"), gnuplot_script(script, extension, terminal)],
                        "gnuplot." + extension, GNUPLOT_RUNS)
            gnuplot, ratio = f"{g.median:.2f}", f"{g.median / c.median:.1f}x"
            checks.append(("ratio", ">= 5x", g.median >= 5 * c.median))
        rows.append([name, extension.upper(), f"{c.median:.2f}", f"{c.cpu:.2f}", c.rss, c.pdf_bytes, gnuplot, ratio,
                     *budget_cells(checks)])
    print_table(header, rows)


def batch_lines(count):
    return "".join(" ".join(TYPICAL) + f" -Output batch/chart{i}\n" for i in range(count))


def count_written(count):
    made = len([f for f in os.listdir("batch") if written(os.path.join("batch", f))])
    shutil.rmtree("batch")
    return made


def separate_rate(corvane, count, jobs):
    """Charts per second for count typical charts run as separate processes through xargs."""
    os.makedirs("batch", exist_ok=True)
    argv = ["xargs", "-P", str(jobs), "-I{}", corvane, *TYPICAL, "-Output", "batch/chart{}"]
    numbers = "".join(f"{i}\n" for i in range(count))
    start = time.perf_counter_ns()
    done = subprocess.run(argv, input=numbers, text=True, stdout=subprocess.DEVNULL)
    elapsed = (time.perf_counter_ns() - start) / 1e9
    made = count_written(count)
    if done.returncode != 0 or made != count:
        raise RunFailed(f"batch: xargs exit code {done.returncode}, {made} of {count} PDFs written")
    return count / elapsed, elapsed


def batch_rate(corvane, count, jobs):
    """Charts per second and peak RSS in KiB for the same charts as one --batch run."""
    write("batch.txt", batch_lines(count))
    os.makedirs("batch", exist_ok=True)
    argv = ["/usr/bin/time", "-f", "%M", corvane, "--batch", "batch.txt", "--jobs", str(jobs)]
    start = time.perf_counter_ns()
    done = subprocess.run(argv, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    elapsed = (time.perf_counter_ns() - start) / 1e9
    made = count_written(count)
    if done.returncode != 0 or made != count:
        raise RunFailed(f"batch: --batch exit code {done.returncode}, {made} of {count} PDFs written")
    return count / elapsed, elapsed, int(done.stderr.split()[-1])


def batch_rows(corvane):
    """The separate processes and the batch, one after the other, three times each: the best
    rate of each, since the load of a shared machine only ever slows a run down."""
    separate, batch = [], []
    for _ in range(3):
        separate.append(separate_rate(corvane, BATCH_CHARTS, BATCH_JOBS))
        batch.append(batch_rate(corvane, BATCH_CHARTS, BATCH_JOBS))
    s_rate, s_seconds = max(separate)
    b_rate, b_seconds, _ = max(batch)
    rss = max(r for _, _, r in batch)
    ratio = b_rate / s_rate
    holds = ratio >= 4 and rss <= RSS_BATCH_KIB
    missed = [m for m, ok in (("rate", ratio >= 4), ("RSS", rss <= RSS_BATCH_KIB)) if not ok]
    return [[f"xargs -P {BATCH_JOBS}, one process a chart", f"{s_seconds:.2f}", f"{s_rate:.0f}", "", "", ""],
            [f"--batch --jobs {BATCH_JOBS}", f"{b_seconds:.2f}", f"{b_rate:.0f}", rss, f"{ratio:.1f}x",
             "yes" if holds else "NO: " + ", ".join(missed)]]


def interleaved(names_argv, runs):
    """Median wall times of several charts timed in turn, run by run, so that a change of load
    falls on all of them alike."""
    samples = {name: [] for name, _ in names_argv}
    for name, argv in names_argv:
        time_once(argv, "chart.pdf")
    for _ in range(runs):
        for name, argv in names_argv:
            samples[name].append(time_once(argv, "chart.pdf"))
    return {name: (statistics.median(w / 1e6 for w, _ in s), statistics.median(c / 1e6 for _, c in s))
            for name, s in samples.items()}


def dataset_rows(corvane, runs):
    charts = [("CSV: header row, commas", [corvane, "-Options", "csv.txt", "-Output", "chart"]),
              ("the same with blanks", [corvane, "-Options", "blanks.txt", "-Output", "chart"])]
    times = interleaved(charts, max(runs, 30))
    (csv_name, _), (blank_name, _) = charts
    ratio = times[csv_name][1] / times[blank_name][1]
    rows = [[name, f"{wall:.2f}", f"{cpu:.2f}", "", ""] for name, (wall, cpu) in times.items()]
    rows[0][3:] = [f"{ratio:.3f}", "yes" if ratio <= 1.02 else "NO"]
    return rows


def budgets_of(results, base):
    """Each chart's budgets as (measure, limit, holds): time where one is set, and peak memory."""
    budgets = {name: [("RSS", "< 8 MiB", r.rss < RSS_LARGE_KIB)] for name, r in results.items()}
    typical = results["typical bar"]
    budgets["typical bar"] = [("time", "<= 1.3x baseline", typical.median <= 1.3 * base.median),
                              ("RSS", "< 4 MiB", typical.rss < RSS_TYPICAL_KIB)]
    budgets["line 1000 x 10"].insert(0, ("time", "< 20 ms", results["line 1000 x 10"].median < 20))
    budgets["pie 200 Spoke"].insert(0, ("time", "< 30 ms", results["pie 200 Spoke"].median < 30))
    greek = results["Greek and Cyrillic"]
    budgets["Greek and Cyrillic"] = [("time", "<= 25 ms", greek.median <= 25),
                                     ("RSS", "<= 8 MiB", greek.rss <= RSS_LARGE_KIB),
                                     ("PDF", "<= 60 KB", greek.pdf_bytes <= 60 * 1024)]
    chinese = results["Chinese"]
    budgets["Chinese"] = [("time", "<= 80 ms", chinese.median <= 80),
                          ("PDF", "<= 150 KB", chinese.pdf_bytes <= 150 * 1024)]
    return budgets


def scaling_rows(corvane, line_1000, runs):
    """The line chart at 10, 100 and 1000 items: a steady cost per added item means linear growth."""
    rows, previous = [], None
    for n in (10, 100, 1000):
        options = ["-Options", f"line-{n}.txt"]
        r = line_1000 if n == 1000 else measure_chart(f"line {n} x 10", corvane, options, runs)
        added = "" if previous is None else f"{(r.median - previous[1]) * 1000 / (n - previous[0]):.1f}"
        rows.append([f"{n} items", f"{r.median:.2f}", f"{r.cpu:.2f}", f"{r.median * 1000 / n:.1f}", added])
        previous = (n, r.median)
    return rows


def load():
    return " ".join(f"{x:.2f}" for x in os.getloadavg())


def report(corvane, baseline, runs):
    print(f"Corvane benchmark on {os.cpu_count()} cores, load average {load()} at the start")
    print(f"{runs} runs a chart ({GNUPLOT_RUNS} for gnuplot): wall time median and p10-p90, and the median")
    print("of CPU time (user + system), which waits for no other process; peak RSS the largest of")
    print(f"{RSS_RUNS} runs under /usr/bin/time. Budgets are on the wall time.")
    print("typical bar: corvane " + " ".join(TYPICAL) + " -Output chart (no -Log)\n")
    results = {name: measure_chart(name, corvane, args, runs) for name, args in CHARTS}
    base = measure("libharu baseline (bench/baseline.cpp)", [baseline, "baseline.pdf"], "baseline.pdf",
                   runs)
    if page_content("baseline.pdf") != page_content_of_typical(corvane):
        print("WARNING: bench/baseline.cpp no longer draws the typical chart's page; bring it in line.\n")

    budgets = budgets_of(results, base)
    rows = [result_row(r, budgets[name]) for name, r in results.items()] + [result_row(base, [])]
    header = ["chart", "median ms", "spread ms", "CPU ms", "peak RSS KiB", "PDF bytes", "budget", "holds?"]
    print_table(header, rows)

    typical = results["typical bar"]
    ratio = typical.median / base.median
    print(f"Typical chart over the libharu baseline: {ratio:.2f}x (budget <= 1.3x: "
          f"{'holds' if ratio <= 1.3 else 'MISSED'}); Corvane adds {typical.median - base.median:.2f} ms "
          f"({typical.cpu - base.cpu:.2f} ms of CPU) a run to what libharu needs.\n")

    gnuplot_rows(results, GNUPLOT_RUNS)
    image_rows(corvane, runs)

    print(f"{BATCH_CHARTS} typical charts, {BATCH_JOBS} at a time, the best of 3 rounds (budget: the batch at least "
          f"4 times the charts per second of separate processes; peak RSS <= {RSS_BATCH_KIB // 1024} MiB)")
    print_table(["run", "seconds", "charts per second", "peak RSS KiB", "ratio", "holds?"], batch_rows(corvane))

    print("A dataset of 1000 items and 3 series as a line chart, the two timed in turn (budget: the CSV no")
    print("slower than blanks: CPU time within 2 %, the spread of repeated runs)")
    print_table(["dataset", "median ms", "CPU ms", "CPU ratio", "holds?"], dataset_rows(corvane, runs))

    print("Scaling of the line chart (10 series, the options of the 1000 x 10 chart)")
    print_table(["line chart", "median ms", "CPU ms", "us per item", "us per added item"],
                scaling_rows(corvane, results["line 1000 x 10"], runs))
    print(f"Load average at the end: {load()}")


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    build = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) == 3 else 30
    corvane = os.path.join(build, "corvane")
    baseline = os.path.join(build, "bench", "corvane_baseline")
    work = tempfile.mkdtemp(prefix="corvane-bench-")
    os.chdir(work)
    try:
        make_inputs()
        report(corvane, baseline, runs)
    except RunFailed as failure:
        print(f"\nBENCHMARK FAILED: a run did not make its PDF:\n{failure}", file=sys.stderr)
        sys.exit(1)
    finally:
        os.chdir("/")
        shutil.rmtree(work)


if __name__ == "__main__":
    main()
