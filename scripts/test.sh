#!/usr/bin/env bash
# Sets everything up, builds the 64-bit tests and runs the whole suite under Wine + Xvfb.
# Extra arguments go to ctest (for example -L fast, -L stress, -R Login).
set -euo pipefail
source "$(dirname "$0")/env.sh"
"$TINTORA_ROOT/scripts/setup.sh"

cd "$TINTORA_ROOT"
cmake --preset win64 -DTINTORA_WERROR=ON >/dev/null
cmake --build --preset win64
# The shipping build must compile and link cleanly too; the release checks test what it packs.
"$TINTORA_ROOT/scripts/release.sh"

# One display, one persistent wineserver for the whole run (a process start then costs
# about 0.2 s instead of 2 s); nothing outlives the run.
xvfb-run -a -s "$TINTORA_XVFB_ARGS" bash -c '
  "$WINESERVER" -p 60
  # Wine'"'"'s desktop process (explorer) ends soon after the last process on the display, and
  # the next test process to make a window has to start it again and wait for it: a test
  # process that waits too long, or meets the old one on its way out, cannot make a window at
  # all. One idle process through the whole run keeps the desktop up; the server'"'"'s end takes
  # it down.
  "$WINE64" cmd /c "ping -n 86400 127.0.0.1 >nul" </dev/null >/dev/null 2>&1 &
  # Wine'"'"'s helper processes (explorer, services) must be started by then with their output
  # away from ctest'"'"'s pipes: one started by a test process holds ctest'"'"'s pipe open, and
  # ctest waits for it to close. Let the idle process start them, then make sure they run.
  sleep 3
  "$WINE64" cmd /c exit </dev/null >/dev/null 2>&1
  ctest --preset win64 "$@" 2>&1 | tee build/win64/ctest.log
  rc=${PIPESTATUS[0]}
  "$WINESERVER" -k >/dev/null 2>&1 || true
  # CTest'"'"'s summary line ends the output.
  grep -E "^[0-9]+% tests passed" build/win64/ctest.log | tail -n 1
  exit $rc
' bash "$@"
