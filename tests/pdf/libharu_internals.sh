#!/bin/sh
# libharu's private structures are used by src/pdf/libharu_internals.cpp alone, and the build
# takes only the libharu they were verified against, 2.3.x, saying so clearly for any other
# version, or none.
root=$1
cmake=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
status=0

# Its private headers, the members of its structures and the calls that need them.
# (A member named error is common outside libharu; its use there goes through HPDF_CheckError.)
private='hpdf_[a-z0-9_]*\.h|->(attr|mmgr|stream|xref|filter)\b|HPDF_(Dict|Array|Stream|String)_|HPDF_DictStream_New|HPDF_RaiseError|HPDF_CheckError|HPDF_Page_GetXObjectName'
users=$(grep -rlE "$private" "$root/src" "$root/tests" "$root/fuzz" "$root/bench" | grep -v '/src/pdf/libharu_internals\.cpp$' |
        grep -v '/tests/pdf/libharu_internals\.sh$')
[ -z "$users" ] || { echo "libharu's internals used outside src/pdf/libharu_internals.cpp:"; echo "$users"; status=1; }
check() {  # version text ("" for no version header), expected outcome
  rm -f "$dir/hpdf_version.h"
  [ -n "$1" ] && printf '#define HPDF_MAJOR_VERSION 2\n#define HPDF_VERSION_TEXT "%s"\n' "$1" >"$dir/hpdf_version.h"
  if "$cmake" -DHPDF_INCLUDE_DIR="$dir" -P "$root/cmake/libharu_version.cmake" >"$dir/out" 2>&1; then
    outcome=accepted
  elif grep -q "Corvane needs libharu 2.3.x, but found libharu ${3:-$1}" "$dir/out"; then
    outcome=refused
  else
    outcome="refused without the message: $(cat "$dir/out")"
  fi
  [ "$outcome" = "$2" ] || { echo "libharu '$1': $outcome, expected $2"; status=1; }
}
check 2.3.0 accepted
check 2.3.1 accepted
check 2.4.0 refused
check 2.2.1 refused
check 12.3.0 refused
check "" refused "of no known version"
exit $status
