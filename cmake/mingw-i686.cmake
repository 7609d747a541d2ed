# Cross build for 32-bit Windows with Debian's mingw-w64 (i686-w64-mingw32).
set(MATCALC_MINGW_TRIPLE i686-w64-mingw32)
set(MATCALC_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
