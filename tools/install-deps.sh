#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, play and test; only what is missing.
set -euo pipefail
packages=(build-essential cmake pkg-config ccache
  libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libsdl2-mixer-dev libfontconfig-dev fonts-dejavu-core
  libbox2d-dev liblua5.1-0-dev libgtest-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick python3 python3-pil)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
