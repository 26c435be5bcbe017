#!/usr/bin/env bash
# Sets up the machine, builds and runs every test (headless) in one ctest run,
# then the Qt-free libraries' tests once more under AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
ctest --test-dir build --output-on-failure --parallel 2
bash scripts/sanitize.sh
