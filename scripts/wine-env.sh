# Sourced: the Wine environment of the program and its tests.
#   WINEPREFIX  the prefix to use (made and prepared on first use)
# Wine's Mono and Gecko installers stay off, so nothing ever asks a question.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
kadrion_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# usage: kadrion_wine_use win32|win64
# Picks the Wine of one architecture for everything after it: `wine`, `wineboot`, `winepath`,
# and ctest's emulator. A prefix belongs to one architecture; use a new one for each.
kadrion_wine_use() {
  case "$1" in
    win32) export WINEARCH=win32 ;;
    win64)
      export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
      case ":$PATH:" in *":$kadrion_scripts/wine64:"*) ;; *) export PATH="$kadrion_scripts/wine64:$PATH" ;; esac ;;
    *) echo "unknown Wine architecture: $1" >&2; return 1 ;;
  esac
}

# usage: kadrion_build_arch BUILD_DIR — win32 or win64, from the toolchain the build was made with.
kadrion_build_arch() {
  if grep -q '^CMAKE_TOOLCHAIN_FILE.*x86_64' "$1/CMakeCache.txt" 2>/dev/null; then
    echo win64
  else
    echo win32
  fi
}

# usage: kadrion_bits win32|win64 — "32-bit" or "64-bit", for messages.
kadrion_bits() { [ "$1" = win64 ] && echo 64-bit || echo 32-bit; }

# usage: kadrion_prepare_prefix [desktop]
# With "desktop" every window of the prefix lives in one Wine virtual desktop: Wine then draws
# the caption bars itself, and closing a window does not wait for a window manager that a
# virtual X display does not have.
kadrion_prepare_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i </dev/null >/dev/null 2>&1
    wineserver -w
  fi
  if [ "${1:-}" = desktop ]; then
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
    wineserver -w
  fi
  # The caption buttons and the dialogs need Wine's own fonts in the prefix.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  for font in /usr/share/wine/fonts/*.ttf; do
    [ -f "$fonts/$(basename "$font")" ] || cp "$font" "$fonts/"
  done
}
