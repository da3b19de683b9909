#!/usr/bin/env bash
# Fetches LittleCMS 2.14 from Debian's source package into a cache outside the source
# tree, for CMake to build with the cross compilers (Debian ships no MinGW build of it).
# The machine's APT configuration is left alone: the one fetch uses a private sources list
# and a private state and cache folder. Idempotent: a cached, checked copy is kept.
set -euo pipefail
source "$(dirname "$0")/env.sh"

want=2.14
dest="$TINTORA_LCMS2_DIR"
if [ -f "$dest/include/lcms2.h" ] && [ -f "$dest/.tintora-checked" ]; then exit 0; fi

apt_dir=$(mktemp -d)
trap 'rm -rf "$apt_dir"' EXIT
mkdir -p "$apt_dir/state/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/src"
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main" \
  > "$apt_dir/sources.list"
apt_opts=(
  -o "Dir::Etc::SourceList=$apt_dir/sources.list" -o Dir::Etc::SourceParts=/dev/null
  -o "Dir::State=$apt_dir/state" -o Dir::State::Status=/var/lib/dpkg/status
  -o "Dir::Cache=$apt_dir/cache" -o Debug::NoLocking=1 -o APT::Sandbox::User=root
)
echo "setup: fetching the lcms2 source package into $dest"
apt-get "${apt_opts[@]}" -qq update
( cd "$apt_dir/src" && apt-get "${apt_opts[@]}" -qq source lcms2 >/dev/null 2>&1 )

src=$(find "$apt_dir/src" -maxdepth 1 -type d -name 'lcms2-*' | head -n 1)
[ -n "$src" ] || { echo "setup: the lcms2 source package did not unpack" >&2; exit 1; }
# The version the library itself declares, not only the folder's name.
got=$(sed -n 's/^#define LCMS_VERSION *\([0-9]*\).*/\1/p' "$src/include/lcms2.h")
if [ "$got" != "${want/./}0" ]; then
  echo "setup: lcms2 source is version $got, expected $want" >&2
  exit 1
fi
rm -rf "$dest"
mkdir -p "$(dirname "$dest")"
cp -a "$src" "$dest"
touch "$dest/.tintora-checked"
