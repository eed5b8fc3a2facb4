#!/usr/bin/env bash
# A list.txt saved as UTF-8, with and without a byte-order mark, reads as
# the user wrote it (one category, two items) and is written back in cp932,
# with no copy and no notice.
source "$(dirname "$0")/lib.sh"
LIST_ROWS=$3

mkdir -p "$E2E_DIR/system"
list="$E2E_DIR/system/list.txt"
printf '%s\r\n' "買い物" "□牛乳" "	■パン" | iconv -f UTF-8 -t CP932 >"$E2E_DIR/list.cp932"

for mark in "" $'\xef\xbb\xbf'; do
  rm -f "$E2E_DIR/system"/*
  { printf '%s' "$mark"; printf '%s\r\n' "買い物" "□牛乳" "	■パン"; } >"$list"
  start_program
  title=$(probe title "$E2E_CLASS" | iconv -f CP932 -t UTF-8)
  [ "$title" = "買い物" ] || fail "title is '$title' (mark '${mark:+BOM}')"
  # Wine hands the rows' Japanese over as "?": their number is what counts.
  rows=$(wine "$LIST_ROWS" "$E2E_CLASS" ListPane | wc -l)
  [ "$rows" = 2 ] || fail "$rows rows (mark '${mark:+BOM}')"
  probe wait '#32770' 2 >/dev/null && fail "a notice (mark '${mark:+BOM}')"
  probe close "$E2E_CLASS" || fail "WM_CLOSE could not be posted"
  wait_program
  [ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS"
  cmp "$E2E_DIR/list.cp932" "$list" || fail "list.txt is not the list in cp932 (mark '${mark:+BOM}')"
  ls "$E2E_DIR/system"/list.txt.unread-* >/dev/null 2>&1 && fail "an unread copy (mark '${mark:+BOM}')"
done
pass "a UTF-8 list.txt, with and without a mark, read as written and saved as cp932"
