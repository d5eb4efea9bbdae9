#!/usr/bin/env bash
# Runs the Windows smoke host under wine, beside kiv2.dll and tarlec.dll.
#   run_smoke.sh path/to/kiv2_smoke.exe
# Where wine cannot run, says why loudly, leaves the reason in
# wine-skip-reason.txt beside the host (for scripts/build-dll.sh to repeat)
# and exits 77, which ctest reports as skipped.
set -uo pipefail
exe=$1
dir=$(cd "$(dirname "$exe")" && pwd)
reason_file=$dir/wine-skip-reason.txt
rm -f "$reason_file"
skip() {
  echo "!! WINE SMOKE RUN SKIPPED: $*" | tee "$reason_file" >&2
  exit 77
}

# scripts/build-dll.sh tells whether wine can run here (KIV2_WINE_OK=1) or why not.
[ "${KIV2_WINE_OK:-1}" = 1 ] || skip "$KIV2_WINE_OK"
command -v wine >/dev/null || skip "wine is not installed (scripts/deps32.sh wine installs it)"
[ -x /usr/lib/wine/wine ] || skip "wine32:i386 is not installed (scripts/deps32.sh wine installs it)"
# wine32 is itself a 32-bit x86 Linux program.
/usr/lib/wine/wine --version >/dev/null 2>&1 ||
  skip "this kernel cannot run 32-bit x86 programs, and wine32 is one"

# A prefix of our own, kept between runs: setting one up takes long.
export WINEPREFIX=${KIV2_WINEPREFIX:-$HOME/.cache/kiv2-wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/.kiv2-ready" ]; then
  mkdir -p "$WINEPREFIX"
  timeout 1200 wine wineboot --init >/dev/null 2>&1 ||
    skip "wine could not set up its prefix $WINEPREFIX"
  wineserver -w
  touch "$WINEPREFIX/.kiv2-ready"
fi

cd "$dir"
timeout 1200 wine "$exe"
status=$?
wineserver -w
exit $status
