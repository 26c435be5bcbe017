#!/usr/bin/env bash
# Sets up the machine, builds and runs every test (headless) in one ctest run,
# then every fuzz target over its corpus, then the Qt-free libraries' tests
# once more under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/),
# then builds them for Windows and runs them under wine (build-windows/), and
# last makes the Debian package (build-package/) and checks it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
ctest --test-dir build --output-on-failure --parallel 2
# Every fuzz target over its corpus (clang build in build-fuzz/); a crash fails.
bash scripts/fuzz.sh --corpus
bash scripts/sanitize.sh
# The Qt-free libraries built for Windows (mingw-w64) and tested under wine.
bash scripts/windows-tests.sh
deb=$(bash scripts/package.sh | tail -n 1)
bash tests/package/check_package.sh "$deb"
