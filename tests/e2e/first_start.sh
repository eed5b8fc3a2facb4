#!/usr/bin/env bash
# A first start beside no system/ folder: the folder is made, the window is
# 400 x 300 in the middle of the work area with the program's title, and
# closing it writes system.ini with its twenty keys and an empty list.txt.
source "$(dirname "$0")/lib.sh"
helper() { wine "$E2E_HELPER" "$@"; }
E2E_HELPER=$3

[ ! -e "$E2E_DIR/system" ] || fail "system/ exists before the start"
start_program
[ -d "$E2E_DIR/system" ] || fail "system/ was not made"
read -r left top right bottom < <(helper workarea | tr -d '\r')
read -r x y w h < <(probe rect "$E2E_CLASS" | tr -d '\r')
[ "$w $h" = "400 300" ] || fail "size is $w x $h"
want_x=$(( (right - 400) / 2 ))
want_y=$(( (bottom - 300) / 2 ))
[ "$x $y" = "$want_x $want_y" ] || fail "placed at $x,$y, not $want_x,$want_y (work area $left $top $right $bottom)"
title=$(probe title "$E2E_CLASS" | iconv -f CP932 -t UTF-8)
[ "$title" = "てっせるリスト" ] || fail "title is '$title'"

probe close "$E2E_CLASS" || fail "WM_CLOSE could not be posted"
wait_program
[ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS"
[ -f "$E2E_DIR/system/list.txt" ] || fail "list.txt was not written"
[ ! -s "$E2E_DIR/system/list.txt" ] || fail "list.txt of an empty list is not empty"
expected=$(printf '%s\r\n' "[System]" "Left=$want_x" "Top=$want_y" "Width=400" "Height=300" \
  WindowMax=0 WindowTop=0 DispCategory=1 CheckMoveDown=0 TaskTray=0 CategoryIndex=0 ScrollIndex=0 \
  DispTrayIcon=1 DispMenuKey=1 StartIME=0 DeleteCheck=1 AutoIndent=1 EditMode=0 InsertPosition=111 \
  SeparatorLength=40 WindowHotKey=0000 ""; echo x)
actual=$(cat "$E2E_DIR/system/system.ini"; echo x)
[ "$actual" = "$expected" ] || fail "system.ini is: $(cat -A "$E2E_DIR/system/system.ini")"
pass "first start: folder made, 400 x 300 centred at $x,$y, system.ini of twenty keys"
