#!/usr/bin/env bash
# Runs every fuzz target of BUILD for SECONDS each, one after the other,
# starting from the seeds and from the inputs kept in tests/data/fuzz/. Each
# target's corpus grows in BUILD/corpus/<target>; an input that makes a target
# fail is written to BUILD/findings/ and the run stops with an error.
#   fuzz/run.sh BUILD SECONDS
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$1"
seconds="$2"
"$root/fuzz/seeds.sh" "$build/seeds"
mkdir -p "$build/findings"
for source in "$root"/fuzz/fuzz_*.cpp; do
  target=$(basename "$source" .cpp)
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  inputs=("$corpus" "$build/seeds/$target")
  [[ -d "$root/tests/data/fuzz/$target" ]] && inputs+=("$root/tests/data/fuzz/$target")
  echo "== $target: ${seconds}s"
  "$build/fuzz/$target" -max_total_time="$seconds" -timeout=20 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target-" "${inputs[@]}" 2>"$build/$target.log" || {
    tail -n 60 "$build/$target.log"
    echo "$target found a fault; its input is in $build/findings/" >&2
    exit 1
  }
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added)' \
    "$build/$target.log" | tr '\n' ' '
  echo "corpus: $(find "$corpus" -type f | wc -l) files"
done
