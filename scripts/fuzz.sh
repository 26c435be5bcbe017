#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz/ with clang into build-fuzz/ and
# runs them.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]   each target for SECONDS (default 60),
#                                           starting from its corpus
#   scripts/fuzz.sh --corpus [TARGET...]    (or 0) each target over its corpus
#                                           only: a regression check of seconds
#
# Targets: numbertext expression capitals gbk summarylist profiletext
# spreadsheet (default: all). Inputs found on a long run stay in
# build-fuzz/found/TARGET/ (add the useful ones to tests/fuzz/corpus/TARGET/);
# an input that breaks a target is kept as build-fuzz/crashes/TARGET-*. Any
# crash, sanitizer report or failed check fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

all_targets=(numbertext expression capitals gbk summarylist profiletext spreadsheet)
seconds=60
if [ $# -gt 0 ]; then
  case $1 in
    --corpus) seconds=0 ;;
    '' | *[!0-9]*) ;;
    *) seconds=$1 ;;
  esac
  case $1 in --corpus | [0-9]*) shift ;; esac
fi
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")
for t in "${targets[@]}"; do
  if [ ! -d "tests/fuzz/corpus/$t" ]; then
    echo "fuzz.sh: no target $t (one of: ${all_targets[*]})" >&2
    exit 2
  fi
done

build=build-fuzz
if [ ! -f "$build/build.ninja" ]; then
  if ! output=$(CC=clang CXX=clang++ cmake -S tests/fuzz -B "$build" -G Ninja \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo 2>&1); then
    printf '%s\n' "$output" >&2
    echo "fuzz.sh: configuring failed (see above)" >&2
    exit 1
  fi
fi
cmake --build "$build" --parallel 2 -- -k 0 >/dev/null || {
  cmake --build "$build" --parallel 1 >&2 || true
  echo "fuzz.sh: building the fuzz targets failed (see above)" >&2
  exit 1
}

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

work=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -p "$build/crashes" "$build/logs"
failed=()
for t in "${targets[@]}"; do
  log="$build/logs/$t.log"
  if [ "$seconds" -eq 0 ]; then
    # -runs=0: every corpus input once, nothing new.
    args=(-runs=0 "$root/tests/fuzz/corpus/$t")
  else
    # New inputs go to build-fuzz/found/, never into the repository's corpus.
    mkdir -p "$build/found/$t"
    args=(-max_total_time="$seconds" -print_final_stats=1 "$root/$build/found/$t"
          "$root/tests/fuzz/corpus/$t")
  fi
  # Run from the temporary folder: libFuzzer may leave files where it runs.
  (cd "$work" && exec nice -n 10 "$root/$build/fuzz_$t" \
      -artifact_prefix="$root/$build/crashes/$t-" "${args[@]}") >"$log" 2>&1 &
  pid=$!
  status=0
  wait "$pid" || status=$?
  pid=
  if [ "$seconds" -eq 0 ]; then
    runs="$(find "tests/fuzz/corpus/$t" -type f | wc -l) corpus inputs"
  else
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1) executions"
  fi
  if [ "$status" -ne 0 ]; then
    failed+=("$t")
    echo "fuzz.sh: $t FAILED (exit $status), see $log:" >&2
    grep -E -A 12 'ERROR|runtime error|check failed' "$log" | head -n 40 >&2 || true
  else
    echo "fuzz.sh: $t ok ($runs)"
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz.sh: failed: ${failed[*]}" >&2
  exit 1
fi
