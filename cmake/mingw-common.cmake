# What both Windows builds share: MinGW-w64's POSIX-thread compilers for
# TANDREL_TRIPLE, finding only that target's libraries and headers.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${TANDREL_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TANDREL_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TANDREL_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TANDREL_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
