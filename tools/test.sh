#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds everything and runs every test; fails when one fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KV9_BUILD_DIR:-$root/build}"
"$root/tools/install-deps.sh"
"$root/tools/build.sh"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
