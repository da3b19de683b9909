#!/usr/bin/env bash
# The shipped programs carry their version information and their application manifest: run
# as invoker, DPI-unaware, the classic common controls, Windows Vista to 11 supported.
# Usage: check_resources.sh <dist folder> <version>
source "$(dirname "$0")/release_lib.sh"
dist=$1 version=$2
name="Tintora-$version"

# supportedOS ids: Windows Vista, 7, 8, 8.1, and 10 and 11.
supported_os=(e2011457-1546-43c5-a5fe-008deee3d3f0 35138b9a-5d96-4fbd-8e2d-a2440225f93a
  4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 1f676c76-80e1-4239-95bb-83d0f6d0da78
  8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a)

# expect_value <strings> <key> <value>: in the version strings, <key> is followed by <value>.
expect_value() {
  local found
  found=$(awk -v key="$2" 'prev == key { print; exit } { prev = $0 }' <<<"$1")
  [ "$found" = "$3" ] || fail "$exe: $2 is \"$found\", expected \"$3\""
}

make_scratch
unpack_zip "$dist/$name-win32.zip" "$scratch"
for exe in Tintora.exe TintoraGallery.exe; do
  path="$scratch/$name/$exe"
  case $exe in
    Tintora.exe) description="Tintora colour-chart viewer" ;;
    TintoraGallery.exe) description="Tintora skin gallery" ;;
  esac

  info=$(resource_bytes "$path" "$RT_VERSION" "$VERSION_INFO_ID" | strings -el) ||
    fail "$exe has no version information"
  expect_value "$info" ProductName Tintora
  expect_value "$info" ProductVersion "$version"
  expect_value "$info" FileVersion "$version"
  expect_value "$info" FileDescription "$description"
  expect_value "$info" CompanyName Halvek
  expect_value "$info" LegalCopyright "(C) Halvek"
  expect_value "$info" OriginalFilename "$exe"

  manifest=$(resource_bytes "$path" "$RT_MANIFEST" "$MANIFEST_ID") ||
    fail "$exe has no application manifest (RT_MANIFEST $MANIFEST_ID)"
  grep -q '^<?xml ' <<<"$manifest" || fail "$exe: the manifest is no XML document"
  grep -q '</assembly>' <<<"$manifest" || fail "$exe: the manifest is cut short"
  level=$(grep -o '<requestedExecutionLevel[^>]*>' <<<"$manifest") ||
    fail "$exe: the manifest requests no execution level"
  grep -q 'level="asInvoker"' <<<"$level" || fail "$exe: not run as invoker: $level"
  grep -q 'uiAccess="false"' <<<"$level" || fail "$exe: UI access not off: $level"
  grep -Eq '<dpiAware[^>]*>[[:space:]]*false[[:space:]]*</dpiAware>' <<<"$manifest" ||
    fail "$exe: the manifest does not declare the program DPI-unaware"
  if grep -qi 'Microsoft\.Windows\.Common-Controls' <<<"$manifest"; then
    fail "$exe: the manifest asks for the themed common controls"
  fi
  for id in "${supported_os[@]}"; do
    grep -qi "<supportedOS Id=\"{$id}\"" <<<"$manifest" || fail "$exe: supportedOS {$id} missing"
  done
  echo "$exe: version $version, \"$description\", manifest as required"
done
