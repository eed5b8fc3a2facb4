#!/usr/bin/env bash
# A screen reader in another process: reads the list pane's rows (Japanese
# names in UTF-16, state words, the check) and the category bar's tabs
# through AccessibleObjectFromWindow, checks a row by its default action,
# and finds the check in the list.txt the program writes at exit.
source "$(dirname "$0")/lib.sh"

cp932() { iconv -f UTF-8 -t CP932; }

mkdir -p "$E2E_DIR/system"
printf '買い物\r\n□牛乳を買う\r\n\t■パン\r\n◇卵\r\n□------\r\n\r\n仕事\r\n□報告書\r\n' |
  cp932 >"$E2E_DIR/system/list.txt"

# name|description of each row (the states are looked at bit by bit).
names() { cut -d'|' -f1,2; }
checked() { local states; states=$(sed -n "$(($1 + 1))p" <<<"$2" | cut -d'|' -f3); echo $(( 0x$states & 0x10 )); }

start_program
rows=$(probe acc-rows "$E2E_CLASS" ListPane) || fail "no object for the list pane"
expected='買い物|4
牛乳を買う|チェックなし
パン|チェックあり、インデント 1
卵|チェックなし、取り消し
セパレータ|'
[ "$(names <<<"$rows")" = "$expected" ] || fail "rows read:
$rows"
[ "$(checked 1 "$rows")" = 0 ] && [ "$(checked 2 "$rows")" = 16 ] || fail "check states: $rows"

tabs=$(probe acc-rows "$E2E_CLASS" - 1) || fail "no object for the category bar"
[ "$tabs" = 'カテゴリ|2
買い物||200002
仕事||200000' ] || fail "tabs read:
$tabs"

probe acc-do "$E2E_CLASS" ListPane 1 || fail "the default action of row 1 failed"
rows=$(probe acc-rows "$E2E_CLASS" ListPane)
[ "$(checked 1 "$rows")" = 16 ] || fail "row 1 not checked after its default action: $rows"

probe close "$E2E_CLASS" || fail "WM_CLOSE could not be posted"
wait_program
[ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS"
head -2 "$E2E_DIR/system/list.txt" | iconv -f CP932 -t UTF-8 | grep -q '^■牛乳を買う' ||
  fail "list.txt does not hold the check: $(iconv -f CP932 -t UTF-8 <"$E2E_DIR/system/list.txt")"
pass "rows and tabs read from another process, a row checked by its default action"
