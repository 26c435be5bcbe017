#!/usr/bin/env bash
# Configures (once) and builds korvane, its tests and benchmarks into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/build.ninja ]; then
  # Quiet when all is well; shown in full when configuring fails or warns.
  if ! output=$(cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo 2>&1); then
    printf '%s\n' "$output" >&2
    echo "build.sh: configuring failed (see above)" >&2
    exit 1
  fi
  case $output in *"CMake Warning"*) printf '%s\n' "$output" >&2 ;; esac
fi
cmake --build build --parallel
