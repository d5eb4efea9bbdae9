# 32-bit x86 Linux build on an x86-64 Debian host (g++-multilib and the :i386
# BLAS/LAPACK/GoogleTest packages).  KIV_CALL is stdcall here, as on the
# DLL's platform, so argument sizes and callee-popped arguments are exercised.
# SSE2 arithmetic, as the DLL uses: no x87 excess precision.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT "-m32 -msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-m32 -msse2 -mfpmath=sse")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-m32")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-m32")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-m32")
# Find the i386 multiarch libraries and package configurations, never the
# host's x86-64 ones.
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
set(CMAKE_IGNORE_PREFIX_PATH "")
set(CMAKE_IGNORE_PATH /usr/lib/x86_64-linux-gnu /lib/x86_64-linux-gnu
                      /usr/lib/x86_64-linux-gnu/cmake)
