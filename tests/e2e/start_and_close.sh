#!/usr/bin/env bash
# Starts the program, finds its window by class, closes it and expects exit 0.
source "$(dirname "$0")/lib.sh"

start_program
title=$(probe title "$E2E_CLASS" | iconv -f CP932 -t UTF-8)
[ "$title" = "てっせるリスト" ] || fail "title is '$title'"
probe close "$E2E_CLASS" || fail "WM_CLOSE could not be posted"
wait_program
[ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS"
pass "started, titled, closed with exit status 0"
