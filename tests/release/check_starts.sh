#!/usr/bin/env bash
# A release program starts under wine64 and shows its first window. Runs on the display and
# with the wineserver that scripts/test.sh provides; ends only the process it started.
# Usage: check_starts.sh <wine64> <exe> <window title, a regular expression> [<width>x<height>]
source "$(dirname "$0")/release_lib.sh"
wine64=$1 exe=$2 title=$3 size=${4:-}

# How long the first window may take to appear (a cold Wine start is several seconds).
readonly WINDOW_WAIT_SECONDS=20
readonly POLL_SECONDS=0.2

[ -n "${DISPLAY:-}" ] || fail "no DISPLAY: run the release checks through scripts/test.sh"
[ -f "$exe" ] || fail "$exe is missing; run scripts/release.sh first"
if xdotool search --name "$title" >/dev/null 2>&1; then
  fail "a window titled '$title' is already open; the check would prove nothing"
fi

"$wine64" "$exe" </dev/null >/dev/null 2>&1 &
pid=$!
stop() {
  if kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null || true
  fi
  wait "$pid" 2>/dev/null || true
}
trap stop EXIT

window=
deadline=$((SECONDS + WINDOW_WAIT_SECONDS))
while [ "$SECONDS" -lt "$deadline" ]; do
  window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  kill -0 "$pid" 2>/dev/null || fail "$exe ended before showing '$title'"
  sleep "$POLL_SECONDS"
done
[ -n "$window" ] || fail "$exe showed no window titled '$title' within ${WINDOW_WAIT_SECONDS} s"
kill -0 "$pid" 2>/dev/null || fail "$exe ended after showing '$title'"

if [ -n "$size" ]; then
  shown=$(xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p')
  [ "$shown" = "$size" ] || fail "'$title' is $shown, expected $size"
fi
echo "$(basename "$exe") shows '$title'"
