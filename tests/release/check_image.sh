#!/usr/bin/env bash
# The shipped programs are 32-bit Windows GUI images that load only DLLs every Windows has:
# the C++ runtime, libgcc and the thread library are linked in. Usage:
# check_image.sh <dist folder> <version>
source "$(dirname "$0")/release_lib.sh"
dist=$1 version=$2
name="Tintora-$version"

# System DLLs the programs may import (compared without regard to case).
allowed=(kernel32.dll user32.dll gdi32.dll msvcrt.dll advapi32.dll shell32.dll ole32.dll
  oleaut32.dll comctl32.dll msimg32.dll uxtheme.dll comdlg32.dll shlwapi.dll version.dll)

make_scratch
unpack_zip "$dist/$name-win32.zip" "$scratch"
for exe in Tintora.exe TintoraGallery.exe; do
  path="$scratch/$name/$exe"
  header=$(objdump -f "$path") || fail "objdump cannot read $exe"
  grep -q "file format pei-i386" <<<"$header" || fail "$exe is not a PE32 image: $header"
  grep -q "^architecture: i386" <<<"$header" || fail "$exe is not for i386: $header"
  private=$(objdump -p "$path")
  grep -Eq "^Magic[[:space:]]+010b[[:space:]]+\(PE32\)" <<<"$private" || fail "$exe is not PE32"
  grep -Eq "^Subsystem[[:space:]]+0+2[[:space:]]" <<<"$private" || fail "$exe is not a Windows GUI program"

  dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$private" | sort -fu)
  [ -n "$dlls" ] || fail "$exe imports no DLL at all: objdump's listing changed?"
  for dll in $dlls; do
    ok=0
    for allow in "${allowed[@]}"; do
      [ "${dll,,}" = "$allow" ] && ok=1
    done
    [ "$ok" -eq 1 ] || fail "$exe imports $dll, which is not a system DLL"
  done
  echo "$exe imports:" $dlls
done
