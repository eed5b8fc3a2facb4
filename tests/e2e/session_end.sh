#!/usr/bin/env bash
# The session end: asked whether it may end, the program saves and keeps
# running; when the end is cancelled it still holds the whole list and
# saves it whole again at its close; when the end comes it closes with 0.
source "$(dirname "$0")/lib.sh"
helper() { wine "$E2E_HELPER" "$@"; }
E2E_HELPER=$3

mkdir -p "$E2E_DIR/system"
printf '%s\r\n' "Errands" "□Post office" "■Bank" "" "Work" "○Report" | iconv -f UTF-8 -t CP932 \
  >"$E2E_DIR/system/list.txt"
cp "$E2E_DIR/system/list.txt" "$E2E_DIR/list.orig"

# Cancelled.
start_program
answer=$(helper query-end-session "$E2E_CLASS" | tr -d '\r') || fail "no answer to WM_QUERYENDSESSION"
[ "$answer" = 1 ] || fail "WM_QUERYENDSESSION answered $answer"
cmp "$E2E_DIR/list.orig" "$E2E_DIR/system/list.txt" || fail "list.txt changed by the save"
[ -f "$E2E_DIR/system/system.ini" ] || fail "system.ini was not saved"
helper end-session "$E2E_CLASS" 0 || fail "WM_ENDSESSION(FALSE) was not answered"
sleep 0.5
kill -0 "$E2E_PID" 2>/dev/null || fail "the program ended although the session goes on"
[ "$(probe title "$E2E_CLASS")" = "Errands" ] || fail "the window lost its list"
rm "$E2E_DIR/system/list.txt"
probe close "$E2E_CLASS" || fail "WM_CLOSE could not be posted"
wait_program
[ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS"
cmp "$E2E_DIR/list.orig" "$E2E_DIR/system/list.txt" || fail "list.txt after a cancelled end is not the list"

# Ending.
start_program
[ "$(helper query-end-session "$E2E_CLASS" | tr -d '\r')" = 1 ] || fail "WM_QUERYENDSESSION refused"
rm "$E2E_DIR/system/list.txt"
helper end-session "$E2E_CLASS" 1 || true  # the window may be gone before it answers
wait_program
[ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS at the session end"
cmp "$E2E_DIR/list.orig" "$E2E_DIR/system/list.txt" || fail "list.txt at the session end is not the list"
pass "a cancelled session end keeps the list; a real one saves it and exits with 0"
