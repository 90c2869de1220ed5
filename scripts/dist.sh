#!/usr/bin/env bash
# What we hand out, from the two Windows builds: a portable zip of each program (Kadrion.exe
# beside empty "Dane" and "Opisy") and the installers.   usage: scripts/dist.sh BUILD OUT
set -euo pipefail
root=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
version=1.1.0

for arch in win32 win64; do
  cmake --build "$root/$arch" --target Kadrion installer >/dev/null
  # The program folder of the build may hold a catalogue from `make run`: the zip gets empty
  # folders, made afresh.
  stage=$(mktemp -d)
  mkdir -p "$stage/Kadrion/Dane" "$stage/Kadrion/Opisy"
  cp "$root/$arch/Kadrion/Kadrion.exe" "$stage/Kadrion/"
  rm -f "$out/Kadrion-$version-$arch.zip"
  (cd "$stage" && zip -qr "$out/Kadrion-$version-$arch.zip" Kadrion)
  rm -rf "$stage"
  cp "$root/$arch"/Kadrion-$version-setup*.exe "$out/"
done
echo "In $out:"
ls -l "$out"
