#!/usr/bin/env bash
# Builds libkiv2 and runs kivhost's tour.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DKIV2_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target kivhost >/dev/null
exec build/release/kivhost
