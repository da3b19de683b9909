#!/usr/bin/env bash
# Sets everything up, builds the 64-bit program and starts it under wine64 on the current
# display. Without a display it starts it under Xvfb, waits for the login dialog, saves a
# screenshot under the build folder, says where, and exits.
set -euo pipefail
source "$(dirname "$0")/env.sh"
"$TINTORA_ROOT/scripts/setup.sh"

cd "$TINTORA_ROOT"
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Tintora
exe="$TINTORA_ROOT/build/win64/app/Tintora.exe"

if [ -n "${DISPLAY:-}" ]; then
  exec "$WINE64" "$exe"
fi

shot="$TINTORA_ROOT/build/win64/login-dialog.png"
xvfb-run -a -s "$TINTORA_XVFB_ARGS" bash -c '
  exe=$1; shot=$2
  "$WINESERVER" -p 10
  "$WINE64" "$exe" </dev/null >/dev/null 2>&1 &
  # The login dialog is up when a window titled "Tintora" exists; then let it paint.
  for _ in $(seq 1 150); do
    xdotool search --name "^Tintora$" >/dev/null 2>&1 && break
    sleep 0.2
  done
  sleep 1.5
  import -window root "$shot"
  "$WINESERVER" -k >/dev/null 2>&1 || true
' bash "$exe" "$shot"
echo "Screenshot of the login dialog: $shot"
