#!/usr/bin/env bash
# A release program starts under wine64 and shows its first window (within 20 s: a cold Wine
# start takes several). Runs on the display and with the wineserver that scripts/test.sh
# provides; ends only the process it started.
# Usage: check_starts.sh <wine64> <exe> <window title, a regular expression> [<width>x<height>]
source "$(dirname "$0")/release_lib.sh"
wine64=$1 exe=$2 title=$3 size=${4:-}

[ -n "${DISPLAY:-}" ] || fail "no DISPLAY: run the release checks through scripts/test.sh"
[ -f "$exe" ] || fail "$exe is missing; run scripts/release.sh first"
xdotool search --name "$title" >/dev/null 2>&1 && fail "a window titled '$title' is already open"
"$wine64" "$exe" </dev/null >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true' EXIT

window=
deadline=$((SECONDS + 20))
while [ "$SECONDS" -lt "$deadline" ]; do
  window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  kill -0 "$pid" 2>/dev/null || fail "$exe ended before showing '$title'"
  sleep 0.2
done
[ -n "$window" ] || fail "$exe showed no window titled '$title' within 20 s"
kill -0 "$pid" 2>/dev/null || fail "$exe ended after showing '$title'"
shown=$(xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p')
[ -z "$size" ] || [ "$shown" = "$size" ] || fail "'$title' is $shown, expected $size"
echo "$(basename "$exe") shows '$title'"
