#!/usr/bin/env bash
# Installs what building, running and testing Kadrion needs on Debian 12, when it is missing.
set -euo pipefail

packages=(cmake make g++ googletest g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools
          nsis zip wine wine32:i386 wine64 fonts-wine xvfb xauth x11-utils x11-apps imagemagick
          clang libclang-rt-14-dev)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# Wine's 32-bit half comes from the i386 architecture.
dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
