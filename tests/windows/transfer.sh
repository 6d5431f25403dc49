#!/usr/bin/env bash
# The Windows CLI under Wine reads and programs (with the read-back) the Linux simulated radio,
# whose pseudo-terminal is the Wine prefix's COM5.
# Usage: transfer.sh EMULATOR CLI.exe LINUX-CLI   (WINEPREFIX: a throw-away prefix)
# Exits 77 (skipped) without a throw-away prefix or the Linux CLI.
set -uo pipefail
emu=$1
cli=$2
host=$3
if [ -z "${WINEPREFIX:-}" ] || [ ! -d "$WINEPREFIX/dosdevices" ]; then
  echo "skipped: WINEPREFIX does not name a prepared throw-away Wine prefix"
  exit 77
fi
if [ ! -x "$host" ]; then
  echo "skipped: no Linux CLI at $host to play the radio"
  exit 77
fi
dir=$(mktemp -d)
sim=
cleanup() {
  [ -n "$sim" ] && kill "$sim" 2>/dev/null && wait "$sim" 2>/dev/null
  rm -f "$WINEPREFIX/dosdevices/com5"
  rm -rf "$dir"
}
trap cleanup EXIT
cd "$dir"
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

"$host" simulate --series mv710 --pacing none >sim.out 2>&1 &
sim=$!
for _ in $(seq 50); do
  grep -q '^port: ' sim.out && break
  sleep 0.1
done
pty=$(sed -n 's/^port: //p' sim.out)
[ -n "$pty" ] || fail "the simulated radio did not start: $(cat sim.out)"
ln -sfn "$pty" "$WINEPREFIX/dosdevices/com5"

timeout 120 "$emu" "$cli" read --port COM5 --no-backup -o read.dat || fail "read over COM5"
grep -q "^\[" read.dat || fail "the read wrote no data file"
timeout 180 "$emu" "$cli" program --port 5 --no-backup --verify read.dat 2>err.txt ||
  fail "program over COM5: $(cat err.txt)"
grep -q "(verified)" err.txt || fail "program did not read back: $(cat err.txt)"
echo "Transfer under Wine passed"
