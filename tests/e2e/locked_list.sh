#!/usr/bin/env bash
# list.txt held by another program at start, as an indexer or a sync client
# holds it: held for a second it is read all the same; held longer the read
# fails and is reported, and the list shows once the file is free. Neither
# way leaves a copy, and list.txt is written back as it was.
source "$(dirname "$0")/lib.sh"
LIST_ROWS=$3
HELPER=$4

mkdir -p "$E2E_DIR/system"
list="$E2E_DIR/system/list.txt"
printf 'Shop\r\n\x81\xa0eggs\r\n' >"$list"  # □eggs
cp "$list" "$E2E_DIR/list.orig"
rows() { wine "$LIST_ROWS" "$E2E_CLASS" ListPane 2>/dev/null | tr -d '\r' | tr '\n' ' '; }
# Waits up to $1 tenths of a second for the list to show.
wait_rows() {
  for _ in $(seq "$1"); do
    [ "$(rows)" = "eggs " ] && return
    sleep 0.1
  done
  fail "$2: '$(rows)'"
}

# Holds list.txt until ms after the main window shows up; waits until held.
hold() {
  rm -f "$E2E_DIR/held"
  wine "$HELPER" hold "Z:${list//\//\\}" "$E2E_CLASS" "$1" >"$E2E_DIR/held" &
  HOLDER=$!
  for _ in $(seq 100); do
    grep -q held "$E2E_DIR/held" 2>/dev/null && return
    sleep 0.1
  done
  fail "list.txt could not be held"
}

check_closed() {
  probe close "$E2E_CLASS" || fail "WM_CLOSE could not be posted"
  wait_program
  [ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS"
  wait "$HOLDER" || true
  cmp "$E2E_DIR/list.orig" "$list" || fail "list.txt changed ($1)"
  ls "$E2E_DIR/system"/list.txt.unread-* >/dev/null 2>&1 && fail "an unread copy ($1)"
  return 0
}

hold 1000
start_program
probe wait '#32770' 2 >/dev/null && fail "a message box, though the file was held only a second"
wait_rows 50 "rows after a short hold"
check_closed "short hold"

hold 5000
launch_program
probe wait '#32770' 30 >/dev/null || fail "no report of the failed read"
text=$(probe box-text '#32770' | tr -d '\r')
case "$text" in
  "リストを作成することができません。"*) ;;
  *) fail "the report is '$text'" ;;
esac
probe close '#32770' || fail "WM_CLOSE could not be posted to the box"
wait_rows 150 "the list was not taken up once free"
check_closed "long hold"
pass "a list held a second is read; held longer, it is taken up once free"
