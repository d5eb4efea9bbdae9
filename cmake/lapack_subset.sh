#!/usr/bin/env bash
# Builds the static BLAS/LAPACK subset that kiv2.dll links: the routines that
# the library's objects call, and whatever those call in turn, compiled from
# the reference sources with the cross Fortran compiler.
#
#   lapack_subset.sh SRC_DIR OUT_DIR FC NM AR -- FFLAGS... -- OBJECTS...
#
# SRC_DIR is the unpacked reference source tree (BLAS/SRC, SRC, INSTALL).
# Writes OUT_DIR/liblapack_subset.a and OUT_DIR/routines.txt (one routine a
# line).  xerbla is left out on purpose: the DLL supplies its own, which
# reports through the library's error path instead of Fortran I/O.
set -euo pipefail

src=$1 out=$2 fc=$3 nm=$4 ar=$5
shift 5
[ "$1" = -- ] || { echo "lapack_subset.sh: expected -- before the Fortran flags" >&2; exit 2; }
shift
fflags=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do fflags+=("$1"); shift; done
[ $# -gt 0 ] || { echo "lapack_subset.sh: expected -- before the objects" >&2; exit 2; }
shift

# Objects are kept between runs; a routine is compiled again only when its
# source is newer or the compiler or flags changed.
mkdir -p "$out/obj"
stamp="$fc ${fflags[*]}"
if [ "$(cat "$out/flags" 2>/dev/null)" != "$stamp" ]; then
  rm -f "$out"/obj/*.o "$out"/obj/*.mod
  printf '%s\n' "$stamp" > "$out/flags"
fi

# Routine name -> source file; the first directory that has it wins.
declare -A file_of
for dir in BLAS/SRC SRC INSTALL; do
  for f in "$src/$dir"/*.f "$src/$dir"/*.f90 "$src/$dir"/*.F "$src/$dir"/*.F90; do
    [ -e "$f" ] || continue
    base=$(basename "$f"); name=${base%.*}; name=${name,,}
    [ -n "${file_of[$name]:-}" ] || file_of[$name]=$f
  done
done
unset 'file_of[xerbla]'

# Fortran symbols (routine_ with the target's leading underscore) that
# objects need.
needed() {
  "$nm" -u "$@" | sed -n 's/^ *U _\{1,2\}\([a-z0-9]*\)_$/\1/p' | sort -u
}

# The modules the .f90 routines use come first.
for mod in la_constants la_xisnan; do
  [ "$out/obj/$mod.o" -nt "${file_of[$mod]}" ] ||
    "$fc" "${fflags[@]}" -J "$out/obj" -c "${file_of[$mod]}" -o "$out/obj/$mod.o"
done

compile_one() {
  [ "$out/obj/$1.o" -nt "${file_of[$1]}" ] && return 0
  "$fc" "${fflags[@]}" -I "$out/obj" -J "$out/obj" -c "${file_of[$1]}" -o "$out/obj/$1.o"
}

declare -A done_set
todo=$(needed "$@")
while :; do
  round=()
  for name in $todo; do
    [ -z "${done_set[$name]:-}" ] || continue
    [ -n "${file_of[$name]:-}" ] || continue  # not BLAS/LAPACK: left to the linker
    done_set[$name]=1
    round+=("$name")
  done
  [ ${#round[@]} -gt 0 ] || break
  # Two compilers at a time; any failure fails the build.
  pids=()
  for name in "${round[@]}"; do
    compile_one "$name" &
    pids+=($!)
    if [ ${#pids[@]} -ge 2 ]; then wait "${pids[0]}"; pids=("${pids[@]:1}"); fi
  done
  for p in "${pids[@]}"; do wait "$p"; done
  objs=()
  for name in "${round[@]}"; do objs+=("$out/obj/$name.o"); done
  todo=$(needed "${objs[@]}")
done

printf '%s\n' "${!done_set[@]}" | sort > "$out/routines.txt"
members=("$out/obj/la_constants.o" "$out/obj/la_xisnan.o")
while read -r name; do [ -z "$name" ] || members+=("$out/obj/$name.o"); done < "$out/routines.txt"
rm -f "$out/liblapack_subset.a"
"$ar" rcs "$out/liblapack_subset.a" "${members[@]}"
echo "BLAS/LAPACK subset: $(wc -l < "$out/routines.txt") routines"
