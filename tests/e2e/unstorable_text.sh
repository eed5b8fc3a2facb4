#!/usr/bin/env bash
# What list.txt cannot hold is told at once. In an item edit, typed é is
# refused and typed α (cp932 has it) goes in; a paste of xéy into the box
# keeps xy. A paste of items whose lines need a "?" or a cut says how many
# lines, once, right after it.
source "$(dirname "$0")/lib.sh"

list="$E2E_DIR/system/list.txt"
mkdir -p "$E2E_DIR/system"
printf 'Shop\r\n\x81\xa0eggs\r\n' >"$list"  # □eggs

start_program
focus_program_window Shop

keys Return End
# One at a time: xdotool lends both the same spare key code.
for letter in é α; do
  xdotool type --delay 200 "$letter"
  sleep 0.5
done
printf 'xéy' | probe clip-set-utf8 - || fail "the clipboard could not be set"
keys ctrl+v Return
saved 'Shop\r\n\x81\xa0eggs\x83\xbfxy\r\n' "typing éα and pasting xéy into the box"  # α

# Two of three lines cannot go in whole: José, and one of 300 bytes.
long=$(printf 'a%.0s' $(seq 300))
printf 'José\r\nplain\r\n%s' "$long" | probe clip-set-utf8 - || fail "the clipboard could not be set"
keys ctrl+v
probe wait '#32770' 10 >/dev/null || fail "no notice after the paste"
notice=$(probe box-text '#32770' | tr -d '\r')
case "$notice" in
  "貼り付けた 2 行は、"*"元のテキストはクリップボードに残っています。") ;;
  *) fail "the notice says '$notice'" ;;
esac
probe close '#32770'
probe gone '#32770' 10 || fail "the notice did not close"
saved "Shop\r\n\x81\xa0Jos?\r\n\x81\xa0plain\r\n\x81\xa0${long:0:255}\r\n\x81\xa0eggs\x83\xbfxy\r\n" \
  "the paste of items"

probe close "$E2E_CLASS"
wait_program
[ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS"
pass "é refused in the box and α taken; a paste of items told of its two altered lines"
