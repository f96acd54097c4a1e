# Shared by the two Windows toolchains, which set LUMIQA_TRIPLET, the CPU,
# the Wine loader that runs their programs and the kind of prefix it needs.
# The posix thread model is the one GoogleTest builds with (std::mutex).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${LUMIQA_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LUMIQA_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${LUMIQA_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${LUMIQA_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run)
