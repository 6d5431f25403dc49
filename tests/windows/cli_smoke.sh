#!/usr/bin/env bash
# The Windows CLI under an emulator (Wine): a new data set, .dat -> .json -> .dat unchanged,
# info, diff of equal and of different files, and print's refusal without Qt.
# Usage: cli_smoke.sh EMULATOR CLI.exe
set -euo pipefail
emu=$1
cli=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
run() { "$emu" "$cli" "$@"; }
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

run new --series mv710 -o a.dat || fail "new"
run convert a.dat -o a.json || fail "convert to .json"
run convert a.json -o b.dat || fail "convert back to .dat"
cmp a.dat b.dat || fail ".dat -> .json -> .dat changed the file"
run info a.dat | grep -qi "mv710" || fail "info does not name the series"
run diff a.dat a.json || fail "diff of equal data sets"
run new --series mv510 -o c.dat
set +e
run diff a.dat c.dat >/dev/null
[ $? -eq 1 ] || fail "diff of different data sets does not exit 1"
run print a.dat -o a.pdf 2>err.txt
[ $? -eq 2 ] || fail "print without Qt does not exit 2"
grep -q "Printing to PDF needs the Qt build" err.txt || fail "print does not say why"
echo "CLI smoke run passed"
