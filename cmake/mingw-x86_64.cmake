# Cross build of the 64-bit Windows program with MinGW-w64 (posix threads, static runtime).
set(KADRION_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
