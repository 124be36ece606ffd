#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The shipped program converts a puzzle with no display at all:
#     convert-without-display.sh PROGRAM PUZZLE.puz
# no X or Wayland display and no Qt platform named, as on a server. A
# program that made its windows here would fail for want of a display.
set -euo pipefail
program=$1
puzzle=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }

run --help >"$work/help" || fail "--help ended with status $?"
grep -q -- '--convert IN OUT' "$work/help" || fail "--help does not list --convert"

run --convert "$puzzle" "$work/out.ipuz" 2>"$work/err" || fail "to .ipuz: status $? $(cat "$work/err")"
[ ! -s "$work/err" ] || fail "to .ipuz said: $(cat "$work/err")"
head -c 1 "$work/out.ipuz" | grep -q '{' || fail "out.ipuz is no JSON"

run --convert "$work/out.ipuz" "$work/out.puz" 2>"$work/err" || fail "to .puz: status $? $(cat "$work/err")"
[ "$(dd if="$work/out.puz" bs=1 skip=2 count=11 2>/dev/null)" = "ACROSS&DOWN" ] || fail "out.puz has no puzzle header"

printf 'nothing' >"$work/bad.ipuz"
status=0
run --convert "$work/bad.ipuz" "$work/never.puz" 2>"$work/err" || status=$?
[ "$status" = 1 ] || fail "a bad puzzle ended with status $status"
grep -q "bad.ipuz: invalid puzzle file" "$work/err" || fail "a bad puzzle said: $(cat "$work/err")"
[ ! -e "$work/never.puz" ] || fail "a bad puzzle left a file"
echo "converted without a display"
