# Toolchain for the 32-bit Windows build: Debian's MinGW-w64 cross compiler
# (package g++-mingw-w64-i686-posix), static executables, tests under Wine.
#
#   cmake --preset windows     (or -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

# The -posix variant by name: the unsuffixed names are alternatives that may
# point to the -win32 variant, which lacks std::thread and friends.
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything linked in: a judge's Windows machine has no MinGW runtime DLLs,
# so each .exe may import only KERNEL32 and msvcrt.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# CTest runs each test program through Wine (see scripts/wine-run.sh).
get_filename_component(_checkers_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${_checkers_root}/scripts/wine-run.sh")
