#!/usr/bin/env bash
# Items to another program and back: Ctrl+C in the running program puts the
# selection on the clipboard, which another process reads byte for byte;
# text another process put there becomes items with Ctrl+V, and Ctrl+S
# writes them to list.txt.
source "$(dirname "$0")/lib.sh"

mkdir -p "$E2E_DIR/system"
printf '%s\r\n' "買い物" "		●牛乳" "□パン" \
  | iconv -f UTF-8 -t CP932 >"$E2E_DIR/system/list.txt"

start_program
# After loading only the first item is selected.
probe ctrl-key "$E2E_CLASS" c || fail "Ctrl+C could not be typed"
probe clip-get - >"$E2E_DIR/copied" || fail "no text on the clipboard"
printf '\t\t●牛乳' | iconv -f UTF-8 -t CP932 >"$E2E_DIR/expected"
cmp "$E2E_DIR/expected" "$E2E_DIR/copied" || fail "the clipboard holds $(od -c "$E2E_DIR/copied")"

# "InsertPosition" 111: pasted at the focus row, in front of the first item.
printf '■卵\r\n\t\tハム\nx\ty\r' | iconv -f UTF-8 -t CP932 | probe clip-set - \
  || fail "the clipboard could not be set"
probe ctrl-key "$E2E_CLASS" v || fail "Ctrl+V could not be typed"
probe ctrl-key "$E2E_CLASS" s || fail "Ctrl+S could not be typed"
printf '%s\r\n' "買い物" "■卵" "		□ハム" "□xy" "		●牛乳" "□パン" \
  | iconv -f UTF-8 -t CP932 >"$E2E_DIR/expected"
for i in $(seq 50); do
  cmp -s "$E2E_DIR/expected" "$E2E_DIR/system/list.txt" && break
  sleep 0.1
done
cmp "$E2E_DIR/expected" "$E2E_DIR/system/list.txt" || fail "list.txt is $(od -c "$E2E_DIR/system/list.txt")"
probe close "$E2E_CLASS"
wait_program
pass "copied to and pasted from another process"
