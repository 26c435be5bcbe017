#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (mingw-w64) from Debian's qt6-base source
# package, only what korvane uses, into a cache folder outside the checkout,
# and prints that folder (the CMAKE_PREFIX_PATH of a Windows build) on its
# last line. A folder that is already there is reused.
#
#   KORVANE_CACHE   cache folder (default ~/.cache/korvane)
#
# Qt's host tools (moc, rcc, uic) are the build machine's own Qt 6.4.2, the
# version of the source package, so nothing else of Qt is built for the host.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source scripts/debian-source.sh
cache=${KORVANE_CACHE:-$HOME/.cache/korvane}
version=6.4.2

# What the program needs on Windows: Core, Gui, Widgets, PrintSupport (the
# print preview needs graphics view), Test for the window tests, and the
# windows platform plugin with the Windows and WindowsVista styles.
# - tabletevent off: the dfsg source has no src/3rdparty/wintab.
# - dynamicgl off: with opengl off it is left on and the windows plugin then
#   asks for an OpenGL context it does not have.
# - schannel off: with ssl off its TLS plugin still builds, and fails.
# - no system libraries: a mingw root has none of them; Qt's bundled copies
#   (zlib, pcre2, harfbuzz, freetype, png, jpeg, double-conversion) are used.
# - network off: the program talks to no network; its single instance on
#   Windows is a named event.
options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_dbus=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_ssl=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_network=OFF -DFEATURE_schannel=OFF -DFEATURE_tabletevent=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_textmarkdownreader=OFF
  -DFEATURE_system_libb2=OFF
)
# The folder is named by the version and the options, so a change of either
# builds anew beside the old one.
key=$(printf '%s\n' "$version" "${options[@]}" | cat - "$root/scripts/windows-qt-toolchain.cmake" |
  sha256sum | cut -c1-12)
prefix=$cache/qt-$version-mingw64-$key
if [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]; then
  echo "$prefix"
  exit 0
fi

start=$(date +%s)
work=$cache/qt-$version-mingw64-$key.build
src=$cache/qt-source/qtbase-everywhere-src-$version
if [ ! -f "$src/CMakeLists.txt" ]; then
  debian_source "$cache" "$cache/qt-source" "qt6-base=$version+dfsg-10"
  tar -C "$cache/qt-source" -xf "$cache/qt-source/qt6-base_$version+dfsg.orig.tar.xz"
fi

mkdir -p "$work"
if [ ! -f "$work/build.ninja" ]; then
  echo "windows-qt.sh: configuring Qt $version for Windows (about 5 minutes)" >&2
  cmake -G Ninja -S "$src" -B "$work" -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$root/scripts/windows-qt-toolchain.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >"$work/configure.log" 2>&1 || {
    tail -n 40 "$work/configure.log" >&2
    echo "windows-qt.sh: configuring Qt failed (log: $work/configure.log)" >&2
    exit 1
  }
fi
echo "windows-qt.sh: building Qt $version for Windows (40 to 60 minutes on two cores)" >&2
cmake --build "$work" --parallel "$(nproc)" >"$work/build.log" 2>&1 || {
  grep -m 20 -B2 -A8 'error:\|FAILED' "$work/build.log" >&2 || tail -n 40 "$work/build.log" >&2
  echo "windows-qt.sh: building Qt failed (log: $work/build.log)" >&2
  exit 1
}
cmake --install "$work" >"$work/install.log" 2>&1
rm -rf "$work"
echo "windows-qt.sh: Qt for Windows built in $((($(date +%s) - start) / 60)) min," \
  "$(du -sh "$prefix" | cut -f1) in $prefix" >&2
echo "$prefix"
