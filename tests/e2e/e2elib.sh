# Shared by the end-to-end scripts (sourced): checks, clean-up by PID and a
# private Xvfb display. Set `needed_tools` and `first_display` before sourcing.
title="Korvane2019版-免费版"

for tool in Xvfb xdotool xdpyinfo "${needed_tools[@]}"; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed (bash scripts/setup.sh installs it)"
    exit 77
  fi
done

work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null
    wait "${pids[i]}" 2>/dev/null
  done
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
check() { # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then echo "ok   - $what"; else echo "FAIL - $what"; failures=$((failures + 1)); fi
}
wait_for() { # wait_for SECONDS COMMAND...: polls until COMMAND succeeds
  local tries=$(($1 * 10)); shift
  for ((t = 0; t < tries; t++)); do "$@" && return 0; sleep 0.1; done
  return 1
}

# A display of our own, and a runtime folder of our own for the instance socket.
n=$first_display
while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
Xvfb :$n -screen 0 1600x900x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=:$n QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
wait_for 10 xdpyinfo >/dev/null 2>&1 || { echo "FAIL - Xvfb :$n did not start"; exit 1; }

main_window() { xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n1; }
shown() { [ -n "$(main_window)" ]; }
hidden() { [ -z "$(main_window)" ]; }

# Ends the script: 0 when every check passed, else 1 with the program's output.
finish() {
  if [ "$failures" -ne 0 ]; then
    echo "--- program output"
    cat "$work/program.log"
    exit 1
  fi
  echo "$1"
  exit 0
}
