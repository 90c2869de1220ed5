#!/usr/bin/env bash
# Screenshots of a tour through the running program on a virtual display, driven from
# outside with tools/poke.cpp.   usage: scripts/screenshots.sh BUILD_DIR
# (`make screenshots` picks the build this machine runs.)
# Saves shots/*.png: three films added from picked files, a search, the main window with a
# selected row, the description window, the notepad, the two extra caption buttons, the window
# rolled up (after switching it to stay on top, which recreates it), the tray icon after hiding
# the window and the window back after a click on the icon; and the HTML list it wrote
# (shots/lista.html). Offline, the link strip shows its default captions; a second start shows
# it from an earlier copy of the link list (shots/links-earlier-list.png, the strip's places in
# shots/links.txt).
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
shots=$(cd "$here/.." && pwd)/shots
mkdir -p "$shots"
cmake --build "$build" --target poke Kadrion >/dev/null

. "$here/wine-env.sh"
kadrion_wine_use "$(kadrion_build_arch "$build")"
program=$(mktemp -d /tmp/kadrion-tour.XXXXXX)
export WINEPREFIX=$(mktemp -d /tmp/kadrion-wine.XXXXXX)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$WINEPREFIX" "$program"' EXIT
cp -r "$build/Kadrion/." "$program/"
cp "$build/poke.exe" "$program/"
: > "$program/Dane/Dane.dat"
rm -f "$program/Dane/Baza.ini"
mkdir -p "$program/Kolekcja"
touch "$program/Kolekcja/Matrix.1999.DVDRip.avi" "$program/Kolekcja/Pianista (Lektor PL).avi" "$program/Kolekcja/Amelia_XviD.avi"
printf 'Pianista w okupowanej Warszawie.\r\nNagrody: Z\xb3ota Palma, trzy Oscary.\r\n' \
  > "$program/Opisy/Pianista.txt"

kadrion_prepare_prefix desktop
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  cd "$0"
  shot() { xwd -root -silent -display "$DISPLAY" | /usr/bin/convert xwd:- "$1/$2.png"; }
  wine Kadrion.exe </dev/null >/dev/null 2>&1 &
  sleep 6
  add() { wine poke.exe text TMainWindow 202 "$1"; wine poke.exe text TMainWindow 206 "$2"
          wine poke.exe text TMainWindow 209 "$3"; wine poke.exe press TMainWindow 216; }
  add "Matrix" "The Matrix" "Science Fiction"
  add "Ojciec chrzestny" "The Godfather" "Gangsterski"
  add "Pianista" "The Pianist" "Dramat"
  add "Dzień świra" "Dzień świra" "Komedia"
  add "Amelia" "Le fabuleux destin d'\''Amélie Poulain" "Komedia rom."
  wine poke.exe press TMainWindow 214   # Al: add at once
  wine poke.exe press TMainWindow 215   # NP: Polish title from the file name
  # The open dialog: go to the folder, then pick three files at once.
  wine poke.exe press TMainWindow 203 &
  sleep 3
  wine poke.exe text "#32770" 1148 "$(winepath -w "$0/Kolekcja")\\"
  wine poke.exe press "#32770" 1 &
  sleep 2
  wine poke.exe text "#32770" 1148 "\"Matrix.1999.DVDRip.avi\" \"Pianista (Lektor PL).avi\" \"Amelia_XviD.avi\""
  wine poke.exe press "#32770" 1 &
  sleep 3
  shot "$1" three-files
  wine poke.exe text TMainWindow 222 "pianista"
  wine poke.exe press TMainWindow 223
  sleep 1
  shot "$1" search
  wine poke.exe select 2
  sleep 1
  shot "$1" main-selected
  wine poke.exe press TMainWindow 218
  sleep 2
  shot "$1" description
  wine poke.exe menu TMainWindow 100 1   # "Notatnik", the first item of the list menu
  sleep 2
  # In the virtual desktop of Wine a window that opens wholly inside the area of the main
  # window stays black until it moves; past the edge of the main window it is drawn.
  wine poke.exe move TForm1 420 330
  wine poke.exe text TForm1 400 "Kupić: Pianista na DVD. Oddać Zbyszkowi „Dzień świra”."
  sleep 1
  shot "$1" notepad
  wine poke.exe press TMainWindow 220   # the HTML list
  sleep 1
  cp "Dane/Lista filmów.html" "$1/lista.html"
  # The caption buttons, counted from the right edge of the window: the tray button (-67),
  # then the roller (-83), both 12 pixels down.
  shot "$1" caption-buttons
  wine poke.exe menu TMainWindow 100 7   # "Zawsze na wierzchu": the window is made anew
  sleep 1
  wine poke.exe click TMainWindow -83 12
  sleep 1
  shot "$1" rolled-up
  wine poke.exe click TMainWindow -83 12
  wine poke.exe click TMainWindow -67 12
  sleep 2
  shot "$1" tray
  wine poke.exe click 1270 1013   # the icon, at the right end of the taskbar
  sleep 1
  shot "$1" tray-restored
  wine taskkill /im Kadrion.exe >/dev/null 2>&1
  sleep 2
  # An earlier copy of the link list in the temporary folder: a longer first caption moves the
  # labels after it, an empty key "3" leaves r4 at its design place (280).
  temp=$(winepath -u "$(wine cmd /c echo %TEMP% </dev/null 2>/dev/null | tr -d "\r")")
  printf "[inne]\r\n1=Strona programu Kadrion\r\n3=\r\n" > "$temp/kadrion.ini"
  wine Kadrion.exe </dev/null >/dev/null 2>&1 &
  sleep 5
  shot "$1" links-earlier-list
  wine poke.exe controls TMainWindow | tr -d "\r" | grep -E "^  11[1-7] " > "$1/links.txt"
  wine taskkill /im Kadrion.exe >/dev/null 2>&1
  sleep 2
  wineserver -k' "$program" "$shots"
echo "Screenshots in $shots"
