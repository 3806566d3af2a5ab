#!/usr/bin/env bash
# Counts the instructions one run of each benchmark chart executes, under valgrind's callgrind:
# unlike times, the counts repeat exactly on a loaded machine, so two builds can be compared
# chart by chart. Give it Release builds, as `make bench` measures.
# Usage: scripts/count-instructions.sh CORVANE [CORVANE ...]
set -euo pipefail
if [[ $# -lt 1 ]]; then
  echo "usage: $0 CORVANE [CORVANE ...]" >&2
  exit 2
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
python3 -c "import sys; sys.path.insert(0, '$root/bench'); import bench; bench.make_inputs()"

printf '%-20s' chart
for exe in "$@"; do printf '%16s' "$(basename "$(dirname "$(realpath "$exe")")")"; done
[[ $# -eq 2 ]] && printf '%9s' change
printf '\n'
while IFS=$'\t' read -r -a chart; do
  name="${chart[0]}"
  printf '%-20s' "$name"
  counts=()
  for exe in "$@"; do
    valgrind --tool=callgrind --callgrind-out-file=callgrind.out "$(realpath "$exe")" "${chart[@]:1}" \
      -Output chart >/dev/null 2>valgrind.err
    count=$(awk '/^summary:/ { print $2 }' callgrind.out)
    counts+=("$count")
    printf '%16s' "$count"
  done
  [[ $# -eq 2 ]] && awk -v a="${counts[0]}" -v b="${counts[1]}" 'BEGIN { printf "%+8.2f%%", (b - a) * 100 / a }'
  printf '\n'
done < <(python3 -c "import sys; sys.path.insert(0, '$root/bench'); import bench
for name, args in bench.CHARTS: print('\t'.join([name] + args))")
