#!/usr/bin/env bash
# Runs every fuzz target, or the ones named, for a while over a working copy of its seed corpus.
# Usage: scripts/fuzz.sh BUILD_DIR SECONDS [TARGET...]
# The kept seeds (fuzz/corpus/<target>/) stay small: new inputs go to the ignored
# fuzz/corpus-work/<target>/. Any input that crashes, leaks or hangs a target is written to
# fuzz/regressions/<target>/, which the ordinary test suite replays.
set -uo pipefail

if [[ $# -lt 2 ]]; then
  echo "Usage: $0 BUILD_DIR SECONDS [TARGET...]" >&2
  exit 2
fi
build_dir=$(cd "$1" && pwd) || exit 2
seconds=$2
shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  for corpus in "$root"/fuzz/corpus/*/; do targets+=("$(basename "$corpus")"); done
fi

# The argv target saves every PDF as a run does, fsync and all: in a memory file system, where
# the machine has one, that costs nothing.
if [[ -z "${TMPDIR:-}" && -d /dev/shm && -w /dev/shm ]]; then export TMPDIR=/dev/shm; fi

failed=()
for target in "${targets[@]}"; do
  corpus="$root/fuzz/corpus/$target"
  exe="$build_dir/fuzz/$target"
  if [[ ! -x "$exe" ]]; then
    echo "fuzz.sh: no executable $exe (build with -DCORVANE_FUZZ=ON)" >&2
    failed+=("$target")
    continue
  fi
  work="$root/fuzz/corpus-work/$target"
  regressions="$root/fuzz/regressions/$target"
  mkdir -p "$work" "$regressions"
  cp -n "$corpus"/* "$work"/ 2>/dev/null || true

  # Room for a command text with an options and a dataset file; a run of 10 s counts as a hang.
  # The readers of one value or one line are given a few lines' worth.
  max_len=16384
  [[ $target == whole_run_fuzzer ]] || max_len=1024
  options=(-max_total_time="$seconds" -max_len=$max_len -timeout=10 -artifact_prefix="$regressions/"
           -print_final_stats=1)
  [[ -f "$root/fuzz/$target.dict" ]] && options+=(-dict="$root/fuzz/$target.dict")

  echo "== $target for ${seconds}s"
  # Run from the work folder, so nothing a run leaves behind lands in the source tree.
  if ! (cd "$work" && "$exe" "${options[@]}" "$work"); then
    echo "== $target FAILED: see $regressions" >&2
    failed+=("$target")
  fi
done

if [[ ${#failed[@]} -gt 0 ]]; then
  echo "Fuzzing found problems in: ${failed[*]}" >&2
  exit 1
fi
echo "Fuzzing found no problems"
