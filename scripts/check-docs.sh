#!/usr/bin/env bash
# The documentation check: builds the reference manual (the docs target fails
# on any doxygen warning: an undocumented declaration, parameter or result),
# then checks that every row of the export table has a documented
# declaration in include/kiv2.h and that every routine with IFAIL lists its
# error numbers under "@par IFAIL".
#   scripts/check-docs.sh [build-dir]     (default build/normal, configured already)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/normal}
cmake --build "$build" --target docs
xml=$build/docs/xml/kiv2_8h.xml
[ -f "$xml" ] || { echo "check-docs: $xml was not made" >&2; exit 1; }

# Documented functions, from doxygen's XML (undocumented ones are not there).
documented=$(awk '/<memberdef kind="function"/ { f = 1 }
                  f && /<name>/ { sub(/.*<name>/, ""); sub(/<\/name>.*/, ""); print; f = 0 }' "$xml" | sort -u)
exported=$(printf '#define KIV_EXPORT(id, k, function, kind) function\n#include "frame/all_exports.inc"\n' |
           cc -E -P -I. -x c - | tr -s ' \t' '\n\n' | grep -v '^$' | sort -u)
missing=$(comm -23 <(echo "$exported") <(echo "$documented"))
if [ -n "$missing" ]; then
  echo "check-docs: exports without a documented declaration in include/kiv2.h:" $missing >&2
  exit 1
fi

# Routines with an IFAIL argument need their "@par IFAIL" list.
no_list=$(awk '/<memberdef kind="function"/ { f = 1; name = ""; ifail = 0; list = 0 }
               f && /<name>/ && name == "" { name = $0; sub(/.*<name>/, "", name); sub(/<\/name>.*/, "", name) }
               f && /<declname>ifail<\/declname>/ { ifail = 1 }
               f && /<title>IFAIL<\/title>/ { list = 1 }
               f && /<\/memberdef>/ { if (ifail && !list) print name; f = 0 }' "$xml")
if [ -n "$no_list" ]; then
  echo "check-docs: routines with IFAIL but no \"@par IFAIL\" list:" $no_list >&2
  exit 1
fi
echo "check-docs: $(echo "$exported" | wc -l) exported functions, all documented"
