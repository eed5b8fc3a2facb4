#!/usr/bin/env bash
# Two PCs, one list through a synced folder: two Wine prefixes (two PCs)
# each run their own copy of the program, and a sync stand-in copies
# whichever list.txt changed over the other (written aside, then renamed).
#  1. PC 2 pastes three lines into the second category; once PC 2 has saved,
#     PC 1 pastes three lines into the first, and the test itself delivers
#     PC 2's file to PC 1 before PC 1's idle save: a merge, not a take-up.
#     Both PCs end with both pastes, and no side file.
#  2. Both change the same item differently: both versions end in both
#     lists, PC 1 tells it in one notice.
#  3. A sync tool's conflict copy dropped into PC 1's system/ is offered,
#     Yes merges it and renames it list.txt.merged-*.
source "$(dirname "$0")/lib.sh"

pc1=$E2E_DIR/system
pc2_home=$E2E_DIR/pc2
pc2=$pc2_home/system
mkdir -p "$pc1" "$pc2"
cp "$E2E_EXE" "$pc2_home/TesselList.exe"
list=$(printf 'A\r\n\x81\xa0a1\r\n\r\nB\r\n\x81\xa0b1\r\n')
printf '%s' "$list" >"$pc1/list.txt"
printf '%s' "$list" >"$pc2/list.txt"

# The second PC: a prefix of its own, with its own wineserver.
on_pc2() (
  export TESSEL_WINEPREFIX=$TESSEL_ROOT/build/wineprefix-pc2
  tessel_wine_use "$TESSEL_WINE_ARCH" && tessel_wine_prefix >/dev/null 2>&1
  "$@"
)
probe2() { on_pc2 wine "$E2E_PROBE" "$@"; }
PC2_PID=
SYNC_PID=
two_pcs_cleanup() {
  [ -z "$SYNC_PID" ] || kill "$SYNC_PID" 2>/dev/null || true
  [ -z "$PC2_PID" ] || kill "$PC2_PID" 2>/dev/null || true
  on_pc2 wineserver -k 2>/dev/null || true
  e2e_cleanup
}
trap two_pcs_cleanup EXIT

# The sync stand-in: whichever list.txt changed is written aside beside the
# other, then renamed over it, within 0.1 s.
sync_loop() {
  local last one two
  last=$(md5sum <"$pc1/list.txt")
  while :; do
    one=$(md5sum <"$pc1/list.txt" 2>/dev/null) || one=$last
    two=$(md5sum <"$pc2/list.txt" 2>/dev/null) || two=$last
    if [ "$one" != "$last" ] && [ "$one" != "$two" ]; then
      cp "$pc1/list.txt" "$pc2/sync.tmp" && mv "$pc2/sync.tmp" "$pc2/list.txt" && last=$one
    elif [ "$two" != "$last" ] && [ "$one" != "$two" ]; then
      cp "$pc2/list.txt" "$pc1/sync.tmp" && mv "$pc1/sync.tmp" "$pc1/list.txt" && last=$two
    elif [ "$one" = "$two" ]; then
      last=$one
    fi
    sleep 0.1
  done
}

paste_lines() {  # paste_lines probe-function text
  printf '%s' "$2" | "$1" clip-set - || fail "the clipboard could not be set"
  "$1" command "$E2E_CLASS" 41206 || fail "no paste"
}
# Waits (at most 15 s) until both lists are the given bytes.
both_are() {
  local i
  for i in $(seq 150); do
    [ "$(cat "$pc1/list.txt")" = "$1" ] && [ "$(cat "$pc2/list.txt")" = "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

( cd "$pc2_home" && exec env TESSEL_WINEPREFIX="$TESSEL_ROOT/build/wineprefix-pc2" \
    bash -c 'source "$TESSEL_ROOT/scripts/wine-env"; tessel_wine_use "$TESSEL_WINE_ARCH" &&
             tessel_wine_prefix >/dev/null 2>&1; exec wine TesselList.exe' ) &
PC2_PID=$!
probe2 wait "$E2E_CLASS" 60 >/dev/null || fail "PC 2's window did not appear"
start_program

# 1. A second apart.
probe2 command "$E2E_CLASS" 41115 || fail "PC 2 could not switch category"
paste_lines probe2 $'\x81\xa0p1\r\n\x81\xa0p2\r\n\x81\xa0p3\r\n'
for _ in $(seq 50); do
  [ "$(cat "$pc2/list.txt")" != "$list" ] && break
  sleep 0.1
done
[ "$(cat "$pc2/list.txt")" != "$list" ] || fail "PC 2 did not save its paste"
paste_lines probe $'\x81\xa0q1\r\n\x81\xa0q2\r\n\x81\xa0q3\r\n'
cp "$pc2/list.txt" "$pc1/sync.tmp" && mv "$pc1/sync.tmp" "$pc1/list.txt"
sync_loop &
SYNC_PID=$!
# Pasted at the focus row, in front of the first item.
both=$(printf 'A\r\n\x81\xa0q1\r\n\x81\xa0q2\r\n\x81\xa0q3\r\n\x81\xa0a1\r\n\r\nB\r\n\x81\xa0p1\r\n\x81\xa0p2\r\n\x81\xa0p3\r\n\x81\xa0b1\r\n')
both_are "$both" || fail "the lists differ: PC 1 $(od -c "$pc1/list.txt" | head -5) PC 2 $(od -c "$pc2/list.txt" | head -5)"
! ls "$pc1"/list.txt.* "$pc2"/list.txt.* >/dev/null 2>&1 || fail "a side file was kept: $(ls "$pc1" "$pc2")"
echo "a second apart: both PCs hold both pastes"

# 2. The same item changed differently: PC 2 gives q1 another style while
# PC 1 checks every item of A, and PC 2's file reaches PC 1 before its save.
kill "$SYNC_PID"; SYNC_PID=
sleep 0.5
printf '%s' "${both/$'\x81\xa0'q1/$'\x81\x9e'q1}" >"$pc2/sync.tmp" && mv "$pc2/sync.tmp" "$pc2/list.txt"
probe command "$E2E_CLASS" 41218 || fail "PC 1 could not check the items"
cp "$pc2/list.txt" "$pc1/sync.tmp" && mv "$pc1/sync.tmp" "$pc1/list.txt"
sync_loop &
SYNC_PID=$!
for _ in $(seq 50); do
  probe box-text '#32770' 2>/dev/null | grep -q '1 個' && break
  sleep 0.1
done
probe box-text '#32770' | grep -q '両方で違うように変更された 1 個の項目' || fail "no notice of the conflict"
probe close '#32770'
conflict=$(printf 'A\r\n\x81\xa1q1\r\n\x81\x9eq1\r\n\x81\xa1q2\r\n\x81\xa1q3\r\n\x81\xa1a1\r\n\r\nB\r\n\x81\xa0p1\r\n\x81\xa0p2\r\n\x81\xa0p3\r\n\x81\xa0b1\r\n')
both_are "$conflict" || fail "both versions are not in both lists: PC 1 $(od -c "$pc1/list.txt" | head -6) PC 2 $(od -c "$pc2/list.txt" | head -6)"
[ "$(ls "$pc1"/list.txt.changed-* | wc -l)" = 1 ] || fail "PC 2's version was not kept beside"
echo "a conflict: both versions in both lists, one notice"

# 3. A conflict copy from a sync tool, offered and merged.
printf 'C\r\n\x81\xa0c1\r\n' >"$pc1/list.sync-conflict-20261210-120000-PCTWO.txt"
for _ in $(seq 50); do
  probe box-text '#32770' 2>/dev/null | grep -q 'sync-conflict' && break
  sleep 0.1
done
probe box-text '#32770' | grep -q 'list.sync-conflict-20261210-120000-PCTWO.txt' || fail "the copy was not offered"
probe command '#32770' 6  # Yes
with_copy="$conflict"$'\n\r\nC\r\n\x81\xa0c1\r'
both_are "$with_copy" || fail "the copy was not merged: $(od -c "$pc1/list.txt" | tail -5)"
ls "$pc1"/list.txt.merged-* >/dev/null 2>&1 || fail "the copy was not renamed"
[ ! -e "$pc1/list.sync-conflict-20261210-120000-PCTWO.txt" ] || fail "the copy is still there"

probe close "$E2E_CLASS"
wait_program
[ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS"
probe2 close "$E2E_CLASS"
pass "two PCs through a synced folder keep both sides' changes"
