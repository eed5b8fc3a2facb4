#!/usr/bin/env bash
# start PROGRAM: starts the Wine server of the prefix TESSEL_WINE_DPI chooses
# (made on first use), for PROGRAM's architecture, kept running, with its
# helper processes (the desktop, services) and their output sent nowhere:
# started by a test instead, they would hold the test's output open, and
# ctest would wait for them to end.
# stop PROGRAM: ends that server and its helpers.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/wine-env"
tessel_wine_use_for "$2"
case $1 in
  start)
    tessel_wine_prefix
    # The server outlives this script: nothing of it may hold our output.
    wineserver -p </dev/null >/dev/null 2>&1
    "$root/scripts/with-display" wine cmd /c exit </dev/null >/dev/null 2>&1
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    ;;
  *)
    echo "usage: $0 start|stop PROGRAM" >&2
    exit 2
    ;;
esac
