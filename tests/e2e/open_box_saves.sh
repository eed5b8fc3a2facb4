#!/usr/bin/env bash
# An open edit box does not hold back the idle save: 300 lines pasted with
# Ctrl+V, then Enter opens the first of them for editing and 「ZZZ」 is typed.
# With the box still open, list.txt gets the 300 lines, the edited item as
# it was; Enter then stores ZZZ, and the next idle save writes it.
source "$(dirname "$0")/lib.sh"

list="$E2E_DIR/system/list.txt"
mkdir -p "$E2E_DIR/system"
printf 'Shop\r\n\x81\xa0eggs\r\n' >"$list"  # □eggs
lines() { for i in $(seq 300); do printf '\x81\xa0line%d\r\n' "$i"; done; }  # □line1 ...

start_program
focus_program_window Shop

for i in $(seq 300); do printf 'line%d\r\n' "$i"; done | probe clip-set - \
  || fail "the clipboard could not be set"
keys ctrl+v Return
xdotool type --delay 40 ZZZ
{ printf 'Shop\r\n'; lines; printf '\x81\xa0eggs\r\n'; } >"$E2E_DIR/pasted"
wait_for_list "$E2E_DIR/pasted" "the paste, with the box open" 6
keys Return
{ printf 'Shop\r\n\x81\xa0ZZZ\r\n'; lines | tail -n +2; printf '\x81\xa0eggs\r\n'; } \
  >"$E2E_DIR/edited"
wait_for_list "$E2E_DIR/edited" "Enter" 6

probe close "$E2E_CLASS"
wait_program
[ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS"
pass "the idle save wrote the list while an edit box was open; the box's text followed"
