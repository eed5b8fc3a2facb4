#!/usr/bin/env bash
# What the program puts on the clipboard outlives it: after a copy and the
# program's close, and after a cut and a kill right after it, another
# process reads CF_TEXT, CF_UNICODETEXT and CF_LOCALE. A copy offers the
# UTF-16 text first; a cut hands over the bytes and their locale, and the
# system makes the UTF-16 text of them.
source "$(dirname "$0")/lib.sh"

mkdir -p "$E2E_DIR/system"
printf '%s\r\n' "買い物" "		●牛乳" "□パン" \
  | iconv -f UTF-8 -t CP932 >"$E2E_DIR/system/list.txt"

# Waits until the clipboard's formats begin with $2, reading none of them:
# a format not yet made stays unmade.
wait_for_formats() {
  local i
  for i in $(seq 100); do
    case $(probe clip-formats -) in "$2"*) return 0 ;; esac
    sleep 0.1
  done
  fail "$1: the clipboard holds the formats $(probe clip-formats -)"
}

# $1 what happened, $2 the text expected (UTF-8).
check_clipboard() {
  probe clip-get - >"$E2E_DIR/bytes" || fail "$1: no CF_TEXT among $(probe clip-formats -)"
  printf '%s' "$2" | iconv -f UTF-8 -t CP932 >"$E2E_DIR/expected"
  cmp "$E2E_DIR/expected" "$E2E_DIR/bytes" || fail "$1: CF_TEXT is $(od -c "$E2E_DIR/bytes")"
  local unicode
  unicode=$(probe clip-get-utf8 -) || fail "$1: no CF_UNICODETEXT among $(probe clip-formats -)"
  [ "$unicode" = "$2" ] || fail "$1: CF_UNICODETEXT is $unicode"
  [ "$(probe clip-locale -)" = 411 ] || fail "$1: CF_LOCALE is $(probe clip-locale -)"
}

# Wine's clipboard lives as long as its desktop, which closes soon after the
# last program using it has ended, and a new one starts with an empty
# clipboard: a waiting probe keeps the desktop while the program ends.
(exec wine "$E2E_PROBE" wait NoSuchWindowClass 300 >/dev/null 2>&1) &
keeper=$!
trap 'kill $keeper 2>/dev/null || true; e2e_cleanup' EXIT

printf 'before' | probe clip-set - || fail "the clipboard could not be set"
start_program
# After loading only the first item is selected.
probe ctrl-key "$E2E_CLASS" c || fail "Ctrl+C could not be typed"
wait_for_formats "the copy" "13 1 16"
probe close "$E2E_CLASS"
wait_program
[ "$E2E_STATUS" = 0 ] || fail "the program ended with $E2E_STATUS"
check_clipboard "a copy after the close" "		●牛乳"

# UTF-16 alone before, so that the cut's formats tell it has been done.
printf 'before' | probe clip-set-utf8 - || fail "the clipboard could not be set"
start_program
probe ctrl-key "$E2E_CLASS" x || fail "Ctrl+X could not be typed"
wait_for_formats "the cut" "1 16"
wine taskkill /f /im TesselList.exe >/dev/null 2>&1 || fail "the program could not be killed"
wait_program
check_clipboard "a cut after a kill" "		●牛乳"
pass "copy and cut outlive the program"
