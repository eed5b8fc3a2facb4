#!/usr/bin/env bash
# Another program replaces list.txt while the program runs, as sync tools do
# (a new file renamed over it). With nothing unsaved the window shows the new
# list within seconds; with a change pending (Space, typed through the display
# server) the two are merged: a category checked here and taken out there is
# kept, so both versions stay, one notice tells it, and theirs is also kept
# in list.txt.changed-*.
source "$(dirname "$0")/lib.sh"
LIST_ROWS=$3

mkdir -p "$E2E_DIR/system"
list="$E2E_DIR/system/list.txt"
replace() { printf "$1" >"$E2E_DIR/system/outside.tmp" && mv "$E2E_DIR/system/outside.tmp" "$list"; }
rows() { wine "$LIST_ROWS" "$E2E_CLASS" ListPane | tr -d '\r' | tr '\n' ' '; }
printf 'Shop\r\n\x81\xa0eggs\r\n' >"$list"  # □eggs

start_program
x_window=$(xdotool search --sync --limit 1 --name '^Shop$') || fail "no X window named Shop"
[ "$(rows)" = "eggs " ] || fail "rows at start: '$(rows)'"

replace 'Shop\r\n\x81\xa0eggs\r\n\x81\xa0milk\r\n'
start=$(date +%s%N)
for _ in $(seq 100); do
  [ "$(rows)" = "eggs milk " ] && break
  sleep 0.1
done
[ "$(rows)" = "eggs milk " ] || fail "the replaced list was not shown: '$(rows)'"
echo "the replaced list was shown after $(( ($(date +%s%N) - start) / 1000000 )) ms"

xdotool windowfocus --sync "$x_window" 2>/dev/null || true
sleep 1
xdotool key --delay 60 space  # eggs checked: a change pending
sleep 0.5
replace 'Theirs\r\n\x81\xa0t1\r\n'
# The notice names the copy; Enter closes it.
for _ in $(seq 50); do
  ls "$E2E_DIR/system"/list.txt.changed-* >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1
xdotool key Return
sleep 0.5
[ "$(rows)" = "eggs milk " ] || fail "the pending change is not shown: '$(rows)'"
merged=$(printf 'Theirs\r\n\x81\xa0t1\r\n\r\nShop\r\n\x81\xa1eggs\r\n\x81\xa0milk\r\n')
[ "$(cat "$list")" = "$merged" ] || fail "list.txt is not the merge of both"
copy=$(ls "$E2E_DIR/system"/list.txt.changed-* 2>/dev/null) || fail "no copy of their version"
[ "$(cat "$copy")" = "$(printf 'Theirs\r\n\x81\xa0t1\r\n')" ] || fail "the copy is not theirs"
probe close "$E2E_CLASS"
wait_program
[ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS"
pass "a replaced list.txt is shown; with a change pending both versions are merged"
