#!/usr/bin/env bash
# Which Windows builds this machine can run under Wine, found by starting each Wine loader.
#   usage: scripts/wine-arch.sh            prints the runnable ones, win32 before win64
#          scripts/wine-arch.sh --preferred prints the one to run the program with
# Some kernels cannot execute 32-bit programs at all: Wine's 32-bit loader then fails with
# "Exec format error", and only the 64-bit build can run. A line on standard error says why an
# architecture is left out. Fails when neither can run. KADRION_WINE32_LOADER and
# KADRION_WINE64_LOADER name other loaders, to try what a machine of the other kind does.
set -uo pipefail

declare -A loader=([win32]=${KADRION_WINE32_LOADER:-/usr/lib/wine/wine}
                  [win64]=${KADRION_WINE64_LOADER:-/usr/lib/wine/wine64})
declare -A bits=([win32]=32 [win64]=64)
runnable=()
for arch in win32 win64; do
  if [ ! -x "${loader[$arch]}" ]; then
    echo "The ${bits[$arch]}-bit build cannot run: ${loader[$arch]} is not installed." >&2
    continue
  fi
  answer=$("${loader[$arch]}" --version 2>&1)
  status=$?
  if [ $status -eq 0 ]; then
    runnable+=("$arch")
  else
    echo "The ${bits[$arch]}-bit build cannot run here: Wine's ${bits[$arch]}-bit loader fails" \
         "with exit status $status (${answer##*: })." >&2
  fi
done

if [ ${#runnable[@]} -eq 0 ]; then
  echo "Neither Windows build can run on this machine: no Wine loader starts." >&2
  exit 1
fi
if [ "${1:-}" = --preferred ]; then
  echo "${runnable[0]}"
else
  printf '%s\n' "${runnable[@]}"
fi
