#!/usr/bin/env bash
# Checks kiv2.dll's tables as a host's loader sees them.
#
#   check_dll.sh exports OBJDUMP kiv2.dll export_names.txt
#     the export table holds exactly the names of the export table's rows
#     (export_names.txt, made from it by the preprocessor), in ascending
#     order of name, with ordinals 1..n in that order;
#   check_dll.sh imports OBJDUMP kiv2.dll
#     the DLL imports from tarlec.dll, KERNEL32.dll and msvcrt.dll only, from
#     tarlec.dll only OldTarlePrintf, and DisableThreadLibraryCalls.
set -euo pipefail
export LC_ALL=C

mode=$1 objdump=$2 dll=$3
dump=$(mktemp)
trap 'rm -f "$dump"' EXIT
"$objdump" -p "$dll" > "$dump"
fail() { echo "FAIL: $dll: $*" >&2; exit 1; }

case "$mode" in
exports)
  names=$4
  expected=$(grep -v '^[[:space:]]*$' "$names" | sort)
  n=$(printf '%s\n' "$expected" | wc -l)
  dups=$(printf '%s\n' "$expected" | uniq -d)
  [ -z "$dups" ] || fail "names appearing twice in the export table: $dups"

  base=$(awk -F'\t+' '/^Ordinal Base/ {print $2; exit}' "$dump")
  [ "$base" = 1 ] || fail "ordinal base is '$base', not 1"
  eat=$(awk '/^\tExport Address Table/ {print $NF; exit}' "$dump")
  npt=$(awk '/^\t\[Name Pointer\/Ordinal\] Table/ {print $NF; exit}' "$dump")
  [ $((16#$eat)) -eq "$n" ] || fail "$((16#$eat)) entries in the export address table, $n expected"
  [ $((16#$npt)) -eq "$n" ] || fail "$((16#$npt)) names in the name table, $n expected"

  # "[   i] name": the i-th name (in the name table's order) has ordinal
  # base + i, so i counting 0, 1, 2, ... means ordinals 1..n in name order.
  rows=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' "$dump" |
         sed -n 's/^\t\[ *\([0-9]*\)\] \(.*\)$/\1 \2/p')
  actual=$(printf '%s\n' "$rows" | awk '{print $2}')
  if [ "$actual" != "$expected" ]; then
    diff <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") |
      sed 's/^</missing or out of order:/; s/^>/unexpected or out of order:/' >&2 || true
    fail "the export names differ from the export table's (sorted) names"
  fi
  printf '%s\n' "$rows" | awk '$1 != NR - 1 {bad = 1; print "  " $2 " has ordinal " $1 + 1 ", not " NR > "/dev/stderr"}
                               END {exit bad}' || fail "ordinals not 1..n in ascending order of name"
  echo "PASS: $n exports, exactly the export table's names, ascending, ordinals 1..$n"
  ;;
imports)
  dlls=$(sed -n 's/^\tDLL Name: //p' "$dump" | sort | tr '\n' ' ')
  [ "$dlls" = "KERNEL32.dll msvcrt.dll tarlec.dll " ] ||
    fail "imports from: ${dlls}(expected exactly KERNEL32.dll msvcrt.dll tarlec.dll)"
  members() {
    sed -n "/^\tDLL Name: $1\$/,/^\$/p" "$dump" | awk 'NR > 2 && NF >= 3 {print $3}'
  }
  tarlec=$(members tarlec.dll | tr '\n' ' ')
  [ "$tarlec" = "OldTarlePrintf " ] || fail "imports from tarlec.dll: ${tarlec}(expected OldTarlePrintf)"
  members KERNEL32.dll | grep -qx DisableThreadLibraryCalls ||
    fail "does not import DisableThreadLibraryCalls from KERNEL32.dll"
  echo "PASS: imports exactly KERNEL32.dll msvcrt.dll tarlec.dll (OldTarlePrintf)"
  ;;
*)
  echo "usage: $0 exports|imports OBJDUMP DLL [NAMES]" >&2
  exit 2
  ;;
esac
