#!/usr/bin/env bash
# DLLs planted beside the program, as a web page may leave them in a
# download folder: eight DLLs named as system DLLs that are not KnownDLLs,
# each leaving a file when it is loaded. Wine is told to prefer them to its
# own, as Windows prefers a DLL beside the program for such names. The
# program is started, read by a screen reader, asked a question, hidden to
# the tray and shown again, copies and pastes, and is closed: no planted DLL
# may have been loaded. The control first: a helper loading the same names
# by their bare names from the same folder loads every one of them.
# Usage: dll_planting.sh EXE PROBE MARKER_DLL BARE_LOADER
source "$(dirname "$0")/lib.sh"
marker=$3
cp "$4" "$E2E_DIR/tessel_bare_loader.exe"

names=(oleacc version uxtheme dwmapi msimg32 propsys winmm textinputframework)
for name in "${names[@]}"; do
  cp "$marker" "$E2E_DIR/$name.dll"
done
WINEDLLOVERRIDES="$(IFS=,; echo "${names[*]}")=n,b"
export WINEDLLOVERRIDES

marks() { (cd "$E2E_DIR" && ls -- *.loaded 2>/dev/null | LC_ALL=C sort | tr '\n' ' '); }
# A planted DLL may break what it stands for: every failure names the marks.
fail() { echo "FAIL: $* (planted DLLs loaded: $(marks))" >&2; exit 1; }

( cd "$E2E_DIR" && wine "$E2E_DIR/tessel_bare_loader.exe" "${names[@]/%/.dll}" ) ||
  fail "the control did not load every planted DLL"
expected=$(for name in "${names[@]}"; do echo "$name.dll.loaded"; done | LC_ALL=C sort | tr '\n' ' ')
[ "$(marks)" = "$expected" ] || fail "the control left the marks '$(marks)', not '$expected'"
rm -f "$E2E_DIR"/*.loaded

mkdir -p "$E2E_DIR/system"
printf '%s\r\n' "買い物" "□牛乳" "■パン" "" "仕事" "□報告書" \
  | iconv -f UTF-8 -t CP932 >"$E2E_DIR/system/list.txt"

start_program
# A screen reader's WM_GETOBJECT: the program loads the accessibility library.
rows=$(probe acc-rows "$E2E_CLASS" ListPane) || fail "no object for the list pane"
[ "$(cut -d'|' -f1 <<<"$rows" | head -2)" = $'買い物\n牛乳' ] || fail "rows read: $rows"

# A question box: deleting a category asks first; closing it answers Cancel.
probe command "$E2E_CLASS" 41103 || fail "the delete command could not be posted"
probe wait '#32770' 30 >/dev/null || fail "no question box appeared"
probe close '#32770' || fail "WM_CLOSE could not be posted to the box"
probe gone '#32770' 30 || fail "the question box stayed"

# The tray: the icon is shown from the start; hidden to it and shown again.
probe command "$E2E_CLASS" 41007 || fail "the tray mode could not be switched on"
probe command "$E2E_CLASS" 41003 || fail "the hide command could not be posted"
for i in $(seq 50); do [ "$(probe visible "$E2E_CLASS" | tr -d '\r')" = 0 ] && break; sleep 0.1; done
[ "$(probe visible "$E2E_CLASS" | tr -d '\r')" = 0 ] || fail "the window was not hidden to the tray"
probe command "$E2E_CLASS" 32780 || fail "the show command could not be posted"
for i in $(seq 50); do [ "$(probe visible "$E2E_CLASS" | tr -d '\r')" = 1 ] && break; sleep 0.1; done
[ "$(probe visible "$E2E_CLASS" | tr -d '\r')" = 1 ] || fail "the window did not come back from the tray"

# The clipboard both ways.
probe ctrl-key "$E2E_CLASS" c || fail "Ctrl+C could not be typed"
[ "$(probe clip-get - | iconv -f CP932 -t UTF-8)" = "□牛乳" ] || fail "the clipboard holds no copied item"
printf '□卵\r\n' | iconv -f UTF-8 -t CP932 | probe clip-set - || fail "the clipboard could not be set"
probe ctrl-key "$E2E_CLASS" v || fail "Ctrl+V could not be typed"

probe close "$E2E_CLASS" || fail "WM_CLOSE could not be posted"
wait_program
[ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS"
iconv -f CP932 -t UTF-8 <"$E2E_DIR/system/list.txt" | grep -q '^□卵' ||
  fail "the pasted item is not in list.txt: $(iconv -f CP932 -t UTF-8 <"$E2E_DIR/system/list.txt")"
# The program imports KnownDLLs only (exe_imports), so nothing of it loads a
# planted DLL as an import. Wine 8 has no KnownDLLs: its own user32 imports
# version.dll, which it then looks for beside the program before the
# program's first instruction. Windows takes a KnownDLL's imports from the
# system folder, so such a load at start is Wine's and is left out here;
# every load by a call is the program's.
for f in "$E2E_DIR"/*.loaded; do
  [ -e "$f" ] || continue
  if grep -q ' static$' "$f"; then
    echo "left out: $(basename "$f") loaded as an import at start (Wine has no KnownDLLs)"
    rm -f "$f"
  fi
done
[ -z "$(marks)" ] || fail "$(for f in "$E2E_DIR"/*.loaded; do echo "$(basename "$f") by $(cat "$f")"; done)"
pass "no planted DLL was loaded by the program; the control loaded all ${#names[@]}"
