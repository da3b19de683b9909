#!/usr/bin/env bash
# The release in dist/: the zip holds both programs and the README, the installer is a
# 32-bit Windows installer of this version. Usage: check_dist.sh <dist folder> <version>
source "$(dirname "$0")/release_lib.sh"
dist=$1 version=$2
name="Tintora-$version"
zip="$dist/$name-win32.zip"
setup="$dist/$name-setup.exe"

[ -d "$dist" ] || fail "$dist is missing; run scripts/release.sh first"
[ -s "$zip" ] || fail "$zip is missing or empty"
[ -s "$setup" ] || fail "$setup is missing or empty"

listing=$(unzip -Z1 "$zip") || fail "$zip is no zip archive"
for file in Tintora.exe TintoraGallery.exe README.txt; do
  grep -qx "$name/$file" <<<"$listing" || fail "$zip lacks $name/$file; it has: $listing"
done

make_scratch
unpack_zip "$zip" "$scratch"
readme="$scratch/$name/README.txt"
grep -q "Tintora $version" "$readme" || fail "README.txt does not name version $version"
# Windows line ends on every line, for Notepad.
lines=$(wc -l <"$readme")
crlf=$(grep -c $'\r$' "$readme" || true)
[ "$lines" -gt 0 ] && [ "$crlf" -eq "$lines" ] || fail "README.txt: $crlf of $lines lines end in CR LF"

objdump -f "$setup" | grep -q "file format pei-i386" || fail "$setup is no 32-bit Windows program"
grep -q NullsoftInst "$setup" || fail "$setup carries no installer data"
info=$(resource_bytes "$setup" "$RT_VERSION" "$VERSION_INFO_ID" | strings -el) ||
  fail "$setup has no version information"
grep -qx "$version" <<<"$info" || fail "$setup's version information does not say $version"
grep -qx "Tintora" <<<"$info" || fail "$setup's version information does not name Tintora"
echo "dist: $zip and $setup are complete"
