# Toolchain for the 64-bit Windows test build: the same sources, built with
# Debian's MinGW-w64 x86_64 cross compiler (g++-mingw-w64-x86-64-posix) and
# tested under 64-bit Wine. Machines that cannot run 32-bit x86 programs
# (and so cannot run 32-bit Wine) still test every Windows code path this way:
# the C runtime, the file and text modes and the report bytes are the same as
# in the 32-bit deliverables, which cmake/mingw-i686.cmake builds.
#
#   cmake --preset windows64
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

get_filename_component(_checkers_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${_checkers_root}/scripts/wine-run.sh")
