#!/usr/bin/env bash
# scripts/install-deps against stand-ins for apt-get, dpkg and dpkg-query
# that fail in chosen ways: a package index that does not load, a 32-bit
# Wine that cannot be installed, a required package the mirror lacks.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stubs=$work/stubs
mkdir -p "$stubs"

# The stand-ins keep the machine's state in $STUB (installed, arches, calls).
cat >"$stubs/apt-get" <<'STUB'
#!/usr/bin/env bash
echo "apt-get $*" >>"$STUB/calls"
case $1 in
  update)
    if [ "${FAIL_UPDATE:-0}" = 1 ]; then
      echo "E: Failed to fetch http://deb.example/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 1.2.3.4 80]"
      echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
      exit 100
    fi
    exit 0 ;;
  install)
    shift
    pkgs=()
    for p in "$@"; do case $p in -*) ;; *) pkgs+=("$p") ;; esac; done
    for p in "${pkgs[@]}"; do
      if [[ " ${UNAVAILABLE:-} " == *" $p "* ]]; then
        echo "E: Unable to locate package $p"; exit 100
      fi
      if [ "$p" = wine32:i386 ] && [ "${FAIL_WINE32:-0}" = 1 ]; then
        echo "E: Unable to correct problems, you have held broken packages."; exit 100
      fi
    done
    printf '%s\n' "${pkgs[@]}" >>"$STUB/installed" ;;
esac
STUB
cat >"$stubs/dpkg-query" <<'STUB'
#!/usr/bin/env bash
pkg=${!#}
if [ "$pkg" = "${pkg#-}" ] && [[ $pkg != *'${'* ]]; then
  grep -qx "$pkg" "$STUB/installed" && { echo "install ok installed"; exit 0; }
  exit 1
fi
sed 's/^\([^:]*\)$/\1:amd64/' "$STUB/installed"
STUB
cat >"$stubs/dpkg" <<'STUB'
#!/usr/bin/env bash
echo "dpkg $*" >>"$STUB/calls"
case $1 in
  --print-foreign-architectures) cat "$STUB/arches" ;;
  --add-architecture) echo "$2" >>"$STUB/arches" ;;
  --remove-architecture) sed -i "/^$2\$/d" "$STUB/arches" ;;
esac
STUB
printf '#!/bin/sh\necho ja_JP.utf8\n' >"$stubs/locale"
printf '#!/bin/sh\necho 0\n' >"$stubs/clang"
printf '#!/bin/sh\nexec "$@"\n' >"$stubs/sudo"
printf '#!/bin/sh\n:\n' >"$stubs/sleep"
chmod +x "$stubs"/*

all_required=$(sed -n '/^required=(/,/)/p' "$root/scripts/install-deps" | tr -d '()' | sed 's/required=//' | tr -s ' \n' '\n' | grep .)
failures=0

# run NAME "missing packages" [VAR=value...]: a fresh machine state where
# every required package but the missing ones is installed, then the script.
run() {
  local name=$1 missing=$2
  shift 2
  export STUB=$work/$name
  mkdir -p "$STUB"
  : >"$STUB/calls"
  : >"$STUB/arches"
  { grep -vxF -f <(tr ' ' '\n' <<<"$missing" | grep . || echo '\n') <<<"$all_required"
    echo libclang-rt-0-dev; [ -z "${WITH_WINE32:-}" ] || echo wine32:i386; } >"$STUB/installed"
  env PATH="$stubs:$PATH" TESSEL_STATE_DIR="$STUB/state" TESSEL_KERNEL_RUNS_32BIT=1 "$@" \
    bash "$root/scripts/install-deps" >"$STUB/out" 2>&1
  echo $? >"$STUB/rc"
}
check() {  # check NAME description command...
  local name=$1 what=$2
  shift 2
  if ! (export STUB=$work/$name; eval "$@"); then
    echo "FAIL [$name] $what"
    sed 's/^/    /' "$work/$name/out"
    failures=$((failures + 1))
  fi
}

run update_fails "xdotool" FAIL_UPDATE=1
check update_fails "exits 0" '[ "$(cat $STUB/rc)" = 0 ]'
check update_fails "a warning line naming the index" 'grep -q warning $STUB/out && [ "$(grep -c "binary-i386/Packages.xz.*unexpected size" $STUB/out)" = "$(grep -c warning $STUB/out)" ]'
check update_fails "retried the update once" '[ "$(grep -c "apt-get update" $STUB/calls)" -ge 2 ]'
check update_fails "installed the package and the 32-bit Wine" 'grep -qx xdotool $STUB/installed && grep -qx wine32:i386 $STUB/installed'

run wine32_fails "" FAIL_WINE32=1
check wine32_fails "exits 0" '[ "$(cat $STUB/rc)" = 0 ]'
check wine32_fails "one note" '[ "$(wc -l <$STUB/out)" -le 2 ] && grep -q "note: the 32-bit Wine cannot be installed.*held broken" $STUB/out'
check wine32_fails "i386 taken away again" '! grep -q i386 $STUB/arches'
env PATH="$stubs:$PATH" STUB=$work/wine32_fails TESSEL_STATE_DIR=$work/wine32_fails/state \
  TESSEL_KERNEL_RUNS_32BIT=1 FAIL_WINE32=1 bash "$root/scripts/install-deps" >/dev/null 2>&1
check wine32_fails "not tried again at the next run" '[ "$(grep -c "install.*wine32" $STUB/calls)" = 1 ]'

run required_missing "fonts-noto-cjk xdotool" UNAVAILABLE=fonts-noto-cjk
check required_missing "exits 1" '[ "$(cat $STUB/rc)" = 1 ]'
check required_missing "names the package and the command" 'grep -q "cannot install fonts-noto-cjk " $STUB/out && grep -q "sudo apt-get install fonts-noto-cjk$" $STUB/out'
check required_missing "stops before the 32-bit step" '! grep -q "i386" $STUB/calls'

run no_32bit_kernel "" TESSEL_KERNEL_RUNS_32BIT=0
check no_32bit_kernel "exits 0 without a word" '[ "$(cat $STUB/rc)" = 0 ] && [ ! -s $STUB/out ]'
check no_32bit_kernel "adds no i386 architecture" '! grep -q "add-architecture" $STUB/calls'

WITH_WINE32=1 run all_there ""
check all_there "asks apt for nothing" '! grep -q apt-get $STUB/calls'

[ $failures = 0 ] && echo "install-deps: every case passed"
exit $((failures > 0))
