# Helpers of the release checks. Sourced, not run.
set -euo pipefail

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# resource_bytes <exe> <type> <id>: writes the bytes of that resource (its first language);
# fails when there is none. objdump indents each level of the resource directory two columns
# deeper: type entries by 3, ids by 5; each leaf gives the data's address and size.
resource_bytes() {
  local exe=$1 type id addr size base vma off
  while read -r type id addr size; do
    ((type == $2 && id == $3)) || continue
    base=$(objdump -p "$exe" | awk '$1 == "ImageBase" { print $2 }')
    read -r vma off < <(objdump -h "$exe" | awk '$2 == ".rsrc" { print $4, $6 }')
    # File offset = RVA + image base - section address + section file offset.
    dd if="$exe" iflag=skip_bytes,count_bytes skip=$((addr + 0x$base - 0x$vma + 0x$off)) count=$((size)) \
      status=none
    return
  done < <(objdump -p "$exe" | awk '
    /^The .rsrc Resource Directory section/ { in_rsrc = 1 }
    in_rsrc && /^[0-9a-f]+ +Entry: ID: / {
      match($0, /^[0-9a-f]+ +/); depth = RLENGTH - length($1)
      sub(/,$/, "", $4); if (depth == 3) type = $4; else if (depth == 5) id = $4
    }
    in_rsrc && /Leaf: Addr: / { sub(/,$/, "", $4); sub(/,$/, "", $6); print type, id, $4, $6 }')
  return 1
}
