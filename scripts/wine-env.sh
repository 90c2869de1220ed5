# Sourced: the Wine environment of the program and its tests.
#   WINEPREFIX  the prefix to use (made and prepared on first use)
# Wine's Mono and Gecko installers stay off, so nothing ever asks a question.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win32

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
