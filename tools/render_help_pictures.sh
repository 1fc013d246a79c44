#!/bin/sh
# Renders every help picture of data/ twice, to look at them as pictures: through the program's
# own HP-GL interpreter (its display list, drawn by tools/display_list_png.py) as NAME.png, and
# through hp2xx (Debian) as NAME.hp2xx.png. hp2xx must accept each file.
#
#   tools/render_help_pictures.sh BUILD_DIR OUT_DIR
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
for file in "$here"/data/*.plt; do
  name=$(basename "$file" .plt)
  "$build/bin/kv9_help_picture_dump" "$file" >"$out/$name.txt"
  /usr/bin/python3 "$here/tools/display_list_png.py" "$out/$name.txt" "$out/$name.png"
  hp2xx -q -m png -f "$out/$name.hp2xx.png" "$file"
done
