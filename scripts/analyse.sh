#!/bin/sh
# Static analysis of the program's own code: clang-tidy with the checks in
# .clang-tidy (core/ as built natively, win/ as built for Windows, against
# the mingw-w64 headers), then cppcheck. Any finding fails.
# Needs the native and windows presets configured (compile_commands.json).
set -eu
cd "$(dirname "$0")/.."

clang-tidy -p build/native --quiet core/*.cpp

# clang targets mingw-w64 with the same headers GCC uses, which it is told.
mingw_includes=$(i686-w64-mingw32-g++-posix -xc++ -E -v - </dev/null 2>&1 |
  sed -n '/<...> search starts here/,/End of search list/p' | sed -n 's|^ \(/.*\)|--extra-arg=-isystem\1|p')
# shellcheck disable=SC2086 # one argument per include directory
clang-tidy -p build/windows --quiet --extra-arg=--target=i686-w64-mingw32 $mingw_includes win/*.cpp

common="--quiet --error-exitcode=1 --enable=warning,style,performance,portability --std=c++17 --inline-suppr -I ."
# shellcheck disable=SC2086
cppcheck $common core/
# cppcheck models the Win32 API with its own windows library rather than
# parsing the system headers.
# shellcheck disable=SC2086
cppcheck $common --library=windows --platform=win32W -D_WIN32 -DUNICODE -D_UNICODE -I build/windows/res win/
echo "analysis: clang-tidy and cppcheck found nothing"
