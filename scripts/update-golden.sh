#!/usr/bin/env bash
# Draws every example chart, and every chart of tests/golden/*.txt, with the given corvane and
# keeps each page's content stream, as qpdf decodes it, in tests/golden/, which the test suite
# compares the drawings with. Run it after an intended change to a drawing, then review the diff
# before committing.
set -euo pipefail
corvane="$(realpath "${1:-build/corvane}")"
root="$(cd "$(dirname "$0")/.." && pwd)"
golden="$root/tests/golden"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$golden"
rm -f "$golden"/*.content  # a removed chart leaves no golden behind
for folder in "$root/examples" "$golden"; do
  cd "$folder"
  for options in *.txt; do
    name="${options%.txt}"
    if ! "$corvane" -Output "$work/$name" -Options "$options" >"$work/$name.log"; then
      cat "$work/$name.log" >&2
      exit 1
    fi
    content="$(qpdf --show-pages "$work/$name.pdf" | awk '/content:/ { getline; print $1; exit }')"
    qpdf --show-object="$content" --filtered-stream-data "$work/$name.pdf" >"$golden/$name.content"
    echo "tests/golden/$name.content"
  done
done
