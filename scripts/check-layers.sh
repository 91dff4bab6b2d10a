#!/usr/bin/env bash
# Checks that the folders of src/ keep their layers: every `#include "..."`
# of a file in src/<Folder>/ names a header of its own folder or of a folder
# on a lower row of the table in ARCHITECTURE.md's section "Layers"; folders
# on the same row include none of each other. Prints each include that breaks
# this, with file and line, and exits non-zero if there is one.
#
#   scripts/check-layers.sh [ROOT]     default: the repository this script is in
#
# The table is the only list of the layers: a new folder of src/ fails the
# check until the table gives it a row.
set -euo pipefail

root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
cd "$root"

[[ -f ARCHITECTURE.md && -d src ]] || { echo "check-layers: no ARCHITECTURE.md or src/ in $root" >&2; exit 2; }

# "Folder Row" for each folder the table names: rows of the form
# | <row> | `Folder`, `Folder` | ... | inside the section "## Layers".
rows="$(awk '
    /^## / { inside = ($0 ~ /^## Layers[[:space:]]*$/); next }
    inside && /^\|[[:space:]]*[0-9]+[[:space:]]*\|/ {
        split($0, cell, "|")
        count = split(cell[3], word, "`")
        for (i = 2; i <= count; i += 2) print word[i], cell[2] + 0
    }' ARCHITECTURE.md)"
[[ -n $rows ]] || { echo "check-layers: ARCHITECTURE.md has no table of layers under \"## Layers\"" >&2; exit 2; }

declare -A row
while read -r folder number; do row[$folder]=$number; done <<<"$rows"

failed=0
for dir in src/*/; do
    folder="$(basename "$dir")"
    if [[ -z ${row[$folder]:-} ]]; then
        echo "src/$folder/: the folder has no row in ARCHITECTURE.md's table of layers"
        failed=1
    fi
done

# file:line:included path, for every quoted include of src/.
while IFS=: read -r file line included; do
    from="$(cut -d/ -f2 <<<"$file")"
    if [[ $included != */* ]]; then
        echo "$file:$line: #include \"$included\" names no folder; write it as \"Folder/$included\""
        failed=1
        continue
    fi
    to="${included%%/*}"
    [[ $from == "$to" || -z ${row[$from]:-} ]] && continue
    if [[ -z ${row[$to]:-} ]]; then
        echo "$file:$line: #include \"$included\": $to is no folder of the table of layers"
        failed=1
    elif ((row[$to] == row[$from])); then
        echo "$file:$line: #include \"$included\": $from and $to share row ${row[$from]} and may not include each other"
        failed=1
    elif ((row[$to] > row[$from])); then
        echo "$file:$line: #include \"$included\": $from (row ${row[$from]}) may not include $to (row ${row[$to]}), which is above it"
        failed=1
    fi
done < <(grep -rn --include='*.h' --include='*.cpp' --include='*.rc' -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' src |
    sed -E 's/^([^:]*):([0-9]+):[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1:\2:\3/' | sort -t: -k1,1 -k2,2n)

if [[ $failed -ne 0 ]]; then
    echo "check-layers: includes break the layers of ARCHITECTURE.md"
    exit 1
fi
echo "check-layers: every include of src/ keeps the layers (${#row[@]} folders)"
