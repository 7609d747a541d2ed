# Cross build for 64-bit Windows with Debian's mingw-w64 (x86_64-w64-mingw32):
# the same programs for the window tests on a machine whose kernel runs no
# 32-bit code, where only 64-bit Wine works. The release is the 32-bit build.
set(MATCALC_MINGW_TRIPLE x86_64-w64-mingw32)
set(MATCALC_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
