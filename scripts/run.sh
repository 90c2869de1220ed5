#!/usr/bin/env bash
# Starts Kadrion from its program folder under Wine.   usage: scripts/run.sh PROGRAM_FOLDER
# On the user's X display when there is one; otherwise on a virtual display, where a
# screenshot is saved to shots/kadrion.png and the program is closed again.
set -euo pipefail
program=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  export WINEPREFIX=${KADRION_WINEPREFIX:-$HOME/.local/share/kadrion/wine}
  kadrion_prepare_prefix
  cd "$program" && exec wine Kadrion.exe
fi

export WINEPREFIX=${KADRION_WINEPREFIX:-$HOME/.local/share/kadrion/wine-virtual}
kadrion_prepare_prefix desktop
shots=$(cd "$here/.." && pwd)/shots
mkdir -p "$shots"
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  cd "$0"
  wine Kadrion.exe </dev/null >/dev/null 2>&1 &
  sleep "${KADRION_SHOT_DELAY:-8}"
  xwd -root -silent -display "$DISPLAY" | /usr/bin/convert xwd:- "$1/kadrion.png"
  wine taskkill /im Kadrion.exe >/dev/null 2>&1
  for second in 1 2 3 4 5 6 7 8 9 10; do
    kill -0 $! 2>/dev/null || break
    sleep 1
  done
  wineserver -k' "$program" "$shots"
echo "No display: Kadrion ran on a virtual one; screenshot in $shots/kadrion.png"
