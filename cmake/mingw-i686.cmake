# The shipped executable: 32-bit x86 Windows.
set(LUMIQA_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(LUMIQA_WINE /usr/lib/wine/wine)
set(LUMIQA_WINEARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
