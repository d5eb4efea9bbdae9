#!/usr/bin/env bash
# Installs the Debian packages a job needs, when they are missing.
#   scripts/deps.sh run|test|fuzz
set -euo pipefail

run_pkgs=(cmake make g++ liblapack-dev libblas-dev)
test_pkgs=("${run_pkgs[@]}" libgtest-dev libgmock-dev libbenchmark-dev libfftw3-dev libeigen3-dev
           libboost-math-dev pkg-config doxygen)
fuzz_pkgs=("${run_pkgs[@]}" clang libclang-rt-14-dev)

case "${1:-}" in
  run) wanted=("${run_pkgs[@]}") ;;
  test) wanted=("${test_pkgs[@]}") ;;
  fuzz) wanted=("${fuzz_pkgs[@]}") ;;
  *) echo "usage: $0 run|test|fuzz" >&2; exit 2 ;;
esac

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing Debian packages: ${missing[*]}" >&2
  echo "Install them as root: apt-get install ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
