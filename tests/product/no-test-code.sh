#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The programs that ship hold no test code:
#     no-test-code.sh NM TEST_LIBRARY PROGRAM...
# fails when a program holds a symbol of namespace Testing, or one that the
# platform's test library defines, and names them.
set -euo pipefail
nm=$1
library=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Demangled names of the defined symbols of the given kinds (nm's letters).
names() { "$nm" --demangle --defined-only "$2" | awk -v kinds="$1" '
  $2 ~ ("^[" kinds "]$") { sub(/^[0-9a-fA-F]* *[A-Za-z] /, ""); print }' | sort -u; }

# What the library defines for others to link: code, data and constants.
# Inline and template code (weak) may rightly sit in both.
names TDBR "$library" >"$work/library"
count=$(wc -l <"$work/library")
# A check against next to nothing proves nothing.
[ "$count" -ge 50 ] || fail "$library defines only $count symbols: not the test library"

status=0
for program in "$@"; do
  name=$(basename "$program")
  names A-Za-z "$program" >"$work/program"
  grep -qx main "$work/program" || fail "$name defines no main: not a program, or stripped"
  comm -12 "$work/program" "$work/library" >"$work/shared"
  grep -E '(^|[^[:alnum:]_])Testing::' "$work/program" >"$work/testing" || true
  nShared=$(wc -l <"$work/shared")
  nTesting=$(wc -l <"$work/testing")
  echo "$name: $nShared of the test library's $count symbols, $nTesting in namespace Testing"
  if [ "$nShared" -gt 0 ] || [ "$nTesting" -gt 0 ]; then
    sort -u "$work/shared" "$work/testing" >"$work/found"
    head -20 "$work/found" | sed 's/^/    /' >&2
    status=1
  fi
done
[ "$status" -eq 0 ] || fail "test code is linked into the programs above"
