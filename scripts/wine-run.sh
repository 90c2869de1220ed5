#!/usr/bin/env bash
# Runs the Windows tests of one cross build under Wine on a virtual display, in a private Wine
# prefix of the build's architecture that is removed afterwards.
#   usage: scripts/wine-run.sh BUILD_DIR [COMMAND...]
# With a command, runs that in the build folder instead of the tests.
set -euo pipefail
build=$(cd "$1" && pwd)
shift
here=$(cd "$(dirname "$0")" && pwd)

. "$here/wine-env.sh"
kadrion_wine_use "$(kadrion_build_arch "$build")"
export WINEPREFIX=$(mktemp -d /tmp/kadrion-wine.XXXXXX)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$WINEPREFIX"' EXIT
kadrion_prepare_prefix desktop

# Wine's background services inherit the output of the first Wine process; started here,
# quietly, they do not hold ctest's pipes open.
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
  if [ $# -gt 0 ]; then (cd "$0" && "$@"); else ctest --test-dir "$0" --output-on-failure; fi
  status=$?
  wineserver -k
  exit $status' "$build" "$@"
