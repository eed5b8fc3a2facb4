#!/usr/bin/env bash
# The program imports no COM library: oleacc, ole32 and oleaut32 cost some
# 100 ms of every start under Wine, and are loaded only when a screen reader
# asks (access/ole_calls_win.h).
#   start_imports.sh OBJDUMP TesselList.exe
set -euo pipefail
imports=$("$1" -p "$2" | sed -n 's/^[[:space:]]*DLL Name: //p')
grep -qix 'kernel32.dll' <<<"$imports" || { echo "no import table read from $2"; exit 1; }
if com=$(grep -iE '^(oleacc|ole32|oleaut32|combase|rpcrt4)\.dll$' <<<"$imports"); then
  echo "TesselList.exe imports $(tr "\n" " " <<<"$com")at start"
  exit 1
fi
echo "imports: $(tr '\n' ' ' <<<"$imports")"
