# Cross build of the 32-bit Windows program with MinGW-w64 (posix threads, static runtime).
set(KADRION_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
