#!/usr/bin/env bash
# Installs the Debian 12 packages Belltide needs to build, test and run.
# Non-interactive; does nothing when everything is already present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev
  libexpat1-dev libpugixml-dev libpng-dev libical-dev
  libgtest-dev libgmock-dev libbenchmark-dev libcadical-dev
  clang libclang-rt-14-dev clang-format-14 clang-tidy-14
  librsvg2-bin
  xvfb xauth x11-apps imagemagick poppler-utils fonts-dejavu-core
  help2man lintian appstream desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: these packages are missing: ${missing[*]}" >&2
  echo "install-deps: run this script as root (or with sudo) to install them." >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
