# Toolchain for the 64-bit Windows test build: the same sources, built with
# Debian's MinGW-w64 x86_64 cross compiler (g++-mingw-w64-x86-64-posix) and
# tested under 64-bit Wine. Machines that cannot run 32-bit x86 programs
# (and so cannot run 32-bit Wine) still test every Windows code path this way:
# the C runtime, the file and text modes and the report bytes are the same as
# in the 32-bit deliverables, which cmake/mingw-i686.cmake builds.
#
#   cmake --preset windows64
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CHECKERS_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
