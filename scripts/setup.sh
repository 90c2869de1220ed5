#!/usr/bin/env bash
# Installs what building, running and testing Kadrion needs on Debian 12, when it is missing.
set -euo pipefail

packages=(cmake make g++ googletest g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools
          nsis zip wine wine64 fonts-wine xvfb xauth x11-utils x11-apps imagemagick
          clang libclang-rt-14-dev)
# Only for running the 32-bit program, which some machines cannot do anyway; the tests run the
# builds this machine can (scripts/wine-arch.sh), so a failed install here is said, not fatal.
optional=(wine32:i386)

installed() {
  [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null || true)" = "install ok installed" ]
}
missing=()
for package in "${packages[@]}"; do installed "$package" || missing+=("$package"); done
missing_optional=()
for package in "${optional[@]}"; do installed "$package" || missing_optional+=("$package"); done
# One try a day at what could not be installed, not one at every make target.
tried_optional=/tmp/kadrion-setup-optional-$(date +%F)
[ ${#missing[@]} -eq 0 ] && { [ ${#missing_optional[@]} -eq 0 ] || [ -e "$tried_optional" ]; } && exit 0

echo "Installing: ${missing[*]} ${missing_optional[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# Wine's 32-bit half comes from the i386 architecture.
dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
export DEBIAN_FRONTEND=noninteractive
# A mirror in the middle of a sync fails one index or another; the packages usually still come
# from the others, and the install below says so when they do not.
for attempt in 1 2 3; do
  $sudo apt-get update -qq && break
  echo "apt-get update failed (attempt $attempt), going on with the indexes it has" >&2
  sleep 5
done
[ ${#missing[@]} -eq 0 ] || $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
for package in "${missing_optional[@]}"; do
  $sudo apt-get install -y -qq --no-install-recommends "$package" >/dev/null ||
    { echo "Could not install $package: the 32-bit program is built but not run here." >&2
      touch "$tried_optional"; }
done
