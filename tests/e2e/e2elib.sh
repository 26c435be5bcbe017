# Shared by the end-to-end scripts (sourced): checks, clean-up by PID and a
# private Xvfb display. Set `needed_tools` before sourcing.
title="Korvane2019版-免费版"

for tool in Xvfb xdotool "${needed_tools[@]}"; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed (bash scripts/setup.sh installs it)"
    exit 77
  fi
done

work=$(mktemp -d)
pids=()
stop() { # stop PID: asks it to end, kills it when it has not ended after 5 seconds
  kill "$1" 2>/dev/null || return 0
  local t
  for ((t = 0; t < 50; t++)); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  kill -KILL "$1" 2>/dev/null
  wait "$1" 2>/dev/null
}
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do stop "${pids[i]}"; done
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

# A display of our own: Xvfb picks a free number and writes it to a pipe once
# it accepts clients. Read and write ends are opened together, so that neither
# waits for the other, and the read gives up after 10 seconds.
mkfifo "$work/display"
exec {display_fd}<>"$work/display"
Xvfb -displayfd "$display_fd" -screen 0 1600x900x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
n=""
read -r -t 10 -u "$display_fd" n
exec {display_fd}<&-
if [ -z "$n" ]; then
  echo "FAIL - Xvfb did not start"
  cat "$work/xvfb.log"
  exit 1
fi
# And a runtime folder of our own for the instance socket.
export DISPLAY=:$n QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"

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
