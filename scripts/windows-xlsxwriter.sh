#!/usr/bin/env bash
# Builds libxlsxwriter for 64-bit Windows (mingw-w64) from Debian's
# libxlsxwriter source package, the version Linux builds use, as a static
# library into a cache folder outside the checkout, and prints that folder
# (the CMAKE_PREFIX_PATH of a Windows build: it holds lib/pkgconfig/
# xlsxwriter.pc) on its last line. A folder that is already there is reused.
#
#   KORVANE_CACHE   cache folder (default ~/.cache/korvane)
#
# zlib is the mingw-w64 root's (Debian: libz-mingw-w64-dev); minizip,
# tmpfileplus and md5 are the copies bundled in the source.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source scripts/debian-source.sh
cache=${KORVANE_CACHE:-$HOME/.cache/korvane}
version=1.1.4

if [ ! -f /usr/x86_64-w64-mingw32/lib/libz.a ]; then
  echo "windows-xlsxwriter.sh: zlib for mingw-w64 is missing (bash scripts/setup.sh installs" \
    "libz-mingw-w64-dev)" >&2
  exit 1
fi

# - static: linked into korvane.exe and the tests, nothing to ship beside them.
# - the bundled minizip, tmpfileplus and md5: the mingw root has none of them.
# - __USE_MINGW_ANSI_STDIO: the numbers in the sheet are written with
#   printf("%.16G"); the C library of Windows writes three exponent digits
#   (1E-007) where glibc writes two, mingw-w64's own printf writes them as
#   glibc does, so a workbook holds the same bytes on both. mingw-w64's
#   headers pick their own printf for this source today; the define keeps it.
options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
  -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF
  -DUSE_SYSTEM_MINIZIP=OFF -DUSE_OPENSSL_MD5=OFF -DUSE_STANDARD_TMPFILE=OFF
  -DCMAKE_C_FLAGS=-D__USE_MINGW_ANSI_STDIO=1
)
# The folder is named by the version and the options, so a change of either
# builds anew beside the old one.
key=$(printf '%s\n' "$version" "${options[@]}" | cat - "$root/cmake/mingw-w64-x86_64.cmake" |
  sha256sum | cut -c1-12)
prefix=$cache/xlsxwriter-$version-mingw64-$key
if [ -f "$prefix/lib/pkgconfig/xlsxwriter.pc" ]; then
  echo "$prefix"
  exit 0
fi

start=$(date +%s)
mkdir -p "$cache"
sources=$cache/xlsxwriter-source
src=$sources/libxlsxwriter-RELEASE_$version
if [ ! -f "$src/CMakeLists.txt" ]; then
  mkdir -p "$sources"
  if [ ! -f "$sources/libxlsxwriter_$version.orig.tar.gz" ]; then
    debian_source "$cache" "$sources" "libxlsxwriter=$version-2"
  fi
  # Only what the library is built from: the archive also holds the
  # documentation and the test files (20 MB).
  tar -C "$sources" -xzf "$sources/libxlsxwriter_$version.orig.tar.gz" \
    "libxlsxwriter-RELEASE_$version/"{CMakeLists.txt,License.txt,cmake,dev/release} \
    "libxlsxwriter-RELEASE_$version/"{include,src,third_party}
fi

work=$prefix.build
rm -rf "$work"
echo "windows-xlsxwriter.sh: building libxlsxwriter $version for Windows" >&2
if ! cmake -G Ninja -S "$src" -B "$work" -Wno-dev \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >"$work.log" 2>&1 ||
  ! cmake --build "$work" --parallel 2 >>"$work.log" 2>&1 ||
  ! cmake --install "$work" >>"$work.log" 2>&1; then
  grep -m 20 -B2 -A8 'error:\|FAILED\|CMake Error' "$work.log" >&2 || tail -n 40 "$work.log" >&2
  echo "windows-xlsxwriter.sh: building libxlsxwriter failed (log: $work.log)" >&2
  exit 1
fi
rm -rf "$work" "$work.log"
echo "windows-xlsxwriter.sh: libxlsxwriter for Windows built in $(($(date +%s) - start)) s," \
  "$(du -sh "$prefix" | cut -f1) in $prefix" >&2
echo "$prefix"
