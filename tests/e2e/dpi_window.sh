#!/usr/bin/env bash
# The program in a prefix of TESSEL_WINE_DPI (96 when unset), driven by the
# real pointer and keys at the places of that DPI: a 400 x 300 system.ini
# opens a window of 400 x 300 at 96 DPI's size, row 3's check box and the
# keys check items, a tab is clicked and dragged, the close button ends the
# program, and system.ini is written back as it was read.
source "$(dirname "$0")/lib.sh"

dpi=${TESSEL_WINE_DPI:-96}
# A 96-DPI length at this DPI, rounded as the program rounds.
s() { echo $((($1 * dpi + 48) / 96)); }

mkdir -p "$E2E_DIR/system"
# Wide tab margins make the tab places known to within a few pixels whatever
# the font: each tab is its one-digit name plus 2 x 40 (at 96 DPI).
printf '[Layout]\r\nCategorySpace=40\r\n' >"$E2E_DIR/system/layout.ini"
placement=$'Left=100\r\nTop=100\r\nWidth=400\r\nHeight=300\r\n'
printf '[System]\r\n%s' "$placement" >"$E2E_DIR/system/system.ini"
printf '1\r\n\x81\xa0a\r\n\x81\xa0b\r\n\x81\xa0c\r\n\x81\xa0d\r\n\r\n2\r\n\r\n3\r\n' \
  >"$E2E_DIR/system/list.txt"

start_program
read -r wx wy ww wh < <(probe rect "$E2E_CLASS") || fail "no window rectangle"
[ "$wx $wy $ww $wh" = "$(s 100) $(s 100) $(s 400) $(s 300)" ] ||
  fail "window at $wx,$wy sized ${ww}x$wh at $dpi DPI"
read -r px py _ _ < <(probe rect "$E2E_CLASS" ListPane) || fail "no pane rectangle"

# Row 3's check box, right of where an unscaled box would end.
xdotool mousemove $((px + $(s 8) + $(s 13) - 2)) $((py + 2 * $(s 22) + $(s 22) / 2))
sleep 0.3
xdotool click 1
sleep 0.3
# The focus is on row 3: Down and Space check row 4; Ctrl+S saves.
xdotool key --delay 60 Down space ctrl+s
expected=$(printf '1\r\n\x81\xa0a\r\n\x81\xa0b\r\n\x81\xa1c\r\n\x81\xa1d\r\n\r\n2\r\n\r\n3\r\n')
for _ in $(seq 50); do
  [ "$(cat "$E2E_DIR/system/list.txt")" = "$expected" ] && break
  sleep 0.1
done
[ "$(cat "$E2E_DIR/system/list.txt")" = "$expected" ] ||
  fail "rows 3 and 4 not checked: $(od -c "$E2E_DIR/system/list.txt" | head -3)"

# Tab 2 lies between 4 + w and 4 + 2 w, w from 80 to 94 at 96 DPI.
bar=$((wy + $(s 18) + $(s 22) / 2))
xdotool mousemove $((wx + $(s 4) + 3 * $(s 40) + $(s 7))) $bar
sleep 0.3
xdotool click 1
sleep 0.3
[ "$(probe title "$E2E_CLASS")" = 2 ] || fail "tab 2 not selected: $(probe title "$E2E_CLASS")"

# Tab 1 dragged onto the right half of tab 3 (x 240 at 96 DPI), then saved.
xdotool mousemove $((wx + $(s 40))) $bar
sleep 0.3
xdotool mousedown 1
for x in 50 80 120 160 200 240; do
  sleep 0.1
  xdotool mousemove $((wx + $(s $x))) $bar
done
sleep 0.2
xdotool mouseup 1
sleep 0.3
xdotool key ctrl+s
sleep 0.5
order=$(tr -d '\r' <"$E2E_DIR/system/list.txt" | grep -E '^[0-9]$' | tr -d '\n')
[ "$order" = 231 ] || fail "categories saved in the order '$order', not 231"

# The close button (16 pixels, 1 from the top and right) ends the program.
xdotool mousemove $((wx + ww - $(s 1) - $(s 8))) $((wy + $(s 1) + $(s 8)))
sleep 0.3
xdotool click 1
wait_program
[ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS"
head=$(printf '[System]\r\n%s' "$placement")
[ "$(head -c ${#head} "$E2E_DIR/system/system.ini")" = "$head" ] ||
  fail "system.ini: $(tr '\r\n' ' ' <"$E2E_DIR/system/system.ini")"
pass "at $dpi DPI: a ${ww}x$wh window, check boxes, keys, a tab click and drag, the close button"
