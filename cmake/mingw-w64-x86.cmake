# Cross build of the 32-bit Windows plug-in with Debian's mingw-w64, for a
# 32-bit host application (which cannot load a 64-bit DLL).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(_triple i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
