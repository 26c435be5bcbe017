#!/usr/bin/env bash
# Sets up the machine with only what building and running the program need,
# builds the program alone (no tests, no benchmarks) into build-run/ and
# starts it. The test command builds everything into build/ instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --run
if [ ! -f build-run/build.ninja ]; then
  if ! output=$(cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DBUILD_TESTING=OFF 2>&1); then
    printf '%s\n' "$output" >&2
    echo "run.sh: configuring failed (see above)" >&2
    exit 1
  fi
  case $output in *"CMake Warning"*) printf '%s\n' "$output" >&2 ;; esac
fi
cmake --build build-run --parallel
exec build-run/korvane
