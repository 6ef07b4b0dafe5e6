# What both Windows toolchain files share; they set KORVO_MINGW_ARCH first.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${KORVO_MINGW_ARCH})

set(KORVO_MINGW_PREFIX ${KORVO_MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${KORVO_MINGW_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${KORVO_MINGW_PREFIX}-g++)
set(CMAKE_RC_COMPILER ${KORVO_MINGW_PREFIX}-windres)

# Headers and libraries come from the cross sysroot only; programs (the
# build's own tools) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${KORVO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs carry their C and C++ runtimes: nothing beyond the system's
# own DLLs is needed next to the .exe files.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
