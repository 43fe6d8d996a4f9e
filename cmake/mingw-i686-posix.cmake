# The Windows test programs: as mingw-i686.cmake, but with the -posix compilers,
# whose standard threading headers GoogleTest needs. Mendwright.exe itself is
# never linked with these (see the product build in the top CMakeLists.txt).
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
set(CMAKE_C_COMPILER ${MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_PREFIX}-g++-posix)
