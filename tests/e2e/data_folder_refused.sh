#!/usr/bin/env bash
# Where the data folder cannot be made (a file named "system" stands beside
# the program), the program says so with the folder's path as it is and
# ends with exit status 1, no window of its own shown, nothing written.
source "$(dirname "$0")/lib.sh"

E2E_HOME="$E2E_DIR/José-ø"
mkdir -p "$E2E_HOME"
mv "$E2E_DIR/TesselList.exe" "$E2E_HOME/TesselList.exe"
printf 'not a folder' >"$E2E_HOME/system"

launch_program
if ! probe wait '#32770' 30 >/dev/null; then
  kill -0 "$E2E_PID" 2>/dev/null || { wait_program; fail "no message box; the program ended with $E2E_STATUS"; }
  fail "no message box appeared"
fi
caption=$(probe title '#32770' | iconv -f CP932 -t UTF-8)
[ "$caption" = "てっせるリスト [ErrerID:183]" ] || fail "caption is '$caption'"
text=$(probe box-text '#32770' | tr -d '\r')
# The folder's path as Wine names it: the drive Z: is the Linux root.
path="Z:$(printf '%s' "$E2E_HOME/system" | tr '/' '\\')"
expected=$(printf '%s\n\n%s\n%s' "ファイル保存に失敗しました。" "処理内容：データフォルダ作成" "$path")
[ "$text" = "$expected" ] || fail "text is '$text', not '$expected'"
probe visible "$E2E_CLASS" >/dev/null && fail "the main window exists"
probe close '#32770' || fail "WM_CLOSE could not be posted to the box"
wait_program
[ "$E2E_STATUS" = 1 ] || fail "exit status $E2E_STATUS"
[ "$(cat "$E2E_HOME/system")" = "not a folder" ] || fail "the file named system changed"
leftovers=$(cd "$E2E_DIR" && find . -mindepth 1 | LC_ALL=C sort | tr '\n' ' ')
[ "$leftovers" = "./José-ø ./José-ø/TesselList.exe ./José-ø/system " ] || fail "files: $leftovers"
pass "the refused data folder reported with its path; exit status 1"
