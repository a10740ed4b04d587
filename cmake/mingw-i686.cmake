# 32-bit Windows build: the product. Its tests run under the 32-bit Wine, or
# are reported as skipped, with the reason, where 32-bit programs cannot run.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TANDREL_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${TANDREL_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TANDREL_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TANDREL_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TANDREL_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine32.sh)
