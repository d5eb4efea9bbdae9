#!/usr/bin/env bash
# Builds and runs every test twice: a normal build (benchmarks compiled too,
# then installed into a temporary prefix for the examples to build against)
# and an AddressSanitizer + UndefinedBehaviorSanitizer build; then each fuzz
# target for a bounded time from its corpus, the whole suite again in the
# 32-bit x86 Linux build (stdcall active), and kiv2.dll with its
# export/import checks and the wine smoke run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
jobs=$(nproc)

echo "== normal build"
cmake -S . -B build/normal -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIV2_BENCH=ON >/dev/null
cmake --build build/normal -j"$jobs"
ctest --test-dir build/normal -j"$jobs" --output-on-failure --timeout 600

echo "== install and consume: the examples against the installed package"
scripts/check-install.sh build/normal

echo "== reference manual: every export and argument documented"
scripts/check-docs.sh build/normal

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build"
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DKIV2_SANITIZE=ON >/dev/null
cmake --build build/sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/sanitize -j"$jobs" --output-on-failure --timeout 1200

echo "== fuzz targets (clang, libFuzzer)"
scripts/fuzz.sh

scripts/test32.sh

echo "== kiv2.dll"
scripts/build-dll.sh
