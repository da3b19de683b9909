#!/usr/bin/env bash
# Usage: check_release.sh <dist folder> <version>. The zip holds both programs and the README
# (CR LF lines, naming the version); the installer is a 32-bit one of this version; the programs
# are 32-bit GUI images importing system DLLs only (the runtimes are linked in), with version
# information and a manifest: as invoker, DPI-unaware, classic controls, Windows Vista to 11.
source "$(dirname "$0")/release_lib.sh"
dist=$1 version=$2
name="Tintora-$version"
setup="$dist/$name-setup.exe"
allowed=(kernel32.dll user32.dll gdi32.dll msvcrt.dll advapi32.dll shell32.dll ole32.dll oleaut32.dll
  comctl32.dll msimg32.dll uxtheme.dll comdlg32.dll shlwapi.dll version.dll)
# supportedOS ids: Windows Vista, 7, 8, 8.1, and 10 and 11.
supported_os=(e2011457-1546-43c5-a5fe-008deee3d3f0 35138b9a-5d96-4fbd-8e2d-a2440225f93a
  4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 1f676c76-80e1-4239-95bb-83d0f6d0da78
  8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a)

# expect_value <key> <value>: in the version strings of $what, <key> is followed by <value>.
expect_value() {
  local found
  found=$(awk -v key="$1" 'prev == key { print; exit } { prev = $0 }' <<<"$info")
  [ "$found" = "$2" ] || fail "$what: $1 is \"$found\", expected \"$2\""
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
[ -f "$dist/$name-win32.zip" ] || fail "$dist/$name-win32.zip is missing; run scripts/release.sh first"
unzip -q -o "$dist/$name-win32.zip" -d "$scratch" || fail "cannot unpack $dist/$name-win32.zip"
readme="$scratch/$name/README.txt"
grep -q "Tintora $version" "$readme" || fail "README.txt does not name version $version"
lines=$(wc -l <"$readme") crlf=$(grep -c $'\r$' "$readme" || true)
[ "$lines" -gt 0 ] && [ "$crlf" -eq "$lines" ] || fail "README.txt: $crlf of $lines lines end in CR LF"
[ -s "$setup" ] && grep -q NullsoftInst "$setup" || fail "$setup is missing or carries no installer data"

for what in Tintora.exe TintoraGallery.exe "$setup"; do
  path=$what
  [ -f "$path" ] || path="$scratch/$name/$what"
  private=$(objdump -p "$path") || fail "objdump cannot read $what"
  grep -Eq "^Magic[[:space:]]+010b[[:space:]]+\(PE32\)" <<<"$private" || fail "$what is not a 32-bit program"
  # RT_VERSION, VS_VERSION_INFO
  info=$(resource_bytes "$path" 16 1 | strings -el) || fail "$what has no version information"
  expect_value ProductName Tintora
  expect_value ProductVersion "$version"
  [ "$path" = "$setup" ] && continue
  grep -Eq "^Subsystem[[:space:]]+0+2[[:space:]]" <<<"$private" || fail "$what is not a Windows GUI program"
  for dll in $(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$private"); do
    [[ " ${allowed[*]} " == *" ${dll,,} "* ]] || fail "$what imports $dll, which is not a system DLL"
  done
  description="Tintora skin gallery"
  [ "$what" = Tintora.exe ] && description="Tintora colour-chart viewer"
  expect_value FileVersion "$version"
  expect_value FileDescription "$description"
  expect_value CompanyName Halvek
  expect_value LegalCopyright "(C) Halvek"
  expect_value OriginalFilename "$what"
  # RT_MANIFEST, CREATEPROCESS_MANIFEST_RESOURCE_ID
  manifest=$(resource_bytes "$path" 24 1) || fail "$what has no application manifest"
  grep -q '</assembly>' <<<"$manifest" || fail "$what: the manifest is cut short"
  grep -Eq '<requestedExecutionLevel[^>]*level="asInvoker"[^>]*uiAccess="false"' <<<"$manifest" ||
    fail "$what: not run as invoker without UI access"
  grep -Eq '<dpiAware[^>]*>[[:space:]]*false[[:space:]]*</dpiAware>' <<<"$manifest" ||
    fail "$what is not DPI-unaware"
  grep -qi 'Microsoft\.Windows\.Common-Controls' <<<"$manifest" &&
    fail "$what asks for the themed common controls"
  for id in "${supported_os[@]}"; do
    grep -qi "<supportedOS Id=\"{$id}\"" <<<"$manifest" || fail "$what: supportedOS {$id} missing"
  done
done
echo "release: $name-win32.zip and $name-setup.exe are complete"
