#!/usr/bin/env bash
# The executable as shipped: it imports KnownDLLs only, which Windows takes
# from the system folder whatever lies beside the program, and it is
# loaded at a random address with its data never run (ASLR, DEP), anywhere
# in the address space in the 64-bit build (high-entropy ASLR). The same
# check must refuse a program that imports oleacc.dll (the probe), or it
# could not fail.
# Usage: exe_imports_test.sh OBJDUMP EXE BITS CONTROL_EXE
set -uo pipefail
objdump=$1 exe=$2 bits=$3 control=$4
fail() { echo "FAIL: $*"; exit 1; }

# The KnownDLLs of Windows 7 to 11 alike (HKLM\SYSTEM\CurrentControlSet\
# Control\Session Manager\KnownDLLs), and ntdll, which is always loaded.
known=" advapi32 clbcatq comdlg32 difxapi gdi32 imagehlp imm32 kernel32 msctf msvcrt normaliz
  nsi ntdll ole32 oleaut32 psapi sechost setupapi shell32 shlwapi user32 wldap32 ws2_32 "

# The imported DLLs that are no KnownDLLs, one a line; fails when objdump
# cannot read the file or it imports nothing (no kernel32 even).
unknown_imports() {
  local dump names name
  dump=$("$objdump" -p "$1") || return 2
  names=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump" | tr 'A-Z' 'a-z' | sed 's/\.dll$//')
  grep -qx kernel32 <<<"$names" || return 2
  for name in $names; do
    [[ $known == *" $name "* ]] || echo "$name.dll"
  done
}

bad=$(unknown_imports "$exe") || fail "no import table read from $exe"
[ -z "$bad" ] || fail "$(basename "$exe") imports DLLs that are no KnownDLLs: $bad"
bad=$(unknown_imports "$control") || fail "no import table read from $control"
[ "$bad" = oleacc.dll ] || fail "the check does not see oleacc.dll among the control's imports: '$bad'"

dump=$("$objdump" -p "$exe")
flags=$(awk '/^DllCharacteristics/ { on = 1; next } on && /^[[:space:]]+[A-Z_]+$/ { print $1; next } { on = 0 }' \
  <<<"$dump" | sort | tr '\n' ' ')
wanted="DYNAMIC_BASE NX_COMPAT"
[ "$bits" = 64 ] && wanted="$wanted HIGH_ENTROPY_VA"
for flag in $wanted; do
  [[ " $flags" == *" $flag "* ]] || fail "$(basename "$exe") lacks $flag (it has: $flags)"
done
# ASLR needs the relocations, which a linker may strip from an executable.
grep -q '^Entry 5 [0-9a-f]* [0-9a-f]*[1-9a-f][0-9a-f]* Base Relocation Directory' <<<"$dump" ||
  fail "$(basename "$exe") has no relocations, so it cannot be moved"
echo "$(basename "$exe") imports $("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '\n' ' ')and has $flags"
