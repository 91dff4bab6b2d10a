# Cross-compiles Vantorix for 64-bit Windows with Debian's MinGW-w64
# (package g++-mingw-w64-x86-64-posix). The -posix compilers are the ones
# whose libstdc++ has std::thread, std::mutex and std::condition_variable.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_VERSION 10.0)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_vrx_triple x86_64-w64-mingw32)

set(CMAKE_C_COMPILER   ${_vrx_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_vrx_triple}-g++-posix)
set(CMAKE_RC_COMPILER  ${_vrx_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_vrx_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: without these it would need libstdc++-6.dll,
# libgcc_s_seh-1.dll and libwinpthread-1.dll next to it, on Windows and
# under Wine alike.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests and `try_run` go through Wine. The presets pass the same runner; this
# default is for a plain `cmake -DCMAKE_TOOLCHAIN_FILE=...`.
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh")
endif()
