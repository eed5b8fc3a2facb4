#!/usr/bin/env bash
# Starts the program on a list.txt of a few categories, reads the list
# pane's rows from outside (LB_GETCOUNT, LB_GETTEXT), clicks the check box of
# one row with a real pointer through the X server, closes the program and
# compares the list.txt it wrote with the expected bytes.
source "$(dirname "$0")/lib.sh"
LIST_ROWS=$3

cp932() { iconv -f UTF-8 -t CP932; }
dashes=$(printf '%040d' 0 | tr 0 -)

mkdir -p "$E2E_DIR/system"
printf 'Tasks\r\n□alpha\r\n\t■beta\r\n□gamma\r\n□------\r\n○delta\r\n\r\n仕事\r\n□報告書\r\n' |
  cp932 >"$E2E_DIR/system/list.txt"
expected=$(printf 'Tasks\r\n□alpha\r\n\t■beta\r\n■gamma\r\n□%s\r\n○delta\r\n\r\n仕事\r\n□報告書\r\n' "$dashes" |
  cp932 | od -An -tx1)

start_program
count=$(probe lb-count "$E2E_CLASS" ListPane) || fail "no list pane"
[ "$count" = 5 ] || fail "LB_GETCOUNT answered '$count', not 5"
rows=$(wine "$LIST_ROWS" "$E2E_CLASS" ListPane | tr '\n' ' ')
[ "$rows" = "alpha beta gamma $dashes delta " ] || fail "rows read back: '$rows'"
len=$(probe lb-count "$E2E_CLASS" ListPane)
[ "$len" = 5 ] || fail "count changed"

# The check box of row 2 (gamma): x from 8 to 20, y from 44 + 4 to 44 + 16.
read -r px py pw ph < <(probe rect "$E2E_CLASS" ListPane) || fail "no pane rectangle"
[ "$pw" -gt 40 ] && [ "$ph" -gt 70 ] || fail "pane of $pw x $ph"
xdotool mousemove $((px + 14)) $((py + 44 + 10))
sleep 0.3
xdotool click 1
sleep 0.5
# A press below the last row changes nothing that is saved.
xdotool mousemove $((px + 100)) $((py + 5 * 22 + 10)) click 1
sleep 0.5

probe close "$E2E_CLASS" || fail "WM_CLOSE could not be posted"
wait_program
[ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS"
written=$(od -An -tx1 <"$E2E_DIR/system/list.txt")
[ "$written" = "$expected" ] || fail "list.txt written:
$written
expected:
$expected"
pass "rows read from outside, a check box clicked, list.txt as expected"
