# The cross build for Windows with Debian's mingw-w64, for the target that
# MATCALC_MINGW_TRIPLE names and MATCALC_MINGW_PROCESSOR describes (set by
# the toolchain file that includes this one).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MATCALC_MINGW_PROCESSOR})
set(CMAKE_C_COMPILER ${MATCALC_MINGW_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${MATCALC_MINGW_TRIPLE}-g++)
set(CMAKE_RC_COMPILER ${MATCALC_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MATCALC_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Statically linked: the programs import only DLLs that every Windows has.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
