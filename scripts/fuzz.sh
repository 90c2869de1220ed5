#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a bounded time, starting from the seeds in
# fuzz/corpus/<target>/, and fails when any of them finds a crash, a sanitizer report, a broken
# property, a hang or a leak.
#   usage: scripts/fuzz.sh BUILD_DIR [SECONDS [JOBS]]
# SECONDS per target (60 by default); JOBS targets run side by side (2 by default). What a
# target finds is saved as BUILD_DIR/artifacts/<target>-crash-...; inputs it found new paths
# with go to BUILD_DIR/corpus/<target>/, never into the committed seeds.
set -uo pipefail
build=$(cd "$1" && pwd)
seconds=${2:-60}
jobs=${3:-2}
seeds=$(cd "$(dirname "$0")/../fuzz/corpus" && pwd)
mkdir -p "$build/artifacts" "$build/corpus" "$build/logs"

run_one() {
  local target=$1 name=${1%_fuzz}
  mkdir -p "$build/corpus/$name"
  # A single input taking 10 s is a hang; the sanitizers stop at their first report.
  if "$build/fuzz/$target" "$build/corpus/$name" "$seeds/$name" -max_total_time="$seconds" \
       -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$build/artifacts/$name-" >"$build/logs/$name.log" 2>&1; then
    local runs
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/logs/$name.log")
    printf '%-18s ok      %10s runs in %s s\n' "$name" "$runs" "$seconds"
  else
    printf '%-18s FAILED  see %s\n' "$name" "$build/logs/$name.log"
    grep -E 'ERROR|property failed|runtime error|SUMMARY|Test unit written' "$build/logs/$name.log" | head -8 | sed 's/^/    /'
    return 1
  fi
}
export -f run_one
export build seconds seeds

targets=$(cd "$build/fuzz" && ls -- *_fuzz)
[ -n "$targets" ] || { echo "no fuzz targets in $build/fuzz" >&2; exit 1; }
echo "Fuzzing $(wc -w <<<"$targets") targets for $seconds s each, $jobs at a time."
start=$SECONDS
if printf '%s\n' $targets | xargs -P "$jobs" -I{} bash -c 'run_one {}'; then
  echo "Fuzzing: no crash, no sanitizer report ($((SECONDS - start)) s)."
else
  echo "Fuzzing found faults: the inputs are in $build/artifacts/." >&2
  exit 1
fi
