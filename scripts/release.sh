#!/usr/bin/env bash
# Builds the Windows release from a fresh clone and packs it into dist/:
#   Tintora-<version>-win32.zip    Tintora.exe, TintoraGallery.exe and README.txt in a folder
#   Tintora-<version>-setup.exe    the installer (packaging/tintora.nsi)
# The release is the 32-bit build (build/release32: Release, warnings as errors). Its 64-bit
# twin, built with the same settings in build/release64, is what the release checks start
# under wine64, since the 32-bit program cannot run here. Rerunnable: dist/ is made anew.
set -euo pipefail
source "$(dirname "$0")/env.sh"
"$TINTORA_ROOT/scripts/setup.sh"
cd "$TINTORA_ROOT"

release32=build/release32
release64=build/release64
dist=dist
# The settings of the win32 preset, for both word sizes.
release_settings=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DTINTORA_TESTS=OFF -DTINTORA_WERROR=ON)
shipped=(Tintora TintoraGallery)

cmake -S . -B "$release32" --no-warn-unused-cli "${release_settings[@]}" \
  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw32.cmake >/dev/null
# Everything, not only what ships: the whole project must build cleanly for 32 bits.
cmake --build "$release32"

cmake -S . -B "$release64" --no-warn-unused-cli "${release_settings[@]}" \
  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake >/dev/null
cmake --build "$release64" --target "${shipped[@]}"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$release32/CMakeCache.txt")
if [ -z "$version" ]; then
  echo "release: no project version in $release32/CMakeCache.txt" >&2
  exit 1
fi
name="Tintora-$version"

# The folder users get: stripped programs (symbols are no use to them) and the README
# with Windows line ends.
stage_root="$release32/package"
stage="$stage_root/$name"
rm -rf "$stage_root"
mkdir -p "$stage"
for exe in "${shipped[@]}"; do
  i686-w64-mingw32-strip -o "$stage/$exe.exe" "$release32/app/$exe.exe"
done
sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' packaging/README.txt.in >"$stage/README.txt"

rm -rf "$dist"
mkdir -p "$dist"
# -X: no Unix owners or extra times, so the archive depends only on its contents.
(cd "$stage_root" && zip -q -r -X "$TINTORA_ROOT/$dist/$name-win32.zip" "$name")

# makensis takes paths relative to the script's folder; give it absolute ones.
makensis -V2 -WX \
  "-DVERSION=$version" \
  "-DSTAGE=$TINTORA_ROOT/$stage" \
  "-DICON=$TINTORA_ROOT/assets/tintora.ico" \
  "-DOUTFILE=$TINTORA_ROOT/$dist/$name-setup.exe" \
  packaging/tintora.nsi

echo "release: produced in $dist/"
ls -l "$dist" | awk 'NR > 1 { printf "  %-32s %10d bytes\n", $9, $5 }'
echo "release: 64-bit twin for the checks in $release64/app/"
