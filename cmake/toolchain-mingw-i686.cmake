# Cross build for 32-bit Windows with Debian's mingw-w64 compilers:
#   cmake -S . -B build-win32-i686 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake
set(KORVO_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
