# Shared by the end-to-end scripts. Each script is called with the paths of
# TesselList.exe and tessel_probe.exe and sources this file.
set -euo pipefail
: "${TESSEL_ROOT:?TESSEL_ROOT must name the source tree}"
# Runs the whole script again under a display when there is none.
if [ -z "${TESSEL_E2E_DISPLAY:-}" ]; then
  export TESSEL_E2E_DISPLAY=1
  exec "$TESSEL_ROOT/scripts/with-display" bash "$0" "$@"
fi
source "$TESSEL_ROOT/scripts/wine-env"
tessel_wine_use_for "$1"
tessel_wine_prefix

E2E_EXE=$1
E2E_PROBE=$2
E2E_CLASS=TesselListMainFrame
# Each test runs its own copy of the program, so that its system/ folder is fresh.
E2E_DIR=$(mktemp -d /tmp/tessel-e2e.XXXXXX)
cp "$E2E_EXE" "$E2E_DIR/TesselList.exe"
# The folder the program is started from; a script may move the copy.
E2E_HOME=$E2E_DIR
E2E_PID=

e2e_cleanup() {
  if [ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null; then
    kill "$E2E_PID" 2>/dev/null || true
  fi
  rm -rf "$E2E_DIR"
}
trap e2e_cleanup EXIT

probe() { wine "$E2E_PROBE" "$@"; }

# Starts the program of E2E_HOME in the background; its pid is E2E_PID.
launch_program() {
  ( cd "$E2E_HOME" && exec wine "$E2E_HOME/TesselList.exe" ) &
  E2E_PID=$!
}

# The same, then waits for its main window.
start_program() {
  launch_program
  probe wait "$E2E_CLASS" 30 >/dev/null || fail "the main window did not appear"
}

# Waits (at most 30 s) for the program to end; its exit status goes to E2E_STATUS.
wait_program() {
  local i
  for i in $(seq 300); do
    kill -0 "$E2E_PID" 2>/dev/null || break
    sleep 0.1
  done
  E2E_STATUS=0
  if kill -0 "$E2E_PID" 2>/dev/null; then
    E2E_STATUS=timeout
  else
    wait "$E2E_PID" || E2E_STATUS=$?
  fi
  E2E_PID=
}

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "PASS: $*"; }

# Waits (at most $3 seconds, 10 by default) for system/list.txt to hold the
# bytes of the file $1; $2 tells after what, should it never.
wait_for_list() {
  local list="$E2E_DIR/system/list.txt" _
  for _ in $(seq $((${3:-10} * 10))); do
    cmp -s "$1" "$list" && return 0
    sleep 0.1
  done
  head -c 300 "$list" | od -c >&2
  fail "list.txt after $2"
}

# Keys typed into the focused window, then a moment for the program.
keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
# Waits for system/list.txt to hold the bytes printf makes of $1; $2 tells after what.
saved() { printf "$1" >"$E2E_DIR/want"; wait_for_list "$E2E_DIR/want" "$2"; }
# The program's X window named $1 gets the keyboard; its id goes to x_window.
focus_program_window() {
  x_window=$(xdotool search --sync --limit 1 --name "^$1\$") || fail "no X window named $1"
  xdotool windowfocus --sync "$x_window" 2>/dev/null || true
  sleep 1
}
