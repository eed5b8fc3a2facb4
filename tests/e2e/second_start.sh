#!/usr/bin/env bash
# A second start while the program runs opens no window of its own: it
# hands over to the running one and ends with exit status 0.
source "$(dirname "$0")/lib.sh"
helper() { wine "$E2E_HELPER" "$@"; }
E2E_HELPER=$3

start_program
first_pid=$E2E_PID
( cd "$E2E_DIR" && exec wine "$E2E_DIR/TesselList.exe" ) &
E2E_PID=$!
wait_program
[ "$E2E_STATUS" = 0 ] || fail "the second start ended with $E2E_STATUS"
count=$(helper count "$E2E_CLASS" | tr -d '\r')
[ "$count" = 1 ] || fail "$count main windows"
kill -0 "$first_pid" 2>/dev/null || fail "the first instance is gone"

E2E_PID=$first_pid
probe close "$E2E_CLASS" || fail "WM_CLOSE could not be posted"
wait_program
[ "$E2E_STATUS" = 0 ] || fail "the first instance ended with $E2E_STATUS"
pass "second start exited with 0 and left one window"
