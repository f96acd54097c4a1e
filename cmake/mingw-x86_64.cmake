# The same sources for x86-64 Windows. Nothing ships from this build: it lets
# the Win32 tests run under 64-bit Wine on machines whose CPU cannot execute
# 32-bit x86 code (there the 32-bit Wine loader fails with "Exec format error").
set(LUMIQA_TRIPLET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(LUMIQA_WINE /usr/lib/wine/wine64)
set(LUMIQA_WINEARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
