#!/usr/bin/env bash
# The release zip, made as "--target package" makes it, holds the executable
# and the user's guide side by side in its one folder, the guide as the
# build wrote it: UTF-8 with a byte-order mark.
# Usage: package_test.sh CPACK BUILD_DIR
set -uo pipefail
cpack=$1 build=$2
guide="はじめにお読みください.txt"
fail() { echo "FAIL: $*"; exit 1; }

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$cpack" --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log"; fail "cpack"; }
zip=$(ls "$out"/*.zip) || fail "no zip made"
top=$(basename "$zip" .zip)

unzip -l "$zip" | tee "$out/list"
files=$(awk 'NR > 3 && $4 != "" && $4 !~ /\/$/ { print $4 }' "$out/list" | grep -v '^-*$' | sort)
[ "$files" = "$(printf '%s\n' "$top/TesselList.exe" "$top/$guide" | sort)" ] ||
  fail "the zip holds $(echo $files), not the executable and the guide side by side"
unzip -p "$zip" "$top/$guide" >"$out/guide" || fail "the guide cannot be taken out"
cmp -s "$out/guide" "$build/guide/$guide" || fail "the zip's guide differs from the build's"
[ "$(head -c 3 "$out/guide" | od -An -tx1 | tr -d ' \n')" = efbbbf ] ||
  fail "the guide does not begin with a UTF-8 byte-order mark"
echo "the zip holds TesselList.exe and $guide"
