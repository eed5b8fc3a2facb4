#!/usr/bin/env bash
# The program in a folder whose name cp932 lacks ("José-ø"): it shows the
# list of its system/ folder, and closing writes list.txt and system.ini
# back there, nowhere else.
source "$(dirname "$0")/lib.sh"

E2E_HOME="$E2E_DIR/José-ø"
mkdir -p "$E2E_HOME/system"
mv "$E2E_DIR/TesselList.exe" "$E2E_HOME/TesselList.exe"
printf '%s\r\n' "旅行" "□切符" "□地図" "" "仕事" "●報告書" | iconv -f UTF-8 -t CP932 >"$E2E_HOME/system/list.txt"

start_program
title=$(probe title "$E2E_CLASS" | iconv -f CP932 -t UTF-8)
[ "$title" = "旅行" ] || fail "title is '$title'"
probe command "$E2E_CLASS" 41203 || fail "the check command could not be posted"  # checks 切符
probe close "$E2E_CLASS" || fail "WM_CLOSE could not be posted"
wait_program
[ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS"

expected=$(printf '%s\r\n' "旅行" "■切符" "□地図" "" "仕事" "●報告書" | iconv -f UTF-8 -t CP932 | od -An -tx1)
[ "$(od -An -tx1 <"$E2E_HOME/system/list.txt")" = "$expected" ] \
  || fail "list.txt is: $(iconv -f CP932 -t UTF-8 <"$E2E_HOME/system/list.txt" | cat -A)"
[ "$(head -1 "$E2E_HOME/system/system.ini")" = $'[System]\r' ] || fail "system.ini was not written"
[ "$(grep -c $'\r$' "$E2E_HOME/system/system.ini")" = 22 ] || fail "system.ini is not header, twenty keys and an empty line"
leftovers=$(cd "$E2E_DIR" && find . -mindepth 1 | LC_ALL=C sort | tr '\n' ' ')
[ "$leftovers" = "./José-ø ./José-ø/TesselList.exe ./José-ø/system ./José-ø/system/list.txt ./José-ø/system/system.ini " ] \
  || fail "files: $leftovers"
pass "list shown from José-ø/system; list.txt and system.ini written there"
