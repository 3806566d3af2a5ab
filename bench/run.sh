#!/usr/bin/env bash
# Measures how long one run takes and how much memory it needs, for every chart style over
# close to the largest data a run accepts (999 items of 10 series: a dataset file that fills
# the table to 1000 with a line end after the last line is refused).
# Usage: bench/run.sh CORVANE [RUNS]
set -euo pipefail
corvane="$(realpath "$1")"
runs="${2:-20}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

awk 'BEGIN { srand(7); for (i = 1; i <= 999; i++) {
  line = "Item " i; for (s = 0; s < 10; s++) line = line "," sprintf("%.2f", 50 + 40 * sin(i / 37 + s) + rand() * 10);
  print line } }' | sed 's/,/;/; s/,/ /g; s/;/,/' > big.csv

common=(-AxesLabelX 8 Helvetica 0 0 0 Normal -AxesLabelY 8 Helvetica 0 0 0 Normal -AxesLine 1 0 0 0 XY
        -AxesGridLine 0.5 0.8 0.8 0.8 -DataSeriesLegend Below 0 0 0 1 1.0 1.0 1.0 8 Helvetica 0 0 0 Normal
        -Title Benchmark -Subject "999 items" -Output out -Dataset big.csv)
declare -A extra=(
  [Bar V]="-BarColor #3366CC #99CCFF -BarColor #CC6633 #FFCC99"
  [Bar H]="-BarColor #3366CC #99CCFF"
  [Pie 2D]="-PieColor #1B9E77 -PieColor #D95F02 -PieColor #7570B3 -PieLabel Inside VVVV 6 Helvetica 0 0 0 Normal"
  [Line Standard]="-AverageLine 1 0 0 1 Average -MovingAverageLine 10 0 0 1 1 -LineOfBestFit 0 0 1 1"
  [Line Stepped]="-AverageLine 1 0 0 1 Average"
  [Line Curved]="-MovingAverageLine 10 0 0 1 1 -MovingAverageMarker Cross 0 0 0 3 1"
  [Area Standard]="-Area 0 0 0 1 0.6 0.8 1.0"
  [Area Stepped]="-Area 0 0 0 1 0.6 0.8 1.0"
  [Area Curved]="-Area 0 0 0 1 0.6 0.8 1.0 -LineOfBestFit 0 0 1 1"
)

printf "%-15s %12s %12s %10s\n" "chart" "ms per run" "peak RSS KB" "PDF bytes"
for chart in "Bar V" "Bar H" "Pie 2D" "Line Standard" "Line Stepped" "Line Curved" \
             "Area Standard" "Area Stepped" "Area Curved"; do
  # shellcheck disable=SC2206
  args=(-Chart $chart ${extra[$chart]} "${common[@]}")
  "$corvane" "${args[@]}" > /dev/null
  start=$(date +%s%N)
  for ((i = 0; i < runs; i++)); do "$corvane" "${args[@]}" > /dev/null; done
  end=$(date +%s%N)
  rss=$(/usr/bin/time -f "%M" "$corvane" "${args[@]}" 2>&1 >/dev/null | tail -1)
  printf "%-15s %12.2f %12s %10s\n" "$chart" "$(echo "($end - $start) / $runs / 1000000" | bc -l)" "$rss" \
    "$(stat -c %s out.pdf)"
done
