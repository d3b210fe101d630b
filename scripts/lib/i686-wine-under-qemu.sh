#!/usr/bin/env bash
# Runs one 32-bit Windows program under 32-bit Wine on a kernel that cannot execute 32-bit code: every i386
# ELF file (Wine's loader, its helper processes) goes through the user-mode emulator qemu-i386-static.
#
#   i686-wine-under-qemu.sh PREFIX PROGRAM.exe [ARGUMENTS...]
#   i686-wine-under-qemu.sh --check    (succeeds when 32-bit Wine starts this way here)
#
# The script re-runs itself inside private user, mount and process namespaces, registers the emulator with
# binfmt_misc there only (nothing on the machine changes), makes the win32 prefix PREFIX once, and runs the
# program with standard input from /dev/null. Its exit status is the program's. When it ends, or is killed,
# everything it started ends with it: the prefix's wineserver too, as the namespace's last process.
# Needs DISPLAY; WINEDEBUG, WINEDLLOVERRIDES and HOME are taken from the caller.
set -euo pipefail

if [ "${ORVJUBO_IN_QEMU_NAMESPACE:-}" != 1 ]; then
  if [ $# -lt 2 ] && [ "${1:-}" != --check ]; then
    echo "usage: $0 PREFIX PROGRAM.exe [ARGUMENTS...] | --check" >&2
    exit 2
  fi
  if [ ! -x /usr/bin/qemu-i386-static ]; then
    echo "i686-wine-under-qemu: /usr/bin/qemu-i386-static is missing (package qemu-user-static)" >&2
    exit 1
  fi
  # --kill-child: when this process is killed (e.g. by a time-out), the namespace's first process is killed,
  # and the kernel then ends every other process in the namespace.
  ORVJUBO_IN_QEMU_NAMESPACE=1 exec unshare --user --map-root-user --mount --pid --fork --kill-child \
    --mount-proc bash "${BASH_SOURCE[0]}" "$@"
fi

emulator=/usr/bin/qemu-i386-static
loader=/usr/lib/wine/wine

say() { echo "i686-wine-under-qemu: $*" >&2; }

# An i386 executable: ELF, 32-bit, little-endian, type EXEC or DYN, machine i386 (the mask is the one the
# emulator's own packaging uses). F opens the emulator now, so that it is found inside any later mount.
mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
printf '%s' ":qemu-i386:M::$magic:$mask:$emulator:F" >/proc/sys/fs/binfmt_misc/register

if [ "$1" = --check ]; then
  QEMU_RESERVED_VA=0x81000000 "$loader" --version >/dev/null
  exit
fi
prefix=$1
shift

# Wine's own services crash now and then under the emulator, which would leave a core file of each behind.
ulimit -c 0
# With the emulator's default address space Wine's start takes minutes and then fails; below this it fails.
export QEMU_RESERVED_VA=0x81000000
export WINEARCH=win32 WINEPREFIX="$prefix" WINELOADER="$loader"
# A crash must not wait in the debugger, where nobody would ever answer it.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winedbg.exe=d"
unset WINESERVER

# shellcheck disable=SC2317 # called by the trap
end_wine() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
}
trap end_wine EXIT
# The namespace's first process gets only the signals it has handlers for.
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

if [ ! -f "$prefix/.orvjubo-ready" ]; then
  say "creating the Wine prefix $prefix (win32; about a minute under the emulator)"
  rm -rf "$prefix"
  mkdir -p "$(dirname "$prefix")"
  "$loader" wineboot -i </dev/null >"$prefix.wineboot.log" 2>&1
  wineserver -w
  touch "$prefix/.orvjubo-ready"
fi
# No window manager runs on the display: unmanaged windows spare Wine's wait of up to two seconds for one each
# time a window is hidden.
if [ ! -f "$prefix/.orvjubo-unmanaged" ]; then
  "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
  wineserver -w
  touch "$prefix/.orvjubo-unmanaged"
fi

# One server for the whole run, with Wine's services started once before the program.
wineserver -p
"$loader" wineboot </dev/null >/dev/null 2>&1 || true
status=0
"$loader" "$@" </dev/null || status=$?
exit "$status"
