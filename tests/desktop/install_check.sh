#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks that every installed file is in its place
# and that a batch text run of the installed wkv9 writes the golden report.
# usage: install_check.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1 source=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/wkv9 bin/wkv9-desktop share/kv9/kv9.err share/kv9/kv9.hlp share/kv9/printout.dbf \
    share/applications/kv9.desktop share/mime/packages/kv9.xml \
    share/icons/hicolor/scalable/apps/kv9.svg share/man/man1/wkv9.1; do
  [[ -e $prefix/$f ]] || { echo "FAIL: $f not installed"; exit 1; }
done
# Only the programs in bin/: the installed wkv9 has to find its files in share/kv9/.
if [[ $(ls "$prefix/bin" | sort | tr '\n' ' ') != "wkv9 wkv9-desktop " ]]; then
  echo "FAIL: bin/ holds $(ls "$prefix/bin")"; exit 1
fi
grep -qx 'MimeType=application/x-kv9;' "$prefix/share/applications/kv9.desktop" ||
  { echo "FAIL: the desktop entry names no data-file type"; exit 1; }
grep -q '<glob pattern="\*.kv9"/>' "$prefix/share/mime/packages/kv9.xml" ||
  { echo "FAIL: the MIME type does not match *.kv9"; exit 1; }

work=$tmp/work home=$tmp/home
mkdir -p "$work" "$home"
cp "$source/examples/stress_all_selections.kv9" "$work/"
(cd "$work" && env -i PATH="$PATH" HOME="$home" XDG_CONFIG_HOME="$home/.config" TEMP="$work" \
  TMPDIR="$work" KV9_TEST_NOW='2026-12-09 10:30' "$prefix/bin/wkv9" stress_all_selections.kv9 /I /NOGUI)
cmp "$work/stress_all_selections.txt" \
  "$source/tests/golden/batch_stress_all_selections/expected/stress_all_selections.txt"
echo "installed into $prefix: files in place, batch report equals the golden one"
