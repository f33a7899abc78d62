# What both MinGW-w64 toolchains share; the including file sets
# CHECKERS_MINGW_TRIPLET (i686-w64-mingw32 or x86_64-w64-mingw32) and
# CMAKE_SYSTEM_PROCESSOR first.
set(CMAKE_SYSTEM_NAME Windows)

# The -posix variant by name: the unsuffixed names are alternatives that may
# point to the -win32 variant, which lacks std::thread and friends.
set(CMAKE_C_COMPILER ${CHECKERS_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CHECKERS_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${CHECKERS_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${CHECKERS_MINGW_TRIPLET})
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
