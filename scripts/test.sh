#!/bin/sh
# Installs what is missing, builds everything and runs every test: the
# portable core natively, the Windows program under Wine in a prefix of the
# build's own, all under Xvfb.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh

cmake --preset native
cmake --build --preset native
ctest --preset native

cmake --preset windows
cmake --build --preset windows
if sh scripts/can-run-i386.sh; then
  xvfb-run -a ctest --preset windows
else
  echo "This CPU cannot run 32-bit x86 code: running the Windows tests on the"
  echo "x86-64 build of the same sources under 64-bit Wine; the resource tests"
  echo "read the shipped 32-bit build/windows/Lumiqa.exe."
  cmake --preset windows-x64
  cmake --build --preset windows-x64
  xvfb-run -a ctest --preset windows-x64
fi
