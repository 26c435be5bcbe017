#!/usr/bin/env bash
# Builds the libraries that need no Qt and their tests for 64-bit Windows
# with mingw-w64 into build-windows/ and runs the tests under wine, in a wine
# prefix of their own (build-windows/wine). The .xlsx export is built with
# libxlsxwriter for Windows (scripts/windows-xlsxwriter.sh builds it once into
# ~/.cache/korvane); the Qt program is not part of this build. Fails when a
# test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=build-windows

wine=$(command -v wine || true)
[ -n "$wine" ] || wine=/usr/lib/wine/wine64
wineserver=$(command -v wineserver || true)
[ -n "$wineserver" ] || wineserver=/usr/lib/wine/wineserver
if [ ! -x "$wine" ] || ! command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
  echo "windows-tests.sh: wine and mingw-w64 are missing (bash scripts/setup.sh installs them)" >&2
  exit 1
fi

mkdir -p "$build/wine"
export WINEPREFIX="$root/$build/wine" WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko: console programs need neither, and wine would ask for
# them. No menu builder: it would put menu entries into the user's home.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# The wine server of this prefix stays up for the whole run (each test starts
# a program of its own) and is stopped, with anything left in the prefix, on
# the way out.
boot_pid=""
finish() {
  [ -z "$boot_pid" ] || kill "$boot_pid" 2>/dev/null || true
  "$wineserver" -k 2>/dev/null || true
  "$wineserver" -w 2>/dev/null || true
}
trap finish EXIT
"$wineserver" -p
# Making the prefix takes a few seconds the first time: it goes on while the
# tests compile.
"$wine" wineboot --init >/dev/null 2>&1 &
boot_pid=$!

xlsxwriter=$(bash scripts/windows-xlsxwriter.sh | tail -n 1)

# A build folder configured otherwise (without the .xlsx export, or with
# another libxlsxwriter build) is configured anew: what pkg-config found stays
# in the cache otherwise.
cache=$build/CMakeCache.txt
if [ ! -f "$build/build.ninja" ] || ! grep -qx 'KORVANE_XLSX_EXPORT:BOOL=ON' "$cache" ||
  ! grep -qxF "XLSXWRITER_PREFIX:INTERNAL=$xlsxwriter" "$cache"; then
  fresh=()
  [ ! -f "$cache" ] || fresh=(--fresh)
  if ! output=$(cmake "${fresh[@]}" -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_PREFIX_PATH="$xlsxwriter" \
      -DKORVANE_BUILD_GUI=OFF -DKORVANE_XLSX_EXPORT=ON \
      -DKORVANE_GTEST_SOURCE_DIR=/usr/src/googletest \
      -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST \
      -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" 2>&1); then
    printf '%s\n' "$output" >&2
    echo "windows-tests.sh: configuring failed (see above)" >&2
    exit 1
  fi
  case $output in *"CMake Warning"*) printf '%s\n' "$output" >&2 ;; esac
fi
cmake --build "$build" --parallel 2

wait "$boot_pid" || true
boot_pid=""
# Each test program runs once with all its tests. (ctest --test-dir
# build-windows runs them one test per program start, through wine as well:
# four hundred starts take longer, and now and then wine 8 hangs while a
# program that passed exits.)
status=0
failed=()
while IFS= read -r program; do
  echo "== ${program#"$build"/}"
  if ! timeout 600 "$wine" "$program" --gtest_brief=1; then
    status=1
    failed+=("${program#"$build"/}")
  fi
done < <(find "$build/tests" -name '*.exe' -not -path '*/CMakeFiles/*' | sort)
if [ "$status" -ne 0 ]; then
  echo "windows-tests.sh: failed under wine: ${failed[*]}" >&2
fi
exit "$status"
