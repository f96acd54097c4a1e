#!/bin/sh
# Builds Lumiqa.exe a second time, from a copy of the sources in another
# directory, and compares the bytes with build/windows/Lumiqa.exe. No time
# stamp and no build path may reach the executable.
set -eu
cd "$(dirname "$0")/.."
copy="$PWD/build/reproduce/lumiqa-elsewhere"
rm -rf "$copy" && mkdir -p "$copy"
# The working tree as it is: tracked files and new ones not ignored.
git ls-files -z --cached --others --exclude-standard | xargs -0 tar -cf - | tar -xf - -C "$copy"
(cd "$copy" && cmake --preset windows -DLUMIQA_TESTS=OFF >/dev/null && cmake --build --preset windows --target Lumiqa >/dev/null)

first=$(sha256sum build/windows/Lumiqa.exe | cut -d' ' -f1)
second=$(sha256sum "$copy/build/windows/Lumiqa.exe" | cut -d' ' -f1)
echo "SHA-256 of Lumiqa.exe, build 1 ($PWD): $first"
echo "SHA-256 of Lumiqa.exe, build 2 ($copy): $second"
[ "$first" = "$second" ] || { echo "FAIL: the two builds differ"; exit 1; }
echo "reproducible: both builds are byte for byte the same"
