#!/usr/bin/env bash
# Measures (not a test) how long the program takes from its start to its
# first painted window with a list.txt of 100,000 items in 100 categories,
# side by side with a minimal window program of ours under the same Wine,
# and prints both medians and their ratio (aim: under 1.3); then the
# process's memory at its first paint with that list and with an empty one
# (aim: growth at most three times the file's size).
#
#   tests/e2e/startup_speed.sh [BUILD_DIR] [RUNS]
#   (default: build/win64, or build/win where only 32-bit Wine runs; 9 runs)
#
# Two ways: started by CreateProcess from a program already running under
# Wine (Wine's own start is then mostly paid), and started by the "wine"
# command from the shell, as a user starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
export TESSEL_ROOT=$root
source "$root/scripts/wine-env"
build=$(realpath "${1:-$root/build/$(tessel_default_preset)}")
runs=${2:-9}
cd "$root"
cmake --build "$build" --target TesselList tessel_startup_timer tessel_first_paint >/dev/null

folder=$(mktemp -d /tmp/tessel-speed.XXXXXX)
trap 'rm -rf "$folder"' EXIT
cp "$build/app/TesselList.exe" "$folder/"
cp "$build/tests/e2e/tessel_first_paint.exe" "$folder/"
mkdir "$folder/system"
python3 - "$folder/system/list.txt" <<'PY'
import sys
lines = []
for c in range(100):
    if c:
        lines.append(b"")
    lines.append(("カテゴリ%03d" % c).encode("cp932"))
    for i in range(1000):
        marker = ["□", "■", "◇", "◆", "○", "●"][i % 6].encode("cp932")
        lines.append(b"\t" * (i % 3) + marker + ("項目 %d-%d の説明文" % (c, i)).encode("cp932"))
open(sys.argv[1], "wb").write(b"\r\n".join(lines) + b"\r\n")
PY
echo "list.txt: $(wc -c <"$folder/system/list.txt") bytes, 100 categories of 1000 items"
cp "$folder/system/list.txt" "$folder/list.orig"

tessel_wine_use_for "$folder/TesselList.exe"
tessel_wine_prefix
# Wine's Z: drive is the root of the Unix tree. (winepath here would start a
# Wine server before the display exists.)
windows_path() { local p=${1//\//\\}; echo "Z:$p"; }
echo "inside Wine (CreateProcess):"
scripts/with-display wine "$build/tests/e2e/tessel_startup_timer.exe" "$runs" \
  "$(windows_path "$folder/TesselList.exe")" TesselListMainFrame "$(windows_path "$folder")" \
  "$(windows_path "$folder/tessel_first_paint.exe")" | tr -d '\r'

# The same from the shell: each start is a "wine" command, Wine's own start
# included, as a user's start would be.
shell_runs() {
  local timer=$1 folder=$2 runs=$3 i t0 painted t1
  for i in $(seq "$runs"); do
    wine "$timer" watch TesselListMainFrame >"$folder/painted" &
    local watcher=$!
    sleep 1
    t0=$(date +%s.%N)
    ( cd "$folder" && exec wine ./TesselList.exe ) &
    local program=$!
    wait "$watcher"
    painted=$(tr -d '\r' <"$folder/painted")
    wait "$program" || true
    t0b=$(date +%s.%N)
    ( cd "$folder" && exec wine ./tessel_first_paint.exe )
    t1=$(date +%s.%N)
    echo "$(echo "$painted - $t0" | bc) $(echo "$t1 - $t0b" | bc)"
  done
}
export -f shell_runs
echo "from the shell:"
scripts/with-display bash -c "shell_runs '$build/tests/e2e/tessel_startup_timer.exe' '$folder' '$runs'" |
  python3 -c '
import statistics, sys
rows = [tuple(map(float, line.split())) for line in sys.stdin if line.strip()]
for i, (p, y) in enumerate(rows, 1):
    print("run %2d: program %.3f s, yardstick %.3f s" % (i, p, y))
mp = statistics.median(p for p, _ in rows)
my = statistics.median(y for _, y in rows)
print("median to first paint: program %.3f s, yardstick %.3f s, ratio %.2f" % (mp, my, mp / my))
'
cmp -s "$folder/list.orig" "$folder/system/list.txt" || echo "note: list.txt was written back differently"

# Memory at the first paint, with this list, with an empty one and with one
# of a single line (which pays for the Japanese fonts, as every real list
# does): what the list itself costs the process, beside the file's size
# (medians of five starts). Wine answers no private bytes; the working set
# is what it reports.
empty=$(mktemp -d /tmp/tessel-speed-empty.XXXXXX)
small=$(mktemp -d /tmp/tessel-speed-small.XXXXXX)
trap 'rm -rf "$folder" "$empty" "$small"' EXIT
for dir in "$empty" "$small"; do
  cp "$folder/TesselList.exe" "$dir/"
  mkdir "$dir/system"
done
: >"$empty/system/list.txt"
head -c 1000 "$folder/list.orig" | head -n 2 >"$small/system/list.txt"
cp "$folder/list.orig" "$folder/system/list.txt"
memory_runs() {
  local timer=$1 kind=$2 dir=$3 i
  for i in 1 2 3 4 5; do
    echo "$kind $(wine "$timer" memory "$(windows_path "$dir/TesselList.exe")" TesselListMainFrame \
      "$(windows_path "$dir")" | tr -d '\r')"
  done
}
export -f memory_runs windows_path
timer="$build/tests/e2e/tessel_startup_timer.exe"
echo "memory at the first paint (working set, median of 5):"
scripts/with-display bash -c "memory_runs '$timer' empty '$empty'; memory_runs '$timer' line '$small'
  memory_runs '$timer' list '$folder'" |
  python3 -c '
import statistics, sys
size = int(sys.argv[1])
rows = {}
for line in sys.stdin:
    kind, ws, _ = line.split()
    rows.setdefault(kind, []).append(int(ws))
med = {k: statistics.median(v) for k, v in rows.items()}
mb = 1024 * 1024
names = {"empty": "empty list.txt", "line": "one line", "list": "the list"}
for k in ("empty", "line", "list"):
    print("  %-15s %6.1f MB" % (names[k], med[k] / mb))
for base in ("empty", "line"):
    growth = med["list"] - med[base]
    print("growth over %-15s %5.1f MB, %.2f times the file of %.1f MB"
          % (names[base] + ":", growth / mb, growth / size, size / mb))
' "$(wc -c <"$folder/list.orig")"
