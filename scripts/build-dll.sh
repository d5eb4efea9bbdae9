#!/usr/bin/env bash
# Builds kiv2.dll (32-bit Windows) with mingw-w64, then checks it: its export
# table against the library's export table, its imports, and a smoke run of a
# Windows host under wine (skipped, loudly, where wine cannot run).
#
#   scripts/build-dll.sh [--no-check]
# Output in build/dll: kiv2.dll, tarlec.dll (stand-in), kiv2_smoke.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps32.sh dll
jobs=$(nproc)
build=build/dll

# The reference BLAS/LAPACK sources, from Debian's source package, unpacked
# once under build/ (never part of the repository).
src_root=build/lapack-source
if ! ls -d "$src_root"/lapack-*/SRC >/dev/null 2>&1; then
  rm -rf "$src_root"
  mkdir -p "$src_root"
  (cd "$src_root" && apt-get source -qq lapack 2>&1 | grep -v '^W: Download is performed unsandboxed' || true)
fi
lapack_src=$(ls -d "$PWD/$src_root"/lapack-*/ | head -n1)
[ -f "$lapack_src/SRC/dgetrf.f" ] || { echo "build-dll.sh: no LAPACK sources in $src_root" >&2; exit 1; }

echo "== kiv2.dll (mingw-w64 i686)"
cmake -S . -B "$build" --no-warn-unused-cli -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DKIV2_TESTS=OFF -DKIV2_LAPACK_SOURCE="${lapack_src%/}" >/dev/null
cmake --build "$build" -j"$jobs"

[ "${1:-}" = --no-check ] && exit 0
# wine32 is a 32-bit x86 Linux program: it is installed and run where the
# kernel runs such programs itself.  Under user-mode emulation it takes tens
# of minutes to start, so it is tried there only when KIV2_WINE_EMULATED=1.
# Wherever the smoke run cannot happen, it says why.
i386=$(scripts/i386-exec.sh)
if [ "$i386" = native ] || { [ "$i386" = emulated ] && [ "${KIV2_WINE_EMULATED:-0}" = 1 ]; }; then
  scripts/deps32.sh wine || echo "!! wine could not be installed"
  export KIV2_WINE_OK=1
elif [ "$i386" = emulated ]; then
  export KIV2_WINE_OK="32-bit x86 programs run here only under qemu-i386 emulation, where wine takes tens of minutes to start (KIV2_WINE_EMULATED=1 tries it)"
else
  export KIV2_WINE_OK="this kernel cannot run 32-bit x86 programs, and wine32 is one"
fi
status=0
ctest --test-dir "$build" --output-on-failure || status=$?
if [ -f "$build/wine-skip-reason.txt" ]; then
  echo "!!"
  echo "!! kiv2.dll was built and checked, but NOT RUN under wine:"
  echo "!!   $(sed 's/^!! WINE SMOKE RUN SKIPPED: //' "$build/wine-skip-reason.txt")"
  echo "!!"
fi
exit $status
