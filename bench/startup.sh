#!/usr/bin/env bash
# Start-up of korvane beside a plain Qt window of the same size and widgets
# (build/bench/minimal_window): time from launch to the first frame on a
# private Xvfb display, and resident memory at that moment; median of RUNS runs.
# Usage: bash bench/startup.sh [RUNS]     (default 9; builds into build/ first)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
bash scripts/build.sh >/dev/null
probe=build/bench/firstframe
for file in build/korvane build/bench/minimal_window "$probe"; do
  [ -x "$file" ] || { echo "startup: $file was not built" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

n=81
while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
Xvfb :$n -screen 0 1600x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=:$n QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# A point inside both windows (they open at 680,20 and are 578 wide).
x=$((680 + 300)) y=$((20 + 150))
declare -A times memory
for ((run = 1; run <= runs; run++)); do
  for program in korvane minimal_window; do
    # Every run is a first start: an empty runtime folder for the instance socket.
    export XDG_RUNTIME_DIR=$work/run$run$program
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    path=build/korvane
    [ "$program" = minimal_window ] && path=build/bench/minimal_window
    read -r ms kb < <("$probe" $x $y "$path")
    times[$program]+="$ms "
    memory[$program]+="$kb "
  done
done

median() { tr ' ' '\n' | grep -v '^$' | sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
k_ms=$(echo "${times[korvane]}" | median)
m_ms=$(echo "${times[minimal_window]}" | median)
k_kb=$(echo "${memory[korvane]}" | median)
m_kb=$(echo "${memory[minimal_window]}" | median)
printf '%-16s %14s %18s\n' "program" "first frame ms" "memory at it (kB)"
printf '%-16s %14s %18s\n' korvane "$k_ms" "$k_kb" minimal_window "$m_ms" "$m_kb"
awk -v a="$k_ms" -v b="$m_ms" -v c="$k_kb" -v d="$m_kb" \
  'BEGIN { printf "ratio            %14.2f %18.2f   (budget 1.15 and 1.25)\n", a / b, c / d }'
echo "runs: $runs; all times (ms): korvane ${times[korvane]}| minimal ${times[minimal_window]}"
