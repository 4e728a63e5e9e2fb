# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads:
# std::thread and std::mutex need them). Used for Qt itself and for Lexigrille:
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake ...
# Prefixes searched for libraries and packages (Qt for Windows, GoogleTest for
# Windows) are added with CMAKE_PREFIX_PATH or LEXIGRILLE_WINDOWS_PREFIXES.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_mingw}-windres)
set(CMAKE_AR ${_mingw}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${_mingw}-gcc-ranlib-posix CACHE FILEPATH "")

# Headers, libraries and CMake packages come from the MinGW tree and the
# given prefixes only; programs (moc, rcc, uic, python3) from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${_mingw} ${LEXIGRILLE_WINDOWS_PREFIXES})
list(REMOVE_DUPLICATES CMAKE_FIND_ROOT_PATH)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# try_compile projects see the same prefixes.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES LEXIGRILLE_WINDOWS_PREFIXES)
