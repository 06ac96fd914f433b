# Cross build for 64-bit Windows with Debian's MinGW-w64 (win32 thread model).
# Programs are linked statically, so no MinGW DLL has to travel with them. ctest runs them
# on the build machine through Wine (see cmake/WineTests.cmake).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELORIN_MINGW_PREFIX x86_64-w64-mingw32)
# The posix thread model: GoogleTest needs std::mutex, which the win32 model of GCC 12 lacks.
# Its winpthread library is linked statically like the rest.
set(CMAKE_C_COMPILER ${VELORIN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELORIN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VELORIN_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VELORIN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No link time in the PE header, so that the same sources give the same programs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp")

# Every cross-compiled program that ctest starts goes through the Wine wrapper, which takes
# the Wine session (prefix and X display) that the wine_session test fixture prepares in
# the build tree.
get_filename_component(VELORIN_WINE_RUN "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh" ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${VELORIN_WINE_RUN};${CMAKE_BINARY_DIR}/wine-session")
