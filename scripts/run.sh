#!/usr/bin/env bash
# Starts Kadrion from its program folder under Wine.   usage: scripts/run.sh PROGRAM_FOLDER
# The folder is BUILD_DIR/Kadrion of the 32-bit or the 64-bit build; Wine follows the build.
# On the user's X display when there is one; otherwise on a virtual display, where a
# screenshot is saved to shots/kadrion.png and the program is closed again.
set -euo pipefail
program=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
arch=$(kadrion_build_arch "$program/..")
kadrion_wine_use "$arch"
echo "Starting the $(kadrion_bits "$arch") Kadrion ($program/Kadrion.exe)."

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  export WINEPREFIX=${KADRION_WINEPREFIX:-$HOME/.local/share/kadrion/wine-$arch}
  kadrion_prepare_prefix
  cd "$program" && exec wine Kadrion.exe
fi

export WINEPREFIX=${KADRION_WINEPREFIX:-$HOME/.local/share/kadrion/wine-$arch-virtual}
kadrion_prepare_prefix desktop
shots=$(cd "$here/.." && pwd)/shots
mkdir -p "$shots"
# A new program folder has no catalogue yet: the program says so in a box before its window
# opens; poke (built beside the program folder by `make run`) answers it like a user would.
poke="$program/../poke.exe"
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  cd "$0"
  wine Kadrion.exe </dev/null >/dev/null 2>&1 &
  sleep "${KADRION_SHOT_DELAY:-8}"
  if [ ! -f Dane/Dane.dat ] && [ -f "$2" ]; then
    wine "$2" press "#32770" 2 >/dev/null 2>&1 || wine "$2" press "#32770" 1 >/dev/null 2>&1
    sleep 2
  fi
  xwd -root -silent -display "$DISPLAY" | /usr/bin/convert xwd:- "$1/kadrion.png"
  wine taskkill /im Kadrion.exe >/dev/null 2>&1
  for second in 1 2 3 4 5 6 7 8 9 10; do
    kill -0 $! 2>/dev/null || break
    sleep 1
  done
  wineserver -k' "$program" "$shots" "$poke"
echo "No display: Kadrion ran on a virtual one; screenshot in $shots/kadrion.png"
