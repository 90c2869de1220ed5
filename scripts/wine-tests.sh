#!/usr/bin/env bash
# Runs the Wine tests of every Windows build this machine can execute: BUILD/win32 and
# BUILD/win64 where both run, the 64-bit build alone where 32-bit code cannot run.
#   usage: scripts/wine-tests.sh BUILD
# Says in one line which were tested and why one was left out; fails when neither can run.
set -uo pipefail
root=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"

why=$(mktemp)
trap 'rm -f "$why"' EXIT
if ! arches=$("$here/wine-arch.sh" 2>"$why"); then
  echo "Wine tests: none run. $(tr '\n' ' ' <"$why")" >&2
  exit 1
fi
names=$(for arch in $arches; do kadrion_bits "$arch"; done | paste -sd' ' - | sed 's/ / and /')
plural=$([ "$(wc -w <<<"$arches")" -gt 1 ] && echo s)
echo "Wine tests: the $names build$plural.$(tr '\n' ' ' <"$why" | sed 's/^./ &/; s/ $//')"

failed=()
for arch in $arches; do
  echo "--- Wine tests of the $(kadrion_bits "$arch") build ($root/$arch)"
  "$here/wine-run.sh" "$root/$arch" || failed+=("$(kadrion_bits "$arch")")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Wine tests failed on the ${failed[*]} build." >&2
  exit 1
fi
