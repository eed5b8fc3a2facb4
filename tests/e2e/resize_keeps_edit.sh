#!/usr/bin/env bash
# What is typed survives a minimise: 「QQQ」 typed at the end of an item
# being edited, then the hot key (without the tray it minimises the window
# in front through SC_MINIMIZE), then the hot key again to bring it back.
# list.txt gets the text without Enter, and one Ctrl+Z gives the old one.
source "$(dirname "$0")/lib.sh"
LIST_ROWS=$3

list="$E2E_DIR/system/list.txt"
mkdir -p "$E2E_DIR/system"
printf 'Shop\r\n\x81\xa0eggs\r\n\x81\xa0milk\r\n' >"$list"  # □eggs □milk
printf '[System]\r\nWindowHotKey=0551\r\n' >"$E2E_DIR/system/system.ini"  # Ctrl+Alt+Q
rows() { wine "$LIST_ROWS" "$E2E_CLASS" ListPane | tr -d '\r' | tr '\n' ' '; }

start_program
focus_program_window Shop

keys Return End
xdotool type --delay 40 QQQ
sleep 0.3
keys ctrl+alt+q
sleep 1
[ "$(probe iconic "$E2E_CLASS" | tr -d '\r')" = 1 ] || fail "the hot key did not minimise the window"
keys ctrl+alt+q
sleep 0.5
[ "$(probe iconic "$E2E_CLASS" | tr -d '\r')" = 0 ] || fail "the hot key did not restore the window"
xdotool windowfocus --sync "$x_window" 2>/dev/null || true
sleep 1
[ "$(rows)" = "eggsQQQ milk " ] || fail "rows after the minimise: '$(rows)'"
saved 'Shop\r\n\x81\xa0eggsQQQ\r\n\x81\xa0milk\r\n' "the minimise"
keys ctrl+z
[ "$(rows)" = "eggs milk " ] || fail "rows after one Ctrl+Z: '$(rows)'"
saved 'Shop\r\n\x81\xa0eggs\r\n\x81\xa0milk\r\n' "Ctrl+Z"

probe close "$E2E_CLASS"
wait_program
[ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS"
pass "an edit open at a minimise was kept, as one step that Ctrl+Z takes back"
