#!/usr/bin/env bash
# End-to-end check of the application shell on a private X display without a
# window manager: simultaneous starts, position, Esc/F1 hot keys, a second
# start, the tray icon and the "退出" button. Usage: shell_e2e.sh PATH/TO/korvane
# Exits 77 (skipped) when Xvfb is not installed.
set -u
program=${1:?usage: shell_e2e.sh PATH/TO/korvane}
needed_tools=(xmessage trayer)
source "$(dirname "$0")/e2elib.sh"

trayer --edge top --align left --widthtype pixel --width 120 --heighttype pixel --height 28 \
  --SetDockType false --SetPartialStrut false >/dev/null 2>&1 &
pids+=($!)
sleep 1

# Three starts at once, as a double click on a launcher makes: one program
# stays, the other two hand over to it and end with 0.
starts=()
for i in 1 2 3; do
  "$program" >>"$work/program.log" 2>&1 &
  starts+=($!)
done
pids+=("${starts[@]}")
count_running() {
  local p n=0
  for p in "${starts[@]}"; do kill -0 "$p" 2>/dev/null && n=$((n + 1)); done
  echo "$n"
}
one_running() { [ "$(count_running)" -eq 1 ]; }
wait_for 10 one_running
sleep 0.5
running=() codes=()
for p in "${starts[@]}"; do
  if kill -0 "$p" 2>/dev/null; then
    running+=("$p")
  else
    wait "$p"
    codes+=($?)
  fi
done
check "one of three simultaneous starts keeps running (found ${#running[@]})" \
  test "${#running[@]}" -eq 1
check "the other two exit with 0 (got ${codes[*]-none})" test "${codes[*]-}" = "0 0"
[ "${#running[@]}" -ge 1 ] || finish
program_pid=${running[0]}

check "the main window appears" wait_for 10 shown
window_count() { xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | wc -l; }
check "one main window is shown (found $(window_count))" test "$(window_count)" -eq 1
win=$(main_window)
eval "$(xdotool getwindowgeometry --shell "$win")"
check "the window is at 680,20 (found $X,$Y)" test "$X,$Y" = "680,20"
height=$HEIGHT

# Another client with the focus: the hot keys are taken from it.
xmessage -geometry +20+400 "another program" &
other_pid=$!
pids+=($other_pid)
other_window() { xdotool search --onlyvisible --class xmessage 2>/dev/null | head -n1; }
other_found() { test -n "$(other_window)"; }
wait_for 5 other_found
other=$(other_window)
check "another program has the focus" xdotool windowfocus --sync "$other"
xdotool key Escape
check "Esc pressed in another program hides the window" wait_for 5 hidden
xdotool key F1
check "F1 shows it again" wait_for 5 shown

xdotool key Escape
check "hidden again by Esc" wait_for 5 hidden
timeout 10 "$program" >"$work/second.log" 2>&1
second=$?
check "a second start exits with 0 (got $second)" test "$second" -eq 0
check "a second start shows the hidden window" wait_for 5 shown
check "the first instance still runs" kill -0 "$program_pid"

# The tray icon: a small window of the program embedded in trayer.
tray_icon() {
  local w
  for w in $(xdotool search --pid "$program_pid" 2>/dev/null); do
    [ "$w" = "$win" ] && continue
    eval "$(xdotool getwindowgeometry --shell "$w")"
    if [ "$WIDTH" -le 64 ] && [ "$HEIGHT" -le 64 ] && [ "$Y" -lt 28 ]; then echo "$w"; return 0; fi
  done
  return 1
}
icon=""
wait_for 5 tray_icon >/dev/null && icon=$(tray_icon)
check "the tray icon appears in trayer" test -n "$icon"
if [ -n "$icon" ]; then
  xdotool key Escape
  check "hidden before the tray click" wait_for 5 hidden
  eval "$(xdotool getwindowgeometry --shell "$icon")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
  check "a left click on the tray icon shows the window" wait_for 5 shown
fi

# "退出" at 504,260 (70 x 24) of the client area, which lies below the menu bar.
menu_height=$((height - 291))
xdotool mousemove $((680 + 504 + 35)) $((20 + menu_height + 260 + 12)) click 1
exited=1
if wait_for 5 bash -c "! kill -0 $program_pid 2>/dev/null"; then exited=0; fi
wait "$program_pid" 2>/dev/null
code=$?
check "the button 退出 ends the program" test "$exited" -eq 0
check "with exit code 0 (got $code)" test "$code" -eq 0

finish "all shell checks passed"
