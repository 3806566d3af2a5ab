#!/usr/bin/env bash
# Runs two corvane executables over the same charts and reports every difference in what they
# write, for a change that must leave the output alone: each example (as scripts/demo.sh draws
# it, with a log), each chart of tests/golden/*.txt, each case of tests/e2e/extreme_charts.txt
# in every chart kind, each line of tests/e2e/error_cases.txt, each whole-run fuzz seed and the
# benchmark's charts. Every file a run leaves is compared byte for byte, standard output and the
# log line for line without its time stamps, and the exit codes.
# Usage: scripts/compare-outputs.sh BASELINE_CORVANE CANDIDATE_CORVANE
set -uo pipefail
if [[ $# -ne 2 ]]; then
  echo "usage: $0 BASELINE_CORVANE CANDIDATE_CORVANE" >&2
  exit 2
fi
baseline="$(realpath "$1")"
candidate="$(realpath "$2")"
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
runs=0

# {TEXT*N} stands for TEXT written N times, as the test tables write long command lines.
expand() { perl -pe 's/\{([^{}*]+)\*([0-9]+)\}/$1 x $2/ge'; }

# The words of a table line as a shell would split it, quotes grouping words (a '#' is no
# comment here), as the test suite reads its tables.
split_words() { python3 -c 'import shlex, sys; sys.stdout.write("\0".join(shlex.split(sys.argv[1], comments=False)))' "$1"; }

unstamp() { sed -E 's/^[0-9]{2}:[0-9]{2}:[0-9]{2} //' "$1" >"$1.unstamped" && mv "$1.unstamped" "$1"; }

# run NAME SETUP ARGS...: runs both executables with the arguments, each in a folder of its own
# that starts as a copy of SETUP ("" for an empty one).
run() {
  local name="$1" setup="$2"
  shift 2
  for side in baseline candidate; do
    local exe="$baseline"
    [[ $side == candidate ]] && exe="$candidate"
    local dir="$work/$side/$name"
    mkdir -p "$dir"
    [[ -n "$setup" ]] && cp -r "$setup"/. "$dir"
    (cd "$dir" && "$exe" "$@" >.stdout 2>.stderr </dev/null; echo $? >.exit)
    unstamp "$dir/.stdout"
    for log in "$dir"/*.log; do [[ -f "$log" ]] && unstamp "$log"; done
  done
  runs=$((runs + 1))
}

for options in "$root"/examples/*.txt; do
  name="$(basename "$options" .txt)"
  run "example-$name" "$root/examples" -Log run.log -Options "$name.txt" -Output "$name"
done

golden="$work/golden"
mkdir -p "$golden"
cp "$root"/tests/golden/*.txt "$golden"
for options in "$golden"/*.txt; do
  name="$(basename "$options" .txt)"
  run "golden-$name" "$golden" -Options "$name.txt" -Output "$name"
done

mapfile -t charts < <(grep '^chart ' "$root/tests/e2e/extreme_charts.txt" | sed 's/^chart //' | expand)
mapfile -t cases < <(grep '^case ' "$root/tests/e2e/extreme_charts.txt" | sed 's/^case //' | expand)
for c in "${!cases[@]}"; do
  for k in "${!charts[@]}"; do
    mapfile -d '' -t words < <(split_words "${cases[$c]} ${charts[$k]}")
    run "extreme-$c-$k" "" -Output chart "${words[@]}"
  done
done

numbers="$work/numbers"
mkdir -p "$numbers"
printf 'A,1\n' >"$numbers/numbers.csv"
n=0
while IFS= read -r line; do
  [[ -z "$line" || "$line" == \#* ]] && continue
  mapfile -d '' -t words < <(split_words "${line#* | }")
  run "error-$n" "$numbers" "${words[@]}"
  n=$((n + 1))
done < <(expand <"$root/tests/e2e/error_cases.txt")

# A fuzz seed is a command text, optionally followed by the bodies of o.txt and d.csv; the text
# is read here from an options file of its own.
for seed in "$root"/fuzz/corpus/whole_run_fuzzer/*; do
  name="$(basename "$seed")"
  setup="$work/seed-$name"
  mkdir -p "$setup"
  python3 - "$seed" "$setup" <<'EOF'
import sys
data = open(sys.argv[1], "rb").read()
parts = data.split(b"\n--8<--\n", 2)
parts += [b""] * (3 - len(parts))
for name, body in zip(["text.txt", "o.txt", "d.csv"], parts):
    open(f"{sys.argv[2]}/{name}", "wb").write(body.split(b"\0")[0] if name == "text.txt" else body)
EOF
  run "seed-$name" "$setup" -Options text.txt -Output chart
done

bench="$work/bench"
mkdir -p "$bench"
(cd "$bench" && python3 -c "import sys; sys.path.insert(0, '$root/bench'); import bench; bench.make_inputs()")
n=0
while IFS=$'\t' read -r -a words; do
  run "bench-$n" "$bench" "${words[@]}" -Output chart
  n=$((n + 1))
done < <(python3 -c "import sys; sys.path.insert(0, '$root/bench'); import bench
for _, args in bench.CHARTS: print('\t'.join(args))")

if diff -r -q "$work/baseline" "$work/candidate" >"$work/differences"; then
  echo "compare-outputs: $runs command lines, every output identical"
  rm -rf "$work"
  exit 0
fi
cat "$work/differences"
echo "compare-outputs: $(wc -l <"$work/differences") differences in $runs command lines; the outputs are kept in $work" >&2
exit 1
