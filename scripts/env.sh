# Shared environment of the project's scripts: where Wine lives and how it must behave.
# Sourced, not run.
TINTORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export TINTORA_ROOT
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-tintora}"
export WINEDEBUG="${WINEDEBUG:--all}"
# Never stop on an install prompt for Mono or Gecko.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINE64=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver
# LittleCMS's source, fetched once by setup.sh and kept outside the source tree.
export TINTORA_LCMS2_DIR="${TINTORA_LCMS2_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/tintora/lcms2-2.14}"
# Xvfb at depth 24, or exact colours fail.
export TINTORA_XVFB_ARGS="-screen 0 1280x1024x24"

# Runs a command as root: directly when we are root, through sudo otherwise.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
