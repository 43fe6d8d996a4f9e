# The Windows test programs: the -posix compilers, whose standard threading headers
# GoogleTest needs. Mendwright.exe itself is never linked with these (see the product
# build in the top CMakeLists.txt). They are 32-bit like the program wherever this
# machine's Wine runs 32-bit programs; where it cannot (tests/harness/wine-select.sh)
# they, and a twin of the program, are built for x86-64 from the same sources.
execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../tests/harness/wine-arch.sh
                OUTPUT_VARIABLE MENDWRIGHT_WINE_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
if(MENDWRIGHT_WINE_ARCH STREQUAL "win64")
    set(CMAKE_SYSTEM_PROCESSOR x86_64)
    set(MINGW_PREFIX x86_64-w64-mingw32)
    set(CMAKE_RC_COMPILER ${MINGW_PREFIX}-windres)
    set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_PREFIX})
endif()
set(CMAKE_C_COMPILER ${MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_PREFIX}-g++-posix)
