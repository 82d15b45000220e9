# Cross-building for 64-bit Windows with Debian's mingw-w64. The -posix
# compilers: the game's presenter thread needs std::thread and std::mutex,
# which the win32 thread model lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(HEADBOT_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${HEADBOT_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HEADBOT_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${HEADBOT_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${HEADBOT_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
