# kiv2.dll: 32-bit Windows, cross-built with mingw-w64 (Debian's
# g++-mingw-w64-i686-win32 and gfortran-mingw-w64-i686-win32).
# SSE2 arithmetic, no x87 excess precision.  Callers (hosts built with other
# compilers) may enter with a stack aligned to 4 bytes only, so functions that
# need more realign it themselves.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KIV2_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${KIV2_MINGW_TRIPLET}-gcc-win32)
set(CMAKE_CXX_COMPILER ${KIV2_MINGW_TRIPLET}-g++-win32)
set(CMAKE_Fortran_COMPILER ${KIV2_MINGW_TRIPLET}-gfortran-win32)
set(CMAKE_RC_COMPILER ${KIV2_MINGW_TRIPLET}-windres)
set(KIV2_OBJDUMP ${KIV2_MINGW_TRIPLET}-objdump)

set(kiv2_arch_flags "-msse2 -mfpmath=sse -mincoming-stack-boundary=2")
set(CMAKE_C_FLAGS_INIT "${kiv2_arch_flags}")
set(CMAKE_CXX_FLAGS_INIT "${kiv2_arch_flags}")
set(CMAKE_Fortran_FLAGS_INIT "${kiv2_arch_flags}")
# The C and C++ runtimes' support libraries go into each module, so that
# kiv2.dll imports only tarlec.dll, KERNEL32.dll and msvcrt.dll.
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

set(CMAKE_FIND_ROOT_PATH /usr/${KIV2_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
