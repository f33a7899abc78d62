# Toolchain for the 32-bit Windows build: Debian's MinGW-w64 cross compiler
# (package g++-mingw-w64-i686-posix), static executables, tests under Wine.
#
#   cmake --preset windows     (or -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(CHECKERS_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
