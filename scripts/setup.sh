#!/usr/bin/env bash
# Installs everything that building, running and testing korvane need on Debian 12.
# Idempotent: when every package is present it only checks and returns.
set -euo pipefail

packages=(
  cmake g++ ninja-build pkg-config clang-format
  clang libclang-rt-14-dev libxml2-dev
  libgtest-dev libgmock-dev libbenchmark-dev libxlsxwriter-dev
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libxcb1-dev
  fonts-wqy-microhei
  xvfb xauth xdotool xclip x11-utils imagemagick poppler-utils trayer
  espeak-ng sox
  librsvg2-bin qrencode zbar-tools desktop-file-utils
  g++-mingw-w64-x86-64-posix wine wine64
)
nogui_packages=(libreoffice-calc-nogui)

missing=()
for p in "${packages[@]}" "${nogui_packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${packages[@]}" >/dev/null
$sudo apt-get install -y -qq --no-install-recommends "${nogui_packages[@]}" >/dev/null
