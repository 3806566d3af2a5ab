#!/usr/bin/env bash
# Runs Corvane on every example options file and says where each chart went.
set -uo pipefail
corvane="$(realpath "${1:-build/corvane}")"
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/out"
mkdir -p "$out"
cd "$root/examples"
status=0
for options in *.txt; do
  name="${options%.txt}"
  echo "== $name"
  if "$corvane" -Log "$out/demo.log" -Options "$options" -Output "$out/$name"; then
    echo "-> $out/$name.pdf"
  else
    echo "-> failed (see $out/demo.log)"
    status=1
  fi
done
exit $status
