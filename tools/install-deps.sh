#!/usr/bin/env bash
# Installs every Debian 12 package the build, the tests and the tools need (as root, or via sudo).
# Does nothing when all of them are present already.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev libfmt-dev
  qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core
  libshp-dev libxlsxwriter-dev libzip-dev libpugixml-dev libexpat1-dev
  libocct-data-exchange-dev libtbb-dev
  python3 python3-ezdxf python3-matplotlib python3-dbf dbview hp2xx poppler-utils
  xvfb xauth imagemagick xdg-utils locales
)

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
