#!/usr/bin/env bash
# End-to-end: calculations typed as a user types them, on a private X display,
# each ending with its result on the X clipboard. Usage: pages_e2e.sh PATH/TO/korvane
# Exits 77 (skipped) when Xvfb or the X tools are not installed.
set -u
program=${1:?usage: pages_e2e.sh PATH/TO/korvane}
needed_tools=(xclip)
source "$(dirname "$0")/e2elib.sh"

"$program" >"$work/program.log" 2>&1 &
pids+=($!)
wait_for 10 shown || { echo "FAIL - the main window did not appear"; exit 1; }
win=$(main_window)
eval "$(xdotool getwindowgeometry --shell "$win")"
# Client coordinates: the client area lies below the menu bar, 291 pixels tall.
left=$X top=$((Y + HEIGHT - 291))
click() { xdotool mousemove $((left + $1)) $((top + $2)) click 1; sleep 0.3; }
selector() { click "$1" 18; } # the selector buttons' row

# Without a window manager the message box takes no focus by itself.
confirm_message() {
  local box=""
  box_found() { box=$(xdotool search --onlyvisible --name "信息：" 2>/dev/null | head -n1); [ -n "$box" ]; }
  wait_for 5 box_found || return 1
  xdotool windowfocus --sync "$box" key Return
  sleep 0.3
}
clipboard_is() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }

xdotool windowfocus --sync "$win"

# 0. A tour of every page and nested tab, there and back, with the plate's
# first texts filled in: nothing is handed on, nothing asked, the clipboard
# keeps what the user had.
message_shown() { [ -n "$(xdotool search --onlyvisible --name "信息：" 2>/dev/null)" ]; }
printf 'untouched' | xclip -i -selection clipboard
selectors=(29 74 119 159 204 254 299 339 379 419 459 504 549)
nested_pages=" 0 2 4 12 " # selector indexes whose page has nested tabs
messages=0
for order in forward backward; do
  indexes=$(seq 0 12)
  [ "$order" = backward ] && indexes=$(seq 12 -1 0)
  for i in $indexes; do
    selector "${selectors[i]}"
    if [[ $nested_pages == *" $i "* ]]; then
      click 110 46 # the second nested tab
      click 30 46  # and back to the first
    fi
    message_shown && messages=$((messages + 1))
  done
done
check "tour: no message on any page change" [ "$messages" -eq 0 ]
check "tour: the clipboard is untouched" clipboard_is "untouched"
selector 29

# 1. Plate with its first texts: Tab to the count, Enter.
xdotool key Tab Tab Tab Return
check "plate: the weight message appears" confirm_message
check "plate: 2072.40 on the clipboard" wait_for 3 clipboard_is "2072.40"

# 2. Round bar: diameter 20, Enter, length 6, Enter.
xdotool windowfocus --sync "$win"
selector 379
xdotool type --delay 50 "20"
xdotool key Return
xdotool type --delay 50 "6"
xdotool key Return
check "round bar: the weight message appears" confirm_message
check "round bar: 14.81 on the clipboard" wait_for 3 clipboard_is "14.81"

# 3. I-beam: row I20a clicked (row 7 of the list at 1,44 on the client), 3*6, Enter.
xdotool windowfocus --sync "$win"
selector 74
click 30 $((44 + 23 + 6 * 18 + 9))
xdotool key Tab
xdotool type --delay 50 "3*6"
xdotool key Return
check "I-beam: the weight message appears" confirm_message
check "I-beam: 502.72 on the clipboard" wait_for 3 clipboard_is "502.72"

# 4. Amount in capitals: the nested tab 金额大写转换, 1.5, Enter.
xdotool windowfocus --sync "$win"
selector 549
click 110 46
xdotool type --delay 50 "1.5"
xdotool key Return
check "amount: the capitals message appears" confirm_message
check "amount: 壹元伍角整 on the clipboard" wait_for 3 clipboard_is "壹元伍角整"

finish "all page checks passed"
