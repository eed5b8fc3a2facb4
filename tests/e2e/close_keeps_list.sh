#!/usr/bin/env bash
# Closing the window writes list.txt back byte for byte as it was loaded,
# and system.ini with exactly its twenty key lines.
source "$(dirname "$0")/lib.sh"

mkdir -p "$E2E_DIR/system"
# Every marker, indents, a separator of "SeparatorLength" (40) dashes and
# several categories, in cp932 with CR LF line ends.
printf '%s\r\n' "買い物" "□牛乳" "	■パン" "		◇卵" "" "仕事" "◆報告書" "○会議" "●電話" \
  "□$(printf -- '-%.0s' $(seq 40))" "" "Home" "□" "" "空のカテゴリ" \
  | iconv -f UTF-8 -t CP932 >"$E2E_DIR/system/list.txt"
cp "$E2E_DIR/system/list.txt" "$E2E_DIR/list.orig"

start_program
title=$(probe title "$E2E_CLASS" | iconv -f CP932 -t UTF-8)
[ "$title" = "買い物" ] || fail "title is '$title'"
probe close "$E2E_CLASS" || fail "WM_CLOSE could not be posted"
wait_program
[ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS"
cmp "$E2E_DIR/list.orig" "$E2E_DIR/system/list.txt" || fail "list.txt changed"
keys=$(tr -d '\r' <"$E2E_DIR/system/system.ini" | sed -n '2,21s/=.*//p' | tr '\n' ' ')
[ "$keys" = "Left Top Width Height WindowMax WindowTop DispCategory CheckMoveDown TaskTray CategoryIndex ScrollIndex DispTrayIcon DispMenuKey StartIME DeleteCheck AutoIndent EditMode InsertPosition SeparatorLength WindowHotKey " ] \
  || fail "system.ini keys: $keys"
[ "$(grep -c $'\r$' "$E2E_DIR/system/system.ini")" = 22 ] || fail "system.ini is not header, twenty keys and an empty line"
pass "list.txt written back unchanged, system.ini of twenty keys"
