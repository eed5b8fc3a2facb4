#!/usr/bin/env bash
# A list.txt that cannot be read whole (a line of 300 bytes, a TAB inside a
# text, an item before the first category): the user is told at start, and
# closing with no change keeps the original as list.txt.unread-* and says
# so. The 255-byte item the program then wrote reads back whole: a second
# start and close tells nothing and writes the same bytes.
source "$(dirname "$0")/lib.sh"

mkdir -p "$E2E_DIR/system"
list="$E2E_DIR/system/list.txt"
long=$(printf 'x%.0s' $(seq 298))
printf '%s\r\n' "□早い" "買い物" "□$long" "□a	b" | iconv -f UTF-8 -t CP932 >"$list"
cp "$list" "$E2E_DIR/list.orig"

# Waits for a message box, prints its text and closes it.
take_box() {
  probe wait '#32770' 30 >/dev/null || fail "$1"
  sleep 0.3
  probe box-text '#32770' | tr -d '\r'
  probe close '#32770' || fail "WM_CLOSE could not be posted to the box"
  probe gone '#32770' 10 || fail "the box stayed"
}

start_program
text=$(take_box "no notice at start")
case "$text" in
  *"リストファイルの一部を読み込めませんでした"*"list.txt") ;;
  *) fail "the notice at start is '$text'" ;;
esac
probe close "$E2E_CLASS" || fail "WM_CLOSE could not be posted"
text=$(take_box "no notice of the kept copy")
copy=$(ls "$E2E_DIR/system"/list.txt.unread-* 2>/dev/null) || fail "no unread copy"
case "$text" in
  *"次のファイルに残してから保存しました"*"$(basename "$copy")") ;;
  *) fail "the notice at close is '$text'" ;;
esac
wait_program
[ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS"
cmp "$E2E_DIR/list.orig" "$copy" || fail "the unread copy is not the original"
expected=$(printf '%s\r\n' "買い物" "□${long:0:255}" "□ab" | iconv -f UTF-8 -t CP932 | od -An -tx1)
[ "$(od -An -tx1 "$list")" = "$expected" ] || fail "list.txt is not what was read"

cp "$list" "$E2E_DIR/list.second"
start_program
probe wait '#32770' 3 >/dev/null && fail "a notice at the second start"
probe close "$E2E_CLASS" || fail "WM_CLOSE could not be posted"
wait_program
[ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS"
cmp "$E2E_DIR/list.second" "$list" || fail "the 255-byte item did not read back whole"
[ "$(ls "$E2E_DIR/system"/list.txt.unread-* | wc -l)" = 1 ] || fail "a second unread copy"
pass "a lossy list kept as list.txt.unread-* and told; a 255-byte item reads back whole"
