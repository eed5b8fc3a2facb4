#!/usr/bin/env bash
# A list kept with the keyboard alone, typed through the display server:
# Ctrl+N, a text, Enter, Space, Ctrl+B, Tab, Alt+Down, Ctrl+S; list.txt then
# holds exactly what those keys make.
source "$(dirname "$0")/lib.sh"

mkdir -p "$E2E_DIR/system"
printf 'Shop\r\n\x81\xa0eggs\r\n' >"$E2E_DIR/system/list.txt"  # □eggs

start_program
# The window is shown active; the display server's keys go to it.
x_window=$(xdotool search --sync --limit 1 --name '^Shop$') || fail "no X window named Shop"
xdotool windowfocus --sync "$x_window" 2>/dev/null || true
sleep 1  # keys sent at once may reach Wine before its window has taken the focus
keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
keys ctrl+n                      # a new item before eggs, its editor open
xdotool type --delay 40 milk
keys Return                      # stored
keys space ctrl+b Tab alt+Down   # checked, emphasised, indented, moved below eggs
keys ctrl+s
expected=$(printf 'Shop\r\n\x81\xa0eggs\r\n\t\x81\x9cmilk\r\n')  # □eggs, TAB ●milk
for _ in $(seq 50); do
  [ "$(cat "$E2E_DIR/system/list.txt")" = "$expected" ] && break
  sleep 0.1
done
if [ "$(cat "$E2E_DIR/system/list.txt")" != "$expected" ]; then
  od -c "$E2E_DIR/system/list.txt" >&2
  fail "list.txt is not what the keys make"
fi
probe close "$E2E_CLASS"
wait_program
pass "Ctrl+N, typing, Enter, Space, Ctrl+B, Tab, Alt+Down and Ctrl+S made the expected list.txt"
