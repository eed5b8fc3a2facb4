#!/usr/bin/env bash
# The program under three ANSI code pages: 932 (Japanese), 1252 (Western,
# LC_ALL=C.UTF-8) and 65001 (UTF-8; a locale without an ANSI code page,
# hi_IN.UTF-8). Its window draws the same pixels under each, Japanese typed
# through the display server and pasted from a Unicode program reaches
# list.txt as the same cp932 bytes (a typed é is refused, a pasted one is
# "?" and told of), and list.txt is otherwise untouched.
# (The menus read the same too, checked in-process with GetMenuStringW; their
# pixels are the system's menu font, whose CJK forms Wine picks by locale.)
source "$(dirname "$0")/lib.sh"
LIST_ROWS=$3

cp932() { iconv -f UTF-8 -t CP932; }
list="$E2E_DIR/system/list.txt"
mkdir -p "$E2E_DIR/system"
# A face the system has: which face stands in for a missing one is the
# system's choice, and Wine makes it by the locale (Noto Sans CJK SC or JP).
printf '[Font]\r\nTitleBar=Noto Sans CJK JP,12,1\r\nCategory=Noto Sans CJK JP,12,0\r\nList=Noto Sans CJK JP,12,0\r\n' \
  >"$E2E_DIR/system/layout.ini"
printf '%s\r\n' "買い物" "□牛乳" "	■パン" "○卵とハム" "" "仕事" "◇報告書" | cp932 >"$E2E_DIR/list.orig"

# The program's main window on the X server: the input method's windows
# share its class. (Its name there is the title in the locale's encoding.)
main_x_window() {
  local w
  for w in $(xdotool search --classname '^tessellist\.exe$'); do
    case $(xdotool getwindowname "$w") in
      "Default IME" | "Wine Ime Active" | "") ;;
      *) echo "$w"; return 0 ;;
    esac
  done
  return 1
}

# run LOCALE NAME: one session under a locale; leaves NAME.png and NAME.txt.
run() {
  local locale=$1 name=$2 acp
  cp "$E2E_DIR/list.orig" "$list"
  acp=$(LC_ALL=$locale LANG=$locale probe acp - | tr -d '\r')
  [ "$acp" = "$3" ] || fail "$locale gives code page $acp, not $3"
  ( cd "$E2E_DIR" && LC_ALL=$locale LANG=$locale exec wine "$E2E_DIR/TesselList.exe" ) &
  E2E_PID=$!
  probe wait "$E2E_CLASS" 30 >/dev/null || fail "no window under $locale"
  sleep 1
  read -r x y w h < <(probe rect "$E2E_CLASS")
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$E2E_DIR/$name.png"
  x_window=$(main_x_window) || fail "no X window under $locale"
  xdotool windowfocus --sync "$x_window" 2>/dev/null || true
  sleep 1
  xdotool key --delay 60 ctrl+n
  sleep 0.3
  # One letter at a time: xdotool lends each the same spare key code, and
  # a letter typed before Wine has read the new mapping is lost.
  for letter in ラ ー メ ン é; do
    xdotool type --delay 200 "$letter"
    sleep 0.3
  done
  xdotool key --delay 60 Return
  sleep 0.3
  printf '寿司\r\nJosé\r\n' | probe clip-set-utf8 - || fail "the clipboard could not be set"
  xdotool key --delay 60 ctrl+v
  # José needed a "?": the paste says so.
  probe wait '#32770' 10 >/dev/null || fail "no notice of the altered line under $locale"
  probe close '#32770'
  probe gone '#32770' 10 || fail "the notice did not close under $locale"
  echo "$locale: typed and pasted"
  probe close "$E2E_CLASS"
  wait_program
  [ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS under $locale"
  cp "$list" "$E2E_DIR/$name.txt"
}

run ja_JP.UTF-8 cp932 932
run C.UTF-8 cp1252 1252
run hi_IN.UTF-8 cp65001 65001

[ -z "${TESSEL_SHOTS:-}" ] || cp "$E2E_DIR"/cp*.png "$TESSEL_SHOTS"/
for name in cp1252 cp65001; do
  differing=$(compare -metric AE "$E2E_DIR/cp932.png" "$E2E_DIR/$name.png" null: 2>&1 || true)
  [ "$differing" = 0 ] || fail "the window under $name differs from 932 in $differing pixels"
done
expected=$(printf '%s\r\n' "買い物" "□寿司" "□Jos?" "□ラーメン" "□牛乳" "	■パン" "○卵とハム" "" "仕事" "◇報告書" | cp932 | od -An -tx1)
for name in cp932 cp1252 cp65001; do
  [ "$(od -An -tx1 <"$E2E_DIR/$name.txt")" = "$expected" ] || { od -c "$E2E_DIR/$name.txt" >&2; fail "list.txt under $name"; }
done
pass "the same window and the same list.txt under code pages 932, 1252 and 65001"
