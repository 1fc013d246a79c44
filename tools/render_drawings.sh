#!/bin/sh
# Writes drawings of data files as DXF with the built program and renders each to a PNG, to look
# at them as pictures.
#
#   tools/render_drawings.sh BUILD_DIR OUT_DIR [DRAWINGS] [FILE.kv9 ...]
#
# DRAWINGS is a blank-separated list of batch drawing indexes (default 1 to 13); the
# data files default to examples/*.kv9. Each picture is OUT_DIR/NAME_jJ.png.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
drawings=${3:-"1 2 3 4 5 6 7 8 9 10 11 12 13"}
shift 2
[ $# -gt 0 ] && shift
[ $# -eq 0 ] && set -- "$here"/examples/*.kv9
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for file in "$@"; do
  name=$(basename "$file" .kv9)
  cp "$file" "$work/$name.kv9"
  for j in $drawings; do
    (cd "$work" && KV9_TEST_NOW='2026-12-09 10:30' "$build/bin/wkv9" "$name.kv9" "/CAD1:$j" >/dev/null 2>&1) ||
      echo "$name /CAD1:$j: exit $?" >&2
    if [ -f "$work/$name.dxf" ]; then
      /usr/bin/python3 "$here/tools/dxf_to_png.py" "$work/$name.dxf" "$out/${name}_j$j.png" >/dev/null
      rm -f "$work/$name.dxf"
    fi
  done
done
