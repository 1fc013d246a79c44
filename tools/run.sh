#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds, and runs wkv9 with the given arguments.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/install-deps.sh"
"$root/tools/build.sh"
exec "${KV9_BUILD_DIR:-$root/build}/bin/wkv9" "$@"
