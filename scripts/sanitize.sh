#!/usr/bin/env bash
# Builds the libraries that need no Qt (core, summary model, profile text) and
# their tests with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs them there. Any report fails the run: UBSan stops at its
# first report instead of going on.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build-asan/build.ninja ]; then
  # -O1 keeps the build quick and the stacks readable. With the sanitizers GCC
  # 12 warns about std::function inside <regex> being maybe uninitialised, a
  # false alarm of its own (the normal build has no such warning).
  flags="-O1 -g -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=all"
  flags+=" -Wno-maybe-uninitialized"
  if ! output=$(cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DKORVANE_BUILD_GUI=OFF -DCMAKE_CXX_FLAGS_DEBUG="$flags" \
      -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" 2>&1); then
    printf '%s\n' "$output" >&2
    echo "sanitize.sh: configuring failed (see above)" >&2
    exit 1
  fi
  case $output in *"CMake Warning"*) printf '%s\n' "$output" >&2 ;; esac
fi
cmake --build build-asan --parallel
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir build-asan --output-on-failure --parallel 2
