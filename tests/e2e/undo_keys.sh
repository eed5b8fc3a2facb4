#!/usr/bin/env bash
# Undo and redo by their keys, typed through the display server, and the
# idle save: Ctrl+A, Delete, Ctrl+Z, Ctrl+Y, Ctrl+Z, Ctrl+Shift+Z, with
# list.txt following each change within seconds and no Ctrl+S; inside an
# item edit Ctrl+Z stays the edit box's own.
source "$(dirname "$0")/lib.sh"
LIST_ROWS=$3

list="$E2E_DIR/system/list.txt"
mkdir -p "$E2E_DIR/system"
printf 'Shop\r\n\x81\xa0eggs\r\n\x81\xa0milk\r\n\x81\xa0tea\r\n' >"$list"  # □eggs □milk □tea
rows() { wine "$LIST_ROWS" "$E2E_CLASS" ListPane | tr -d '\r' | tr '\n' ' '; }
keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
# Waits for list.txt to hold the bytes of printf "$1" (at most 10 s) and
# tells how long the idle save took.
saved() {
  local want start
  want=$(printf "$1" | od -An -tx1)
  start=$(date +%s%N)
  for _ in $(seq 100); do
    [ "$(od -An -tx1 <"$list")" = "$want" ] && break
    sleep 0.1
  done
  [ "$(od -An -tx1 <"$list")" = "$want" ] || { od -c "$list" >&2; fail "list.txt after $2"; }
  echo "list.txt held the list $(( ($(date +%s%N) - start) / 1000000 )) ms after $2"
}

start_program
x_window=$(xdotool search --sync --limit 1 --name '^Shop$') || fail "no X window named Shop"
xdotool windowfocus --sync "$x_window" 2>/dev/null || true
sleep 1

keys ctrl+a Delete
[ "$(rows)" = "" ] || fail "rows after Ctrl+A, Delete: '$(rows)'"
saved 'Shop\r\n' "Ctrl+A, Delete"
keys ctrl+z
[ "$(rows)" = "eggs milk tea " ] || fail "rows after Ctrl+Z: '$(rows)'"
saved 'Shop\r\n\x81\xa0eggs\r\n\x81\xa0milk\r\n\x81\xa0tea\r\n' "Ctrl+Z"
keys ctrl+y
[ "$(rows)" = "" ] || fail "rows after Ctrl+Y: '$(rows)'"
keys ctrl+z ctrl+shift+z
[ "$(rows)" = "" ] || fail "rows after Ctrl+Z, Ctrl+Shift+Z: '$(rows)'"
keys ctrl+z

# The undo selected the three items it brought back: Space checks them all.
# Then an edit of eggs whose typing Ctrl+Z takes back inside the box.
keys space
keys Return
xdotool type --delay 40 X
keys ctrl+z Return
saved 'Shop\r\n\x81\xa1eggs\r\n\x81\xa1milk\r\n\x81\xa1tea\r\n' "Space and an edit undone in its box"
[ "$(rows)" = "eggs milk tea " ] || fail "rows after the edit: '$(rows)'"

probe close "$E2E_CLASS"
wait_program
[ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS"
pass "Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z undo and redo; each change reached list.txt without Ctrl+S"
