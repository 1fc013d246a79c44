#!/usr/bin/env bash
# Saves a PNG of every dialog, the text window and the graphics window (drawing 7, the meshing
# view, the logo) into the folder given as argument, on the offscreen platform; for looking at,
# not for committing. Builds kv9_gui_tests first when it is missing.
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: $0 FOLDER" >&2
  exit 2
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KV9_BUILD_DIR:-$root/build}"
if [ ! -x "$build/bin/kv9_gui_tests" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DKV9_BUILD_BENCH=OFF >/dev/null
  cmake --build "$build" --target kv9_gui_tests
fi
# the tests' own home, so that no user setting leaks into the pictures
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/tmp"
HOME="$home" XDG_CONFIG_HOME="$home/.config" TEMP="$home/tmp" TMPDIR="$home/tmp" \
  KV9_TEST_NOW="2026-12-09 10:30" QT_QPA_PLATFORM=offscreen \
  "$build/bin/kv9_gui_tests" --screenshots "$1"
