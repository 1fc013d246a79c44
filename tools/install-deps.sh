#!/usr/bin/env bash
# Installs every Debian 12 package the build, the tests and the tools need (as root, or via sudo).
# Does nothing when all of them are present already.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
# The package list lives in .ci/run, which names what CI installs.
eval "$(sed -n '/^packages=(/,/^)/p' "$root/.ci/run")"

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  as_root apt-get update
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

# One test runs under a comma-decimal locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf8$'; then
  as_root sed -i 's/^# *de_DE.UTF-8/de_DE.UTF-8/' /etc/locale.gen
  as_root locale-gen >/dev/null
fi
