#!/usr/bin/env bash
# Starts the program with layout.ini values of 0 and below and a list font
# that does not exist, uses the list pane with real pointer and key events
# through the X server, and expects it to run on and close with exit 0.
source "$(dirname "$0")/lib.sh"

mkdir -p "$E2E_DIR/system"
printf 'test\r\n□one\r\n\t■two\r\n□---\r\n●four\r\n□five\r\n□six\r\n□seven\r\n□eight\r\n' |
  iconv -f UTF-8 -t CP932 >"$E2E_DIR/system/list.txt"

use_pane() {
  local px py pw ph x y
  read -r px py pw ph < <(probe rect "$E2E_CLASS" ListPane) || fail "no pane rectangle"
  for y in 0 1 3 12 30 60; do
    for x in 0 2 10 40; do
      xdotool mousemove $((px + x)) $((py + y)) click 1
    done
  done
  xdotool mousemove $((px + 5)) $((py + 2)) click --repeat 2 --delay 80 1
  xdotool mousemove $((px + 20)) $((py + 4)) mousedown 1 mousemove $((px + 20)) $((py + 40)) \
    mousemove $((px + 20)) $((py - 30)) mousemove $((px + 20)) $((py + 10)) mouseup 1
  xdotool mousemove $((px + 20)) $((py + 4)) mousedown 3 mousemove $((px + 20)) $((py + 50)) mouseup 3
  xdotool click 5 click 5 click 4
  xdotool key Down key End key Page_Up key Home key shift+End key Escape
  sleep 0.5
}

for layout in \
  '[Layout]\r\nListLineHeight=0\r\nCheckBoxSize=0\r\nScrollBarWidth=0\r\nCheckBoxMarginLeft=0\r\nCheckBoxMarginRight=0\r\nListIndentWidth=0\r\n[Font]\r\nList=NoSuchFontFace,0,0\r\n' \
  '[Layout]\r\nListLineHeight=-22\r\nCheckBoxSize=-13\r\nScrollBarWidth=-16\r\nCheckBoxMarginLeft=-8\r\nCheckBoxMarginRight=-8\r\nListIndentWidth=-24\r\n[Font]\r\nList=,-5,99\r\n'; do
  printf "$layout" >"$E2E_DIR/system/layout.ini"
  start_program
  use_pane
  kill -0 "$E2E_PID" 2>/dev/null || fail "the program ended with layout: $layout"
  count=$(probe lb-count "$E2E_CLASS" ListPane) || fail "no answer from the pane"
  [ "$count" -ge 8 ] || fail "LB_GETCOUNT answered '$count'"
  probe close "$E2E_CLASS" || fail "WM_CLOSE could not be posted"
  wait_program
  [ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS with layout: $layout"
done
pass "layout values of 0 and below and a missing font: the pane ran and closed"
