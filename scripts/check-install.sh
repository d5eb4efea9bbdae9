#!/usr/bin/env bash
# The install-and-consume check: installs a build into a temporary prefix,
# builds the installed examples against the package twice (find_package and
# pkg-config), runs them and checks their output.
#   scripts/check-install.sh [build-dir]     (default build/normal, built already)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/normal}
matrices=$PWD/../shared/data/matrices
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in include/kiv2.h bin/kivhost; do
  [ -e "$prefix/$f" ] || { echo "check-install: $f not installed" >&2; exit 1; }
done
lib=$(dirname "$(find "$prefix" -name 'libkiv2.so.*.*' | head -n 1)")
soname=$(objdump -p "$lib"/libkiv2.so | awk '/SONAME/ {print $2}')
[[ $soname == libkiv2.so.* ]] || { echo "check-install: libkiv2.so has no SONAME" >&2; exit 1; }
echo "installed into $prefix (SONAME $soname)"

# Each example's output must contain these lines.
check() {  # label program args...
  local label=$1 out
  shift
  out=$("$@") || {
    echo "$out" >&2
    echo "check-install: $label $(basename "$1") failed" >&2
    exit 1
  }
  echo "$out" | sed "s/^/  [$label] /"
  case $(basename "$1") in
    sparse_solve)
      grep -q '^RGMRES with Jacobi: IFAIL = 0 after' <<<"$out"
      awk '/^max \|b - Ax\|/ { found = 1; if ($9 + 0 > 1e-8) exit 1 } END { exit !found }' <<<"$out" ;;
    real_fft)
      grep -q '^forward transform, IFAIL = 0' <<<"$out"
      grep -q '^backward transform, IFAIL = 0' <<<"$out" ;;
    quartic)
      grep -q '^C02ALF: IFAIL = 0' <<<"$out"
      grep -q '^every error within its estimate: yes' <<<"$out" ;;
  esac || { echo "check-install: $label $(basename "$1") printed an unexpected result" >&2; exit 1; }
}
run_all() {  # label dir
  check "$1" "$2/sparse_solve" "$matrices/sherman1.mtx" "$matrices/sherman1_rhs1.mtx"
  check "$1" "$2/sparse_solve" "$matrices/bcsstk01.mtx"
  check "$1" "$2/real_fft"
  check "$1" "$2/quartic"
}

echo "== examples through find_package(kiv2)"
cmake -S "$prefix/share/kiv2/examples" -B "$work/cmake" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/cmake" >/dev/null
run_all find_package "$work/cmake"

echo "== examples through pkg-config"
mkdir -p "$work/pc"
export PKG_CONFIG_PATH=$lib/pkgconfig
for ex in sparse_solve real_fft quartic; do
  # shellcheck disable=SC2046
  cc -std=c99 -pedantic -Wall -Wextra -Werror $(pkg-config --cflags kiv2) \
    "$prefix/share/kiv2/examples/$ex.c" -o "$work/pc/$ex" \
    $(pkg-config --libs kiv2) -lm -Wl,-rpath,"$(pkg-config --variable=libdir kiv2)"
done
run_all pkg-config "$work/pc"

echo "== installed kivhost"
"$prefix/bin/kivhost" info >/dev/null
"$prefix/bin/kivhost" solve "$matrices/sherman1.mtx" "$matrices/sherman1_rhs1.mtx" >/dev/null
echo "install-and-consume check passed"
