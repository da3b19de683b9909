# Helpers of the release checks. Sourced, not run.
set -euo pipefail

# Resource types and ids the checks look for (winuser.h).
readonly RT_VERSION=16
readonly RT_MANIFEST=24
readonly MANIFEST_ID=1      # CREATEPROCESS_MANIFEST_RESOURCE_ID
readonly VERSION_INFO_ID=1  # VS_VERSION_INFO

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A scratch folder, removed when the check ends however it ends.
make_scratch() {
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
}

# unpack_zip <zip> <folder>: unpacks a release zip; fails when there is none.
unpack_zip() {
  local zip=$1 into=$2
  [ -f "$zip" ] || fail "$zip is missing; run scripts/release.sh first"
  unzip -q -o "$zip" -d "$into" || fail "cannot unpack $zip"
}

# resource_table <exe>: one line "type name language rva size" per resource, all numbers in
# decimal, read from the resource directory that objdump prints. objdump indents each level
# of the directory two columns deeper: type entries by 3, names by 5, languages by 7.
resource_table() {
  local type name lang addr size
  objdump -p "$1" | awk '
    /^The .rsrc Resource Directory section/ { in_rsrc = 1; next }
    !in_rsrc { next }
    /^[0-9a-f]+ +Entry: ID: / {
      match($0, /^[0-9a-f]+ +/); depth = RLENGTH - length($1)
      id = $4; sub(/,$/, "", id)
      if (depth == 3) type = id; else if (depth == 5) name = id; else if (depth == 7) lang = id
      next
    }
    /Leaf: Addr: / {
      addr = $4; size = $6; sub(/,$/, "", addr); sub(/,$/, "", size)
      print type, name, lang, addr, size
    }' |
    while read -r type name lang addr size; do
      echo "$((type)) $((name)) $((lang)) $((addr)) $((size))"
    done
}

# resource_bytes <exe> <type> <name>: writes the bytes of that resource (first language);
# fails when the executable has no such resource.
resource_bytes() {
  local exe=$1 type=$2 name=$3 row rva size base vma off
  row=$(resource_table "$exe" | awk -v t="$type" -v n="$name" '$1 == t && $2 == n { print; exit }')
  [ -n "$row" ] || return 1
  read -r _ _ _ rva size <<<"$row"
  base=$(objdump -p "$exe" | awk '$1 == "ImageBase" { print $2 }')
  read -r vma off < <(objdump -h "$exe" | awk '$2 == ".rsrc" { print $4, $6 }')
  # File offset = RVA + image base - section address + section file offset.
  dd if="$exe" iflag=skip_bytes,count_bytes skip=$((rva + 0x$base - 0x$vma + 0x$off)) \
    count="$size" status=none
}
