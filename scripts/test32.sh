#!/usr/bin/env bash
# The 32-bit x86 Linux build (g++ -m32, SSE2) with the whole unit test suite.
# KIV_CALL is stdcall there, so argument sizes, callee-popped arguments and a
# 32-bit long are exercised as on the DLL's platform.  Where the kernel cannot
# run 32-bit programs, the tests run under qemu-i386 user-mode emulation.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps32.sh linux32
jobs=$(nproc)
build=build/linux32

emulator=(-UCMAKE_CROSSCOMPILING_EMULATOR)
case "$(scripts/i386-exec.sh)" in
  none)
    scripts/deps32.sh emulator
    qemu=$(command -v qemu-i386)
    echo "!! This kernel cannot run 32-bit x86 programs: the 32-bit tests run under $qemu."
    emulator=(-DCMAKE_CROSSCOMPILING_EMULATOR="$qemu")
    ;;
  emulated) echo "!! 32-bit x86 programs run here under qemu-i386 (binfmt_misc)." ;;
esac

echo "== 32-bit x86 Linux build (stdcall active)"
cmake -S . -B "$build" --no-warn-unused-cli -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/linux-i386.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo "${emulator[@]}" >/dev/null
cmake --build "$build" -j"$jobs"
ctest --test-dir "$build" -j"$jobs" --output-on-failure --timeout 1200
