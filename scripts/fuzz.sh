#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/fuzz_*.cpp; clang with AddressSanitizer
# and UndefinedBehaviorSanitizer) in build/fuzz and runs each from its
# committed corpus fuzz/corpus/<target>, with a limit of 2 s per input, for
# FUZZ_SECONDS each when set, else for an equal share of FUZZ_BUDGET seconds
# (default 240, so that the whole step stays within about 5 minutes however
# many targets there are), at most 20 s and at least 5 s each.  A crash, a sanitizer report, a timeout or
# running out of memory fails the script; the input that did it is left in
# build/fuzz/artifacts.  New inputs go to build/fuzz/found, never into the
# committed corpus.  fuzz/pending holds reproducers of faults not yet
# mended; they are not run.
#   scripts/fuzz.sh [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh fuzz

CC=clang CXX=clang++ cmake -S . -B build/fuzz -DKIV2_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  >/dev/null
cmake --build build/fuzz -j"$(nproc)" --target fuzz_all

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/fuzz_*.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

if [ -n "${FUZZ_SECONDS:-}" ]; then
  seconds=$FUZZ_SECONDS
else
  seconds=$(( ${FUZZ_BUDGET:-240} / ${#targets[@]} ))
  [ "$seconds" -gt 20 ] && seconds=20
  [ "$seconds" -lt 5 ] && seconds=5
fi
echo "Fuzzing ${#targets[@]} target(s) for ${seconds} s each"

mkdir -p build/fuzz/artifacts
failed=()
for t in "${targets[@]}"; do
  found=build/fuzz/found/$t
  log=build/fuzz/$t.log
  mkdir -p "$found" "fuzz/corpus/$t"
  # The routines print message lines on stdout; libFuzzer reports on stderr.
  if build/fuzz/fuzz/"$t" -max_total_time="$seconds" -timeout=2 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix=build/fuzz/artifacts/"$t"- \
       "$found" "fuzz/corpus/$t" >"$log" 2>&1; then
    echo "$t: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') runs, no findings"
  else
    echo "$t: FAILED (log: $log)"
    grep -E 'ERROR|runtime error|SUMMARY|Test unit written' "$log" | head -8 || true
    failed+=("$t")
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "Fuzz targets with findings: ${failed[*]}" >&2
  exit 1
fi
