# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 compilers.
# The posix-threads variant: Qt's threads and std::async need it.
#
# Used for Qt itself and for the program. For the program, pass the folder
# Qt for Windows was installed into as ARDENTIS_QT_PREFIX, so that finding
# packages, which looks only inside the target's roots, finds it there.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ARDENTIS_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ARDENTIS_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ARDENTIS_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ARDENTIS_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ARDENTIS_MINGW_TRIPLET})
# try_compile projects read this file again without the command line's values.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ARDENTIS_QT_PREFIX)
if(ARDENTIS_QT_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH ${ARDENTIS_QT_PREFIX})
endif()

# Programs run on this machine; headers, libraries and packages are Windows ones.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
