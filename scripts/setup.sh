#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when they are missing.
set -euo pipefail

# Qt 6 Charts needs the OpenGL development files to configure, though its package does not pull
# them in.
packages=(cmake g++ ninja-build libgtest-dev qt6-base-dev qt6-charts-dev libqt6opengl6-dev
  libssl-dev cups printer-driver-cups-pdf poppler-utils fonts-liberation "$@")
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
