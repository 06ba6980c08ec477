#!/usr/bin/env bash
# Installs the Debian packages the build, the editor and the tests need, only
# those missing. Uses sudo when not root.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  fonts-liberation2
  libgtest-dev libgmock-dev librapidcheck-dev libbenchmark-dev
  fonts-dejavu-core xvfb xauth
  openbox xdotool wmctrl x11-utils
  dpkg-dev file desktop-file-utils man-db
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
