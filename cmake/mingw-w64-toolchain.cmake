# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers, run under
# Wine. Use with:
#   cmake -S . -B build-windows \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-toolchain.cmake
# Programs are linked statically, so a Windows machine (or Wine) needs no
# MinGW runtime DLLs next to them.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The POSIX threading flavour of the compilers: GoogleTest needs std::mutex
# and std::condition_variable, which the Win32 flavour of this GCC lacks.
set(QUILLBROOK_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUILLBROOK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLBROOK_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLBROOK_MINGW_PREFIX}-windres)

# Headers and libraries come from the MinGW sysroot, programs run during the
# build from the host. A GoogleTest built for Windows is named with GTest_DIR.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${QUILLBROOK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under Wine with a prefix of their own inside the build
# folder, so a build never touches the user's ~/.wine and a fresh build
# folder starts from a fresh prefix. WINEDEBUG=-all keeps Wine's start-up
# chatter out of the test output; the DLL overrides stop Wine from offering
# to install its .NET and HTML runtimes, which no test needs.
if(NOT DEFINED QUILLBROOK_WINE_PREFIX)
  set(QUILLBROOK_WINE_PREFIX "${CMAKE_BINARY_DIR}/wine-prefix")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR
  /usr/bin/env
  "WINEPREFIX=${QUILLBROOK_WINE_PREFIX}"
  WINEARCH=win64
  WINEDEBUG=-all
  "WINEDLLOVERRIDES=mscoree,mshtml="
  wine)
