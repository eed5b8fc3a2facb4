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

# Memory at the first paint, with this list and with an empty one: what the
# list costs the process, beside the file's size (median of three starts).
empty=$(mktemp -d /tmp/tessel-speed-empty.XXXXXX)
trap 'rm -rf "$folder" "$empty"' EXIT
cp "$folder/TesselList.exe" "$empty/"
mkdir "$empty/system"
: >"$empty/system/list.txt"
cp "$folder/list.orig" "$folder/system/list.txt"
memory_runs() {
  local timer=$1 dir=$2 i
  for i in 1 2 3; do
    wine "$timer" memory "$(windows_path "$dir/TesselList.exe")" TesselListMainFrame "$(windows_path "$dir")"
  done
}
export -f memory_runs windows_path
echo "memory at the first paint (working set, private bytes; median of 3):"
scripts/with-display bash -c "memory_runs '$build/tests/e2e/tessel_startup_timer.exe' '$empty' | sed 's/^/empty /'
  memory_runs '$build/tests/e2e/tessel_startup_timer.exe' '$folder' | sed 's/^/list /'" | tr -d '\r' |
  python3 -c '
import statistics, sys
size = int(sys.argv[1])
rows = {"empty": [], "list": []}
for line in sys.stdin:
    kind, ws, private = line.split()
    rows[kind].append((int(ws), int(private)))
med = {k: (statistics.median(w for w, _ in v), statistics.median(p for _, p in v)) for k, v in rows.items()}
mb = 1024 * 1024
for k in ("empty", "list"):
    print("%-5s list: working set %6.1f MB, private %6.1f MB" % (k, med[k][0] / mb, med[k][1] / mb))
growth = med["list"][0] - med["empty"][0]
print("growth for the list: %.1f MB working set (%.2f times the file of %.1f MB), %.1f MB private"
      % (growth / mb, growth / size, size / mb, (med["list"][1] - med["empty"][1]) / mb))
' "$(wc -c <"$folder/list.orig")"
