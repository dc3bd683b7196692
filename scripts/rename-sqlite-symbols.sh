#!/bin/sh
# Gives every global symbol of the compiled SQLCipher object the prefix "tolva_" and writes the
# header that maps the API's names to the new ones for our code.
# Usage: rename-sqlite-symbols.sh OBJECT-IN OBJECT-OUT HEADER
set -eu
in=$1 out=$2 header=$3
map=$out.map
nm -g --defined-only "$in" | awk 'NF == 3 {print $3, "tolva_" $3}' >"$map"
[ -s "$map" ] || { echo "no symbols in $in" >&2; exit 1; }
objcopy --redefine-syms="$map" "$in" "$out"
mkdir -p "$(dirname "$header")"
{
    echo "/* Made by rename-sqlite-symbols.sh: the component's own SQLCipher under its own names. */"
    echo "#pragma once"
    awk '{print "#define " $1 " " $2}' "$map"
} >"$header.tmp"
mv "$header.tmp" "$header"
