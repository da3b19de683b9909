#!/usr/bin/env bash
# Installs everything the build, the program and the tests need on Debian, then creates
# the Wine prefix. Idempotent: a second run only checks and returns.
set -euo pipefail
source "$(dirname "$0")/env.sh"

packages=(
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-i686
  cmake ninja-build
  wine wine64 fonts-wine
  xvfb xauth xdotool imagemagick
  googletest
  fonts-arphic-uming
  nsis zip
  dpkg-dev icc-profiles-free
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# LittleCMS is built from Debian's source package with the cross compilers.
"$TINTORA_ROOT/scripts/fetch_lcms2.sh"

# The Wine prefix, created once. The marker records that our registry settings are in it.
marker="$WINEPREFIX/.tintora-prefix-v3"
if [ ! -f "$marker" ]; then
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "setup: creating the Wine prefix in $WINEPREFIX"
    "$WINE64" wineboot -i >/dev/null 2>&1 || true
    "$WINESERVER" -w || true
  fi
  reg() { "$WINE64" reg add "$@" /f >/dev/null 2>&1; }
  song="AR PL UMing CN"
  subst='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
  # The forms ask for SimSun (宋体); map it and the default dialog fonts to the Song face we install.
  reg "$subst" /v SimSun /d "$song"
  reg "$subst" /v "宋体" /d "$song"
  reg "$subst" /v NSimSun /d "$song"
  # Message boxes and captions use Tahoma under Wine: link the Song face behind it so CJK shows.
  link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
  for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" "MS Sans Serif"; do
    "$WINE64" reg add "$link" /v "$face" /t REG_MULTI_SZ /d "uming.ttc,$song" /f >/dev/null 2>&1
  done
  # There is no window manager under Xvfb: Wine draws the frames itself, and does not wait
  # (two seconds a window) for a window manager to withdraw a window it destroys.
  reg 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
  # Wine draws the caption buttons' glyphs with Marlett, which it looks for in the prefix.
  cp -f /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  "$WINESERVER" -w || true
  touch "$marker"
fi
