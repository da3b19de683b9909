#!/usr/bin/env bash
# Refreshes the README's pictures in docs/images/: the login dialog, the main window after
# logging in (the chart site's start page), four chart pages (CMYK, 512 colours, the
# Chinese table, the conversion tool with a converted value) and the skin gallery. Builds
# the release (scripts/release.sh) and photographs its 64-bit twin under wine64 on a
# private Xvfb screen. Rerunnable: each run replaces the pictures.
set -euo pipefail
source "$(dirname "$0")/env.sh"
"$TINTORA_ROOT/scripts/release.sh" >/dev/null
mkdir -p "$TINTORA_ROOT/docs/images"

xvfb-run -a -s "$TINTORA_XVFB_ARGS" bash -s "$TINTORA_ROOT" <<'SCRIPT'
set -euo pipefail
root=$1
apps="$root/build/release64/app"
images="$root/docs/images"

readonly WINDOW_WAIT_SECONDS=20   # a cold Wine start takes several seconds
readonly POLL_SECONDS=0.2
readonly SETTLE_SECONDS=2         # paints and the skin's fades finish well within this
readonly PASSWORD=583172946       # the viewer's fixed login password
# The centre of the login dialog's password box, from the dialog's top-left corner: the box
# is at 1320, 4800 twips and 2325 x 345 twips large, at 15 twips a pixel.
readonly PASSWORD_BOX_X=$(((1320 + 2325 / 2) / 15))
readonly PASSWORD_BOX_Y=$(((4800 + 345 / 2) / 15))
readonly MAIN_CLIENT_WIDTH=711    # the main window's client area, 10665 x 9825 twips
readonly MAIN_CLIENT_HEIGHT=655
# A swatch in the CMYK chart's first grid, from the client area's top-left corner: clicked
# so that the picture shows a selection and its values in the status line.
readonly CMYK_SWATCH_X=246
readonly CMYK_SWATCH_Y=330
readonly CONVERTED_VALUE='hsl(200, 65%, 45%)'

"$WINESERVER" -p 10
# Wine's helper processes start here, with their output away from ours.
"$WINE64" cmd /c exit </dev/null >/dev/null 2>&1

pids=()
# Ends the programs this script started.
stop_all() {
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  pids=()
}
trap 'stop_all; "$WINESERVER" -k >/dev/null 2>&1 || true' EXIT

start() {
  "$WINE64" "$apps/$1" </dev/null >/dev/null 2>&1 &
  pids+=($!)
}

# wait_for <title regex>: prints the id of the visible window with that title.
wait_for() {
  local deadline=$((SECONDS + WINDOW_WAIT_SECONDS)) window
  while [ "$SECONDS" -lt "$deadline" ]; do
    window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    if [ -n "$window" ]; then echo "$window"; return 0; fi
    sleep "$POLL_SECONDS"
  done
  echo "screenshots: no window titled '$1' appeared" >&2
  return 1
}

# geometry <window>: sets x, y, width and height of the window on the screen.
geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
  x=$X y=$Y width=$WIDTH height=$HEIGHT
}

# shoot <window> <file> [format]: photographs the window, with the pointer out of the way,
# as a small palette PNG; charts, whose colours a palette would change, as PNG24.
shoot() {
  xdotool mousemove 0 0
  sleep "$SETTLE_SECONDS"
  geometry "$1"
  import -window root -crop "${width}x${height}+${x}+${y}" +repage -strip "${3:-PNG8}:$images/$2"
  echo "screenshots: $2, ${width}x${height}"
}

start Tintora.exe
login=$(wait_for '^Tintora$')
shoot "$login" login-dialog.png

geometry "$login"
xdotool mousemove $((x + PASSWORD_BOX_X)) $((y + PASSWORD_BOX_Y)) click 1
xdotool type "$PASSWORD"
xdotool key Return
main=$(wait_for '^Tintora - Halvek$')
shoot "$main" main-window.png PNG24

# The chart buttons by keyboard, as a user can: the chart view has the focus after logging
# in and comes first in the tab order, then Command1 to Command12; Enter clicks a button.
# tab <n>: presses Tab n times.
tab() { for _ in $(seq 1 "$1"); do xdotool key Tab; done; }
tab 1; xdotool key Return                 # Command1: CMYK
geometry "$main"
frame=$(((width - MAIN_CLIENT_WIDTH) / 2))
client_x=$((x + frame)) client_y=$((y + height - MAIN_CLIENT_HEIGHT - frame))
xdotool mousemove $((client_x + CMYK_SWATCH_X)) $((client_y + CMYK_SWATCH_Y)) click 1
shoot "$main" chart-cmyk.png PNG24
tab 7; xdotool key Return                 # the click focused the view: Command7, 512 colours
shoot "$main" chart-512.png PNG24
tab 2; xdotool key Return                 # Command9: the Chinese-English table
shoot "$main" chart-chinese.png PNG24
tab 3; xdotool key Return                 # Command12: the conversion tool
tab 2                                     # round to the view, then its text box
xdotool type "$CONVERTED_VALUE"
xdotool key Return
shoot "$main" chart-converter.png PNG24
stop_all

start TintoraGallery.exe
gallery=$(wait_for '^Tintora skin gallery$')
shoot "$gallery" skin-gallery.png
SCRIPT
ls -l "$TINTORA_ROOT/docs/images"/*.png | awk '{ printf "  %-60s %8d bytes\n", $9, $5 }'
