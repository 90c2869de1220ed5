#!/usr/bin/env bash
# Speed and memory with 100,000 films, as one table: the portable parts natively, the program
# itself under Wine in the given Windows build. Fails when a figure misses its target.
#   usage: scripts/bench.sh BUILD_DIR win32|win64
# Each benchmark program prints its figures as tab-separated FIGURE lines (bench/bench_report.h).
set -uo pipefail
build=$1
arch=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"

figures=$(mktemp)
trap 'rm -f "$figures"' EXIT
# Each program exits with 1 when a figure misses its target, with another status when it fails.
failed=()
"$build/native/catalogue_bench" >>"$figures"
[ $? -le 1 ] || failed+=("the native benchmark")
"$here/wine-run.sh" "$build/$arch" wine program_bench.exe >>"$figures"
[ $? -le 1 ] || failed+=("the program under Wine")

kadrion_wine_use "$arch"
echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), $(nproc) cores;" \
  "$(wine --version 2>/dev/null); the $(kadrion_bits "$arch") build."
echo "Natively: the CPU time of the work, the median of its runs [their range]. Under Wine: wall"
echo "time of runs made in pairs, each pair once the machine is quiet; a start counts as the best"
echo "of its runs, a ratio of file reads or writes is the median of the pairs' ratios [their"
echo "range]; memory is the median of the runs."
echo
tr -d '\r' <"$figures" | awk -F '\t' '
  $1 == "FIGURE" { n++; what[n] = $2; target[n] = $3; measured[n] = $4; result[n] = $5
    for (c = 2; c <= 4; c++) if (length($c) > width[c]) width[c] = length($c) }
  END {
    if (width[2] < 6) width[2] = 6; if (width[3] < 6) width[3] = 6; if (width[4] < 8) width[4] = 8
    line = sprintf("%-*s | %-*s | %-*s | %s", width[2], "Figure", width[3], "Target", width[4], "Measured", "Result")
    print line; gsub(/./, "-", line); print line
    for (i = 1; i <= n; i++)
      printf "%-*s | %-*s | %-*s | %s\n", width[2], what[i], width[3], target[i], width[4], measured[i], result[i]
  }'

misses=$(tr -d '\r' <"$figures" | awk -F '\t' '$1 == "FIGURE" && $5 == "miss"' | wc -l)
echo
if [ ${#failed[@]} -gt 0 ]; then
  echo "Failed to run: ${failed[*]}." >&2
  exit 1
fi
if [ "$misses" -gt 0 ]; then
  echo "$misses figure(s) missed the target." >&2
  exit 1
fi
echo "Every target met."
