# 32-bit Windows build: the product. Its tests run under the 32-bit Wine, or
# are reported as skipped, with the reason, where 32-bit programs cannot run.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TANDREL_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine32.sh)
