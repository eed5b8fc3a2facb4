#!/usr/bin/env bash
# Real pointer input on the running program: a tab dragged two places right
# and saved with Ctrl+S, the window narrowed from its left edge past the
# least width, the close button released outside (nothing happens) and then
# over it (the program saves and exits).
source "$(dirname "$0")/lib.sh"

mkdir -p "$E2E_DIR/system"
# Wide tab margins make the tab places known to within a few pixels whatever
# the font: each tab is its one-digit name plus 2 x 40.
printf '[Layout]\r\nCategorySpace=40\r\n' >"$E2E_DIR/system/layout.ini"
printf '[System]\r\nLeft=100\r\nTop=100\r\nWidth=500\r\nHeight=300\r\n' >"$E2E_DIR/system/system.ini"
printf '1\r\n\x81\xa0a\r\n\r\n2\r\n\x81\xa0b\r\n\r\n3\r\n\r\n4\r\n' >"$E2E_DIR/system/list.txt"

start_program
read -r wx wy ww wh < <(probe rect "$E2E_CLASS") || fail "no window rectangle"
[ "$ww" = 500 ] || fail "window width $ww"
bar=$((wy + 18 + 11))

# Tab 1 spans x 4 .. 4 + w with w about 87; the right half of tab 3 lies
# between 4 + 2.5 w and 4 + 3 w, which holds x 240 for w from 85 to 94.
xdotool mousemove $((wx + 40)) $bar
sleep 0.3
xdotool mousedown 1
for x in 50 80 120 160 200 240; do
  sleep 0.1
  xdotool mousemove $((wx + x)) $bar
done
sleep 0.2
xdotool mouseup 1
sleep 0.3
xdotool key ctrl+s
sleep 0.5
order=$(tr -d '\r' <"$E2E_DIR/system/list.txt" | grep -E '^[0-9]$' | tr -d '\n')
[ "$order" = 2314 ] || fail "categories saved in the order '$order', not 2314"

# The left edge dragged 450 pixels right stops 100 pixels left of the right edge.
xdotool mousemove $((wx + 1)) $((wy + 150))
sleep 0.3
xdotool mousedown 1
for x in 100 300 451; do
  sleep 0.1
  xdotool mousemove $((wx + x)) $((wy + 150))
done
sleep 0.2
xdotool mouseup 1
sleep 0.3
read -r nx ny nw nh < <(probe rect "$E2E_CLASS") || fail "no window rectangle"
[ "$nw" = 100 ] && [ $((nx + nw)) = $((wx + ww)) ] ||
  fail "after the resize: x $nx width $nw (right edge $((nx + nw)), was $((wx + ww)))"

# The close button (16 pixels, 1 from the top and right): released outside, nothing.
cx=$((nx + nw - 1 - 8))
cy=$((ny + 1 + 8))
rm "$E2E_DIR/system/list.txt"
xdotool mousemove $cx $cy
sleep 0.3
xdotool mousedown 1
sleep 0.1
xdotool mousemove $((cx - 40)) $((cy + 60))
sleep 0.1
xdotool mouseup 1
sleep 0.5
probe wait "$E2E_CLASS" 1 >/dev/null || fail "the window went on a release outside the close button"
[ ! -e "$E2E_DIR/system/list.txt" ] || fail "list.txt was written on a release outside"
# Released over it: the program saves and exits.
xdotool mousemove $cx $cy
sleep 0.3
xdotool mousedown 1
sleep 0.1
xdotool mouseup 1
wait_program
[ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS"
[ -e "$E2E_DIR/system/list.txt" ] || fail "list.txt was not written at exit"
grep -q $'^Width=100\r$' "$E2E_DIR/system/system.ini" ||
  fail "system.ini: $(tr '\r\n' ' ' <"$E2E_DIR/system/system.ini")"
pass "a tab dragged and saved, the left edge stopped at 100 pixels, the close button"
