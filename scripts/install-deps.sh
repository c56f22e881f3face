#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and its tests need; only what is missing.
set -euo pipefail

packages=(cmake g++ make pkg-config qt6-base-dev qt6-serialport-dev libgtest-dev
          fonts-wqy-microhei xvfb xdotool x11-utils)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
