# 64-bit Windows build: the one the tests run on (under wine64).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TANDREL_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
