#!/usr/bin/env bash
# Builds korvane in Release into build-package/ (the program only: no tests, no
# benchmarks) with Debian's hardening flags and makes its Debian package there;
# prints the package's path on the last line.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --package
build=build-package
if [ ! -f $build/build.ninja ]; then
  # Debian's own compiler and linker flags: fortified functions, stack
  # protector, read-only relocations bound at start.
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
  ldflags=$(dpkg-buildflags --get LDFLAGS)
  if ! output=$(CXXFLAGS=$cxxflags LDFLAGS=$ldflags cmake -S . -B $build -G Ninja \
      -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr 2>&1); then
    printf '%s\n' "$output" >&2
    echo "package.sh: configuring failed (see above)" >&2
    exit 1
  fi
  case $output in *"CMake Warning"*) printf '%s\n' "$output" >&2 ;; esac
fi
cmake --build $build --parallel 2
if ! output=$(cd $build && cpack -G DEB 2>&1); then
  printf '%s\n' "$output" >&2
  echo "package.sh: making the package failed (see above)" >&2
  exit 1
fi
# "CPack: - package: /…/korvane_3.60_amd64.deb generated."
deb=$(printf '%s\n' "$output" | sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p')
[ -f "$deb" ] || { printf '%s\n' "$output" >&2; echo "package.sh: no package" >&2; exit 1; }
echo "$deb"
