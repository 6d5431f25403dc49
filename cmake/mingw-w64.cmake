# Cross-building for 64-bit Windows with Debian's MinGW-w64 (the POSIX threads flavour, which
# std::thread needs). The executables link libgcc and libstdc++ statically, so they run without
# any DLLs beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QW_MINGW x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${QW_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QW_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${QW_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QW_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests run under Wine when it is there.
find_program(QW_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(QW_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QW_WINE})
endif()
