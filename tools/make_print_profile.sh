#!/usr/bin/env bash
# Makes assets/fogra39-coated.icc, the CMYK output profile for coated offset print, from
# the FOGRA39 measurements (1,617 patches) that Debian's icc-profiles-free ships.
# Needs Debian's argyll; the build does not: the profile is committed like the other assets.
#
#   -qh      high-quality fit of the measurements
#   -l300    the print condition's 300 % total ink limit
#   -kr      black generation: a ramp from paper white to full black (argyll's default)
#   -S sRGB  perceptual and saturation tables gamut-mapped from sRGB, the source the
#            conversion tool and the mixer convert from
#   -cmt -dpp  viewing conditions: source on a monitor in a typical room, print on paper
set -euo pipefail
source "$(dirname "$0")/../scripts/env.sh"

for p in argyll icc-profiles-free; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
    { as_root apt-get update -qq; as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$p" >/dev/null; }
done

measurements=/usr/share/color/icc/FOGRA39L.ti3
srgb=/usr/share/color/argyll/ref/sRGB.icm
out="$TINTORA_ROOT/assets/fogra39-coated.icc"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp "$measurements" "$work/FOGRA39L.ti3"
( cd "$work" &&
  colprof -v -qh -l300 -kr -S "$srgb" -cmt -dpp \
    -D "Tintora coated offset print (FOGRA39)" \
    -C "Made with ArgyllCMS colprof from FOGRA39L.ti3 (icc-profiles-free, Zlib licence)" \
    -O fogra39-coated.icc FOGRA39L )
cp "$work/fogra39-coated.icc" "$out"
echo "wrote $out ($(stat -c %s "$out") bytes)"
