#!/usr/bin/env bash
# Installs what korvane needs on Debian 12. Idempotent: when every package is
# present it only checks and returns.
#
#   scripts/setup.sh            everything: building, running and testing
#   scripts/setup.sh --run      only building and running the program
#   scripts/setup.sh --package  the program and its Debian package
set -euo pipefail

# Building and running the program: compiler, Qt with its Chinese texts, the
# .xlsx writer, xcb for the hot keys and a Chinese font.
run_packages=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n libxcb1-dev
  libxlsxwriter-dev
  fonts-wqy-microhei
)
# Making the package: dpkg-shlibdeps, file and strip (binutils) for CPack's
# Debian generator.
package_packages=(dpkg-dev file binutils)
# Tests, benchmarks, fuzzing, the end-to-end checks and the package's checks;
# the tools that make the sounds and pictures.
test_packages=(
  clang-format
  clang libclang-rt-14-dev libxml2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool xclip x11-utils imagemagick poppler-utils trayer
  espeak-ng sox
  librsvg2-bin qrencode optipng zbar-tools desktop-file-utils
  lintian appstream
  g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine wine64
)
nogui_packages=(libreoffice-calc-nogui)

# The program alone needs none of its packages' recommendations (a GTK theme
# plugin for Qt, documentation): leaving them out saves about 70 packages.
install_options=()
case ${1:-} in
  --run) packages=("${run_packages[@]}") nogui=() install_options=(--no-install-recommends) ;;
  --package)
    packages=("${run_packages[@]}" "${package_packages[@]}") nogui=()
    install_options=(--no-install-recommends) ;;
  '') packages=("${run_packages[@]}" "${package_packages[@]}" "${test_packages[@]}")
      nogui=("${nogui_packages[@]}") ;;
  *) echo "usage: setup.sh [--run | --package]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}" "${nogui[@]}"; do
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
$sudo apt-get install -y -qq "${install_options[@]}" "${packages[@]}" >/dev/null
if [ ${#nogui[@]} -gt 0 ]; then
  $sudo apt-get install -y -qq --no-install-recommends "${nogui[@]}" >/dev/null
fi
