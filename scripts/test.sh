#!/bin/sh
# Installs what is missing, builds everything and runs every test: the
# portable core natively and under the sanitizers, the Windows program under
# Wine in a prefix of the build's own (under Xvfb; in an emulated machine
# where this CPU cannot run 32-bit code), the audit of the
# shipped executable, a second build to prove it reproducible, the decoder's
# fuzzer and the static analysers.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh

for preset in native sanitize; do
  cmake --preset $preset
  cmake --build --preset $preset
  ctest --preset $preset
done

cmake --preset windows
cmake --build --preset windows
if sh scripts/can-run-i386.sh; then
  xvfb-run -a ctest --preset windows
else
  echo "This CPU cannot run 32-bit x86 code. The Windows tests run twice: on the"
  echo "x86-64 build of the same sources under 64-bit Wine here (the resource"
  echo "tests and the audit read the shipped 32-bit build/windows/Lumiqa.exe),"
  echo "and on the shipped 32-bit build under 32-bit Wine in an emulated machine."
  cmake --preset windows-x64
  cmake --build --preset windows-x64
  xvfb-run -a ctest --preset windows-x64
  sh scripts/test-emulated.sh
fi
echo "Lumiqa.exe: $(wc -c < build/windows/Lumiqa.exe) bytes (limit 81920)"
sh scripts/check-reproducible.sh

cmake --preset fuzz
cmake --build --preset fuzz
rm -rf build/fuzz/corpus && mkdir -p build/fuzz/corpus
build/fuzz/tests/decoder_fuzz -max_total_time=30 -print_final_stats=1 build/fuzz/corpus tests/fuzz/corpus 2>&1 |
  grep -E '^(Done|stat::number_of_executed_units)|ERROR|SUMMARY|deadly'

sh scripts/analyse.sh 2>&1 | grep -v 'warnings generated'
